#include "core/objects/CurveWalk.h"

#include "core/objects/GraphWalk.h"

#include <cmath>
#include <optional>

long long CurveBaseSteps(Real a, Real b, Real visible, int steps) {
    if (!(a < b)) return 0;
    if (b - a <= visible) return steps;
    const Real n = std::ceil((b - a) / visible * steps);
    // Beyond any cap: also for an infinite or NaN ratio.
    if (!(n < static_cast<Real>(MaxCurveSteps) * 2)) return MaxCurveSteps * 2;
    return static_cast<long long>(n);
}

void DrawCurve(TFn& curve, TMasshImage& image) {
    const Real a = curve.RangeA.Value(), b = curve.RangeB.Value();
    const TMassh& m = image.Massh();
    const Real visible = m.XMax - m.XMin;
    const int n = RoundedSteps(curve.Quality);
    if (CurveBaseSteps(a, b, visible, n) <= MaxCurveSteps) {
        curve.TFn::Draw(image);
        return;
    }
    SetGraphPen(image.Canvas(), curve);
    // Run j starts at a + j·(b - a - visible)/(runs - 1): the first at a, the last ending at b. They are
    // taken in the order of the bit-reversed counter (0, 1/2, 1/4, 3/4, ... of the range), so that a budget
    // spent before the last run still leaves them spread over the whole range.
    const long long runs = MaxCurveSteps / n;
    const TWalkLattice starts{a, (b - a) - visible, runs - 1};
    int bits = 0;
    while ((1LL << bits) < runs)
        ++bits;
    TDrawBudget budget;
    for (long long i = 0; i < (1LL << bits) && budget.Left > 0; ++i) {
        long long j = 0;
        for (int bit = 0; bit < bits; ++bit)
            if (i & (1LL << bit)) j |= 1LL << (bits - 1 - bit);
        if (j >= runs) continue;
        const TWalkLattice run{starts.At(j), visible, n};
        const std::optional<Real> closing = j == runs - 1 ? std::optional<Real>(b) : std::nullopt;
        if (curve.ByPoints)
            WalkPoints(curve, image, run, n, b, closing, budget);
        else
            WalkLine(curve, image, run, n, b, closing, budget);
    }
    curve.Drawn = true;
}
