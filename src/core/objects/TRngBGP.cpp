#include "core/objects/TRngBGP.h"

#include <cmath>

Real TRngBGP::Value() const {
    const Real v = Calc(0, 0);
    // Written so that NaN, should a fault upstream produce one, also falls back.
    if (!(v >= MinSteps && v <= MaxSteps)) return DefaultSteps;
    return v;
}

int RoundedSteps(const TRngBGP& quality) {
    return static_cast<int>(std::nearbyint(quality.Value()));
}
