#pragma once
// The controls every dialog builds the same way, under the component names by which the language files and
// the tests find them.
class QDialog;
class QPushButton;
class QWidget;

// A push button with its component name.
QPushButton* MakeNamedButton(QWidget* parent, const char* name, const char* caption);

// "OK" (the default button, "OKBtn") and "Скасувати" ("CancelBtn"), which accept and reject the dialog: a
// dialog's own accept or reject runs, as they are virtual.
struct TDialogButtons {
    QPushButton* Ok = nullptr;
    QPushButton* Cancel = nullptr;
};
TDialogButtons MakeDialogButtons(QDialog* dialog);
