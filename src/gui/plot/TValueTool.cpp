#include "gui/plot/TValueTool.h"

#include "core/base/MessageTable.h"
#include "core/base/NumberText.h"
#include "core/formula/TFunc.h"
#include "gui/app/TAns.h"
#include "gui/plot/TGr.h"

std::vector<std::string> TValueTool::OpeningLines() const {
    return {Msg(msg::ValueOpening), "0=" + m_formulaText, Msg(msg::ValueOpeningSeeGraph)};
}

std::vector<std::string> TValueTool::ClosingLines() const {
    return {Msg(msg::ValueFinished), AnswerSeparator};
}

void TValueTool::MouseMove(TGr& gr, TPoint p, Qt::MouseButtons buttons) {
    // With the right button held the readout is not rewritten, and the value is not appended again.
    if (!gr.CoordStatusMouseMove(p, buttons)) return;
    const TMasshImage& image = gr.I();
    gr.AppendCoordStatus(" G(x,y)=" + FloatStr(m_g.Calc(image.ScrToX(p.x), image.ScrToY(p.y))));
}
