#pragma once
// A font as the surface owns it and the settings file stores it. The name is kept as given even where the
// platform lacks that family, so it is saved back unchanged.
#include "core/plot/Colors.h"

#include <string>
#include <strings.h>

struct TFont {
    std::string Name = "Small Fonts";
    int Size = 6; // points
    TColor Color = clBlack;
    bool Bold = false;
    bool Italic = false;

    bool operator==(const TFont& o) const {
        return Name == o.Name && Size == o.Size && Color == o.Color && Bold == o.Bold && Italic == o.Italic;
    }
    bool operator!=(const TFont& o) const { return !(*this == o); }
};

// "System" and "Small Fonts", the bitmap fonts of the Windows program, stand for the desktop's own font; the
// name itself is kept, so that settings and documents give it back unchanged.
inline bool IsDesktopFontName(const std::string& name) {
    return strcasecmp(name.c_str(), "System") == 0 || strcasecmp(name.c_str(), "Small Fonts") == 0;
}
