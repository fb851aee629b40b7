#include "gui/document/TFuInputEditor.h"

#include "gui/document/TFuInput.h"

#include <memory>

namespace {
std::unique_ptr<TFuInputEditor> g_editor;
// A dialog without a parent is ours to free when it is replaced.
QPointer<TFuInput> g_orphan;
} // namespace

bool TFuInputEditor::RunFuInput(TFuInputData& data) {
    return m_dialog && m_dialog->Run(data);
}

TFuInput* InstallObjectEditor(QWidget* parent) {
    SetObjectEditor(nullptr);
    delete g_orphan.data();
    auto* dialog = new TFuInput(parent);
    if (!parent) g_orphan = dialog;
    g_editor = std::make_unique<TFuInputEditor>(dialog);
    SetObjectEditor(g_editor.get());
    return dialog;
}
