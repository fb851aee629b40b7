#include "gui/plot/TValueTool.h"

#include "core/base/NumberText.h"
#include "core/formula/TFunc.h"
#include "gui/plot/TGr.h"

std::vector<std::string> TValueTool::OpeningLines() const {
    return {"Обчислення значення функції", "0=" + m_formulaText, "(Див. вікно \"Графік\")"};
}

void TValueTool::MouseMove(TGr& gr, TPoint p, Qt::MouseButtons buttons) {
    // With the right button held the readout is not rewritten, and the value is not appended again.
    if (!gr.CoordStatusMouseMove(p, buttons)) return;
    const TMasshImage& image = gr.I();
    gr.AppendCoordStatus(" G(x,y)=" + FloatStr(m_g.Calc(image.ScrToX(p.x), image.ScrToY(p.y))));
}
