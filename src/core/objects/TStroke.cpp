#include "core/objects/TStroke.h"

#include <algorithm>
#include <cmath>

namespace {
// A chord up to this long (pixels) is drawn as it is: nothing can hide in it that the picture would show.
constexpr Real ShortChord = 2;
// A chord this many times longer than both its neighbours may hide a step (INT(X)) and is decided. So is a
// steep one that turns back against both and is longer than both together: a pole may lie there (1/X from
// -200 to 200 between -66 and 66, seen in a window as tall as 2000).
constexpr Real SpikeRatio = 4;
// A chord longer than this part of the picture's smaller side is always decided (TG(X) at its asymptotes).
constexpr int LongDivisor = 4;
// Where neither half of a chord keeps more than this part of its length, the curve is continuous there.
constexpr Real Balance = 0.75L;
// Halvings of one chord at most (2^-48 of a step is below any pixel of a sensible window), and the
// evaluations one decision may take: following one break down takes one a halving, and where both halves
// stay long again and again the curve is no curve.
constexpr int MaxDepth = 48;
constexpr long long MaxEvaluations = 64;
// Beyond this many pixels off the picture a point is far: where both ends of a chord are, the part of it
// in the window cannot be placed to a pixel in long double (1E90 - 1E90), and the chord is halved instead.
constexpr Real FarPixels = 1e12L;

// Rounded as the surface's XToScr and YToScr round (to nearest, halves to even).
int Round(Real v) {
    return static_cast<int>(std::lrint(v));
}
} // namespace

TStroke::TStroke(const TFn& fn, const TMasshImage& image, TChordSink& sink, int margin, TDrawBudget& budget)
    : m_fn(fn), m_sink(sink), m_budget(budget), m_xMin(image.Massh().XMin), m_yMin(image.Massh().YMin),
      m_xRange(image.Massh().XMax - image.Massh().XMin), m_yRange(image.Massh().YMax - image.Massh().YMin),
      m_width(image.Width()), m_height(image.Height()), m_lo(-margin), m_right(image.Width() + margin),
      m_top(image.Height() + margin),
      m_long(static_cast<Real>(std::min(image.Width(), image.Height())) / LongDivisor),
      m_steepX(SteepFactor * image.Width() / m_xRange), m_steepY(SteepFactor * image.Height() / m_yRange) {}

void TStroke::SetNode(TNode& n, const TCurvePoint& p) const {
    n.T = p.T;
    n.Defined = p.Defined();
    if (n.Defined) {
        // The same arithmetic as XToScr and YToScr, so that rounding gives their pixels.
        n.Px = (p.X - m_xMin) * m_width / m_xRange;
        n.Py = (p.Y - m_yMin) * m_height / m_yRange;
        n.Inside = n.Px >= m_lo && n.Px <= m_right && n.Py >= m_lo && n.Py <= m_top;
        n.Far = !(std::fabs(n.Px) < FarPixels && std::fabs(n.Py) < FarPixels);
    }
    n.HasPixel = false;
}

void TStroke::Measure(const TNode& a, const TNode& b, TVisible& v) const {
    v.Visible = false;
    v.Length = 0;
    v.DirX = v.DirY = 0;
    if (!a.Defined || !b.Defined) return;
    const Real dx = b.Px - a.Px, dy = b.Py - a.Py;
    v.U0 = 0;
    v.U1 = 1;
    if (!a.Inside || !b.Inside) {
        // The part of the chord within the box (Liang and Barsky): each side bounds the chord's parameter.
        const Real p[4] = {-dx, dx, -dy, dy};
        const Real q[4] = {a.Px - m_lo, m_right - a.Px, a.Py - m_lo, m_top - a.Py};
        for (int i = 0; i < 4; ++i) {
            if (p[i] == 0) {
                if (q[i] < 0) return;
                continue;
            }
            const Real r = q[i] / p[i];
            if (p[i] < 0)
                v.U0 = std::max(v.U0, r);
            else
                v.U1 = std::min(v.U1, r);
        }
        if (!(v.U0 <= v.U1)) return;
    }
    v.Visible = true;
    v.Length = std::max(std::fabs(dx), std::fabs(dy));
    if (v.U0 != 0 || v.U1 != 1) v.Length *= v.U1 - v.U0;
    v.DirX = (dx > 0) - (dx < 0);
    v.DirY = (dy > 0) - (dy < 0);
}

