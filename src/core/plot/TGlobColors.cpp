#include "core/plot/TGlobColors.h"

TColor TGlobColors::NextColor() {
    const TColor result = m_colors[m_cursor];
    m_cursor = (m_cursor + 1) % PaletteSize;
    if (m_colors[m_cursor] == clBlack) m_cursor = FirstCursor;
    if (m_colors[m_cursor] == clSilver || m_colors[m_cursor] == clGray) m_cursor = RedIndex;
    if (m_colors[m_cursor] == clWhite) m_cursor = FirstCursor;
    return result;
}

int TGlobColors::ColorIndex(TColor c) const {
    for (int i = 0; i < PaletteSize; ++i)
        if (m_colors[i] == c) return i;
    return NoColorIndex;
}

TGlobColors& GlobColors() {
    static TGlobColors instance;
    return instance;
}
