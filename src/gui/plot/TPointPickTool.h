#pragma once
// A loan of the graph window in which the user records up to a number of points in Cartesian coordinates
// (each further click drops the oldest). Picking is no computation: nothing goes to the answers window.
#include "gui/plot/TGraphTool.h"

class TPointPickTool : public TGraphTool {
public:
    explicit TPointPickTool(int maxPoints) : m_maxPoints(maxPoints) {}

    std::vector<std::string> ClosingLines() const override { return {}; }
    // An empty list in add mode with "Запис" on.
    void Begin(TGr& gr) override;
    void End(TGr& gr) override;

private:
    int m_maxPoints;
};
