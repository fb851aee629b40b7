#pragma once
// The zoom commands of the main window: the world window halved or doubled about its centre.
#include "core/plot/TMassh.h"

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
