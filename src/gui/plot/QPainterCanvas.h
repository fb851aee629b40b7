#pragma once
// A canvas over any QPainter device, for the vector pictures (SVG, PDF): the same drawing as the bitmap's,
// with Qt's own primitives. Raster modes do not exist there: XOR marks are drawn as plain copies (no
// transient mark is ever exported).
#include "core/plot/Canvas.h"

class QPainter;

class TQPainterCanvas : public TCanvas {
public:
    // The painter is not owned and must stay active while the canvas draws.
    explicit TQPainterCanvas(QPainter& painter) : m_painter(painter) {}

    void Line(int x1, int y1, int x2, int y2) override;
    void Polyline(const std::vector<TPoint>& points) override;
    void Rectangle(int l, int t, int r, int b) override;
    void FillRect(int l, int t, int r, int b) override;
    void Ellipse(int l, int t, int r, int b) override;
    void Arc(int l, int t, int r, int b, double startDeg, double spanDeg) override;
    void SetPixel(int x, int y, TColor color) override;
    void DrawFocusRect(int l, int t, int r, int b) override;
    void TextOut(int x, int y, const std::string& text, const TFont& font) override;
    int TextWidth(const std::string& text, const TFont& font) override;
    int TextHeight(const std::string& text, const TFont& font) override;

private:
    void UsePen();
    void UseBrush();

    QPainter& m_painter;
};
