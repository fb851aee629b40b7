#pragma once
// Pen and brush put back as they were when the guard goes: transient drawing must not change what later
// drawing inherits.
#include "core/plot/Canvas.h"

class TCanvasStateGuard {
public:
    explicit TCanvasStateGuard(TCanvas& canvas)
        : m_canvas(canvas), m_pen(canvas.Pen()), m_brush(canvas.Brush()) {}
    ~TCanvasStateGuard() {
        m_canvas.Pen() = m_pen;
        m_canvas.Brush() = m_brush;
    }
    TCanvasStateGuard(const TCanvasStateGuard&) = delete;
    TCanvasStateGuard& operator=(const TCanvasStateGuard&) = delete;

private:
    TCanvas& m_canvas;
    TPen m_pen;
    TBrush m_brush;
};
