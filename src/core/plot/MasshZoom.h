#pragma once
// Zooming: the commands of the main window halve or double the world window about its centre, the graph
// window zooms to a dragged rectangle and, with the wheel, about the mouse.
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

// The wheel: each notch away from the user halves the width and height, as "Зменшити масштаб", each notch
// towards the user doubles them; the world point (cx, cy) stays under the same pixel.
TMassh WheelMassh(const TMassh& m, Real cx, Real cy, int notches);
