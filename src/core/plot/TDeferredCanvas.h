#pragma once
// A canvas that keeps the drawing made on it to draw it later on another canvas, with the pens and brushes
// it was made with: a graph walked on a worker thread is drawn by the thread that owns the bitmap. Lines and
// pixels, the bulk of a graph, are kept in a few bytes each.
#include "core/plot/Canvas.h"

#include <vector>

class TDeferredCanvas : public TCanvas {
public:
    // Starts empty with the target's pen and brush, as the drawing would find them there. Only the changes
    // of pen and brush made while drawing are kept: a drawing that sets its pen before using it (as every
    // graph does) is drawn again exactly.
    void Begin(const TCanvas& target);

    void Line(int x1, int y1, int x2, int y2) override;
    void Polyline(const std::vector<TPoint>& points) override;
    void Rectangle(int l, int t, int r, int b) override;
    void FillRect(int l, int t, int r, int b) override;
    void Ellipse(int l, int t, int r, int b) override;
    void Arc(int l, int t, int r, int b, double startDeg, double spanDeg) override;
    void SetPixel(int x, int y, TColor color) override;
    void DrawFocusRect(int l, int t, int r, int b) override;
    void TextOut(int x, int y, const std::string& text, const TFont& font) override;
    // Nothing is measured away from the target: the graphs drawn here write no text.
    int TextWidth(const std::string&, const TFont&) override { return 0; }
    int TextHeight(const std::string&, const TFont&) override { return 0; }

    // Draws everything kept, in order; the target's pen and brush end as the drawing left them here.
    void Replay(TCanvas& target) const;

private:
    enum class Op : unsigned char {
        Pen,
        Brush,
        Line,
        Polyline,
        Rectangle,
        FillRect,
        Ellipse,
        Arc,
        Pixel,
        Focus,
        Text
    };
    struct TStep {
        Op Kind;
        // Coordinates; for Pen, Brush and Polyline an index into the lists below, for Text in C; for a
        // pixel its colour in C.
        int A = 0, B = 0, C = 0, D = 0;
    };
    // Notes a change of pen or brush before a primitive that uses them.
    void Use(bool pen, bool brush);
    void Add(Op kind, int a = 0, int b = 0, int c = 0, int d = 0) { m_steps.push_back({kind, a, b, c, d}); }

    std::vector<TStep> m_steps;
    std::vector<TPen> m_pens;
    std::vector<TBrush> m_brushes;
    std::vector<std::vector<TPoint>> m_polylines;
    std::vector<std::pair<double, double>> m_arcs;
    std::vector<std::pair<std::string, TFont>> m_texts;
    TPen m_lastPen;
    TBrush m_lastBrush;
};
