#include "gui/analysis/BrokenLineActions.h"

#include "core/analysis/BrokenLineCommands.h"
#include "core/document/TDocument.h"
#include "core/objects/TFl.h"
#include "gui/analysis/TDPPLam.h"
#include "gui/app/MessageDlg.h"
#include "gui/app/TAns.h"
#include "gui/document/TBrokLongIn.h"
#include "gui/document/TObjList.h"
#include "gui/plot/TGr.h"

namespace {
const TFl* CurrentBrokenLine(const TDocument& doc) {
    const TFn* f = doc.Objects.CurrentObject();
    return f && f->Kind() == ObjKind::BrokenLine ? static_cast<const TFl*>(f) : nullptr;
}
} // namespace

TBrokenLineActions::TBrokenLineActions(TDocument& doc, TGr* gr, TAns* ans, TObjList* objList, QWidget* parent)
    : QObject(parent), m_doc(doc), m_gr(gr), m_ans(ans), m_parent(parent),
      m_brokLongIn(new TBrokLongIn(parent)), m_dppLam(new TDPPLam(doc, gr, parent)) {
    QPointer<TObjList> list(objList);
    m_dppLam->OnAppended = [list] {
        if (list) list->ObjListBoxClick();
    };
}

void TBrokenLineActions::Show(const TAnswerBlock& answer) {
    if (answer.Refused()) {
        ShowErrorMessage(answer.Refusal, m_parent);
        return;
    }
    if (!m_ans) return;
    for (const std::string& line : answer.Lines)
        m_ans->AnsAdd(line);
}

void TBrokenLineActions::LengthCommand() {
    if (!m_gr) return;
    FillSelection(m_doc.Objects, m_doc.Selection, false);
    const TFl* line = CurrentBrokenLine(m_doc);
    if (!line) return;
    m_brokLongIn->SetMaxNumber(line->VertexCount());
    m_brokLongIn->SetClosed(line->Locked);
    if (m_brokLongIn->exec() != QDialog::Accepted) return;
    Show(BrokenLineLength(m_doc.Selection, m_brokLongIn->N1(), m_brokLongIn->N2(), m_gr->I()));
}

void TBrokenLineActions::PolygonAreaCommand() {
    if (!m_gr) return;
    FillSelection(m_doc.Objects, m_doc.Selection, true);
    Show(PolygonArea(m_doc.Selection, m_gr->I()));
}

void TBrokenLineActions::RevolutionCommand(bool aboutOx) {
    if (!m_gr) return;
    FillSelection(m_doc.Objects, m_doc.Selection, true);
    Show(RevolutionBrokenLines(m_doc.Selection, aboutOx ? RevolveVolumeOx : RevolveVolumeOy, m_gr->I()));
}

void TBrokenLineActions::TransformCommand() {
    m_dppLam->Open();
}
