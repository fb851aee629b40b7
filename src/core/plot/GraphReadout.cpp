#include "core/plot/GraphReadout.h"

#include "core/base/NumberText.h"
#include "core/plot/TMasshImage.h"

namespace {
constexpr Real DegreesPerRadian = 180 / 3.141592653589793238462643383279502884L;
} // namespace

std::string CoordReadout(const TMasshImage& image, TPoint p) {
    if (image.Coord() == CoordType::ctDec)
        return "X=" + FloatStr(image.ScrToX(p.x)) + "  Y=" + FloatStr(image.ScrToY(p.y));
    const Real r = image.ScrToR(p.x, p.y), f = image.ScrToF(p.x, p.y);
    return "R=" + FloatStr(r) + "  F=" + FloatStr(f) + " (" + FloatStr(f * DegreesPerRadian) + "°" + ")";
}

std::string MasshTopText(const TMassh& m) {
    return "MinX=" + FloatStr(m.XMin) + "  MaxY=" + FloatStr(m.YMax);
}

std::string MasshBotText(const TMassh& m) {
    return "MinY=" + FloatStr(m.YMin) + "  MaxX=" + FloatStr(m.XMax);
}
