#include "core/plot/Osi.h"

#include "core/base/NumberText.h"
#include "core/plot/TMasshImage.h"

#include <algorithm>
#include <cmath>

namespace {
// The grid stops after this many columns and rows whatever the window (a step swallowed by the magnitude of
// the bounds would never end it otherwise); the polar circles count the same.
constexpr int MaxGridLines = 50;
constexpr int UnitMarkLength = 4;
constexpr int XNumberDx = 2, XNumberDy = 6;
constexpr int YNumberDx = 6, YNumberDy = -2;
constexpr int YNameDx = 4;
constexpr int XNameDy = 4;

void SolidAxisPen(TMasshImage& image) {
    TPen& pen = image.Canvas().Pen();
    pen.Style = PenStyle::Solid;
    pen.Width = 1;
    pen.Color = image.grAxeColor;
}
} // namespace

void Osi(TMasshImage& image, const std::function<void(TColor)>& paintSidePanels) {
    TCanvas& canvas = image.Canvas();
    const TMassh& m = image.Massh();
    const Real xBasic = image.XBasic();
    const Real yBasic = image.YBasic();
    const int width = image.Width();
    const int height = image.Height();

    // 1. Background.
    canvas.Pen().Mode = PenMode::Copy;
    canvas.Pen().Width = 1;
    canvas.Pen().Style = PenStyle::Solid;
    canvas.Brush().Color = image.grBackColor;
    // A clear brush left by earlier drawing would keep the old picture.
    canvas.Brush().Style = BrushStyle::Solid;
    if (paintSidePanels) paintSidePanels(image.grBackColor);
    canvas.FillRect(0, 0, width, height);

    // 2. The grid starts at a multiple of the step next to the lower bound, toward zero.
    const Real x0 = xBasic * std::trunc(m.XMin / xBasic);
    const Real y0 = yBasic * std::trunc(m.YMin / yBasic);

    // 3. Grid dots, one step beyond the window on either side; the counts of columns and rows size the polar
    // grid.
    int i = 0;
    int j = 0;
    for (Real xi = x0 - xBasic; xi <= m.XMax + xBasic && i < MaxGridLines; xi += xBasic, ++i) {
        j = 0;
        for (Real yj = y0 - yBasic; yj <= m.YMax + yBasic && j < MaxGridLines; yj += yBasic, ++j) {
            if (m.XMin <= xi && xi <= m.XMax && m.YMin <= yj && yj <= m.YMax && image.IsMarkBuild)
                canvas.SetPixel(image.XToScr(xi), image.YToScr(yj), image.grMarkColor);
        }
    }

    // 4. The vertical axis with the unit mark on the horizontal one; 0 must lie strictly inside.
    if (image.OsiPoints && m.XMin < 0 && 0 < m.XMax) {
        SolidAxisPen(image);
        const int x = image.XToScr(0);
        canvas.Line(x, 0, x, height);
        const int markX = image.XToScr(xBasic);
        const int axisY = image.YToScr(0);
        canvas.Line(markX, axisY, markX, axisY + UnitMarkLength);
        canvas.TextOut(markX + XNumberDx, axisY + XNumberDy, PlainNumberText(xBasic), image.grAxeFont);
        if (image.Coord() == CoordType::ctDec)
            canvas.TextOut(x + YNameDx,
                           image.YToScr(m.YMax) + canvas.TextHeight(image.grYName, image.grAxeFont),
                           image.grYName, image.grAxeFont);
    }

    // 5. The horizontal axis with the unit mark on the vertical one.
    if (image.OsiPoints && m.YMin < 0 && 0 < m.YMax) {
        SolidAxisPen(image);
        const int y = image.YToScr(0);
        canvas.Line(0, y, width, y);
        const int axisX = image.XToScr(0);
        const int markY = image.YToScr(yBasic);
        canvas.Line(axisX, markY, axisX + UnitMarkLength, markY);
        canvas.TextOut(axisX + YNumberDx, markY + YNumberDy, PlainNumberText(yBasic), image.grAxeFont);
        if (image.Coord() == CoordType::ctDec)
            canvas.TextOut(image.XToScr(m.XMax) - canvas.TextWidth(image.grXName, image.grAxeFont),
                           y + XNameDy, image.grXName, image.grAxeFont);
    }

    // 6. Polar grid: a circle per step as far as the grid reached, and the two diagonals through the origin.
    if (image.OsiPoints && image.Coord() == CoordType::ctPolar) {
        // Without an axis in view nothing else set the pen.
        SolidAxisPen(image);
        canvas.Brush().Style = BrushStyle::Clear;
        const int n = std::max(i, j);
        const Real s = std::max(xBasic, yBasic);
        for (int k = 1; k <= n; ++k)
            canvas.Ellipse(image.XToScr(-k * xBasic), image.YToScr(k * yBasic), image.XToScr(k * xBasic),
                           image.YToScr(-k * yBasic));
        canvas.Brush().Style = BrushStyle::Solid;
        const Real d = s * n;
        canvas.Line(image.XToScr(-d), image.YToScr(d), image.XToScr(d), image.YToScr(-d));
        canvas.Line(image.XToScr(d), image.YToScr(d), image.XToScr(-d), image.YToScr(-d));
    }
}
