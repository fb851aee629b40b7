#pragma once
// "Значення виразу G(x,y)": the readout also shows the value of G at the mouse. Clicks do nothing.
#include "gui/plot/TGraphTool.h"

#include <string>
#include <utility>

class TFunc;

class TValueTool : public TGraphTool {
public:
    // g must outlive the tool.
    TValueTool(const TFunc& g, std::string formulaText) : m_g(g), m_formulaText(std::move(formulaText)) {}

    std::vector<std::string> OpeningLines() const override;
    std::vector<std::string> ClosingLines() const override;
    void MouseMove(TGr& gr, TPoint p, Qt::MouseButtons buttons) override;
    void Click(TGr&) override {}

private:
    const TFunc& m_g;
    std::string m_formulaText;
};
