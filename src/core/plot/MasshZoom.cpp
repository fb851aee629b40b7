#include "core/plot/MasshZoom.h"

#include "core/plot/TMasshImage.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr Real WheelShrink = 0.5L; // one notch away from the user
} // namespace

TMassh SpannedMassh(const TMasshImage& image, TPoint a, TPoint b) {
    const Real x1 = image.ScrToX(a.x), x2 = image.ScrToX(b.x);
    const Real y1 = image.ScrToY(a.y), y2 = image.ScrToY(b.y);
    return {std::min(x1, x2), std::max(x1, x2), std::min(y1, y2), std::max(y1, y2)};
}

TMassh WheelMassh(const TMassh& m, Real cx, Real cy, int notches) {
    const Real k = std::pow(WheelShrink, static_cast<Real>(notches));
    return {cx + (m.XMin - cx) * k, cx + (m.XMax - cx) * k, cy + (m.YMin - cy) * k, cy + (m.YMax - cy) * k};
}
