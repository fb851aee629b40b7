#include "core/objects/PoleTest.h"

#include "core/objects/TFn.h"

#include <algorithm>
#include <cmath>

namespace {
// As the drawing decides its chords: where neither half keeps more than this part of the change, the curve
// is continuous there; halvings at most.
constexpr Real Balance = 0.75L;
constexpr int MaxDepth = 48;
// A change that has grown this many times beyond the values and the change at the start is a pole; a jump
// (INT(X)) keeps a change of the size of the values themselves.
constexpr Real PoleGrowth = 4;
} // namespace

bool PoleBetween(const TFn& fn, Real (TFn::*of)(Real) const, Real t0, Real v0, Real t1, Real v1) {
    const Real scale = std::max({std::fabs(v1 - v0), std::fabs(v0), std::fabs(v1)});
    for (int depth = 0; depth < MaxDepth; ++depth) {
        const Real t = t0 + (t1 - t0) / 2;
        if (t == t0 || t == t1) break;
        const Real v = (fn.*of)(t);
        if (IsUndefined(v)) return false; // a hole in the domain, whose sides are values like any other
        const Real first = std::fabs(v - v0), second = std::fabs(v1 - v);
        if (std::max(first, second) <= Balance * std::fabs(v1 - v0)) return false;
        if (first >= second) {
            t1 = t;
            v1 = v;
        } else {
            t0 = t;
            v0 = v;
        }
    }
    return std::fabs(v1 - v0) > PoleGrowth * scale;
}
