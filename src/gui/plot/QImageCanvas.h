#pragma once
// The canvas over the graph's bitmap, a QImage of Format_RGB32.
// Thin lines, rectangles, fills and pixels are rasterised here pixel by pixel: Qt's cosmetic stroker leaves
// out the last pixel along its own sweep direction, not at the end point, so joined segments in XOR would
// cancel each other where they meet. Ellipses, arcs, wide lines and text go through QPainter without
// antialiasing, XOR as RasterOp_SourceXorDestination and NOT XOR as RasterOp_NotSourceXorDestination.
//
// An image with a device pixel ratio above 1 (the graph on a screen scaled to 200 %) is drawn on in the same
// coordinates as at 1, each of them a block of ratio x ratio image pixels: boxes, pixels and fills cover
// whole blocks, thin lines are rasterised at the image's own resolution one block thick (so slopes step by
// image pixels, not by blocks), and ellipses, arcs and text are drawn by QPainter at that resolution. At a
// ratio of 1 every primitive draws exactly as before.
#include "core/plot/Canvas.h"

#include <QFont>
#include <QImage>

#include <optional>
#include <utility>

class QPainter;

class TQImageCanvas : public TCanvas {
public:
    // The image is not owned; it may be replaced or resized between calls.
    explicit TQImageCanvas(QImage* image = nullptr) : m_image(image) {}
    void SetImage(QImage* image) { m_image = image; }
    QImage* Image() const { return m_image; }

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

    // The QFont for a font of the program: a family the platform lacks ("Small Fonts", "System") becomes the
    // default sans family; the size in points is taken at 96 pixels per inch, as on the original screens.
    static QFont ToQFont(const TFont& font);

private:
    bool Ready();
    // One image pixel in the given mode; outside the image nothing happens.
    void Plot(int x, int y, TColor color, PenMode mode);
    // The block of image pixels of the drawing pixel (x, y).
    void PlotBlock(int x, int y, TColor color, PenMode mode);
    // A thin line from (x1, y1) up to but without (x2, y2), continuing the pen's dash pattern at phase.
    void ThinLine(int x1, int y1, int x2, int y2, int& phase);
    // The same at a ratio above 1, in image pixels.
    void ScaledThinLine(int x1, int y1, int x2, int y2, int& phase);
    // The first image pixel of drawing coordinate v.
    int Device(int v) const;
    bool StyleOn(int phase) const;
    void FillBox(int l, int t, int r, int b, const TBrush& brush, PenMode mode);
    void SetUpPainter(QPainter& painter, bool withBrush) const;
    const QFont& CachedFont(const TFont& font);

    QImage* m_image = nullptr;
    uchar* m_bits = nullptr; // the image's pixels, as Ready() last found them
    qsizetype m_bytesPerLine = 0;
    int m_width = 0, m_height = 0; // in image pixels
    qreal m_ratio = 1;             // image pixels per drawing pixel, the image's device pixel ratio
    std::optional<std::pair<TFont, QFont>> m_fontCache;
};