void TStroke::Add(const TCurvePoint& p) {
    // Three nodes in turn (the pending chord's ends and the point after it) and three chords (the one before
    // the pending one, the pending one and the one after it): nothing is copied as the walk moves on.
    const int slot = 3 - m_lastSlot - m_fromSlot;
    TNode& n = m_nodes[slot];
    SetNode(n, p);
    if (!m_hasLast) {
        m_fromSlot = m_lastSlot;
        m_lastSlot = slot;
        m_hasLast = true;
        return;
    }
    const int nextChord = 3 - m_pendingChord - m_beforeChord;
    TVisible& next = m_chords[nextChord];
    Measure(m_nodes[m_lastSlot], n, next);
    if (m_hasPending) {
        Decide(m_nodes[m_fromSlot], m_nodes[m_lastSlot], m_chords[m_pendingChord], m_chords[m_beforeChord],
               next);
        m_beforeChord = m_pendingChord;
    } else {
        m_chords[m_beforeChord] = TVisible{};
    }
    m_pendingChord = nextChord;
    m_hasPending = true;
    m_fromSlot = m_lastSlot;
    m_lastSlot = slot;
}

void TStroke::Finish() {
    if (m_hasPending)
        Decide(m_nodes[m_fromSlot], m_nodes[m_lastSlot], m_chords[m_pendingChord], m_chords[m_beforeChord],
               {});
    m_hasPending = false;
    m_hasLast = false;
    m_sink.Gap();
}

void TStroke::Decide(const TNode& a, const TNode& b, const TVisible& v, const TVisible& before,
                     const TVisible& after) {
    if (!v.Visible) return;
    bool suspect = v.Length > m_long || (a.Far && b.Far);
    if (!suspect && v.Length > ShortChord) {
        suspect = v.Length > SpikeRatio * std::max(before.Length, after.Length);
        if (!suspect && v.Length > before.Length + after.Length) {
            const auto against = [](int d, int before, int after) {
                return d != 0 && before == -d && after == -d;
            };
            const Real dt = std::fabs(b.T - a.T);
            suspect = (against(v.DirX, before.DirX, after.DirX) && std::fabs(b.Px - a.Px) > m_steepX * dt) ||
                      (against(v.DirY, before.DirY, after.DirY) && std::fabs(b.Py - a.Py) > m_steepY * dt);
        }
    }
    if (!suspect) {
        Draw(a, b, v);
        return;
    }
    long long budget = std::min(MaxEvaluations, m_budget.Left);
    const long long granted = budget;
    Subdivide(a, b, v, 0, budget);
    m_budget.Left -= granted - budget;
}

void TStroke::Subdivide(const TNode& a, const TNode& b, const TVisible& v, int depth, long long& budget) {
    if (!v.Visible) return;
    if (v.Length <= ShortChord && !(a.Far && b.Far)) {
        Draw(a, b, v);
        return;
    }
    // Out of halvings or of evaluations: one half kept the length throughout, a break.
    if (depth >= MaxDepth || budget <= 0) return;
    const Real t = a.T + (b.T - a.T) / 2;
    if (t == a.T || t == b.T) return; // no argument left between the two: a break at this precision
    --budget;
    TNode m;
    SetNode(m, CurvePointAt(m_fn, t));
    if (!m.Defined) return; // a hole in the domain
    TVisible first, second;
    Measure(a, m, first);
    Measure(m, b, second);
    const Real kept = Balance * v.Length;
    const bool firstKept = first.Length > kept || (a.Far && m.Far);
    const bool secondKept = second.Length > kept || (m.Far && b.Far);
    // Shared out: continuous, and drawn as the walk would have drawn it.
    if (!firstKept && !secondKept && !(a.Far && b.Far)) {
        Draw(a, b, v);
        return;
    }
    // Following a break down, the short halves beside it shrink to single pixels: those are not drawn.
    if (firstKept)
        Subdivide(a, m, first, depth + 1, budget);
    else
        Draw(a, m, first, true);
    if (secondKept)
        Subdivide(m, b, second, depth + 1, budget);
    else
        Draw(m, b, second, true);
}

void TStroke::Draw(const TNode& a, const TNode& b, const TVisible& v, bool skipDot) {
    if (!v.Visible) return;
    const Real dx = b.Px - a.Px, dy = b.Py - a.Py;
    // A clipped end is placed from the nearer end of the chord: from a far end it would lose its precision.
    auto at = [&](Real u) {
        return u <= 0.5L ? Pixel(a.Px + u * dx, a.Py + u * dy)
                         : Pixel(b.Px - (1 - u) * dx, b.Py - (1 - u) * dy);
    };
    const TPoint from = v.U0 == 0 ? PixelOf(a) : at(v.U0);
    const TPoint to = v.U1 == 1 ? PixelOf(b) : at(v.U1);
    if (skipDot && from == to) return;
    m_sink.Chord(from, to);
}

TPoint TStroke::Pixel(Real px, Real py) const {
    return {Round(px), m_height - Round(py)};
}

TPoint TStroke::PixelOf(const TNode& n) const {
    // A walk starts each chord where the last one ended: that pixel is not rounded twice (the rounding is a
    // dear part of a redraw).
    if (!n.HasPixel) {
        n.Pixel = Pixel(n.Px, n.Py);
        n.HasPixel = true;
    }
    return n.Pixel;
}
