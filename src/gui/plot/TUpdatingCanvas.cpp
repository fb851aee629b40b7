#include "gui/plot/TUpdatingCanvas.h"

TCanvas& TUpdatingCanvas::Target() {
    m_target.Pen() = Pen();
    m_target.Brush() = Brush();
    return m_target;
}

void TUpdatingCanvas::Line(int x1, int y1, int x2, int y2) {
    Target().Line(x1, y1, x2, y2);
    m_changed();
}

void TUpdatingCanvas::Polyline(const std::vector<TPoint>& points) {
    Target().Polyline(points);
    m_changed();
}

void TUpdatingCanvas::Rectangle(int l, int t, int r, int b) {
    Target().Rectangle(l, t, r, b);
    m_changed();
}

void TUpdatingCanvas::FillRect(int l, int t, int r, int b) {
    Target().FillRect(l, t, r, b);
    m_changed();
}

void TUpdatingCanvas::Ellipse(int l, int t, int r, int b) {
    Target().Ellipse(l, t, r, b);
    m_changed();
}

void TUpdatingCanvas::Arc(int l, int t, int r, int b, double startDeg, double spanDeg) {
    Target().Arc(l, t, r, b, startDeg, spanDeg);
    m_changed();
}

void TUpdatingCanvas::SetPixel(int x, int y, TColor color) {
    Target().SetPixel(x, y, color);
    m_changed();
}

void TUpdatingCanvas::DrawFocusRect(int l, int t, int r, int b) {
    Target().DrawFocusRect(l, t, r, b);
    m_changed();
}

void TUpdatingCanvas::TextOut(int x, int y, const std::string& text, const TFont& font) {
    Target().TextOut(x, y, text, font);
    m_changed();
}

int TUpdatingCanvas::TextWidth(const std::string& text, const TFont& font) {
    return m_target.TextWidth(text, font);
}

int TUpdatingCanvas::TextHeight(const std::string& text, const TFont& font) {
    return m_target.TextHeight(text, font);
}
