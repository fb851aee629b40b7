#pragma once
// The walk that draws a graph along its argument: base steps of the lattice, ten times finer where the curve
// is steep, finer still at the edges of its domain; the chords between the points are decided by TStroke.
#include "core/objects/TFn.h"
#include "core/objects/TStroke.h"
#include "core/objects/WalkLattice.h"

#include <climits>
#include <optional>

// Any number of base steps: the walk ends at its last argument instead.
constexpr long long AllSteps = LLONG_MAX / TWalkLattice::Parts;

// The pen every graph is drawn with: the object's colour and width, solid, copy mode.
void SetGraphPen(TCanvas& canvas, const TFn& fn);

// The graph as a line from the lattice's origin, at most `steps` base steps and not beyond `end`; then the
// chord to `closing`, when given and beyond the last point walked. Every evaluation is taken from the
// budget, which may run below zero: the walk itself is never cut short.
void WalkLine(const TFn& fn, TMasshImage& image, const TWalkLattice& lattice, long long steps, Real end,
              std::optional<Real> closing, TDrawBudget& budget);

// The graph by points: a mark at every base step after the origin, at most `steps` of them and not beyond
// `end`, and at `closing` when given and beyond the last mark.
void WalkPoints(const TFn& fn, TMasshImage& image, const TWalkLattice& lattice, long long steps, Real end,
                std::optional<Real> closing, TDrawBudget& budget);
