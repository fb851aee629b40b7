#pragma once
// The mouse cross of the graph window: an XOR figure of the mouse colour through the mouse pixel, with lines
// to the axes (Cartesian) or to the origin (polar). It remembers the figure as drawn, so that it is erased
// exactly even when the world window changed meanwhile.
#include "core/plot/Canvas.h"
#include "core/plot/CoordType.h"

class TMasshImage;

// The graph window's MouseMode: what the mouse is doing on the surface.
constexpr int MouseNoCross = 0;        // after a right-button press
constexpr int MousePolarCross = 1;     // cross with a line to the origin
constexpr int MouseDecCross = 2;       // cross with lines to both axes
constexpr int MouseLeftButtonHeld = 3; // zoom rectangle or dragging

// The mode between gestures, after every redraw and release: the cross of the coordinate system.
inline int RestingMouseMode(CoordType coord) {
    return coord == CoordType::ctDec ? MouseDecCross : MousePolarCross;
}

// The lines the cross carries besides its two strokes.
enum class CrossLines { None, ToOrigin, ToAxes };

// Lines to the origin in MousePolarCross, to both axes in MouseDecCross, none otherwise.
CrossLines CrossLinesOf(int mouseMode);

class TMouseCross {
public:
    bool Shown() const { return m_shown; }

    // Erases the figure where it is, then draws it at p with the origin where it now lies.
    void Move(TMasshImage& image, TPoint p, CrossLines lines);
    void Erase(TMasshImage& image);
    // A repaint took the figure with it: nothing to erase any more.
    void Forget() { m_shown = false; }

private:
    void Draw(TMasshImage& image) const;

    TPoint m_pos;
    CrossLines m_lines = CrossLines::ToAxes;
    TPoint m_origin; // (XToScr(0), YToScr(0)) when drawn
    bool m_shown = false;
};

// A keyboard move of the cross: leaving the surface on one side comes back on the other (x < 0 -> width,
// x > width -> 0, the same for y).
TPoint WrapToSurface(TPoint p, int width, int height);
