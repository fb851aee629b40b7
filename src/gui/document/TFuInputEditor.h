#pragma once
// The objects' way into their dialogs: the gui's TObjectEditor, showing the one TFuInput of the run and the
// one circle dialog.
#include "core/objects/ObjectEditor.h"

#include <QPointer>

class QWidget;
class TFuInput;
class TGr;
class TNewCircle;

class TFuInputEditor : public TObjectEditor {
public:
    explicit TFuInputEditor(TFuInput* dialog, TNewCircle* circle = nullptr);
    // False, changing nothing, once the dialog is gone (the main window closed).
    bool RunFuInput(TFuInputData& data) override;
    bool RunNewCircle(TCircleData& data) override;
    bool RunSample(TSampleEntry& entry) override;
    TFuInput* Dialog() const;
    TNewCircle* CircleDialog() const;

private:
    QPointer<TFuInput> m_dialog;
    QPointer<TNewCircle> m_circle;
};

// Creates the entry dialog, the circle dialog and the sample dialogs (children of parent, which owns them)
// and installs the editor that shows them, for the whole run. Called once at start-up; a second call
// replaces them all.
// Returns the entry dialog.
TFuInput* InstallObjectEditor(QWidget* parent);
// The graph window on which the circle dialog lets the user pick points; before or after
// InstallObjectEditor. nullptr disables picking.
void SetCircleGraphWindow(TGr* gr);
// The installed circle dialog; nullptr before InstallObjectEditor.
TNewCircle* CircleDialog();
