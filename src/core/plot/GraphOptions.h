#pragma once
// What the graph options dialog edits: the world window as typed texts, the scale mode, the coordinate
// system, the axes, the six working colours, the axis names and the two fonts. The dialog fills a copy from
// the surface, the user edits the copy, and OK gives it back once the scale texts pass the check.
#include "core/base/MessageIds.h"
#include "core/plot/TMasshImage.h"

#include <array>
#include <string>

// The colours of the dialog's list, in its order.
enum class TWorkColor { Back, Axe, Mark, Mouse, Add, Add2 };
constexpr int WorkColorCount = 6;

// The four scale boxes in checking order.
enum class TScaleBox { MinX, MaxX, MinY, MaxY };
constexpr int ScaleBoxCount = 4;

struct TGraphOptions {
    std::array<std::string, ScaleBoxCount> ScaleTexts; // as shown in the boxes
    TMassh Filled;                                     // the window the boxes were filled from
    bool AutoScale = true;
    bool Polar = false;
    bool Axes = true;  // "Систему координат будувати"
    bool Marks = true; // "Розмітку ставити"
    std::array<TColor, WorkColorCount> Colors{};
    std::string XName, YName;
    TFont LabelFont, AxeFont;

    TColor& Color(TWorkColor c) { return Colors[static_cast<int>(c)]; }
    TColor Color(TWorkColor c) const { return Colors[static_cast<int>(c)]; }
};

// The boxes get FloatStr of the window.
TGraphOptions ReadGraphOptions(const TMasshImage& image);

struct TScaleCheck {
    TScaleBox Failed = TScaleBox::MinX; // the box to focus, when the message is the expression error
    msg::Id Message = msg::None;
    TMassh Massh; // the window the boxes give
    bool Ok() const { return Message == msg::None; }
};

// Each box must compile as a constant formula ("-2*Pi" is fine), MinX first; then the window must have
// MinX < MaxX and MinY < MaxY with values everywhere. A box that still shows the text it was filled with
// keeps the exact value it came from, so OK on an untouched dialog does not round the window to Digits.
TScaleCheck CheckScale(const TGraphOptions& options);

// Gives the options back to the surface; the caller redraws. The window is set only when it changed, so that
// "Попередній масштаб" still goes back to the one before.
void ApplyGraphOptions(const TGraphOptions& options, const TMassh& massh, TMasshImage& image);

// Axis names are drawn only with the axes and only in Cartesian coordinates.
inline bool AxisNamesEnabled(bool axes, bool polar) {
    return axes && !polar;
}
