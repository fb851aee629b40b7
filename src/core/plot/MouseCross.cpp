#include "core/plot/MouseCross.h"

#include "core/plot/CanvasStateGuard.h"
#include "core/plot/TMasshImage.h"

namespace {
constexpr int CrossArm = 5; // the strokes: x-5 .. x+5 and y-5 .. y+5
} // namespace

CrossLines CrossLinesOf(int mouseMode) {
    switch (mouseMode) {
    case MousePolarCross: return CrossLines::ToOrigin;
    case MouseDecCross: return CrossLines::ToAxes;
    default: return CrossLines::None;
    }
}

void TMouseCross::Move(TMasshImage& image, TPoint p, CrossLines lines) {
    Erase(image);
    m_pos = p;
    m_lines = lines;
    m_origin = {image.XToScr(0), image.YToScr(0)};
    Draw(image);
    m_shown = true;
}

void TMouseCross::Erase(TMasshImage& image) {
    if (m_shown) Draw(image);
    m_shown = false;
}

void TMouseCross::Draw(TMasshImage& image) const {
    TCanvas& c = image.Canvas();
    TCanvasStateGuard guard(c);
    c.Pen() = {image.grMouseColor, 1, PenStyle::Solid, PenMode::Xor};
    const int x = m_pos.x, y = m_pos.y;
    c.Line(x - CrossArm, y, x + CrossArm + 1, y);
    c.Line(x, y - CrossArm, x, y + CrossArm + 1);
    if (m_lines == CrossLines::ToOrigin) {
        c.Line(x, y, m_origin.x, m_origin.y);
    } else if (m_lines == CrossLines::ToAxes) {
        c.Line(x, y, m_origin.x, y);
        c.Line(x, y, x, m_origin.y);
    }
}

TPoint WrapToSurface(TPoint p, int width, int height) {
    if (p.x < 0) p.x = width;
    if (p.x > width) p.x = 0;
    if (p.y < 0) p.y = height;
    if (p.y > height) p.y = 0;
    return p;
}
