// The drawing operations of TFn: the graph itself, the hatching of the integral tools and the highlighted
// arc of the arc length tool.
#include "core/objects/TFn.h"

#include "core/objects/GraphWalk.h"
#include "core/objects/TStroke.h"
#include "core/objects/WalkLattice.h"
#include "core/plot/TMasshImage.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {
// Hatching: the first column is this far right of the lower bound, then every HatchPitch columns.
constexpr int HatchOffset = 2;
constexpr int HatchPitch = 4;
constexpr int OxEllipseAspect = 4; // half width of a revolution ellipse about Ox: its half height / 4
constexpr int OyEllipseAspect = 6; // half height of a revolution ellipse about Oy: its half width / 6

constexpr int ArcExtraWidth = 2;  // the highlighted arc is this much thicker than the graph
constexpr int ArcEndMarkHalf = 3; // half the side of the squares at the ends of the highlighted arc

// Curves that are y(x): nothing of them outside the window's columns can show. A table's polynomial is one
// too: walked over its whole range at steps of the window, points as far apart as X=1E11 took hours.
bool IsFunctionOfX(ObjKind kind) {
    return kind == ObjKind::Explicit || kind == ObjKind::Sample || kind == ObjKind::Table;
}

// Chords joined into polylines, broken wherever the stroke leaves a gap.
class TPolylineSink : public TChordSink {
public:
    explicit TPolylineSink(TCanvas& canvas) : m_canvas(canvas) {}
    ~TPolylineSink() override { Gap(); }
    void Chord(TPoint from, TPoint to) override {
        if (m_run.empty() || m_run.back() != from) {
            Gap();
            m_run.push_back(from);
        }
        m_run.push_back(to);
    }
    void Gap() override {
        if (m_run.size() > 1) m_canvas.Polyline(m_run);
        m_run.clear();
    }

private:
    TCanvas& m_canvas;
    std::vector<TPoint> m_run;
};
} // namespace

void TFn::Draw(TMasshImage& image) {
    const Real a = RangeA.Value(), b = RangeB.Value();
    if (!(a < b)) return;
    const TMassh& m = image.Massh();
    const Real visible = m.XMax - m.XMin;
    // At most about Quality steps across the visible width.
    const int n = RoundedSteps(Quality);
    const Real span = b - a <= visible ? b - a : visible;
    Real c = a, d = b;
    // Curves of other kinds may come back into the window from anywhere on their argument range.
    if (IsFunctionOfX(Kind())) {
        c = std::max(a, m.XMin);
        d = std::min(b, m.XMax);
    }
    SetGraphPen(image.Canvas(), *this);
    // A range wholly outside the window has nothing visible, and its start would lie outside [a, b]. The
    // walk closes at the end of the range it walks: for an explicit function beyond the window that is the
    // window's edge, which a chord to the far bound would cross in a direction the curve need not have.
    if (c <= d) {
        const TWalkLattice lattice{c, span, n};
        TDrawBudget budget;
        if (ByPoints)
            WalkPoints(*this, image, lattice, AllSteps, d, d, budget);
        else
            WalkLine(*this, image, lattice, AllSteps, d, d, budget);
    }
    Drawn = true;
}

void TFn::DrawIntegralArea(int mode, TMasshImage& image, Real a, Real b) const {
    const Real ra = RangeA.Value(), rb = RangeB.Value();
    const TMassh& m = image.Massh();
    if (!(ra < rb && b >= ra && a <= rb && b >= m.XMin && a <= m.XMax)) return;
    const Real lo = std::max(m.XMin, std::max(a, ra));
    const Real hi = std::min(m.XMax, std::min(b, rb));
    TCanvas& canvas = image.Canvas();
    canvas.Pen().Width = 1;
    canvas.Pen().Style = PenStyle::Solid;
    canvas.Pen().Mode = PenMode::Copy;
    const int r0 = image.YToScr(0), c0 = image.XToScr(0);
    const int last = image.XToScr(hi);
    for (int col = image.XToScr(lo) + HatchOffset; col < last; col += HatchPitch) {
        const Real y = YOf(XOf(image.ScrToX(col)));
        if (IsUndefined(y)) continue;
        const int row = image.YToScr(y);
        switch (mode) {
        case 1:
            canvas.Pen().Color = image.grAddColor;
            canvas.Line(col, row, col, r0);
            break;
        case 2: {
            // Centred on the axis, through the curve's row and its mirror row.
            const int dy = std::abs(r0 - row), w = dy / OxEllipseAspect;
            canvas.Pen().Color = image.grAddColor;
            canvas.Arc(col - w, r0 - dy, col + w, r0 + dy, 90, 180); // left half
            canvas.Pen().Color = image.grAdd2Color;
            canvas.Arc(col - w, r0 - dy, col + w, r0 + dy, 270, 180);
            break;
        }
        case 3: {
            const int r = std::abs(col - c0), e = r / OyEllipseAspect;
            canvas.Pen().Color = image.grAddColor;
            canvas.Arc(c0 - r, row - e, c0 + r, row + e, 180, 180); // lower half
            canvas.Pen().Color = image.grAdd2Color;
            canvas.Arc(c0 - r, row - e, c0 + r, row + e, 0, 180);
            break;
        }
        default: return;
        }
    }
}

void TFn::DrawArcHighlight(TMasshImage& image, Real a, Real b) const {
    const Real ra = RangeA.Value(), rb = RangeB.Value();
    if (!(ra < rb) || ra > b || rb < a) return;
    Real lo = std::max(a, ra), hi = std::min(b, rb);
    if (Kind() == ObjKind::Explicit) {
        lo = std::max(lo, image.Massh().XMin);
        hi = std::min(hi, image.Massh().XMax);
    }
    if (!(lo <= hi)) return;
    // Points is the rounded quality unless a document says otherwise.
    const int n = Points >= 1 && Points <= TRngBGP::MaxSteps ? Points : DefaultPoints;
    const TWalkLattice lattice{lo, hi - lo, n};
    TCanvas& canvas = image.Canvas();
    canvas.Pen().Color = image.grAddColor;
    canvas.Pen().Width = WLine + ArcExtraWidth;
    canvas.Pen().Style = PenStyle::Solid;
    canvas.Pen().Mode = PenMode::Copy;

    // Broken where the graph itself has a gap, so that the highlight never joins what Draw left open.
    {
        TPolylineSink sink(canvas);
        TDrawBudget budget;
        TStroke stroke(*this, image, sink, canvas.Pen().Width + ArcEndMarkHalf, budget);
        for (int i = 0; i <= n; ++i)
            stroke.Add(CurvePointAt(*this, i == n ? hi : lattice.At(i)));
    }

    const TBrush brush = canvas.Brush();
    canvas.Brush().Style = BrushStyle::Clear;
    for (const Real t : {lo, hi}) {
        const Real x = XOf(t), y = YOf(t);
        if (IsUndefined(x) || IsUndefined(y)) continue;
        const TPoint p{image.XToScr(x), image.YToScr(y)};
        canvas.Rectangle(p.x - ArcEndMarkHalf, p.y - ArcEndMarkHalf, p.x + ArcEndMarkHalf + 1,
                         p.y + ArcEndMarkHalf + 1);
    }
    canvas.Brush() = brush;
}
