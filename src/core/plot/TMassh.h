#pragma once
// A world window: the rectangle of the plane the graph shows. Every stored window has XMin < XMax, YMin <
// YMax.
#include "core/base/Real.h"

struct TMassh {
    Real XMin = -5;
    Real XMax = 5;
    Real YMin = -5;
    Real YMax = 5;

    bool operator==(const TMassh& o) const {
        return XMin == o.XMin && XMax == o.XMax && YMin == o.YMin && YMax == o.YMax;
    }
    bool operator!=(const TMassh& o) const { return !(*this == o); }
};

// The window at start and of "Початковий масштаб".
constexpr TMassh InitialMassh{-5, 5, -5, 5};
