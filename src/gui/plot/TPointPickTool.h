#pragma once
// A loan of the graph window in which the user records points in the chosen coordinates; with a limit, each
// further click drops the oldest. Picking is no computation: nothing goes to the answers window.
#include "core/plot/CoordType.h"
#include "gui/plot/TGraphTool.h"

class TPointPickTool : public TGraphTool {
public:
    static constexpr int AnyNumber = 0;

    explicit TPointPickTool(int maxPoints, CoordType coord = CoordType::ctDec)
        : m_maxPoints(maxPoints), m_coord(coord) {}

    std::vector<std::string> ClosingLines() const override { return {}; }
    // An empty list in add mode with "Запис" on.
    void Begin(TGr& gr) override;
    void End(TGr& gr) override;

private:
    int m_maxPoints;
    CoordType m_coord;
};
