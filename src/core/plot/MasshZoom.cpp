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

TMassh ScaledMassh(const TMassh& m, Real cx, Real cy, Real k) {
    return {cx + (m.XMin - cx) * k, cx + (m.XMax - cx) * k, cy + (m.YMin - cy) * k, cy + (m.YMax - cy) * k};
}

TMassh WheelMassh(const TMassh& m, Real cx, Real cy, int notches) {
    return ScaledMassh(m, cx, cy, std::pow(WheelShrink, static_cast<Real>(notches)));
}

TMassh DraggedMassh(const TMasshImage& image, const TMassh& start, TPoint from, TPoint to) {
    if (image.Width() <= 0 || image.Height() <= 0) return start;
    const Real dx = (start.XMax - start.XMin) * (to.x - from.x) / image.Width();
    // Pixel rows grow downwards: dragging down shows what lies higher.
    const Real dy = (start.YMax - start.YMin) * (to.y - from.y) / image.Height();
    return {start.XMin - dx, start.XMax - dx, start.YMin + dy, start.YMax + dy};
}

TMassh EqualScaleMassh(const TMassh& m, int width, int height) {
    if (width <= 0 || height <= 0) return m;
    const Real perPixelX = (m.XMax - m.XMin) / width, perPixelY = (m.YMax - m.YMin) / height;
    TMassh r = m;
    if (perPixelX > perPixelY) {
        const Real centre = (m.YMin + m.YMax) / 2, half = perPixelX * height / 2;
        r.YMin = centre - half;
        r.YMax = centre + half;
    } else if (perPixelY > perPixelX) {
        const Real centre = (m.XMin + m.XMax) / 2, half = perPixelY * width / 2;
        r.XMin = centre - half;
        r.XMax = centre + half;
    }
    return r;
}
