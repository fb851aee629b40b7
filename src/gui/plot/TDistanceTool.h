#pragma once
// "Відстань до точки": the distance from the point of row 1 of the point list to the mouse, shown as a line
// that follows the mouse and in the readout; a click reports the distance to the clicked point and makes it
// the new starting point.
#include "core/base/Real.h"
#include "gui/plot/TGraphTool.h"

class TDistanceTool : public TGraphTool {
public:
    std::vector<std::string> OpeningLines() const override;
    void Begin(TGr& gr) override;
    void End(TGr& gr) override;
    void MouseMove(TGr& gr, TPoint p, Qt::MouseButtons buttons) override;
    void Click(TGr& gr) override;
    void EraseCross(TGr& gr) override;

private:
    // The starting point in world coordinates: row 1 of the point list.
    static void StartPoint(TGr& gr, Real& x, Real& y);
    void DrawLine(TGr& gr) const;
    void EraseLine(TGr& gr);

    bool m_showNumbers = true;
    bool m_masshAuto = true;
    bool m_lineShown = false;
    TPoint m_lineFrom, m_lineTo; // as drawn, so that it is erased exactly
};
