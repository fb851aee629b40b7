#pragma once
#include "core/base/Real.h"

// The tick step for an axis range r > 0: a power of ten giving more than 4 and at most 40 steps
// (10 -> 1, 40 -> 1, 41 -> 10, 4 -> 0.1). An infinite range gives an infinite step.
Real BasicStep(Real r);
