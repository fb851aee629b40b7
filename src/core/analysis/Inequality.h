#pragma once
// Inequalities y(x) < c or y(x) > c over the visible part of the graph: the intervals where each explicit
// function of the selection satisfies one, found on the function's own plotting steps and refined by
// bisection, drawn on the graph and written as answer lines.
#include "core/base/Real.h"

#include <string>
#include <vector>

class TFn;
class TFuncs;
class TMasshImage;

// The items of the inequality dialog's relation list, in its order.
enum class TRelation { Less = 0, Greater = 1 };

// "<" or ">", as the relation list shows it.
const char* RelationText(TRelation rel);

// Where v lies against c: above, on or below it, or nowhere when v has no value. Two values cross c when
// they lie on different sides and neither lies on c (a value without one counts as a side of its own).
enum class TSide { Below = -1, On = 0, Above = 1, Undefined = 2 };
TSide SideOf(Real v, Real c);
bool Crosses(TSide a, TSide b);

// Halves [left, right], whose ends cross c, keeping the half whose ends still cross, until it is shorter
// than minLength or the midpoint's value is c. Returns the last midpoint and its value in ym.
Real BisectCrossing(const TFn& f, Real left, Real right, Real c, Real minLength, Real& ym);

// The constructions of the inequality tools, in the surface's construction colour (the circle in red):
// a piece of the line y = c, a vertical from (x, y) down to the x axis, and a circle of radius 2 pixels
// on the x axis, outlined or filled.
void DrawLevelPiece(TMasshImage& image, Real x1, Real x2, Real c);
void DrawEndVertical(TMasshImage& image, Real x, Real y);
void DrawAxisCircle(TMasshImage& image, Real x, bool filled);

// The ends of the intervals of [max(A, XMin), min(B, XMax)] where y(x) < c (or > c), in the order found:
// the first end, the walk's points where y equals c, the bisected crossings that land near c, the last
// end. When the graph is drawn, the line y = c, a red circle on the x axis under every point that
// satisfies the strict relation, and a vertical from each end down to the axis go on the surface.
std::vector<Real> InequalityIntervals(const TFn& f, TRelation rel, TMasshImage& image, Real c);

// One line per pair of ends, "left   right" (an odd last end stands alone on the last line), then the
// separator that ends the block.
void AppendIntervalLines(std::vector<std::string>& lines, const std::vector<Real>& ends);

// Each explicit function of the selection in order: its formula with the relation and c, "Відрізки:", its
// intervals and the separator. Nothing for a selection without explicit functions.
std::vector<std::string> SolveInequality(const TFuncs& selection, TRelation rel, Real c, TMasshImage& image);
