#include "gui/analysis/ToolResults.h"

#include "gui/app/TNumPanel.h"
#include "gui/document/TObjList.h"
#include "gui/document/TParamPanel.h"

#include <QPlainTextEdit>
#include <QPushButton>

TToolResults MakeToolResults(QWidget* dialog) {
    TToolResults r;
    r.Memo = new QPlainTextEdit(dialog);
    r.Memo->setObjectName("Memo1");
    r.Memo->setReadOnly(true);
    r.Memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    r.ToAnsButton = new QPushButton("Занести у \"Відповіді\"", dialog);
    r.ToAnsButton->setObjectName("ToAnsButton");
    r.NumPanel = new TNumPanel(dialog);
    r.NumPanel->setObjectName("NumPanel1");
    return r;
}

void FitToolMemo(const TToolResults& results, const TParamPanel& params) {
    results.Memo->setMinimumSize(results.NumPanel->width(), params.sizeHint().height() / 2);
}

QStringList MemoTextLines(const QPlainTextEdit& memo) {
    const QString text = memo.toPlainText();
    return text.isEmpty() ? QStringList() : text.split('\n');
}

void SetMemoTextLines(QPlainTextEdit& memo, const std::vector<std::string>& lines) {
    QStringList text;
    for (const std::string& l : lines)
        text << QString::fromStdString(l);
    memo.setPlainText(text.join('\n'));
}

void HandBackParams(TParamPanel& params, TObjList* objList) {
    params.CommitPending();
    if (objList) objList->RefreshParams();
}
