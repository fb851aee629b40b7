#pragma once
// A canvas that keeps what is drawn on it, to be drawn again on another canvas later: the command line draws
// a command's picture once and writes it as PNG, SVG or PDF. Text extents are asked of the canvas the log
// will be replayed on, so texts are placed as they will be shown.
#include "core/plot/Canvas.h"

#include <vector>

class TCanvasLog : public TCanvas {
public:
    // metrics: where TextWidth and TextHeight are measured; nullptr measures nothing (0).
    explicit TCanvasLog(TCanvas* metrics = nullptr) : m_metrics(metrics) {}

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

    // Forgets everything drawn so far: a full redraw starts a new picture.
    void Clear() { m_calls.clear(); }
    std::size_t Size() const { return m_calls.size(); }
    // Draws everything kept, in order, with the pens and brushes it was drawn with.
    void Replay(TCanvas& target) const;

private:
    enum class Op { Line, Polyline, Rectangle, FillRect, Ellipse, Arc, SetPixel, FocusRect, TextOut };
    struct Call {
        Op Kind = Op::Line;
        TPen Pen;
        TBrush Brush;
        int A = 0, B = 0, C = 0, D = 0; // coordinates, or x, y of a pixel or a text
        double Start = 0, Span = 0;     // an arc's angles
        TColor Color = clBlack;         // a pixel's colour
        std::vector<TPoint> Points;     // a polyline
        std::string Text;
        TFont Font;
    };
    Call& Add(Op kind);

    TCanvas* m_metrics;
    std::vector<Call> m_calls;
};
