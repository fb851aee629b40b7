#pragma once
// A tool that borrows the graph window while the user picks points on it (TGr::Borrow). While it runs its
// handlers take the surface's mouse moves and clicks and erase the mouse cross; the defaults are the graph
// window's own, so a tool overrides only what it does differently.
#include "core/plot/Canvas.h"

#include <Qt>

#include <string>
#include <vector>

class TGr;

class TGraphTool {
public:
    virtual ~TGraphTool() = default;

    // Sent to the answers window when the window is borrowed, and when it is given back.
    virtual std::vector<std::string> OpeningLines() const { return {}; }
    virtual std::vector<std::string> ClosingLines() const;

    // Before the window is borrowed, and after the tool's handlers are removed again.
    virtual void Begin(TGr& gr) {}
    virtual void End(TGr& gr) {}

    virtual void MouseMove(TGr& gr, TPoint p, Qt::MouseButtons buttons);
    virtual void Click(TGr& gr);
    virtual void EraseCross(TGr& gr);
};
