#pragma once
// Zooming: the commands of the main window halve or double the world window about its centre, the graph
// window zooms to a dragged rectangle and, with the wheel or a pinch of the touchpad, about the mouse, and
// moves the window with the mouse. Equal scale widens a window so that a unit is as long on both axes.
#include "core/plot/Canvas.h"
#include "core/plot/TMassh.h"

class TMasshImage;

// "Зменшити масштаб": the middle half of the window.
inline TMassh ShrunkMassh(const TMassh& m) {
    const Real dx = (m.XMax - m.XMin) / 4, dy = (m.YMax - m.YMin) / 4;
    return {m.XMin + dx, m.XMax - dx, m.YMin + dy, m.YMax - dy};
}

// "Збільшити масштаб": twice the width and height.
inline TMassh GrownMassh(const TMassh& m) {
    const Real dx = (m.XMax - m.XMin) / 2, dy = (m.YMax - m.YMin) / 2;
    return {m.XMin - dx, m.XMax + dx, m.YMin - dy, m.YMax + dy};
}

// The world window of the rectangle spanned by two pixels of the surface, corners in any order.
TMassh SpannedMassh(const TMasshImage& image, TPoint a, TPoint b);

// The width and height times factor about the world point (cx, cy), which stays under the same pixel: a
// factor below 1 zooms in.
TMassh ScaledMassh(const TMassh& m, Real cx, Real cy, Real factor);

// The wheel: each notch away from the user halves the width and height, as "Зменшити масштаб", each notch
// towards the user doubles them; the world point (cx, cy) stays under the same pixel.
TMassh WheelMassh(const TMassh& m, Real cx, Real cy, int notches);

// The window dragged by the mouse from pixel `from` to pixel `to`: the world point that lay under `from` in
// the window `start` lies under `to` in the result. The scale stays.
TMassh DraggedMassh(const TMasshImage& image, const TMassh& start, TPoint from, TPoint to);

// Equal scale on a surface of width x height pixels: the axis with more pixels per unit is widened about its
// centre until a unit is as long on both axes (circles are round); the other axis is kept exactly. A surface
// without pixels leaves the window as it is.
TMassh EqualScaleMassh(const TMassh& m, int width, int height);
