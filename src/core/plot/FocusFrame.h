#pragma once
// A dotted XOR frame on the graph (the zoom rectangle, the frame of a picked point or label) that remembers
// where it is drawn, so that hiding it draws exactly the same frame again.
#include "core/plot/PixelRect.h"

class TFocusFrame {
public:
    bool Shown() const { return m_shown; }
    const TPixelRect& Rect() const { return m_rect; }

    // Hides the frame where it was, then draws it at r.
    void Show(TCanvas& canvas, const TPixelRect& r) {
        Hide(canvas);
        m_rect = r;
        canvas.DrawFocusRect(r.Left, r.Top, r.Right, r.Bottom);
        m_shown = true;
    }
    void Hide(TCanvas& canvas) {
        if (m_shown) canvas.DrawFocusRect(m_rect.Left, m_rect.Top, m_rect.Right, m_rect.Bottom);
        m_shown = false;
    }
    // A repaint took the frame with it: nothing to erase any more.
    void Forget() { m_shown = false; }

private:
    TPixelRect m_rect;
    bool m_shown = false;
};
