#pragma once
// The nine global parameters p1..p9 that formulas read at every evaluation.
#include "core/base/Real.h"

#include <array>

struct TParam {
    static constexpr Real NewValue = 1, NewMin = -5, NewMax = 5, NewStep = 0.1L;
    Real Value = NewValue;
    Real Min = NewMin;
    Real Max = NewMax;
    Real h = NewStep;
    bool Used = false;
};

class TParamTable {
public:
    static constexpr int Count = 9;

    // k is the parameter number 1..9.
    TParam& operator[](int k) { return m_rows[k - 1]; }
    const TParam& operator[](int k) const { return m_rows[k - 1]; }
    const Real* ValueAddress(int k) const { return &m_rows[k - 1].Value; }

    void ResetForNewDocument(); // Value 1, Min -5, Max 5, h 0.1, not in use
    void ClearUsed();

private:
    std::array<TParam, Count> m_rows{};
};

// The program's single parameter table.
TParamTable& ParamTable();
