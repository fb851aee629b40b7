#include "gui/document/TFuInputEditor.h"

#include "gui/document/TFuInput.h"
#include "gui/document/TNewCircle.h"
#include "gui/plot/TGr.h"
#include "gui/stats/SampleEditor.h"

#include <memory>

namespace {
std::unique_ptr<TFuInputEditor> g_editor;
// Dialogs without a parent are ours to free when they are replaced.
QPointer<TFuInput> g_orphan;
QPointer<TNewCircle> g_circleOrphan;
// Kept apart from the dialog: the main window may hand the graph window over before installing the editor.
QPointer<TGr> g_circleGr;
} // namespace

TFuInputEditor::TFuInputEditor(TFuInput* dialog, TNewCircle* circle) : m_dialog(dialog), m_circle(circle) {}

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

bool TFuInputEditor::RunSample(TSampleEntry& entry) {
    return RunInstalledSampleEntry(entry);
}

TFuInput* InstallObjectEditor(QWidget* parent) {
    SetObjectEditor(nullptr);
    delete g_orphan.data();
    delete g_circleOrphan.data();
    auto* dialog = new TFuInput(parent);
    auto* circle = new TNewCircle(parent);
    circle->SetGraphWindow(g_circleGr);
    InstallSampleDialogs(parent);
    if (!parent) {
        g_orphan = dialog;
        g_circleOrphan = circle;
    }
    g_editor = std::make_unique<TFuInputEditor>(dialog, circle);
    SetObjectEditor(g_editor.get());
    return dialog;
}

void SetCircleGraphWindow(TGr* gr) {
    g_circleGr = gr;
    if (TNewCircle* circle = CircleDialog()) circle->SetGraphWindow(gr);
}

TNewCircle* CircleDialog() {
    return g_editor ? g_editor->CircleDialog() : nullptr;
}
