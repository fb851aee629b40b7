#pragma once
// The numeric operations the analysis tools run on an object. They work through the object's XOf and YOf,
// so every kind gets them, and give UndefinedValue for an undefined result. Those that need no more than a
// formula holder take a TFunc; those that need the object's own interval take a TFn.
#include "core/formula/TFunc.h"

class TFn;

// What Integrate sums: the function, its square (volume about Ox, times pi by the caller), or x^2 y'
// (volume about Oy, times pi by the caller). Any other mode integrates 0.
constexpr int IntegrateFunction = 1;
constexpr int IntegrateSquare = 2;
constexpr int IntegrateOyVolume = 3;
// SurfaceArea: mode 2 revolves about Ox, any other about Oy.
constexpr int SurfaceAboutOx = 2;

// Simpson's rule with n = 20, 40, ... doubled until two passes differ by less than 1e-8, at most 20480.
// Undefined points count 0.
Real Integrate(const TFunc& f, int mode, Real a, Real b);
// Integrate, telling also whether it settled: Unsettled when the passes ran out while the last one still
// moved the value by more than 1e-4 of itself - no limit to converge to, as for TG(X) over [0, 2]. A value
// that merely converges slowly (SQRT(X) over [-1, 1]) settles; an undefined result is never Unsettled.
struct TIntegration {
    Real Value = 0;
    bool Unsettled = false;
};
TIntegration IntegrateChecked(const TFunc& f, int mode, Real a, Real b);
// One pass of Integrate with n subintervals (n even).
Real SimpsonSum(const TFunc& f, int mode, Real a, Real b, int n);

// The symmetric difference quotient with step 0.001; one-sided where only one neighbour is defined, 0 where
// neither is, undefined where y(x) itself is.
Real Derivative(const TFunc& f, Real x);

struct TMinMax {
    Real Min = 0;
    Real Max = 0;
};
// The least and greatest of the defined y values at 101 evenly spaced points of [a, b]; both 0 when none is.
TMinMax MinMaxOn(const TFunc& f, Real a, Real b);

// The length of the arc over [a, b] clipped to the object's interval (0 when they do not meet), by chord
// sums with 20, 40, ... 320 chords, stopping at a change below 1e-6.
Real ArcLength(const TFn& fn, Real a, Real b);
// The sum of the n chords over [a, b] whose two ends are defined.
Real ChordSum(const TFn& fn, Real a, Real b, int n);

// The area of the surface of revolution over [a, b] clipped like ArcLength: 2 pi times belt sums with 20,
// 40, ... 1280 chords, stopping at a change below 1e-6.
Real SurfaceArea(const TFn& fn, int mode, Real a, Real b);
// Each chord times the distance of its right end from the axis: |y| about Ox (mode 2), |x| about Oy.
Real BeltSum(const TFn& fn, int mode, Real a, Real b, int n);
