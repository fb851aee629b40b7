#pragma once
// Drawing of the curves whose argument is not x (parametric and polar). Their walk is not clipped to the
// visible x range, so a long argument range in a narrow window would take a step count without bound; past
// MaxCurveSteps base steps the curve is drawn by a plain uniform walk of MaxCurveSteps steps instead.
#include "core/objects/TFn.h"

// About a hundred windows' width at the highest quality: some tens of milliseconds of evaluation.
constexpr long long MaxCurveSteps = 100000;

// The base steps TFn::Draw would take over [a, b] in a window `visible` wide with `steps` per width.
long long CurveBaseSteps(Real a, Real b, Real visible, int steps);

// TFn::Draw while the walk stays within MaxCurveSteps, else the uniform walk (same pen, same gaps and jump
// rule, no refinement of steep stretches or domain edges).
void DrawCurve(TFn& curve, TMasshImage& image);
