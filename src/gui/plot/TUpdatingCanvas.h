#pragma once
// A canvas that draws through another and reports every change, so that whatever draws on the graph (the
// window itself, the objects, the tools of the dialogs) shows on the screen without asking for it.
#include "core/plot/Canvas.h"

#include <functional>
#include <utility>

class TUpdatingCanvas : public TCanvas {
public:
    TUpdatingCanvas(TCanvas& target, std::function<void()> changed)
        : m_target(target), m_changed(std::move(changed)) {}

    void Line(int x1, int y1, int x2, int y2) override;
    void Polyline(const std::vector<TPoint>& points) override;
    void Rectangle(int l, int t, int r, int b) override;
    void FillRect(int l, int t, int r, int b) override;
    void Ellipse(int l, int t, int r, int b) override;
    void Arc(int l, int t, int r, int b, double startDeg, double spanDeg) override;
    void SetPixel(int x, int y, TColor color) override;
    void DrawFocusRect(int l, int t, int r, int b) override;
    void TextOut(int x, int y, const std::string& text, const TFont& font) override;
    int TextWidth(const std::string& text, const TFont& font) override;
    int TextHeight(const std::string& text, const TFont& font) override;

private:
    // The target draws with this canvas's pen and brush.
    TCanvas& Target();

    TCanvas& m_target;
    std::function<void()> m_changed;
};
