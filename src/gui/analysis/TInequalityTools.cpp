#include "gui/analysis/TInequalityTools.h"

#include "core/analysis/InequalitySystem.h"
#include "core/analysis/Shading.h"
#include "core/base/MessageTable.h"
#include "core/document/EntryChecks.h"
#include "core/document/TDocument.h"
#include "gui/app/TAns.h"
#include "gui/app/TBusyCursor.h"
#include "gui/document/TNerDlg.h"
#include "gui/plot/TGr.h"

#include <QLabel>

TInequalityTools::TInequalityTools(TDocument& doc, TGr& gr, TAns& ans, QWidget* dialogParent)
    : m_doc(doc), m_gr(gr), m_ans(ans), m_nerDlg(new TNerDlg(dialogParent)) {
    // The hook may outlive these tools: it holds on to the window and the document only.
    m_gr.SetShadeHook([&doc, &gr](char) { ShadePendingSystem(gr.I(), doc); });
}

bool TInequalityTools::AskInequality() {
    return m_nerDlg->exec() == QDialog::Accepted;
}

void TInequalityTools::SolveInequality() {
    FillSelection(m_doc.Objects, m_doc.Selection, true);
    if (m_doc.Selection.Empty() || !AskInequality()) return;
    const Real c = EntryValue(m_nerDlg->RightSide());
    const auto rel = static_cast<TRelation>(m_nerDlg->SelectedRelation());
    for (const std::string& line : ::SolveInequality(m_doc.Selection, rel, c, m_gr.I()))
        m_ans.AnsAdd(line);
}

void TInequalityTools::SolveInequalitySystem() {
    FillSelection(m_doc.Objects, m_doc.Selection, true);
    if (m_doc.Selection.Empty()) return;
    m_nerDlg->HeadLabel()->setText(QString::fromStdString(Msg(msg::NerSystemTitle)));
    if (!AskInequality()) return;
    const Real c = EntryValue(m_nerDlg->RightSide());
    const auto rel = static_cast<TRelation>(m_nerDlg->SelectedRelation());
    for (const std::string& line : ::SolveInequalitySystem(m_doc.Selection, rel, c, m_gr.I()))
        m_ans.AnsAdd(line);
}

void TInequalityTools::ShadeGxySystem(char rel) {
    TBusyCursor busy;
    ShadeCommand(m_doc, m_gr.I(), rel);
}
