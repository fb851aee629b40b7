#include "gui/plot/TDistanceTool.h"

#include "core/base/MessageTable.h"
#include "core/base/NumberText.h"
#include "gui/app/TAns.h"
#include "gui/plot/TGr.h"

#include <QAction>

#include <cmath>

namespace {
// The lines that open the tool, and the same again after each click with the new starting point.
std::vector<std::string> StartLines(Real x0, Real y0, bool afterClick) {
    return {Msg(afterClick ? msg::DistanceNext : msg::DistanceOpening),
            "x0=" + FloatStr(x0) + ", y0=" + FloatStr(y0),
            Msg(afterClick ? msg::DistanceNextSeeGraph : msg::DistanceOpeningSeeGraph)};
}

void SetStartPoint(TGr& gr, Real x, Real y) {
    TPointList& points = gr.Points();
    points.SetCell(TPointList::NumberCol, TPointList::FirstPointRow, "1");
    points.SetXY(TPointList::FirstPointRow, x, y);
    gr.PointsChanged();
}
} // namespace

std::vector<std::string> TDistanceTool::OpeningLines() const {
    return StartLines(0, 0, false);
}

void TDistanceTool::Begin(TGr& gr) {
    gr.Points().Clear();
    m_showNumbers = gr.ShowNPopup()->isChecked();
    gr.ShowNPopup()->setChecked(false);
    SetStartPoint(gr, 0, 0);
    // The scale stays where the user put it while the tool redraws.
    m_masshAuto = gr.I().MasshAuto();
    gr.I().SetMasshAuto(false);
}

void TDistanceTool::End(TGr& gr) {
    m_lineShown = false;
    gr.ShowNPopup()->setChecked(m_showNumbers);
    gr.I().SetMasshAuto(m_masshAuto);
    gr.Points().Clear();
    gr.PointsChanged();
}

void TDistanceTool::StartPoint(TGr& gr, Real& x, Real& y) {
    x = y = 0;
    gr.Points().ReadPoint(TPointList::FirstPointRow, x, y);
}

void TDistanceTool::DrawLine(TGr& gr) const {
    TCanvas& c = gr.I().Canvas();
    const TPen pen = c.Pen();
    c.Pen() = {gr.I().grMouseColor, 1, PenStyle::Solid, PenMode::Xor};
    c.Line(m_lineFrom.x, m_lineFrom.y, m_lineTo.x, m_lineTo.y);
    c.Pen() = pen;
}

void TDistanceTool::EraseLine(TGr& gr) {
    if (m_lineShown) DrawLine(gr);
    m_lineShown = false;
}

void TDistanceTool::MouseMove(TGr& gr, TPoint p, Qt::MouseButtons buttons) {
    if (buttons & Qt::RightButton) return;
    TMasshImage& image = gr.I();
    Real x0, y0;
    StartPoint(gr, x0, y0);
    const Real dx = image.ScrToX(p.x) - x0, dy = image.ScrToY(p.y) - y0;
    const Real r = std::sqrt(dx * dx + dy * dy);
    if (gr.MouseMode() != TGr::LeftButtonHeld) {
        EraseLine(gr);
        m_lineFrom = p;
        m_lineTo = {image.XToScr(x0), image.YToScr(y0)};
        DrawLine(gr);
        m_lineShown = true;
    }
    gr.CoordStatusMouseMove(p, buttons);
    gr.AppendCoordStatus(" R=" + FloatStr(r));
}

void TDistanceTool::Click(TGr& gr) {
    if (gr.RectShown()) return;
    gr.RedrawKeepingMouseMode();
    TMasshImage& image = gr.I();
    Real x0, y0;
    StartPoint(gr, x0, y0);
    const Real x1 = image.ScrToX(gr.DownPos().x), y1 = image.ScrToY(gr.DownPos().y);
    SetStartPoint(gr, x1, y1);
    const Real d = std::sqrt((x1 - x0) * (x1 - x0) + (y1 - y0) * (y1 - y0));
    if (TAns* ans = gr.Ans()) {
        ans->AnsAdd(Msg(msg::DistanceBetween) + " (" + FloatStr(x0) + ", " + FloatStr(y0) + ") " +
                    Msg(msg::DistanceAnd) + " (" + FloatStr(x1) + ", " + FloatStr(y1) + ")=" + FloatStr(d));
        for (const std::string& line : StartLines(x1, y1, true))
            ans->AnsAdd(line);
    }
    Real px, py;
    StartPoint(gr, px, py);
    gr.DrawPointMark(image.XToScr(px), image.YToScr(py), true, 1);
}

void TDistanceTool::EraseCross(TGr& gr) {
    EraseLine(gr);
    gr.EraseCross();
}
