#pragma once
// The number type of every formula value, bound, extent and result, and the undefined-value convention.
#include <cmath>

using Real = long double;

// π to the precision of Real.
constexpr Real Pi = 3.141592653589793238462643383279502884L;

// What an evaluation returns where a formula has no value. It is the long double literal: (long double)1e100
// is a different number.
constexpr Real UndefinedValue = 1e100L;

// Every consumer treats a magnitude of 1e100 or more as undefined (a huge but finite result too).
inline bool IsUndefined(Real v) {
    return !(std::fabs(v) < UndefinedValue);
}
