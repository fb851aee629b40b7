#include "gui/stats/TStatTools.h"

#include "core/base/MessageTable.h"
#include "core/document/TDocument.h"
#include "core/objects/TFs.h"
#include "core/stats/StatCommands.h"
#include "gui/app/MessageDlg.h"
#include "gui/app/TAns.h"
#include "gui/document/TObjList.h"
#include "gui/stats/TPirsonDlg.h"
#include "gui/stats/TSView.h"

#include <QWidget>

TStatTools::TStatTools(TDocument& doc, TMasshImage& image, TObjList* objList, TAns* ans, QWidget* parent)
    : QObject(parent), m_doc(doc), m_image(image), m_objList(objList), m_ans(ans) {
    m_view = new TSView(parent);
    m_pirson = new TPirsonDlg(parent);
}

bool TStatTools::CurrentIsSample() const {
    const TFn* f = m_doc.Objects.CurrentObject();
    return f && f->Kind() == ObjKind::Sample;
}

bool TStatTools::PearsonApplies() const {
    TFuncs selection;
    FillSelection(m_doc.Objects, selection, true);
    if (selection.Count() != 2) return false;
    const ObjKind a = selection[0].Kind(), b = selection[1].Kind();
    auto fits = [](ObjKind k) { return k == ObjKind::Sample || k == ObjKind::Explicit; };
    return (a == ObjKind::Sample && fits(b)) || (b == ObjKind::Sample && fits(a));
}

void TStatTools::FrequencyTableCommand() {
    FillSelection(m_doc.Objects, m_doc.Selection, false);
    const auto rows = FrequencyTable(m_doc.Selection);
    if (rows.empty()) return;
    m_view->Fill(rows);
    m_view->show();
    m_view->raise();
}

void TStatTools::NormalDensityCommand() {
    FillSelection(m_doc.Objects, m_doc.Selection, false);
    if (NormalDensity(m_doc.Selection, m_doc.Objects, m_image) < 0) return;
    if (m_objList) {
        m_objList->RefreshParams();
        m_objList->ObjListBoxClick();
    }
}

void TStatTools::PearsonCommand() {
    FillSelection(m_doc.Objects, m_doc.Selection, true);
    const TPearsonSetup setup = PreparePearson(m_doc.Selection);
    QWidget* parent = qobject_cast<QWidget*>(this->parent());
    if (setup.Message != msg::None) {
        MessageDlg(Msg(setup.Message) + setup.Detail, TMsgDlgType::mtError, mbOKOnly, 0, parent);
        return;
    }
    if (!setup.Ready()) return;
    m_pirson->Prepare(setup.E->Caption(), setup.T->Caption(), setup.KE, setup.TIsSample ? setup.KT : setup.KE,
                      setup.TIsSample);
    if (m_pirson->exec() != QDialog::Accepted) return;
    const TAnswerBlock answer =
        RunPearson(setup, {m_pirson->Theory(), m_pirson->Level(), m_pirson->DegreesOfFreedom()});
    if (m_ans)
        for (const std::string& line : answer.Lines)
            m_ans->AnsAdd(line);
}
