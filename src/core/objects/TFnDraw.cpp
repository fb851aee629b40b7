// The drawing operations of TFn: the graph itself, the hatching of the integral tools and the highlighted
// arc of the arc length tool.
#include "core/objects/TFn.h"

#include "core/plot/TMasshImage.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {
// A segment longer than this part of the window, across or along, is a discontinuity and is left open (the
// vertical strokes at the asymptotes of TG(X)).
constexpr Real JumpFraction = 0.9L;
// Where y moves by more than SteepFactor times the step, the next step is FineFactor times shorter.
constexpr Real SteepFactor = 10;
constexpr Real FineFactor = 10;
// The domain edge is searched from this many (fine) steps back.
constexpr Real EdgeBackSteps = 10;

// Hatching: the first column is this far right of the lower bound, then every HatchPitch columns.
constexpr int HatchOffset = 2;
constexpr int HatchPitch = 4;
constexpr int OxEllipseAspect = 4; // half width of a revolution ellipse about Ox: its half height / 4
constexpr int OyEllipseAspect = 6; // half height of a revolution ellipse about Oy: its half width / 6

constexpr int ArcExtraWidth = 2;  // the highlighted arc is this much thicker than the graph
constexpr int ArcEndMarkHalf = 3; // half the side of the squares at the ends of the highlighted arc

bool IsExplicitOrSample(ObjKind kind) {
    return kind == ObjKind::Explicit || kind == ObjKind::Sample;
}

// Joins world points on the surface under the rule every graph walk uses.
class TSegments {
public:
    explicit TSegments(TMasshImage& image)
        : m_image(image), m_canvas(image.Canvas()),
          m_maxDx(JumpFraction * (image.Massh().XMax - image.Massh().XMin)),
          m_maxDy(JumpFraction * (image.Massh().YMax - image.Massh().YMin)) {}

    // Both points defined and no longer a jump than the window allows.
    bool Joinable(Real x0, Real y0, Real x, Real y) const {
        if (IsUndefined(x0) || IsUndefined(y0) || IsUndefined(x) || IsUndefined(y)) return false;
        return std::fabs(y0 - y) <= m_maxDy && std::fabs(x0 - x) <= m_maxDx;
    }

    void Segment(Real x0, Real y0, Real x, Real y) const {
        if (!Joinable(x0, y0, x, y)) return;
        const TPoint from = Pixel(x0, y0);
        const TPoint to = Pixel(x, y);
        m_canvas.Line(from.x, from.y, to.x, to.y);
    }

    // A point of a graph drawn by points: one pixel, or a square of the pen width with the point at its top
    // left corner.
    void Mark(Real x, Real y, TColor color, int size) const {
        const TPoint p = Pixel(x, y);
        if (size == 1)
            m_canvas.SetPixel(p.x, p.y, color);
        else
            m_canvas.Rectangle(p.x, p.y, p.x + size, p.y + size);
    }

    // A walk starts each segment where the last one ended: that pixel is not mapped twice (the mapping's
    // rounding is the dearest part of a redraw).
    TPoint Pixel(Real x, Real y) const {
        if (m_hasLast && x == m_lastX && y == m_lastY) return m_lastPixel;
        m_lastX = x;
        m_lastY = y;
        m_lastPixel = {m_image.XToScr(x), m_image.YToScr(y)};
        m_hasLast = true;
        return m_lastPixel;
    }

private:
    TMasshImage& m_image;
    TCanvas& m_canvas;
    Real m_maxDx, m_maxDy;
    mutable bool m_hasLast = false;
    mutable Real m_lastX = 0, m_lastY = 0;
    mutable TPoint m_lastPixel;
};

// Where the curve enters or leaves its domain between the previous point (x0, y0) and the one at t, walks
// the stretch from t - EdgeBackSteps*k to t + k again with a tenth of k, and the step at the edge itself
// with a hundredth.
void RefineEdge(const TFn& fn, const TSegments& segments, Real k, Real x0, Real y0, Real t) {
    Real f = k / FineFactor;
    Real px = x0, py = y0;
    bool refining = false;
    Real mark = 0;
    for (Real u = t - EdgeBackSteps * k; u <= t + k;) {
        const Real x = fn.XOf(u), y = fn.YOf(u);
        segments.Segment(px, py, x, y);
        if (IsUndefined(py) != IsUndefined(y) && !refining) {
            mark = u;
            u -= f;
            f /= FineFactor;
            refining = true;
        }
        if (refining && mark <= u) {
            refining = false;
            f *= FineFactor;
        }
        px = x;
        py = y;
        if (u + f == u) break; // a step lost in the magnitude of u would never end the walk
        u += f;
    }
}
} // namespace

