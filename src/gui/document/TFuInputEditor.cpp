#include "gui/document/TFuInputEditor.h"

#include "core/stats/RandomData.h"
#include "gui/app/MessageDlg.h"
#include "gui/document/TFuInput.h"
#include "gui/document/TNewCircle.h"
#include "gui/plot/TGr.h"
#include "gui/stats/SampleEditor.h"
#include "gui/stats/TRandomDlg.h"
#include "gui/stats/TSGDlg.h"
#include "gui/stats/TSGSDlg.h"

#include <memory>

namespace {
std::unique_ptr<TFuInputEditor> g_editor;
// Dialogs without a parent are ours to free when they are replaced.
QPointer<TFuInput> g_orphan;
QPointer<TNewCircle> g_circleOrphan;
QPointer<TSGDlg> g_tableOrphan;
// Kept apart from the dialog: the main window may hand the graph window over before installing the editor.
QPointer<TGr> g_circleGr;
} // namespace

TFuInputEditor::TFuInputEditor(TFuInput* dialog, TNewCircle* circle, TSGDlg* table)
    : m_dialog(dialog), m_circle(circle), m_table(table) {}

TFuInput* TFuInputEditor::Dialog() const {
    return m_dialog;
}

TNewCircle* TFuInputEditor::CircleDialog() const {
    return m_circle;
}

bool TFuInputEditor::RunFuInput(TFuInputData& data) {
    return m_dialog && m_dialog->Run(data);
}

bool TFuInputEditor::RunNewCircle(TCircleData& data) {
    return m_circle && m_circle->Run(data);
}

TSGDlg* TFuInputEditor::TableDialog() const {
    return m_table;
}

bool TFuInputEditor::RunTableDlg(TTableData& data) {
    return m_table && m_table->Run(data);
}

bool TFuInputEditor::RunSample(TSampleEntry& entry) {
    return RunInstalledSampleEntry(entry);
}

TFuInput* InstallObjectEditor(QWidget* parent) {
    SetObjectEditor(nullptr);
    delete g_orphan.data();
    delete g_circleOrphan.data();
    delete g_tableOrphan.data();
    auto* dialog = new TFuInput(parent);
    auto* circle = new TNewCircle(parent);
    circle->SetGraphWindow(g_circleGr);
    auto* table = new TSGDlg(nullptr, parent);
    table->SetGraphWindow(g_circleGr);
    InstallSampleDialogs(parent);
    if (TSGSDlg* sample = SampleDataDialog()) {
        // One random values dialog serves both data dialogs, and one generator seeded from the clock.
        QPointer<TRandomDlg> random = table->RandomDlg();
        sample->SetRandomDialog([random](TRandomRequest& request) {
            if (!random) return false;
            random->SetBrownianMode(false);
            if (random->exec() != QDialog::Accepted) return false;
            request.N = random->N();
            request.AText = S(random->AText());
            request.BText = S(random->BText());
            request.WholeNumbers = random->IntegerValues();
            return true;
        });
        sample->Uniform = [] { return ProgramRandom().Uniform(); };
    }
    if (!parent) {
        g_orphan = dialog;
        g_circleOrphan = circle;
        g_tableOrphan = table;
    }
    g_editor = std::make_unique<TFuInputEditor>(dialog, circle, table);
    SetObjectEditor(g_editor.get());
    return dialog;
}

void SetCircleGraphWindow(TGr* gr) {
    g_circleGr = gr;
    if (TNewCircle* circle = CircleDialog()) circle->SetGraphWindow(gr);
    if (TSGDlg* table = TableDialog()) table->SetGraphWindow(gr);
}

TNewCircle* CircleDialog() {
    return g_editor ? g_editor->CircleDialog() : nullptr;
}

TSGDlg* TableDialog() {
    return g_editor ? g_editor->TableDialog() : nullptr;
}
