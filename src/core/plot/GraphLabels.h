#pragma once
// Where the labels of the graph lie on the surface, and how one is moved.
#include "core/base/Real.h"
#include "core/plot/PixelRect.h"

class TGList;
class TMasshImage;

// The box of label i's text in the label font with its top-left corner at the pixel at.
TPixelRect LabelBox(const TMasshImage& image, const TGList& labels, int i, TPoint at);

// Label i anchored at the world point (x, y); its text, its point flag and its place in the list stay.
void MoveLabel(TGList& labels, int i, Real x, Real y);
