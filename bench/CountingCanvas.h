#pragma once
// A canvas that only counts its calls: the benchmarks of drawing measure the sampling, not the painting.
#include "core/plot/Canvas.h"

class TCountingCanvas : public TCanvas {
public:
    void Line(int, int, int, int) override { ++Calls; }
    void Polyline(const std::vector<TPoint>&) override { ++Calls; }
    void Rectangle(int, int, int, int) override { ++Calls; }
    void FillRect(int, int, int, int) override { ++Calls; }
    void Ellipse(int, int, int, int) override { ++Calls; }
    void Arc(int, int, int, int, double, double) override { ++Calls; }
    void SetPixel(int, int, TColor) override { ++Calls; }
    void DrawFocusRect(int, int, int, int) override { ++Calls; }
    void TextOut(int, int, const std::string&, const TFont&) override { ++Calls; }
    int TextWidth(const std::string&, const TFont&) override { return 0; }
    int TextHeight(const std::string&, const TFont&) override { return 0; }
    long long Calls = 0;
};
