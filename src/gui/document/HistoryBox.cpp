#include "gui/document/HistoryBox.h"

#include "core/document/EntryChecks.h"
#include "gui/app/MessageDlg.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {
constexpr int MinimumChars = 8;
} // namespace

QComboBox* MakeHistoryBox(QWidget* parent, const char* name, const QString& text) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    // Formulas are typed as they are: no completion from the list, case kept.
    box->setCompleter(nullptr);
    // A long formula in the list must not widen the dialog.
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(MinimumChars);
    box->setEditText(text);
    return box;
}

void RememberText(QComboBox* box) {
    const QString text = box->currentText();
    std::vector<std::string> history;
    history.reserve(box->count());
    for (int i = 0; i < box->count(); ++i)
        history.push_back(S(box->itemText(i)));
    if (!AddToHistory(history, S(text))) return;
    const int caret = box->lineEdit()->cursorPosition();
    box->addItem(text);
    // Adding the first item makes it current; the box keeps what the user typed.
    box->setEditText(text);
    box->lineEdit()->setCursorPosition(caret);
}

QLabel* MakeLabel(QWidget* parent, const char* name, const char* caption, QWidget* buddy) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setBuddy(buddy);
    return label;
}
