#pragma once
// A bound of an argument interval held as a constant formula ("-5", "2*PI", "P1+1"). Its value is computed
// anew at every use, so a bound that names a parameter follows it without SetFormula.
#include "core/formula/TFunc.h"

class TRng : public TFunc {
public:
    // A text that does not compile gives a bound whose value is undefined.
    explicit TRng(const std::string& text = "0") : TFunc(text) {}

    // The formula at X = Y = 0 (so a bound "X" is 0).
    virtual Real Value() const { return Calc(0, 0); }
};
