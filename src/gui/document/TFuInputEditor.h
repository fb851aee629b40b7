#pragma once
// The objects' way into the entry dialog: the gui's TObjectEditor, showing the one TFuInput of the run.
#include "objects/ObjectEditor.h"

#include <QPointer>

class QWidget;
class TFuInput;

class TFuInputEditor : public TObjectEditor {
public:
    explicit TFuInputEditor(TFuInput* dialog) : m_dialog(dialog) {}
    // False, changing nothing, once the dialog is gone (the main window closed).
    bool RunFuInput(TFuInputData& data) override;
    TFuInput* Dialog() const { return m_dialog; }

private:
    QPointer<TFuInput> m_dialog;
};

// Creates the entry dialog (a child of parent, which owns it) and installs the editor that shows it, for the
// whole run. Called once at start-up; a second call replaces both. Returns the dialog.
TFuInput* InstallObjectEditor(QWidget* parent);
