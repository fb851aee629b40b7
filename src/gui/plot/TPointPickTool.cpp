#include "gui/plot/TPointPickTool.h"

#include "gui/plot/TGr.h"

#include <QAction>

void TPointPickTool::Begin(TGr& gr) {
    gr.ClrPopup()->trigger();
    gr.AddPopup()->trigger();
    gr.I().SetCoord(CoordType::ctDec);
    if (!gr.RecPopup()->isChecked()) gr.RecPopup()->trigger();
    gr.I().MaxPoints = m_maxPoints;
}

void TPointPickTool::End(TGr& gr) {
    gr.I().MaxPoints = 0;
}
