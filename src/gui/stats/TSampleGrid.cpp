#include "gui/stats/TSampleGrid.h"

#include "gui/app/MessageDlg.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>

TSampleGrid::TSampleGrid(QWidget* parent) : QTableWidget(parent) {
    setObjectName("SG");
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::AllEditTriggers);
    verticalHeader()->setDefaultSectionSize(20);
    horizontalHeader()->setStretchLastSection(true);
    setRowCount(1);
}

void TSampleGrid::SetLayout(const std::vector<std::string>& headers) {
    clear();
    setColumnCount(static_cast<int>(headers.size()));
    QStringList labels;
    for (const std::string& h : headers)
        labels << Q(h);
    setHorizontalHeaderLabels(labels);
    setRowCount(1);
    setCurrentCell(0, 0);
}

TGridRows TSampleGrid::Rows() const {
    TGridRows rows;
    for (int r = 0; r < rowCount(); ++r) {
        std::vector<std::string> row;
        for (int c = 0; c < columnCount(); ++c) {
            const QTableWidgetItem* cell = item(r, c);
            row.push_back(cell ? S(cell->text().trimmed()) : std::string());
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

void TSampleGrid::SetRows(const TGridRows& rows) {
    clearContents();
    setRowCount(std::max<int>(1, static_cast<int>(rows.size())));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        for (int c = 0; c < columnCount() && c < static_cast<int>(rows[r].size()); ++c)
            setItem(r, c, new QTableWidgetItem(Q(rows[r][c])));
    setCurrentCell(0, 0);
}

void TSampleGrid::AppendRow() {
    insertRow(rowCount());
}

void TSampleGrid::InsertRowAtCursor() {
    insertRow(std::max(0, currentRow()));
}

void TSampleGrid::DeleteRowAtCursor() {
    if (rowCount() <= 1) {
        ClearTable();
        return;
    }
    removeRow(std::max(0, currentRow()));
}

void TSampleGrid::ClearTable() {
    clearContents();
    setRowCount(1);
    setCurrentCell(0, 0);
}

void TSampleGrid::KeepRows(int count) {
    setRowCount(std::max(1, count));
}

void TSampleGrid::MoveNext() {
    const int r = std::max(0, currentRow()), c = std::max(0, currentColumn());
    if (c + 1 < columnCount()) {
        setCurrentCell(r, c + 1);
        return;
    }
    if (r + 1 >= rowCount()) AppendRow();
    setCurrentCell(r + 1, 0);
}

void TSampleGrid::FocusCell(int row, int column) {
    setFocus(Qt::OtherFocusReason);
    setCurrentCell(row, column);
}

void TSampleGrid::TypeIntoCell(const QString& text) {
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (!editor || !isAncestorOf(editor)) {
        if (!currentIndex().isValid()) setCurrentCell(0, 0);
        edit(currentIndex());
        editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        if (!editor || !isAncestorOf(editor)) editor = findChild<QLineEdit*>();
        // A freshly opened editor holds the cell's text; what is typed goes after it.
        if (editor) editor->deselect(), editor->end(false);
    }
    if (editor) editor->insert(text);
}

void TSampleGrid::keyPressEvent(QKeyEvent* e) {
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    if (ctrl && e->key() == Qt::Key_Insert) {
        InsertRowAtCursor();
        return;
    }
    if (ctrl && e->key() == Qt::Key_Delete) {
        DeleteRowAtCursor();
        return;
    }
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && state() != EditingState) {
        MoveNext();
        return;
    }
    QTableWidget::keyPressEvent(e);
}

void TSampleGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    // Enter in a cell being edited commits it and moves on like Enter outside the editor.
    if (hint == QAbstractItemDelegate::SubmitModelCache) {
        QTableWidget::closeEditor(editor, QAbstractItemDelegate::NoHint);
        MoveNext();
        return;
    }
    QTableWidget::closeEditor(editor, hint);
}
