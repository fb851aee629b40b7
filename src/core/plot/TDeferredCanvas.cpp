#include "core/plot/TDeferredCanvas.h"

void TDeferredCanvas::Begin(const TCanvas& target) {
    m_steps.clear();
    m_pens.clear();
    m_brushes.clear();
    m_polylines.clear();
    m_arcs.clear();
    m_texts.clear();
    Pen() = m_lastPen = target.Pen();
    Brush() = m_lastBrush = target.Brush();
}

void TDeferredCanvas::Use(bool pen, bool brush) {
    if (pen && Pen() != m_lastPen) {
        m_lastPen = Pen();
        m_pens.push_back(m_lastPen);
        Add(Op::Pen, static_cast<int>(m_pens.size()) - 1);
    }
    if (brush && Brush() != m_lastBrush) {
        m_lastBrush = Brush();
        m_brushes.push_back(m_lastBrush);
        Add(Op::Brush, static_cast<int>(m_brushes.size()) - 1);
    }
}

void TDeferredCanvas::Line(int x1, int y1, int x2, int y2) {
    Use(true, false);
    Add(Op::Line, x1, y1, x2, y2);
}

void TDeferredCanvas::Polyline(const std::vector<TPoint>& points) {
    Use(true, false);
    m_polylines.push_back(points);
    Add(Op::Polyline, static_cast<int>(m_polylines.size()) - 1);
}

void TDeferredCanvas::Rectangle(int l, int t, int r, int b) {
    Use(true, true);
    Add(Op::Rectangle, l, t, r, b);
}

void TDeferredCanvas::FillRect(int l, int t, int r, int b) {
    Use(false, true);
    Add(Op::FillRect, l, t, r, b);
}

void TDeferredCanvas::Ellipse(int l, int t, int r, int b) {
    Use(true, true);
    Add(Op::Ellipse, l, t, r, b);
}

void TDeferredCanvas::Arc(int l, int t, int r, int b, double startDeg, double spanDeg) {
    Use(true, false);
    m_arcs.emplace_back(startDeg, spanDeg);
    Add(Op::Arc, l, t, r, b); // its angles are the arc's of the same number in m_arcs
}

void TDeferredCanvas::SetPixel(int x, int y, TColor color) {
    Add(Op::Pixel, x, y, static_cast<int>(color));
}

void TDeferredCanvas::DrawFocusRect(int l, int t, int r, int b) {
    Add(Op::Focus, l, t, r, b);
}

void TDeferredCanvas::TextOut(int x, int y, const std::string& text, const TFont& font) {
    m_texts.emplace_back(text, font);
    Add(Op::Text, x, y, static_cast<int>(m_texts.size()) - 1);
}

void TDeferredCanvas::Replay(TCanvas& target) const {
    std::size_t arc = 0;
    for (const TStep& s : m_steps) {
        switch (s.Kind) {
        case Op::Pen: target.Pen() = m_pens[s.A]; break;
        case Op::Brush: target.Brush() = m_brushes[s.A]; break;
        case Op::Line: target.Line(s.A, s.B, s.C, s.D); break;
        case Op::Polyline: target.Polyline(m_polylines[s.A]); break;
        case Op::Rectangle: target.Rectangle(s.A, s.B, s.C, s.D); break;
        case Op::FillRect: target.FillRect(s.A, s.B, s.C, s.D); break;
        case Op::Ellipse: target.Ellipse(s.A, s.B, s.C, s.D); break;
        case Op::Arc: {
            const auto& [start, span] = m_arcs[arc++];
            target.Arc(s.A, s.B, s.C, s.D, start, span);
            break;
        }
        case Op::Pixel: target.SetPixel(s.A, s.B, static_cast<TColor>(s.C)); break;
        case Op::Focus: target.DrawFocusRect(s.A, s.B, s.C, s.D); break;
        case Op::Text: target.TextOut(s.A, s.B, m_texts[s.C].first, m_texts[s.C].second); break;
        }
    }
}
