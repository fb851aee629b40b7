#pragma once
// What the integral and derivative dialogs share below their inputs: the read-only memo of results,
// "Занести у \"Відповіді\"" and the number keypad, named as the language files know them; and the way the
// parameters are handed back when the dialog closes.
#include <QStringList>

#include <string>
#include <vector>

class QPlainTextEdit;
class QPushButton;
class QWidget;
class TNumPanel;
class TObjList;
class TParamPanel;

struct TToolResults {
    QPlainTextEdit* Memo = nullptr;
    QPushButton* ToAnsButton = nullptr;
    TNumPanel* NumPanel = nullptr;
};

TToolResults MakeToolResults(QWidget* dialog);

// The memo at least as wide as the keypad and half as tall as the parameter panel.
void FitToolMemo(const TToolResults& results, const TParamPanel& params);

// The memo's text as lines; none for an empty memo.
QStringList MemoTextLines(const QPlainTextEdit& memo);
void SetMemoTextLines(QPlainTextEdit& memo, const std::vector<std::string>& lines);

// A value still being typed in the grid is taken, and the object list shows what the dialog changed.
void HandBackParams(TParamPanel& params, TObjList* objList);
