#include "gui/plot/TGraphTool.h"

#include "core/base/MessageTable.h"
#include "gui/app/TAns.h"
#include "gui/plot/TGr.h"

std::vector<std::string> TGraphTool::ClosingLines() const {
    return {Msg(msg::DistanceFinished), AnswerSeparator};
}

void TGraphTool::MouseMove(TGr& gr, TPoint p, Qt::MouseButtons buttons) {
    gr.CoordStatusMouseMove(p, buttons);
}

void TGraphTool::Click(TGr& gr) {
    gr.IClick();
}

void TGraphTool::EraseCross(TGr& gr) {
    gr.EraseCross();
}
