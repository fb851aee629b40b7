#include "core/plot/GraphHitTest.h"

#include "core/plot/GraphLabels.h"
#include "core/plot/TMasshImage.h"
#include "core/plot/TPointList.h"
#include "core/stats/TGList.h"

#include <cstdlib>

namespace {
THit PointAt(const TMasshImage& image, const TPointList& points, TPoint p) {
    for (int r = TPointList::FirstPointRow;
         r < points.RowCount() && !points.Cell(TPointList::NumberCol, r).empty(); ++r) {
        Real x = 0, y = 0;
        if (!points.ReadPoint(r, x, y)) continue;
        const TPoint at{image.XToScr(x), image.YToScr(y)};
        if (std::abs(p.x - at.x) >= PickRadius || std::abs(p.y - at.y) >= PickRadius) continue;
        return {r, -1, Around(at, PickRadius)};
    }
    return {};
}

THit LabelAt(const TMasshImage& image, const TGList& labels, TPoint p) {
    for (int i = 0; i < labels.Count(); ++i) {
        const TPixelRect box =
            LabelBox(image, labels, i, {image.XToScr(labels.X(i)), image.YToScr(labels.Y(i))});
        if (box.Contains(p)) return {LabelHit, i, box};
    }
    return {};
}
} // namespace

THit HitAt(const TMasshImage& image, const TPointList& points, const TGList& labels, bool labelsShown,
           TPoint p) {
    const THit point = PointAt(image, points, p);
    if (point.Any() || !labelsShown) return point;
    return LabelAt(image, labels, p);
}
