#include "core/objects/NumericOps.h"

#include "core/objects/TFn.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr Real Pi = 3.141592653589793238462643383279502884L;

constexpr int SimpsonFirstPass = 20;
constexpr int SimpsonLastPassAbove = 20000; // the last pass is 20480
constexpr Real SimpsonTolerance = 1e-8L;
// A last pass that still moves the value by more than this share of it did not converge.
constexpr Real UnsettledShare = 1e-4L;

constexpr Real DerivativeStep = 0.001L;

constexpr int MinMaxSteps = 100;

constexpr int ChordFirstPass = 20;
constexpr int ArcLastPassAbove = 300;      // the last pass is 320
constexpr int SurfaceLastPassAbove = 1000; // the last pass is 1280
constexpr Real ChordTolerance = 1e-6L;

Real SimpsonTerm(const TFunc& f, int mode, Real t) {
    const Real x = f.XOf(t), y = f.YOf(t);
    if (IsUndefined(x) || IsUndefined(y)) return 0;
    switch (mode) {
    case IntegrateFunction: return y;
    case IntegrateSquare: return y * y;
    case IntegrateOyVolume: return Derivative(f, x) * (x * x);
    default: return 0;
    }
}

// Clips [a, b] to the object's interval; false when either is empty or they do not meet.
bool ClipToObject(const TFn& fn, Real& a, Real& b) {
    const Real oa = fn.RangeA.Value(), ob = fn.RangeB.Value();
    if (ob <= oa || oa > b || ob < a) return false;
    a = std::max(a, oa);
    b = std::min(b, ob);
    return true;
}

// Chord sums over [a, b], each chord weighted by weight(x, y) of its right end.
template <typename Weight> Real WeightedChords(const TFn& fn, Real a, Real b, int n, Weight weight) {
    const Real d = (b - a) / n;
    Real px = fn.XOf(a), py = fn.YOf(a);
    Real sum = 0;
    for (int i = 1; i <= n; ++i) {
        const Real t = a + i * d;
        const Real x = fn.XOf(t), y = fn.YOf(t);
        if (!IsUndefined(px) && !IsUndefined(py) && !IsUndefined(x) && !IsUndefined(y)) {
            const Real dx = x - px, dy = y - py;
            sum += std::sqrt(dx * dx + dy * dy) * weight(x, y);
            if (IsUndefined(sum)) return UndefinedValue;
        }
        px = x;
        py = y;
    }
    return sum;
}

// Doubles n from ChordFirstPass until two passes differ by less than the tolerance or n passes lastAbove.
template <typename Pass> Real ChordPasses(int lastAbove, Pass pass) {
    int n = ChordFirstPass;
    Real s = pass(n);
    if (IsUndefined(s)) return UndefinedValue;
    for (;;) {
        n *= 2;
        const Real next = pass(n);
        if (IsUndefined(next)) return UndefinedValue;
        if (std::fabs(s - next) < ChordTolerance || n > lastAbove) return next;
        s = next;
    }
}
} // namespace

Real SimpsonSum(const TFunc& f, int mode, Real a, Real b, int n) {
    const Real d = (b - a) / n;
    Real sum = SimpsonTerm(f, mode, a);
    sum += SimpsonTerm(f, mode, a + n * d);
    if (IsUndefined(sum)) return UndefinedValue;
    for (int i = 1; i < n; ++i) {
        const Real w = i % 2 == 1 ? 4 : 2;
        sum += w * SimpsonTerm(f, mode, a + i * d);
        if (IsUndefined(sum)) return UndefinedValue;
    }
    return d * sum / 3;
}

TIntegration IntegrateChecked(const TFunc& f, int mode, Real a, Real b) {
    int n = SimpsonFirstPass;
    Real s = SimpsonSum(f, mode, a, b, n);
    if (IsUndefined(s)) return {UndefinedValue, false};
    for (;;) {
        n *= 2;
        const Real next = SimpsonSum(f, mode, a, b, n);
        if (IsUndefined(next)) return {UndefinedValue, false};
        const Real change = std::fabs(s - next);
        if (change < SimpsonTolerance) return {next, false};
        if (n > SimpsonLastPassAbove) return {next, change > UnsettledShare * std::fabs(next)};
        s = next;
    }
}

Real Integrate(const TFunc& f, int mode, Real a, Real b) {
    return IntegrateChecked(f, mode, a, b).Value;
}

Real Derivative(const TFunc& f, Real x) {
    const Real left = f.YOf(x - DerivativeStep);
    const Real at = f.YOf(x);
    const Real right = f.YOf(x + DerivativeStep);
    if (IsUndefined(at)) return UndefinedValue;
    const bool hasLeft = !IsUndefined(left), hasRight = !IsUndefined(right);
    Real result = 0;
    if (hasLeft && hasRight)
        result = (right - left) / 2 / DerivativeStep;
    else if (hasRight)
        result = (right - at) / DerivativeStep;
    else if (hasLeft)
        result = (at - left) / DerivativeStep;
    return IsUndefined(result) ? UndefinedValue : result;
}

TMinMax MinMaxOn(const TFunc& f, Real a, Real b) {
    TMinMax result;
    bool any = false;
    for (int k = 0; k <= MinMaxSteps; ++k) {
        const Real t = k == MinMaxSteps ? b : a + k * (b - a) / MinMaxSteps;
        const Real y = f.YOf(t);
        if (IsUndefined(y)) continue;
        if (!any) {
            result.Min = result.Max = y;
            any = true;
        } else {
            result.Min = std::min(result.Min, y);
            result.Max = std::max(result.Max, y);
        }
    }
    return result;
}

Real ChordSum(const TFn& fn, Real a, Real b, int n) {
    return WeightedChords(fn, a, b, n, [](Real, Real) { return Real(1); });
}

Real BeltSum(const TFn& fn, int mode, Real a, Real b, int n) {
    if (mode == SurfaceAboutOx) return WeightedChords(fn, a, b, n, [](Real, Real y) { return std::fabs(y); });
    return WeightedChords(fn, a, b, n, [](Real x, Real) { return std::fabs(x); });
}

Real ArcLength(const TFn& fn, Real a, Real b) {
    if (!ClipToObject(fn, a, b)) return 0;
    return ChordPasses(ArcLastPassAbove, [&](int n) { return ChordSum(fn, a, b, n); });
}

Real SurfaceArea(const TFn& fn, int mode, Real a, Real b) {
    if (!ClipToObject(fn, a, b)) return 0;
    const Real belts = ChordPasses(SurfaceLastPassAbove, [&](int n) { return BeltSum(fn, mode, a, b, n); });
    return IsUndefined(belts) ? UndefinedValue : 2 * Pi * belts;
}
