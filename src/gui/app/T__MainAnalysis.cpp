// The main window's analysis commands: the integral tools and the derivative tool.
#include "core/analysis/IntegralTool.h"
#include "gui/analysis/TDerivDlg.h"
#include "gui/analysis/TRngInputP.h"
#include "gui/app/T__Main.h"
#include "gui/document/TObjList.h"
#include "gui/plot/TGr.h"

#include <QAction>
#include <QListWidget>

void T__Main::createAnalysisTools() {
    m_rngInputP = new TRngInputP(m_doc, *m_gr, *m_ans, m_objList, this);
    m_derivDlg = new TDerivDlg(m_doc, *m_gr, *m_ans, m_objList, this);
}

void T__Main::connectAnalysisCommands() {
    const std::pair<QAction*, TIntegralMode> integrals[] = {
        {m_intSItem, TIntegralMode::Integral},
        {m_vOxSItem, TIntegralMode::VolumeOx},
        {m_vOySItem, TIntegralMode::VolumeOy},
        {m_lLongItem, TIntegralMode::ArcLength},
        {m_approxlineItem, TIntegralMode::IntervalMeans},
        {m_darbouItem, TIntegralMode::Darboux},
    };
    for (const auto& [action, mode] : integrals) {
        m_unbuilt.erase(action);
        connect(action, &QAction::triggered, this, [this, m = mode] { IntegralCommand(m); });
    }
    m_unbuilt.erase(m_derivMenuItem);
    connect(m_derivMenuItem, &QAction::triggered, this, &T__Main::DerivativeCommand);
}

void T__Main::IntegralCommand(TIntegralMode mode) {
    FillSelection(m_doc.Objects, m_doc.Selection, true);
    if (IntegralObjectCount(mode, m_doc.Selection) == 0) return;
    m_rngInputP->Execute(mode, m_doc.Selection);
}

void T__Main::DerivativeCommand() {
    FillSelection(m_doc.Objects, m_doc.Selection, false);
    if (m_doc.Selection.Empty()) return;
    TFn& object = m_doc.Selection[0];
    if (object.Kind() != ObjKind::Explicit || !object.Drawn) return;
    // The current entry is checked while the dialog is open, and gets its own mark back afterwards.
    QListWidgetItem* item = m_objList->ObjListBox()->item(m_doc.Selection.CurIndex);
    const Qt::CheckState before = item ? item->checkState() : Qt::Unchecked;
    if (item) item->setCheckState(Qt::Checked);
    m_derivDlg->Execute(object);
    if (item) item->setCheckState(before);
}
