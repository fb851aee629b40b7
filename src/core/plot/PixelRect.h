#pragma once
// A box of pixels by its corners, as the canvas's focus rectangle takes it: (Left, Top) - (Right, Bottom).
#include "core/plot/Canvas.h"

#include <algorithm>

struct TPixelRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    // Right and Bottom are outside, as in a box the canvas fills.
    bool Contains(TPoint p) const { return p.x >= Left && p.x < Right && p.y >= Top && p.y < Bottom; }

    bool operator==(const TPixelRect& o) const {
        return Left == o.Left && Top == o.Top && Right == o.Right && Bottom == o.Bottom;
    }
    bool operator!=(const TPixelRect& o) const { return !(*this == o); }
};

// The box spanned by two corners given in any order.
inline TPixelRect Spanned(TPoint a, TPoint b) {
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

// radius pixels on every side of p.
inline TPixelRect Around(TPoint p, int radius) {
    return {p.x - radius, p.y - radius, p.x + radius, p.y + radius};
}
