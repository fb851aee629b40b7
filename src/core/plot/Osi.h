#pragma once
// The coordinate system, drawn first in every redraw: background, grid dots, the axes with one unit mark and
// number each and, in Cartesian mode, their names; in polar mode circles at the steps and the two diagonals.
#include "core/plot/Colors.h"

#include <functional>

class TMasshImage;

// Draws on image.Canvas(). paintSidePanels, when given, is called with the background colour while the
// background is painted: the graph window's panels beside the surface take it.
void Osi(TMasshImage& image, const std::function<void(TColor)>& paintSidePanels = nullptr);
