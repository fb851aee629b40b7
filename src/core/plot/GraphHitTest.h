#pragma once
// What lies under the mouse on the graph: a recorded point, or else a shown label. The graph window picks it
// up with a frame around it and lets the user drag it.
#include "core/plot/PixelRect.h"

class TGList;
class TMasshImage;
class TPointList;

// THit::Point when a label, not a point, is under the mouse.
constexpr int LabelHit = 7777;
// A point is hit within 3 pixels on both axes, and framed 4 pixels around.
constexpr int PickRadius = 4;

struct THit {
    int Point = 0;  // the row of the point, LabelHit for a label, 0 for nothing
    int Label = -1; // the index of the label, -1 for none
    TPixelRect Box; // the frame around what is hit

    bool Any() const { return Point != 0; }
};

// Points are scanned from row 1 while the number cell is filled, skipping rows that do not read as numbers;
// the first within reach wins. Only when no point is hit and labels are shown, the first label whose text box
// holds p.
THit HitAt(const TMasshImage& image, const TPointList& points, const TGList& labels, bool labelsShown,
           TPoint p);
