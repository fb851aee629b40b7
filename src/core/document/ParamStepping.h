#pragma once
// The rules of the parameter panel: a typed value, the Min/Max/h edits and the track bar that steps a
// parameter from Min to Max by h. Rounding is to the nearest integer with halves to even.
//
// A track with nothing to step (Max not above Min, which the bound edits can produce with Min = Max = 0, or
// a step so large that no whole step fits) has 0 steps and its position is 0: no position is ever computed
// by dividing by zero.
#include "core/formula/ParamTable.h"

// A value typed into the grid: Value := value, and a bound it passes is moved beyond it by half its
// magnitude (Min := Value - |Value*0.5|, Max := Value + |Value*0.5|).
void CommitParamValue(TParam& p, Real value);

// The number typed into MinEdit. A Max that is no longer above Min is moved to Min + |Min*0.5|; a Value below
// Min becomes Min. True when Value changed, so that the objects must follow.
bool SetParamMin(TParam& p, Real min);
// The number typed into MaxEdit; the mirror of SetParamMin.
bool SetParamMax(TParam& p, Real max);
// The number typed into hEdit: 0 is refused (false, p unchanged); a negative step is taken by its magnitude.
bool SetParamStep(TParam& p, Real h);

// (Max - Min)/h to the nearest integer; 0 when the track has nothing to step. Held within the range of int.
int ParamNumSteps(const TParam& p);
// Where Value sits on a track of numSteps steps: (Value - Min)*numSteps/(Max - Min) to the nearest integer,
// held within 0..numSteps as the track bar holds its position; 0 when numSteps is 0 or Max equals Min.
int ParamTrackPosition(const TParam& p, int numSteps);
// The value at a track position: position*h + Min, but not above Max (the last step may fall short of Max).
Real ParamValueAt(const TParam& p, int position);
// One press of "<" (step -1) or ">" (+1), also each repeat while one is held: the track bar holds its
// position within 0..numSteps, so stepping stops at Min and Max without wrapping.
int ParamSteppedPosition(int position, int step, int numSteps);

// What becomes of the parameters no formula uses when a parameter area is refreshed.
enum class TUnusedParams {
    Keep,  // they keep Value, Min, Max and h
    Reset, // they start again from Value 1, Min -5, Max 5, h 0.1
};
// Applies the rule to every parameter whose Used mark is clear.
void RefreshUnusedParams(TParamTable& table, TUnusedParams rule);
