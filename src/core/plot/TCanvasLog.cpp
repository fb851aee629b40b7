#include "core/plot/TCanvasLog.h"

TCanvasLog::Call& TCanvasLog::Add(Op kind) {
    Call& c = m_calls.emplace_back();
    c.Kind = kind;
    c.Pen = Pen();
    c.Brush = Brush();
    return c;
}

void TCanvasLog::Line(int x1, int y1, int x2, int y2) {
    Call& c = Add(Op::Line);
    c.A = x1, c.B = y1, c.C = x2, c.D = y2;
}

void TCanvasLog::Polyline(const std::vector<TPoint>& points) {
    Add(Op::Polyline).Points = points;
}

void TCanvasLog::Rectangle(int l, int t, int r, int b) {
    Call& c = Add(Op::Rectangle);
    c.A = l, c.B = t, c.C = r, c.D = b;
}

void TCanvasLog::FillRect(int l, int t, int r, int b) {
    Call& c = Add(Op::FillRect);
    c.A = l, c.B = t, c.C = r, c.D = b;
}

void TCanvasLog::Ellipse(int l, int t, int r, int b) {
    Call& c = Add(Op::Ellipse);
    c.A = l, c.B = t, c.C = r, c.D = b;
}

void TCanvasLog::Arc(int l, int t, int r, int b, double startDeg, double spanDeg) {
    Call& c = Add(Op::Arc);
    c.A = l, c.B = t, c.C = r, c.D = b;
    c.Start = startDeg, c.Span = spanDeg;
}

void TCanvasLog::SetPixel(int x, int y, TColor color) {
    Call& c = Add(Op::SetPixel);
    c.A = x, c.B = y, c.Color = color;
}

void TCanvasLog::DrawFocusRect(int l, int t, int r, int b) {
    Call& c = Add(Op::FocusRect);
    c.A = l, c.B = t, c.C = r, c.D = b;
}

void TCanvasLog::TextOut(int x, int y, const std::string& text, const TFont& font) {
    Call& c = Add(Op::TextOut);
    c.A = x, c.B = y, c.Text = text, c.Font = font;
}

int TCanvasLog::TextWidth(const std::string& text, const TFont& font) {
    return m_metrics ? m_metrics->TextWidth(text, font) : 0;
}

int TCanvasLog::TextHeight(const std::string& text, const TFont& font) {
    return m_metrics ? m_metrics->TextHeight(text, font) : 0;
}

void TCanvasLog::Replay(TCanvas& target) const {
    for (const Call& c : m_calls) {
        target.Pen() = c.Pen;
        target.Brush() = c.Brush;
        switch (c.Kind) {
        case Op::Line: target.Line(c.A, c.B, c.C, c.D); break;
        case Op::Polyline: target.Polyline(c.Points); break;
        case Op::Rectangle: target.Rectangle(c.A, c.B, c.C, c.D); break;
        case Op::FillRect: target.FillRect(c.A, c.B, c.C, c.D); break;
        case Op::Ellipse: target.Ellipse(c.A, c.B, c.C, c.D); break;
        case Op::Arc: target.Arc(c.A, c.B, c.C, c.D, c.Start, c.Span); break;
        case Op::SetPixel: target.SetPixel(c.A, c.B, c.Color); break;
        case Op::FocusRect: target.DrawFocusRect(c.A, c.B, c.C, c.D); break;
        case Op::TextOut: target.TextOut(c.A, c.B, c.Text, c.Font); break;
        }
    }
}
