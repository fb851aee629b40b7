#pragma once
// The plotting quality of an object: a bound whose value is the number of plotting steps, 5..1000.
#include "core/objects/TRng.h"

class TRngBGP : public TRng {
public:
    static constexpr Real MinSteps = 5;
    static constexpr Real MaxSteps = 1000;
    static constexpr Real DefaultSteps = 100; // for a value outside MinSteps..MaxSteps or undefined

    explicit TRngBGP(const std::string& text = "100") : TRng(text) {}

    // Not rounded: callers round where they need a count.
    Real Value() const override;
};

// Value() rounded to a whole number of steps (halves to even).
int RoundedSteps(const TRngBGP& quality);
