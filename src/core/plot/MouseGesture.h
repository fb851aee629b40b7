#pragma once
// What a press and release of the left button on the graph amount to.
#include "core/plot/Canvas.h"

#include <cstdlib>

// Press and release this far apart on either axis are a drag, not a click.
constexpr int ClickSlack = 8;
// A zoom rectangle smaller than this on either axis is a slip of the hand.
constexpr int MinZoomSide = 31;
// How far off the press the last position is put after a drag, so that the release is never a click.
constexpr int DragFarOff = 50;

inline bool IsClick(TPoint down, TPoint up) {
    return std::abs(down.x - up.x) < ClickSlack && std::abs(down.y - up.y) < ClickSlack;
}

inline bool IsZoomRect(TPoint down, TPoint last) {
    return std::abs(down.x - last.x) >= MinZoomSide && std::abs(down.y - last.y) >= MinZoomSide;
}
