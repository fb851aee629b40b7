#pragma once
// The program-wide palette of the 16 standard colours; new objects take their colour from it in turn.
#include "core/plot/Colors.h"

#include <array>

constexpr int PaletteSize = 16;
// What ColorIndex gives for a colour outside the palette.
constexpr int NoColorIndex = 101;

class TGlobColors {
public:
    // The colour at the cursor; the cursor then moves on, skipping black, silver, gray and white, so
    // successive objects cycle through twelve colours from clMaroon to clAqua.
    TColor NextColor();
    // Index 0..15 of c in the palette, NoColorIndex when it is not there.
    int ColorIndex(TColor c) const;

    const std::array<TColor, PaletteSize>& Colors() const { return m_colors; }
    int Cursor() const { return m_cursor; }

private:
    static constexpr int FirstCursor = 1; // clMaroon
    static constexpr int RedIndex = 9;

    std::array<TColor, PaletteSize> m_colors{clBlack, clMaroon,  clGreen, clOlive, clNavy, clPurple,
                                             clTeal,  clSilver,  clGray,  clRed,   clLime, clYellow,
                                             clBlue,  clFuchsia, clAqua,  clWhite};
    int m_cursor = FirstCursor;
};

// The one palette of the program. Tests start afresh with `GlobColors() = TGlobColors();`.
TGlobColors& GlobColors();
