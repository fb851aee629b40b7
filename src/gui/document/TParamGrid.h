#pragma once
// The grid of the parameters: "p1".."p9" down the side and one value column edited in place. The owner reads
// a cell as typed so far (the in-place editor's text while it is open), hears when an edit starts, and hears
// of Enter, Up, Down and Escape before the grid acts on them, whether the editor is open or not. The
// on-screen keypad types into the current cell's editor, opening it when needed, and goes on from the cell's
// text.
#include "gui/app/Keypad.h"

#include <QPointer>
#include <QTableWidget>

#include <functional>

class QLineEdit;

class TParamGrid : public QTableWidget, public TKeypadReceiver {
    Q_OBJECT
public:
    static constexpr int ParamCount = 9;
    static constexpr int RowHeight = 18;

    explicit TParamGrid(int valueColumnWidth, QWidget* parent = nullptr);

    QString CellText(int row) const;
    void SetCellText(int row, const QString& text);
    void SetReadOnly(bool readOnly);
    bool ReadOnly() const { return m_readOnly; }
    bool Editing() const;
    // The open in-place editor, nullptr when none.
    QLineEdit* Editor() const;
    // Whether w is the grid or its in-place editor.
    bool Owns(const QWidget* w) const;

    // The keypad's keys go into the current cell's editor; Enter is typed.
    bool KeypadKey(TKeypadAction action, const QString& text) override;

    // Called with the row when an in-place edit starts, before the editor shows the cell's text.
    std::function<void(int row)> OnEditStart;
    // Called with Qt::Key_Return (also for Enter), Key_Up, Key_Down or Key_Escape. The grid then closes an
    // open editor (keeping its text, or for Escape not) and moves on Up and Down.
    std::function<void(int key)> OnKeyDown;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    friend class TParamGridDelegate;
    void EditorOpened(QLineEdit* editor, int row);
    // Enter, Up, Down and Escape pressed in the editor; false for other keys.
    bool EditorKey(int key);
    void MoveRow(int step);

    QPointer<QLineEdit> m_editor;
    int m_editorRow = -1;
    bool m_readOnly = false;
};
