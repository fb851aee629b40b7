#include "core/objects/GraphWalk.h"

#include <cmath>

namespace {
// The walk's arguments are counted in thousandths of the base step, the finest step it takes.
constexpr long long Parts = TWalkLattice::Parts;
// Where y moves by more than SteepFactor times the step, the next step is FineFactor times shorter.
constexpr long long FineFactor = 10;
// The domain edge is searched from this many (fine) steps back.
constexpr long long EdgeBackSteps = 10;
// Chords are clipped this many pixels beyond the window, besides the pen's width, so that their ends
// never show.
constexpr int ClipMargin = 2;

int MarginOf(const TFn& fn) {
    return fn.WLine + ClipMargin;
}

// Where the curve enters or leaves its domain between the previous point and the one at part m, walks the
// stretch from m - EdgeBackSteps*k to m + k again with a tenth of k, and the step at the edge itself with a
// hundredth.
void RefineEdge(const TFn& fn, TMasshImage& image, const TWalkLattice& lattice, long long m, long long k,
                const TCurvePoint& previous, TDrawBudget& budget) {
    TLineSink sink(image.Canvas());
    TStroke stroke(fn, image, sink, MarginOf(fn), budget);
    stroke.Add(previous);
    long long f = k / FineFactor;
    Real py = previous.Y;
    bool refining = false;
    long long mark = 0;
    for (long long u = m - EdgeBackSteps * k; u <= m + k;) {
        const TCurvePoint p = CurvePointAt(fn, lattice.AtPart(u));
        --budget.Left;
        stroke.Add(p);
        if (IsUndefined(py) != IsUndefined(p.Y) && !refining) {
            mark = u;
            u -= f;
            f /= FineFactor;
            refining = true;
        }
        if (refining && mark <= u) {
            refining = false;
            f *= FineFactor;
        }
        py = p.Y;
        u += f;
    }
}

void Mark(TMasshImage& image, const TFn& fn, const TCurvePoint& p) {
    if (!p.Defined()) return;
    const int x = image.XToScr(p.X), y = image.YToScr(p.Y);
    // One pixel, or a square of the pen width with the point at its top left corner.
    if (fn.WLine == 1)
        image.Canvas().SetPixel(x, y, fn.Color);
    else
        image.Canvas().Rectangle(x, y, x + fn.WLine, y + fn.WLine);
}
} // namespace

void SetGraphPen(TCanvas& canvas, const TFn& fn) {
    canvas.Pen().Color = fn.Color;
    canvas.Pen().Width = fn.WLine;
    canvas.Pen().Style = PenStyle::Solid;
    canvas.Pen().Mode = PenMode::Copy;
}

void WalkLine(const TFn& fn, TMasshImage& image, const TWalkLattice& lattice, long long steps, Real end,
              std::optional<Real> closing, TDrawBudget& budget) {
    TLineSink sink(image.Canvas());
    TStroke stroke(fn, image, sink, MarginOf(fn), budget);
    TCurvePoint previous = CurvePointAt(fn, lattice.Origin());
    stroke.Add(previous);
    const long long last = steps * Parts;
    // The lengths of the two steps the walk takes, and how far y may move along each before it is steep.
    const Real steep = SteepFactor * lattice.Step();
    const Real steepFine = SteepFactor * lattice.PartsLength(Parts / FineFactor);
    long long k = Parts;
    for (long long m = k; m <= last; m += k) {
        const Real t = lattice.AtPart(m);
        if (!(t <= end)) break;
        const TCurvePoint p = CurvePointAt(fn, t);
        --budget.Left;
        stroke.Add(p);
        // Steep stretches are walked ten times finer; the step falls back as soon as the curve flattens.
        k = std::fabs(p.Y - previous.Y) <= (k == Parts ? steep : steepFine) ? Parts : Parts / FineFactor;
        if (IsUndefined(previous.Y) != IsUndefined(p.Y))
            RefineEdge(fn, image, lattice, m, k, previous, budget);
        previous = p;
    }
    // The end of the range, which the lattice rarely meets exactly.
    if (closing && *closing > previous.T) stroke.Add(CurvePointAt(fn, *closing));
}

void WalkPoints(const TFn& fn, TMasshImage& image, const TWalkLattice& lattice, long long steps, Real end,
                std::optional<Real> closing, TDrawBudget& budget) {
    TCurvePoint last = CurvePointAt(fn, lattice.Origin()); // not marked itself
    for (long long k = 1; k <= steps; ++k) {
        const Real t = lattice.At(k);
        if (!(t <= end)) break;
        last = CurvePointAt(fn, t);
        --budget.Left;
        Mark(image, fn, last);
    }
    if (closing && *closing > last.T && last.Defined()) Mark(image, fn, CurvePointAt(fn, *closing));
}
