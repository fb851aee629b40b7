#include "support/RecordingCanvas.h"

#include <algorithm>
#include <iomanip>
#include <iterator>
#include <ostream>
#include <utility>

namespace {
const char* KindName(CallKind kind) {
    switch (kind) {
    case CallKind::Line: return "Line";
    case CallKind::Polyline: return "Polyline";
    case CallKind::Rectangle: return "Rectangle";
    case CallKind::FillRect: return "FillRect";
    case CallKind::Ellipse: return "Ellipse";
    case CallKind::Arc: return "Arc";
    case CallKind::SetPixel: return "SetPixel";
    case CallKind::FocusRect: return "FocusRect";
    case CallKind::TextOut: return "TextOut";
    }
    return "?";
}

const char* StyleName(PenStyle style) {
    switch (style) {
    case PenStyle::Solid: return "solid";
    case PenStyle::Dash: return "dash";
    case PenStyle::Dot: return "dot";
    case PenStyle::DashDot: return "dash-dot";
    case PenStyle::DashDotDot: return "dash-dot-dot";
    case PenStyle::Clear: return "clear";
    }
    return "?";
}

const char* ModeName(PenMode mode) {
    switch (mode) {
    case PenMode::Copy: return "copy";
    case PenMode::Xor: return "xor";
    case PenMode::NotXor: return "not-xor";
    }
    return "?";
}

const char* BrushName(BrushStyle style) {
    switch (style) {
    case BrushStyle::Solid: return "solid";
    case BrushStyle::Clear: return "clear";
    case BrushStyle::BDiagonal: return "b-diagonal";
    case BrushStyle::FDiagonal: return "f-diagonal";
    case BrushStyle::DiagCross: return "diag-cross";
    }
    return "?";
}

struct Hex {
    TColor c;
};
std::ostream& operator<<(std::ostream& out, Hex h) {
    const auto flags = out.flags();
    const auto fill = out.fill();
    out << "0x" << std::hex << std::uppercase << std::setw(6) << std::setfill('0') << h.c;
    out.flags(flags);
    out.fill(fill);
    return out;
}

bool UsesPen(CallKind k) {
    return k == CallKind::Line || k == CallKind::Polyline || k == CallKind::Rectangle ||
           k == CallKind::Ellipse || k == CallKind::Arc;
}
bool UsesBrush(CallKind k) {
    return k == CallKind::Rectangle || k == CallKind::FillRect || k == CallKind::Ellipse;
}

TCanvasCall Box(CallKind kind, int l, int t, int r, int b) {
    TCanvasCall c;
    c.Kind = kind;
    c.Points = {{l, t}, {r, b}};
    return c;
}

// Characters, not bytes, of a UTF-8 text.
int CharCount(const std::string& text) {
    return static_cast<int>(std::count_if(
        text.begin(), text.end(), [](char ch) { return (static_cast<unsigned char>(ch) & 0xC0) != 0x80; }));
}
} // namespace

TCanvasCall TCanvasCall::MakeLine(int x1, int y1, int x2, int y2, const TPen& pen) {
    TCanvasCall c;
    c.Kind = CallKind::Line;
    c.Points = {{x1, y1}, {x2, y2}};
    c.Pen = pen;
    return c;
}

TCanvasCall TCanvasCall::MakePolyline(std::vector<TPoint> points, const TPen& pen) {
    TCanvasCall c;
    c.Kind = CallKind::Polyline;
    c.Points = std::move(points);
    c.Pen = pen;
    return c;
}

TCanvasCall TCanvasCall::MakeRectangle(int l, int t, int r, int b, const TPen& pen, const TBrush& brush) {
    TCanvasCall c = Box(CallKind::Rectangle, l, t, r, b);
    c.Pen = pen;
    c.Brush = brush;
    return c;
}

TCanvasCall TCanvasCall::MakeFillRect(int l, int t, int r, int b, const TBrush& brush) {
    TCanvasCall c = Box(CallKind::FillRect, l, t, r, b);
    c.Brush = brush;
    return c;
}

TCanvasCall TCanvasCall::MakeEllipse(int l, int t, int r, int b, const TPen& pen, const TBrush& brush) {
    TCanvasCall c = Box(CallKind::Ellipse, l, t, r, b);
    c.Pen = pen;
    c.Brush = brush;
    return c;
}

TCanvasCall TCanvasCall::MakeArc(int l, int t, int r, int b, double startDeg, double spanDeg,
                                 const TPen& pen) {
    TCanvasCall c = Box(CallKind::Arc, l, t, r, b);
    c.StartDeg = startDeg;
    c.SpanDeg = spanDeg;
    c.Pen = pen;
    return c;
}

TCanvasCall TCanvasCall::MakeSetPixel(int x, int y, TColor color) {
    TCanvasCall c;
    c.Kind = CallKind::SetPixel;
    c.Points = {{x, y}};
    c.Color = color;
    return c;
}

