#pragma once
// What every drawing in the program draws on: an off-screen bitmap with a pen, a brush and a few primitives.
// Pixel conventions are those of the platform the drawing code comes from:
// - a line from A to B draws A but not B, so segments joined in XOR mode keep their shared vertex;
// - a box (l, t, r, b) of a rectangle or an ellipse covers the columns l..r-1 and the rows t..b-1;
// - a pixel outside the bitmap is ignored.
#include "core/plot/Colors.h"
#include "core/plot/TFont.h"

#include <string>
#include <vector>

struct TPoint {
    int x = 0;
    int y = 0;

    bool operator==(const TPoint& o) const { return x == o.x && y == o.y; }
    bool operator!=(const TPoint& o) const { return !(*this == o); }
};

// The codes 0..4 are the line styles objects store.
enum class PenStyle { Solid = 0, Dash = 1, Dot = 2, DashDot = 3, DashDotDot = 4, Clear = 5 };

// Xor and NotXor drawn twice leave the bitmap as it was: transient marks use them.
enum class PenMode { Copy, Xor, NotXor };

// The hatches fill with parallel lines of the brush colour and leave the rest as it was.
enum class BrushStyle { Solid, Clear, BDiagonal, FDiagonal, DiagCross };

struct TPen {
    TColor Color = clBlack;
    int Width = 1;
    PenStyle Style = PenStyle::Solid;
    PenMode Mode = PenMode::Copy;

    bool operator==(const TPen& o) const {
        return Color == o.Color && Width == o.Width && Style == o.Style && Mode == o.Mode;
    }
    bool operator!=(const TPen& o) const { return !(*this == o); }
};

struct TBrush {
    TColor Color = clWhite;
    BrushStyle Style = BrushStyle::Solid;

    bool operator==(const TBrush& o) const { return Color == o.Color && Style == o.Style; }
    bool operator!=(const TBrush& o) const { return !(*this == o); }
};

// Pen and brush are state, set before drawing as in `canvas.Pen().Color = c`; the primitives use the state
// current at the call.
class TCanvas {
public:
    virtual ~TCanvas() = default;

    TPen& Pen() { return m_pen; }
    const TPen& Pen() const { return m_pen; }
    TBrush& Brush() { return m_brush; }
    const TBrush& Brush() const { return m_brush; }

    // Outlined with the pen; the pen mode applies to the whole line.
    virtual void Line(int x1, int y1, int x2, int y2) = 0;
    // Joined segments; the last point is excluded like a line's end.
    virtual void Polyline(const std::vector<TPoint>& points) = 0;
    // Outline with the pen, inside with the brush; both in the pen mode.
    virtual void Rectangle(int l, int t, int r, int b) = 0;
    // Brush only, always in copy mode.
    virtual void FillRect(int l, int t, int r, int b) = 0;
    // The ellipse inscribed in the box, outlined with the pen and filled with the brush.
    virtual void Ellipse(int l, int t, int r, int b) = 0;
    // The arc of the ellipse inscribed in the box from startDeg, counter-clockwise over spanDeg degrees
    // (0 = three o'clock), outlined with the pen. Half ellipses of the revolution drawings use it.
    virtual void Arc(int l, int t, int r, int b, double startDeg, double spanDeg) = 0;
    // Sets one pixel whatever the pen.
    virtual void SetPixel(int x, int y, TColor color) = 0;
    // Dotted XOR outline of the box, the toolkit's focus rectangle: drawn twice it is gone.
    virtual void DrawFocusRect(int l, int t, int r, int b) = 0;
    // The text's top-left corner at (x, y), in the font's colour, the background left as it was. Text on a
    // background is FillRect over TextWidth x TextHeight first.
    virtual void TextOut(int x, int y, const std::string& text, const TFont& font) = 0;
    virtual int TextWidth(const std::string& text, const TFont& font) = 0;
    virtual int TextHeight(const std::string& text, const TFont& font) = 0;

    // Pen position for code written as MoveTo / LineTo chains.
    void MoveTo(int x, int y) { m_penPos = {x, y}; }
    void LineTo(int x, int y) {
        Line(m_penPos.x, m_penPos.y, x, y);
        m_penPos = {x, y};
    }
    TPoint PenPos() const { return m_penPos; }

private:
    TPen m_pen;
    TBrush m_brush;
    TPoint m_penPos;
};
