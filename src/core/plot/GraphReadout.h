#pragma once
// The texts of the graph window's status lines: the mouse position in world coordinates, and the corners of
// the world window.
#include "core/plot/Canvas.h"
#include "core/plot/TMassh.h"

#include <string>

class TMasshImage;

// "X=… Y=…" in Cartesian mode; "R=… F=… (…°)" in polar mode, the angle in radians and in degrees.
std::string CoordReadout(const TMasshImage& image, TPoint p);

// "MinX=… MaxY=…" above the surface and "MinY=… MaxX=…" below it.
std::string MasshTopText(const TMassh& m);
std::string MasshBotText(const TMassh& m);
