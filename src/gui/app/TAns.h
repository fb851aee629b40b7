#pragma once
// The answers window: every computation appends its result lines here.
#include "core/analysis/AnswerLines.h" // AnswerSeparatorLine ends every block of results

#include <QWidget>

#include <string>

class QPlainTextEdit;

class TAns : public QWidget {
    Q_OBJECT
public:
    static constexpr int HelpContext = 13000;

    explicit TAns(QWidget* parent = nullptr);

    void AnsAdd(const std::string& line);
    void AddSeparator() { AnsAdd(AnswerSeparatorLine); }
    void Clear();
    QStringList Lines() const;
    QPlainTextEdit* AnsMemo() const { return m_memo; }

    // The user resized the window: the main window's automatic arrangement reads and clears it.
    bool WasResized = false;

signals:
    void Resized(); // the main window's resize handling

protected:
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    QPlainTextEdit* m_memo = nullptr;
    int m_lineCount = 0; // an empty first line and an empty memo look alike to the document
};
