#pragma once
// The arguments a walk visits. Point k lies at Origin + k·Step, computed afresh for every point: adding the
// step up instead lets the rounding accumulate, and a walk over [-5, 5] meets 2E-18 where it should meet 0
// (and 1/X there is -4.4E17).
#include "core/base/Real.h"

class TWalkLattice {
public:
    // The finer steps of a walk are counted in these parts of a base step.
    static constexpr long long Parts = 1000;

    // Base steps of span / steps from the origin.
    TWalkLattice(Real origin, Real span, long long steps)
        : m_origin(origin), m_step(span / steps), m_part(m_step / Parts) {}

    Real Origin() const { return m_origin; }
    Real Step() const { return m_step; }
    // Point k of the base steps.
    Real At(long long k) const { return m_origin + k * m_step; }
    // The point m parts of a base step from the origin: whole steps as At, the rest in parts.
    Real AtPart(long long m) const { return m_origin + (m / Parts) * m_step + (m % Parts) * m_part; }
    // The length of m parts of a base step.
    Real PartsLength(long long m) const { return m * m_part; }

private:
    Real m_origin;
    Real m_step;
    Real m_part;
};
