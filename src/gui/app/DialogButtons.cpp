#include "gui/app/DialogButtons.h"

#include <QDialog>
#include <QPushButton>

QPushButton* MakeNamedButton(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

TDialogButtons MakeDialogButtons(QDialog* dialog) {
    TDialogButtons buttons;
    buttons.Ok = MakeNamedButton(dialog, "OKBtn", "OK");
    buttons.Ok->setDefault(true);
    buttons.Cancel = MakeNamedButton(dialog, "CancelBtn", "Скасувати");
    QObject::connect(buttons.Ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(buttons.Cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return buttons;
}
