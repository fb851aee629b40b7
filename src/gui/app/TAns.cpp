#include "gui/app/TAns.h"

#include "gui/app/MessageDlg.h" // Q()

#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

TAns::TAns(QWidget* parent) : QWidget(parent) {
    setObjectName("Ans");
    setWindowTitle("Відповіді");
    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName("AnsMemo");
    m_memo->setReadOnly(true);
    m_memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_memo);
}

void TAns::AnsAdd(const std::string& line) {
    QTextDocument* document = m_memo->document();
    // Someone emptied the memo directly: start counting again.
    if (m_lineCount > 0 && document->blockCount() != m_lineCount)
        m_lineCount = document->isEmpty() ? 0 : document->blockCount();
    // The document's cursor, not the memo's, so that the user's selection survives new answers.
    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::End);
    if (m_lineCount > 0) cursor.insertBlock();
    cursor.insertText(Q(line));
    ++m_lineCount;
    QScrollBar* bar = m_memo->verticalScrollBar();
    bar->setValue(bar->maximum());
}

void TAns::Clear() {
    m_memo->clear();
    m_lineCount = 0;
}

QStringList TAns::Lines() const {
    if (m_lineCount == 0 && m_memo->document()->isEmpty()) return {};
    return m_memo->toPlainText().split(QChar('\n'));
}

void TAns::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    // The size given before the window is first shown is the program's, not the user's.
    if (!isVisible()) return;
    WasResized = true;
    emit Resized();
}

void TAns::closeEvent(QCloseEvent* e) {
    // The answers window lives as long as the program: closing it only minimises it.
    e->ignore();
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        frame->showMinimized();
    else if (isWindow())
        showMinimized();
}
