#include "core/objects/ObjectEditor.h"

namespace {
TObjectEditor* g_editor = nullptr;
} // namespace

void SetObjectEditor(TObjectEditor* editor) {
    g_editor = editor;
}

TObjectEditor* ObjectEditor() {
    return g_editor;
}
