#pragma once
// A canvas that keeps a list of what was drawn, for tests. Each call records the state it used (the pen for
// lines, pen and brush for shapes, the brush for fills), so two lists compare equal only when the pictures
// would. Text extents are a fixed metric: 6 pixels per character, 10 pixels high.
#include "core/plot/Canvas.h"
#include "core/plot/TMassh.h"

#include <iosfwd>
#include <string>
#include <vector>

enum class CallKind { Line, Polyline, Rectangle, FillRect, Ellipse, Arc, SetPixel, FocusRect, TextOut };

struct TCanvasCall {
    CallKind Kind = CallKind::Line;
    std::vector<TPoint> Points; // end points, vertices, or the two box corners (l, t) and (r, b)
    TPen Pen;
    TBrush Brush;
    TColor Color = clBlack; // SetPixel
    std::string Text;
    TFont Font;
    double StartDeg = 0, SpanDeg = 0; // Arc

    static TCanvasCall MakeLine(int x1, int y1, int x2, int y2, const TPen& pen);
    static TCanvasCall MakePolyline(std::vector<TPoint> points, const TPen& pen);
    static TCanvasCall MakeRectangle(int l, int t, int r, int b, const TPen& pen, const TBrush& brush);
    static TCanvasCall MakeFillRect(int l, int t, int r, int b, const TBrush& brush);
    static TCanvasCall MakeEllipse(int l, int t, int r, int b, const TPen& pen, const TBrush& brush);
    static TCanvasCall MakeArc(int l, int t, int r, int b, double startDeg, double spanDeg, const TPen& pen);
    static TCanvasCall MakeSetPixel(int x, int y, TColor color);
    static TCanvasCall MakeFocusRect(int l, int t, int r, int b);
    static TCanvasCall MakeTextOut(int x, int y, std::string text, const TFont& font);

    bool operator==(const TCanvasCall& o) const;
    bool operator!=(const TCanvasCall& o) const { return !(*this == o); }
};

std::ostream& operator<<(std::ostream& out, const TCanvasCall& call);
std::ostream& operator<<(std::ostream& out, const TPen& pen);
std::ostream& operator<<(std::ostream& out, const TBrush& brush);
std::ostream& operator<<(std::ostream& out, const TPoint& point);
std::ostream& operator<<(std::ostream& out, const TMassh& m); // (XMin; XMax)-(YMin; YMax)

class TRecordingCanvas : public TCanvas {
public:
    static constexpr int CharWidth = 6;
    static constexpr int LineHeight = 10;

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

    const std::vector<TCanvasCall>& Calls() const { return m_calls; }
    std::vector<TCanvasCall> CallsOf(CallKind kind) const;
    int CountOf(CallKind kind) const;
    void Clear() { m_calls.clear(); }

private:
    std::vector<TCanvasCall> m_calls;
};
