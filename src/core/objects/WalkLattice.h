#pragma once
// The arguments a walk visits. Point k of a walk whose base step is Span / Steps lies at
// Origin + Span·k / Steps, computed afresh for every point: adding the step up instead lets the rounding
// accumulate, and a walk over [-5, 5] meets 2E-18 where it should meet 0 (and 1/X there is -4.4E17).
#include "core/base/Real.h"

struct TWalkLattice {
    Real Origin = 0;
    Real Span = 0;       // the base step is Span / Steps
    long long Steps = 1; // above 0

    // The argument k base steps from the origin, k counted in parts of a base step (perStep parts to a step).
    Real At(long long k, long long perStep = 1) const { return Origin + Span * k / (Steps * perStep); }
    // The length of k parts of a base step.
    Real Length(long long k, long long perStep = 1) const { return Span * k / (Steps * perStep); }
};
