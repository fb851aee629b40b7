#pragma once
// Whether the curve runs off to infinity between two tabulated arguments, as TG(X) does between 1.5 and 1.6.
// The values beside such a pole are arbitrary (14 and -34 there, 80 beside 3*PI/2) and must not set the
// extents of the automatic scale.
#include "core/base/Real.h"

class TFn;

// `of` is the coordinate looked at (XOf or YOf); v0 and v1 are its defined values at t0 and t1. The larger
// half of the interval is followed down: a continuous stretch soon shares its change out between the halves,
// a pole keeps it and makes it grow.
bool PoleBetween(const TFn& fn, Real (TFn::*of)(Real) const, Real t0, Real v0, Real t1, Real v1);
