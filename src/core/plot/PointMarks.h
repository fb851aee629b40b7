#pragma once
// The markers of the graph window's point list: small XOR crosses of the mouse colour, so that drawn twice
// they are gone, each with its row number on the background colour (the numbers are not XOR: a repaint
// takes them away).
#include "core/plot/Canvas.h"

class TMasshImage;
class TPointList;

// The marker at pixel p; with withNumber, the number right of and above it in the axis font.
void DrawPointMark(TMasshImage& image, TPoint p, bool withNumber, int number);

// The marker of every point row in row order, numbered by row; rows whose cells do not read as numbers are
// skipped. With image.LinkPoints 1 the points are joined by a dotted NOT XOR line, with 2 the line is closed
// back to the first point. Nothing while the list is empty.
void DrawPoints(TMasshImage& image, const TPointList& points, bool withNumbers);
