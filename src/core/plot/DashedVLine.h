#pragma once
// The dashed vertical line of the constructions on the graph: 4 pixels on, 4 off, fixed to the rows of the
// bitmap so that lines drawn at different heights dash alike.
#include "core/plot/Canvas.h"

// Pixels of the column from the smaller to the larger row, both included, on the rows whose index modulo 8
// is 0..3 (negative rows by the true modulo).
void DashedVLine(TCanvas& canvas, int column, int row1, int row2, TColor color);
