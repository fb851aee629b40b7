#pragma once
// The editable combo boxes of the entry dialogs: the list under each box holds the texts accepted in it
// during the run, so an earlier formula can be picked again.
#include <QString>

class QComboBox;
class QLabel;
class QWidget;

// An editable box whose list grows only through RememberText (Enter does not add to it).
QComboBox* MakeHistoryBox(QWidget* parent, const char* name, const QString& text);
// Appends the box's text to its list unless the list holds it already; the typed text stays as it is.
void RememberText(QComboBox* box);

// A label named for the language files that focuses its buddy on its mnemonic.
QLabel* MakeLabel(QWidget* parent, const char* name, const char* caption, QWidget* buddy);
