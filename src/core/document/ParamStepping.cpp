#include "core/document/ParamStepping.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
constexpr Real Half = 0.5L;
constexpr int MaxTrackSteps = std::numeric_limits<int>::max();

// Nearest integer, halves to even (the default rounding mode), held within 0..limit.
int RoundedWithin(Real v, int limit) {
    if (!(v > 0)) return 0; // also NaN
    const Real r = std::nearbyint(v);
    return r >= static_cast<Real>(limit) ? limit : static_cast<int>(r);
}
} // namespace

void CommitParamValue(TParam& p, Real value) {
    p.Value = value;
    if (p.Value < p.Min) p.Min = p.Value - std::fabs(p.Value * Half);
    if (p.Max < p.Value) p.Max = p.Value + std::fabs(p.Value * Half);
}

bool SetParamMin(TParam& p, Real min) {
    p.Min = min;
    if (p.Max <= p.Min) p.Max = p.Min + std::fabs(p.Min * Half);
    if (p.Value < p.Min) {
        p.Value = p.Min;
        return true;
    }
    return false;
}

bool SetParamMax(TParam& p, Real max) {
    p.Max = max;
    if (p.Max <= p.Min) p.Min = p.Max - std::fabs(p.Max * Half);
    if (p.Max < p.Value) {
        p.Value = p.Max;
        return true;
    }
    return false;
}

bool SetParamStep(TParam& p, Real h) {
    if (h == 0) return false;
    p.h = std::fabs(h);
    return true;
}

int ParamNumSteps(const TParam& p) {
    if (!(p.Max > p.Min) || !(p.h > 0)) return 0;
    const Real steps = (p.Max - p.Min) / p.h;
    if (!std::isfinite(steps)) return 0;
    return RoundedWithin(steps, MaxTrackSteps);
}

int ParamTrackPosition(const TParam& p, int numSteps) {
    if (numSteps <= 0 || !(p.Max > p.Min)) return 0;
    const Real position = (p.Value - p.Min) * numSteps / (p.Max - p.Min);
    return RoundedWithin(position, numSteps);
}

Real ParamValueAt(const TParam& p, int position) {
    const Real v = position * p.h + p.Min;
    return v > p.Max ? p.Max : v;
}

int ParamSteppedPosition(int position, int step, int numSteps) {
    const long long moved = static_cast<long long>(position) + step;
    return static_cast<int>(std::clamp<long long>(moved, 0, std::max(numSteps, 0)));
}

void RefreshUnusedParams(TParamTable& table, TUnusedParams rule) {
    if (rule == TUnusedParams::Keep) return;
    for (int k = 1; k <= TParamTable::Count; ++k)
        if (!table[k].Used) table[k] = TParam{};
}
