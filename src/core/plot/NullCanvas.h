#pragma once
// Draws nothing: the surface draws here until the graph window hands it a bitmap.
#include "core/plot/Canvas.h"

class TNullCanvas : public TCanvas {
public:
    void Line(int, int, int, int) override {}
    void Polyline(const std::vector<TPoint>&) override {}
    void Rectangle(int, int, int, int) override {}
    void FillRect(int, int, int, int) override {}
    void Ellipse(int, int, int, int) override {}
    void Arc(int, int, int, int, double, double) override {}
    void SetPixel(int, int, TColor) override {}
    void DrawFocusRect(int, int, int, int) override {}
    void TextOut(int, int, const std::string&, const TFont&) override {}
    int TextWidth(const std::string&, const TFont&) override { return 0; }
    int TextHeight(const std::string&, const TFont&) override { return 0; }
};
