#pragma once
// The toolbar's glyphs, drawn as vector shapes so they stay sharp at every device pixel ratio.
#include <QIcon>

enum class ToolGlyph {
    BuildGraph,
    ClearGraph,
    Cartesian,
    Polar,
    AutoScale,
    UserScale,
    PreviousScale,
    InitialScale,
    ZoomIn,
    ZoomOut,
    NewObject,
    Open,
    Save,
};

QIcon ToolIcon(ToolGlyph glyph);
