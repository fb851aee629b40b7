#include "gui/app/TFunctionPointsTools.h"

#include "core/analysis/CommandRegistry.h"
#include "core/analysis/FunctionPointsCommands.h"
#include "gui/app/MessageDlg.h"
#include "gui/app/TAns.h"
#include "gui/plot/TGr.h"

TFunctionPointsTools::TFunctionPointsTools(TDocument& doc, TGr& gr, TAns& ans, QWidget* parent)
    : m_doc(doc), m_gr(gr), m_ans(ans), m_parent(parent) {}

void TFunctionPointsTools::Run(const std::string& command) {
    const TCommandInfo* info = FindRunCommand(command);
    if (!info) return;
    TCommandContext context{m_doc, m_gr.I(), m_gr.Labels()};
    const TCommandOutcome outcome = RunCommand(*info, context, {});
    if (!outcome.Refusal.empty()) {
        MessageDlg(outcome.Refusal, TMsgDlgType::mtError, mbOKOnly, 0, m_parent);
        return;
    }
    for (const std::string& line : outcome.Lines)
        m_ans.AnsAdd(line);
}

bool TFunctionPointsTools::CanFindPoints(const TDocument& doc) {
    return CurrentExplicit(doc) != nullptr;
}

bool TFunctionPointsTools::CanIntersect(const TDocument& doc) {
    const TFn* f = CurrentExplicit(doc);
    if (!f) return false;
    TFuncs checked;
    FillSelection(doc.Objects, checked, true);
    return !IntersectionPartners(f, checked).empty();
}
