#include "core/objects/CurveWalk.h"

#include <cmath>

namespace {
// The jump rule of every graph walk: a segment longer than this part of the window is a discontinuity.
constexpr Real JumpFraction = 0.9L;

void DrawUniform(TFn& curve, TMasshImage& image, Real a, Real b) {
    const TMassh& m = image.Massh();
    const Real maxDx = JumpFraction * (m.XMax - m.XMin), maxDy = JumpFraction * (m.YMax - m.YMin);
    TCanvas& canvas = image.Canvas();
    canvas.Pen().Color = curve.Color;
    canvas.Pen().Width = curve.WLine;
    canvas.Pen().Style = PenStyle::Solid;
    canvas.Pen().Mode = PenMode::Copy;
    const Real h = (b - a) / MaxCurveSteps;
    bool hasPrevious = false;
    Real x0 = 0, y0 = 0;
    TPoint p0;
    for (long long i = 0; i <= MaxCurveSteps; ++i) {
        // Not accumulated: the last point is b itself, whatever the magnitude of the bounds.
        const Real t = i == MaxCurveSteps ? b : a + i * h;
        const Real x = curve.XOf(t), y = curve.YOf(t);
        const bool defined = !IsUndefined(x) && !IsUndefined(y);
        TPoint p;
        if (defined) p = {image.XToScr(x), image.YToScr(y)};
        if (curve.ByPoints) {
            // As the base walk: the start point itself is not marked.
            if (defined && i > 0) {
                if (curve.WLine == 1)
                    canvas.SetPixel(p.x, p.y, curve.Color);
                else
                    canvas.Rectangle(p.x, p.y, p.x + curve.WLine, p.y + curve.WLine);
            }
        } else if (defined && hasPrevious && std::fabs(y0 - y) <= maxDy && std::fabs(x0 - x) <= maxDx) {
            canvas.Line(p0.x, p0.y, p.x, p.y);
        }
        hasPrevious = defined;
        x0 = x;
        y0 = y;
        p0 = p;
    }
}
} // namespace

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
    if (CurveBaseSteps(a, b, m.XMax - m.XMin, RoundedSteps(curve.Quality)) <= MaxCurveSteps) {
        curve.TFn::Draw(image);
        return;
    }
    DrawUniform(curve, image, a, b);
    curve.Drawn = true;
}
