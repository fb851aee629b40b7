#pragma once
// The special points of a function of x over an interval: every root, every local minimum and maximum. The
// interval is scanned on a grid a + k*step (the graph's pixels) and each candidate the grid shows is refined
// to PointTolerance: a change of sign by Brent's method, an extremum by the change of sign of the derivative
// (or, where that cannot be used, by golden-section search). Stretches where the function has no value are
// skipped, and poles and jumps, across which the sign also changes, are told from roots by the value at the
// refined point.
#include "core/base/Real.h"

#include <functional>
#include <vector>

// The function's value, or a magnitude of UndefinedValue or more where it has none.
using TRealFunction = std::function<Real(Real)>;

// How close to the true point a refined root or extremum lies (absolute, plus the rounding of x itself).
constexpr Real PointTolerance = 1e-12L;

// The roots in [a, b], ascending: grid points where the value is exactly 0, the changes of sign between
// neighbouring grid points that close in on a zero (not on a pole or a jump), the touching roots where |f|
// comes down to 0 without a change of sign, and the ends of a stretch without values where the function
// comes down to 0 (SQRT(X) at 0). A root within the tolerance of a number with few digits (0, 2, 0.5) is
// that number when the function is no farther from 0 there. A stretch of grid points where the function is
// 0 throughout gives none. Nothing when a >= b or step <= 0.
std::vector<Real> FindRoots(const TRealFunction& f, Real a, Real b, Real step);

enum class TExtremumKind { Min, Max };

struct TExtremum {
    Real X;
    Real Y;
    TExtremumKind Kind;
};

// The local minima and maxima strictly inside [a, b], ascending in x: a grid value above (below) both its
// neighbours, or two equal values above (below) theirs, refined; plateaus of three or more equal values and
// the peaks of poles are no extrema, nor are points where the function jumps.
std::vector<TExtremum> FindExtrema(const TRealFunction& f, Real a, Real b, Real step);
