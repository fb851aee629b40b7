#pragma once
// Drawing of the curves whose argument is not x (parametric and polar). Their walk is not clipped to the
// visible x range, so a long argument range in a narrow window would take a step count without bound. Past
// MaxCurveSteps base steps the curve is drawn in runs instead: stretches of one window's width of base steps
// each, spread evenly from the start of the range to its end and never joined to one another. Each run is
// the curve itself at the normal step; R(F)=1 on [0, 1E6] is the unit circle, drawn many times over.
#include "core/objects/TFn.h"

// About a hundred windows' width at the highest quality: some tens of milliseconds of evaluation.
constexpr long long MaxCurveSteps = 100000;

// The base steps TFn::Draw would take over [a, b] in a window `visible` wide with `steps` per width.
long long CurveBaseSteps(Real a, Real b, Real visible, int steps);

// TFn::Draw while the walk stays within MaxCurveSteps, else the runs (same pen, steps, gaps and chords).
void DrawCurve(TFn& curve, TMasshImage& image);