TCanvasCall TCanvasCall::MakeFocusRect(int l, int t, int r, int b) {
    return Box(CallKind::FocusRect, l, t, r, b);
}

TCanvasCall TCanvasCall::MakeTextOut(int x, int y, std::string text, const TFont& font) {
    TCanvasCall c;
    c.Kind = CallKind::TextOut;
    c.Points = {{x, y}};
    c.Text = std::move(text);
    c.Font = font;
    return c;
}

bool TCanvasCall::operator==(const TCanvasCall& o) const {
    return Kind == o.Kind && Points == o.Points && Pen == o.Pen && Brush == o.Brush && Color == o.Color &&
           Text == o.Text && Font == o.Font && StartDeg == o.StartDeg && SpanDeg == o.SpanDeg;
}

std::ostream& operator<<(std::ostream& out, const TPoint& p) {
    return out << '(' << p.x << ',' << p.y << ')';
}

std::ostream& operator<<(std::ostream& out, const TMassh& m) {
    return out << '(' << static_cast<double>(m.XMin) << "; " << static_cast<double>(m.XMax) << ")-("
               << static_cast<double>(m.YMin) << "; " << static_cast<double>(m.YMax) << ')';
}

std::ostream& operator<<(std::ostream& out, const TPen& pen) {
    return out << "pen{" << Hex{pen.Color} << " w" << pen.Width << ' ' << StyleName(pen.Style) << ' '
               << ModeName(pen.Mode) << '}';
}

std::ostream& operator<<(std::ostream& out, const TBrush& brush) {
    return out << "brush{" << Hex{brush.Color} << ' ' << BrushName(brush.Style) << '}';
}

std::ostream& operator<<(std::ostream& out, const TCanvasCall& call) {
    out << KindName(call.Kind);
    for (const TPoint& p : call.Points)
        out << ' ' << p;
    if (call.Kind == CallKind::Arc) out << " from " << call.StartDeg << " over " << call.SpanDeg;
    if (call.Kind == CallKind::SetPixel) out << ' ' << Hex{call.Color};
    if (call.Kind == CallKind::TextOut)
        out << " \"" << call.Text << "\" font{" << call.Font.Name << ' ' << call.Font.Size << "pt "
            << Hex{call.Font.Color} << (call.Font.Bold ? " bold" : "") << (call.Font.Italic ? " italic" : "")
            << '}';
    if (UsesPen(call.Kind)) out << ' ' << call.Pen;
    if (UsesBrush(call.Kind)) out << ' ' << call.Brush;
    return out;
}

void TRecordingCanvas::Line(int x1, int y1, int x2, int y2) {
    m_calls.push_back(TCanvasCall::MakeLine(x1, y1, x2, y2, Pen()));
}

void TRecordingCanvas::Polyline(const std::vector<TPoint>& points) {
    m_calls.push_back(TCanvasCall::MakePolyline(points, Pen()));
}

void TRecordingCanvas::Rectangle(int l, int t, int r, int b) {
    m_calls.push_back(TCanvasCall::MakeRectangle(l, t, r, b, Pen(), Brush()));
}

void TRecordingCanvas::FillRect(int l, int t, int r, int b) {
    m_calls.push_back(TCanvasCall::MakeFillRect(l, t, r, b, Brush()));
}

void TRecordingCanvas::Ellipse(int l, int t, int r, int b) {
    m_calls.push_back(TCanvasCall::MakeEllipse(l, t, r, b, Pen(), Brush()));
}

void TRecordingCanvas::Arc(int l, int t, int r, int b, double startDeg, double spanDeg) {
    m_calls.push_back(TCanvasCall::MakeArc(l, t, r, b, startDeg, spanDeg, Pen()));
}

void TRecordingCanvas::SetPixel(int x, int y, TColor color) {
    m_calls.push_back(TCanvasCall::MakeSetPixel(x, y, color));
}

void TRecordingCanvas::DrawFocusRect(int l, int t, int r, int b) {
    m_calls.push_back(TCanvasCall::MakeFocusRect(l, t, r, b));
}

void TRecordingCanvas::TextOut(int x, int y, const std::string& text, const TFont& font) {
    m_calls.push_back(TCanvasCall::MakeTextOut(x, y, text, font));
}

int TRecordingCanvas::TextWidth(const std::string& text, const TFont&) {
    return CharWidth * CharCount(text);
}

int TRecordingCanvas::TextHeight(const std::string&, const TFont&) {
    return LineHeight;
}

std::vector<TCanvasCall> TRecordingCanvas::CallsOf(CallKind kind) const {
    std::vector<TCanvasCall> result;
    std::copy_if(m_calls.begin(), m_calls.end(), std::back_inserter(result),
                 [kind](const TCanvasCall& c) { return c.Kind == kind; });
    return result;
}

int TRecordingCanvas::CountOf(CallKind kind) const {
    return static_cast<int>(std::count_if(m_calls.begin(), m_calls.end(),
                                          [kind](const TCanvasCall& c) { return c.Kind == kind; }));
}
