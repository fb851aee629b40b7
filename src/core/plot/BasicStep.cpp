#include "core/plot/BasicStep.h"

#include <cmath>

namespace {
// Where the search for the power of ten starts. Powers reached from here by multiplying by 10 in long double
// lie a hair above the exact ones, so a range that is itself a power of ten stops at it.
constexpr Real SearchStart = 1e-100L;
// A range of more than this many steps of P / 10 takes that step, otherwise the next smaller power.
constexpr Real MinSteps = 4;
} // namespace

Real BasicStep(Real r) {
    Real p = SearchStart;
    // The finiteness test only ends the search for an infinite range.
    while (r >= p && std::isfinite(p))
        p *= 10;
    const Real q = p / 10;
    return r > MinSteps * q ? q : q / 10;
}
