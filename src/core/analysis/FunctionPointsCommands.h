#pragma once
// "Корені", "Екстремуми" and "Точки перетину": the roots, the local extrema of the current explicit function,
// and its intersections with the other checked explicit functions, over the part of its range the graph
// shows. Each marks the points on the graph and gives the answer lines: a heading, the formula, the interval,
// one line per point (FloatStr numbers) or a line saying there is none, and the separator.
#include "core/analysis/CommandRegistry.h"
#include "core/base/Real.h"

#include <vector>

class TFn;

// The texts of the three commands (the menu items, the headings and the lines), for the language files.
namespace FunctionPointTexts {
inline const char* const RootsItem = "Корені функції";
inline const char* const ExtremaItem = "Екстремуми функції";
inline const char* const CrossItem = "Точки перетину графіків";
inline const char* const PointsSubMenu = "Дослідження функції";
inline const char* const RootsHeading = "Корені функції";
inline const char* const ExtremaHeading = "Екстремуми функції";
inline const char* const CrossHeading = "Точки перетину графіків";
inline const char* const Interval = "на відрізку"; // followed by " [a; b]:"
inline const char* const NoRoots = "Коренів немає";
inline const char* const NoExtrema = "Екстремумів немає";
inline const char* const NoCross = "Точок перетину немає";
inline const char* const Minimum = "мінімум";
inline const char* const Maximum = "максимум";
} // namespace FunctionPointTexts

// Where the explicit function f is drawn in the world window: [max(A, XMin), min(B, XMax)]; false when that
// is empty.
bool VisibleRange(const TFn& f, const TMasshImage& image, Real& a, Real& b);
// One pixel of the surface in world units along x: the step of the scan.
Real PixelStep(const TMasshImage& image);

TCommandOutcome RunRootsCommand(TCommandContext& context, const TCommandInputs& inputs);
TCommandOutcome RunExtremaCommand(TCommandContext& context, const TCommandInputs& inputs);
TCommandOutcome RunIntersectionsCommand(TCommandContext& context, const TCommandInputs& inputs);

// The current entry when it is an explicit function: what the three commands work on.
const TFn* CurrentExplicit(const TDocument& doc);
// The functions whose intersections with the current one are sought: the explicit functions of the
// selection of checked entries, except the current one.
std::vector<const TFn*> IntersectionPartners(const TFn* current, const TFuncs& checked);
