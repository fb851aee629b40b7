#include "core/plot/GraphPicker.h"

#include "core/plot/GraphLabels.h"
#include "core/plot/PointMarks.h"
#include "core/plot/TMasshImage.h"
#include "core/plot/TPointList.h"
#include "core/stats/TGList.h"

void TGraphPicker::Hover(TMasshImage& image, const TPointList& points, const TGList& labels, bool labelsShown,
                         TPoint p) {
    m_hit = HitAt(image, points, labels, labelsShown, p);
    if (m_hit.Any()) {
        if (!m_dragging) Pick(image.Canvas(), m_hit.Box);
    } else if (m_dragging) {
        LetGo(image.Canvas(), true);
    }
}

void TGraphPicker::DragTo(TMasshImage& image, TPointList& points, const TGList& labels, TPoint p) {
    if (m_hit.Point == LabelHit) {
        if (LabelValid(labels)) Pick(image.Canvas(), LabelBox(image, labels, m_hit.Label, p));
        return;
    }
    Pick(image.Canvas(), Around(p, PickRadius));
    DrawPoints(image, points, false);
    points.SetXYPlain(m_hit.Point, image.ScrToX(p.x), image.ScrToY(p.y));
    DrawPoints(image, points, false);
}

bool TGraphPicker::Drop(TMasshImage& image, TPointList& points, TGList& labels, TPoint p, bool leftButton) {
    LetGo(image.Canvas(), true);
    if (m_hit.Point != LabelHit) {
        points.SetXY(m_hit.Point, image.ScrToX(p.x), image.ScrToY(p.y));
        return true;
    }
    if (leftButton && LabelValid(labels))
        MoveLabel(labels, m_hit.Label, image.ScrToX(p.x), image.ScrToY(p.y));
    return false;
}

void TGraphPicker::LetGo(TCanvas& canvas, bool erase) {
    if (erase)
        m_frame.Hide(canvas);
    else
        m_frame.Forget();
    m_dragging = false;
}

// A frame shown before goes first.
void TGraphPicker::Pick(TCanvas& canvas, const TPixelRect& frame) {
    m_frame.Show(canvas, frame);
    m_dragging = true;
}

bool TGraphPicker::LabelValid(const TGList& labels) const {
    return m_hit.Label >= 0 && m_hit.Label < labels.Count();
}
