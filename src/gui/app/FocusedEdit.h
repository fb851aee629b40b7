#pragma once
// The focused control when it is a text editor (a line, a combo box's or spinner's line, a plain or rich text
// editor), with what the edit commands of the main window need of it.
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

struct FocusedEdit {
    QLineEdit* line = nullptr;
    QPlainTextEdit* plain = nullptr;
    QTextEdit* rich = nullptr;

    static FocusedEdit Get(QWidget* w = QApplication::focusWidget()) {
        FocusedEdit f;
        if (auto* combo = qobject_cast<QComboBox*>(w))
            f.line = combo->lineEdit();
        else if (auto* spin = qobject_cast<QAbstractSpinBox*>(w))
            f.line = spin->findChild<QLineEdit*>();
        else {
            f.line = qobject_cast<QLineEdit*>(w);
            f.plain = qobject_cast<QPlainTextEdit*>(w);
            f.rich = qobject_cast<QTextEdit*>(w);
        }
        return f;
    }
    bool Any() const { return line || plain || rich; }
    bool HasSelection() const {
        return (line && line->hasSelectedText()) || (plain && plain->textCursor().hasSelection()) ||
               (rich && rich->textCursor().hasSelection());
    }
    bool ReadOnly() const {
        return (line && line->isReadOnly()) || (plain && plain->isReadOnly()) || (rich && rich->isReadOnly());
    }
    void Cut() const { line ? line->cut() : plain ? plain->cut() : rich ? rich->cut() : void(); }
    void Copy() const { line ? line->copy() : plain ? plain->copy() : rich ? rich->copy() : void(); }
    void Paste() const { line ? line->paste() : plain ? plain->paste() : rich ? rich->paste() : void(); }
};
