#pragma once
// A system y1(x) < c, ..., yn(x) < c (or all > c) of the drawn explicit functions and tables of the
// selection, solved pixel by pixel over the visible x range narrowed to the functions' ranges.
#include "core/analysis/Inequality.h"

// Keeps in the selection only the explicit functions and tables on the graph; with none left it gives
// nothing. Otherwise the lines "Розв'язування системи нерівностей", each formula with the relation and c,
// "Відрізки:", the intervals and the separator; the surface gets a red dot on the x axis under every step
// where the system holds, the line y = c and a vertical from the graph down to the axis at every end.
std::vector<std::string> SolveInequalitySystem(TFuncs& selection, TRelation rel, Real c, TMasshImage& image);
