#pragma once
// Picking up a point or a label under the mouse and dragging it. What is picked is framed; while the left
// button is held the frame follows the mouse, a point's cells follow at once with every digit, and at the
// release the point gets the coordinates in the shown format and a label gets its new anchor.
#include "core/plot/FocusFrame.h"
#include "core/plot/GraphHitTest.h"

class TGList;
class TMasshImage;
class TPointList;

class TGraphPicker {
public:
    // What was under the mouse at the last Hover.
    const THit& Hit() const { return m_hit; }
    // Something is picked up and framed.
    bool Dragging() const { return m_dragging; }

    // The mouse over the surface without the left button: what is under it is picked up unless something
    // is already; when nothing is under it, the pick is let go.
    void Hover(TMasshImage& image, const TPointList& points, const TGList& labels, bool labelsShown,
               TPoint p);
    // The left button held at p: the frame follows; a point's cells get p in the plain format, its marker
    // moving with them (the markers are redrawn before and after, without numbers).
    void DragTo(TMasshImage& image, TPointList& points, const TGList& labels, TPoint p);
    // The button released at p: the pick is let go, a point gets p in the shown format and a label, with the
    // left button only, its anchor at p. Returns whether the point list changed.
    bool Drop(TMasshImage& image, TPointList& points, TGList& labels, TPoint p, bool leftButton);
    // The frame is erased; a repaint that already took it passes erase false.
    void LetGo(TCanvas& canvas, bool erase);
    // What was hit is gone (a deleted label).
    void ForgetHit() { m_hit = THit{}; }

private:
    void Pick(TCanvas& canvas, const TPixelRect& frame);
    bool LabelValid(const TGList& labels) const;

    THit m_hit;
    TFocusFrame m_frame;
    bool m_dragging = false;
};
