#include "core/plot/PointMarks.h"

#include "core/plot/CanvasStateGuard.h"
#include "core/plot/TMasshImage.h"
#include "core/plot/TPointList.h"

#include <string>

namespace {
constexpr int MarkArm = 3;      // the strokes: x-3 .. x+3 and y-3 .. y+3
constexpr int MarkNumberDx = 6; // the number right of and above the marker
constexpr int MarkNumberDy = -3;
constexpr int ClosedLink = 2; // LinkPoints: joined and closed
} // namespace

void DrawPointMark(TMasshImage& image, TPoint p, bool withNumber, int number) {
    TCanvas& c = image.Canvas();
    TCanvasStateGuard guard(c);
    c.Pen() = {image.grMouseColor, 1, PenStyle::Solid, PenMode::Xor};
    c.Line(p.x - MarkArm, p.y, p.x + MarkArm + 1, p.y);
    c.Line(p.x, p.y - MarkArm, p.x, p.y + MarkArm + 1);
    if (!withNumber) return;
    const std::string text = std::to_string(number);
    const int tx = p.x + MarkNumberDx, ty = p.y + MarkNumberDy;
    c.Brush() = {image.grBackColor, BrushStyle::Solid};
    c.FillRect(tx, ty, tx + c.TextWidth(text, image.grAxeFont), ty + c.TextHeight(text, image.grAxeFont));
    c.TextOut(tx, ty, text, image.grAxeFont);
}

void DrawPoints(TMasshImage& image, const TPointList& points, bool withNumbers) {
    if (points.Empty()) return;
    TCanvas& c = image.Canvas();
    TCanvasStateGuard guard(c);
    const TPen linkPen{image.grMouseColor, 1, PenStyle::Dot, PenMode::NotXor};
    TPoint first, prev;
    bool any = false;
    for (int r = TPointList::FirstPointRow; r <= points.RowCount() - 2; ++r) {
        Real x = 0, y = 0;
        // A cell the user typed wrong is no point.
        if (!points.ReadPoint(r, x, y)) continue;
        const TPoint p{image.XToScr(x), image.YToScr(y)};
        if (!any) first = prev = p;
        any = true;
        if (image.LinkPoints > 0) {
            c.Pen() = linkPen;
            c.Line(prev.x, prev.y, p.x, p.y);
        }
        DrawPointMark(image, p, withNumbers, r);
        prev = p;
    }
    if (any && image.LinkPoints == ClosedLink) {
        c.Pen() = linkPen;
        c.Line(prev.x, prev.y, first.x, first.y);
    }
}