void TFn::Draw(TMasshImage& image) {
    const Real a = RangeA.Value(), b = RangeB.Value();
    if (!(a < b)) return;
    const TMassh& m = image.Massh();
    const Real visible = m.XMax - m.XMin;
    // At most about Quality steps across the visible width.
    const int n = RoundedSteps(Quality);
    const Real h = b - a <= visible ? (b - a) / n : visible / n;
    Real c = a, d = b;
    // Curves of other kinds may come back into the window from anywhere on their argument range.
    if (IsExplicitOrSample(Kind())) {
        c = std::max(a, m.XMin);
        d = std::min(b, m.XMax);
    }
    TCanvas& canvas = image.Canvas();
    canvas.Pen().Color = Color;
    canvas.Pen().Width = WLine;
    canvas.Pen().Style = PenStyle::Solid;
    canvas.Pen().Mode = PenMode::Copy;
    const TSegments segments(image);

    // A range wholly outside the window has nothing visible, and its start would lie outside [a, b].
    if (c <= d) {
        Real x0 = XOf(c), y0 = YOf(c);
        if (!ByPoints) {
            Real k = h;
            for (Real t = c + h; t <= d;) {
                const Real x = XOf(t), y = YOf(t);
                segments.Segment(x0, y0, x, y);
                k = std::fabs(y - y0) <= SteepFactor * k ? h : h / FineFactor;
                if (IsUndefined(y0) != IsUndefined(y)) RefineEdge(*this, segments, k, x0, y0, t);
                x0 = x;
                y0 = y;
                if (t + k == t) break;
                t += k;
            }
        } else {
            for (Real t = c + h; t <= d;) {
                const Real x = XOf(t), y = YOf(t);
                if (!IsUndefined(x) && !IsUndefined(y)) segments.Mark(x, y, Color, WLine);
                x0 = x;
                y0 = y;
                if (t + h == t) break;
                t += h;
            }
        }
        // The end of the unclipped range, which the walk rarely hits exactly.
        if (!IsUndefined(x0) && !IsUndefined(y0)) {
            const Real x = XOf(b), y = YOf(b);
            if (segments.Joinable(x0, y0, x, y)) {
                if (ByPoints)
                    segments.Mark(x, y, Color, WLine);
                else
                    segments.Segment(x0, y0, x, y);
            }
        }
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
    const Real step = (hi - lo) / n;
    TCanvas& canvas = image.Canvas();
    canvas.Pen().Color = image.grAddColor;
    canvas.Pen().Width = WLine + ArcExtraWidth;
    canvas.Pen().Style = PenStyle::Solid;
    canvas.Pen().Mode = PenMode::Copy;
    const TSegments segments(image);

    // Broken where the graph itself has a gap, so that the highlight never joins what Draw left open.
    std::vector<TPoint> run;
    auto flush = [&] {
        if (run.size() > 1) canvas.Polyline(run);
        run.clear();
    };
    Real px = UndefinedValue, py = UndefinedValue;
    for (int i = 0; i <= n; ++i) {
        const Real t = i == n ? hi : lo + i * step;
        const Real x = XOf(t), y = YOf(t);
        if (!segments.Joinable(px, py, x, y)) flush();
        if (!IsUndefined(x) && !IsUndefined(y)) run.push_back(segments.Pixel(x, y));
        px = x;
        py = y;
    }
    flush();

    const TBrush brush = canvas.Brush();
    canvas.Brush().Style = BrushStyle::Clear;
    for (const Real t : {lo, hi}) {
        const Real x = XOf(t), y = YOf(t);
        if (IsUndefined(x) || IsUndefined(y)) continue;
        const TPoint p = segments.Pixel(x, y);
        canvas.Rectangle(p.x - ArcEndMarkHalf, p.y - ArcEndMarkHalf, p.x + ArcEndMarkHalf + 1,
                         p.y + ArcEndMarkHalf + 1);
    }
    canvas.Brush() = brush;
}
