#include "gui/stats/TDataGrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include <algorithm>

TDataGrid::TDataGrid(const TDataGridOptions& options, QWidget* parent)
    : QTableWidget(parent), m_options(options) {
    setObjectName("SG");
    // The number column takes the row header's place.
    verticalHeader()->setVisible(!m_options.NumberColumn);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(m_options.AlwaysShowEditor
                        ? QAbstractItemView::AllEditTriggers
                        : QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                              QAbstractItemView::AnyKeyPressed);
    setRowCount(1);
}

void TDataGrid::SetColumns(const QStringList& headers, const QList<int>& widths) {
    setColumnCount(static_cast<int>(headers.size()));
    setHorizontalHeaderLabels(headers);
    for (int c = 0; c < static_cast<int>(widths.size()) && c < columnCount(); ++c)
        setColumnWidth(c, widths[c]);
    ClearTable();
}

void TDataGrid::MakeRowItems(int row) {
    if (m_options.NumberColumn && columnCount() > NumberColumn) {
        auto* number = new QTableWidgetItem;
        number->setFlags(Qt::ItemIsEnabled);
        number->setBackground(palette().button());
        setItem(row, NumberColumn, number);
    }
    for (int c = DataColumn(); c < columnCount(); ++c)
        setItem(row, c, new QTableWidgetItem);
}

void TDataGrid::NumberRows() {
    if (!m_options.NumberColumn) return;
    for (int r = 0; r < rowCount(); ++r)
        if (QTableWidgetItem* number = item(r, NumberColumn)) number->setText(QString::number(r + 1));
}

QString TDataGrid::Cell(int row, int dataColumn) const {
    const QTableWidgetItem* it = item(row, DataColumn() + dataColumn);
    return it ? it->text() : QString();
}

void TDataGrid::SetCell(int row, int dataColumn, const QString& text) {
    if (QTableWidgetItem* it = item(row, DataColumn() + dataColumn)) it->setText(text);
}

TGridRows TDataGrid::Rows() const {
    TGridRows rows;
    for (int r = 0; r < rowCount(); ++r) {
        std::vector<std::string> cells;
        for (int c = 0; c < DataColumns(); ++c)
            cells.push_back(Cell(r, c).trimmed().toStdString());
        rows.push_back(std::move(cells));
    }
    return rows;
}

void TDataGrid::SetRows(const TGridRows& rows, int minRows) {
    setRowCount(0);
    const int n = std::max<int>(std::max(minRows, 1), static_cast<int>(rows.size()));
    setRowCount(n);
    for (int r = 0; r < n; ++r) {
        MakeRowItems(r);
        if (r < static_cast<int>(rows.size()))
            for (int c = 0; c < DataColumns() && c < static_cast<int>(rows[r].size()); ++c)
                SetCell(r, c, QString::fromStdString(rows[r][c]));
    }
    NumberRows();
    setCurrentCell(0, DataColumn());
}

void TDataGrid::InsertRow() {
    const int at = std::max(currentRow(), 0);
    insertRow(at);
    MakeRowItems(at);
    NumberRows();
    setCurrentCell(at, std::max(currentColumn(), DataColumn()));
}

void TDataGrid::DeleteRow() {
    const int at = currentRow();
    if (rowCount() <= 1) {
        ClearTable();
        return;
    }
    if (at < 0) return;
    const int column = std::max(currentColumn(), DataColumn());
    removeRow(at);
    NumberRows();
    setCurrentCell(std::min(at, rowCount() - 1), column);
}

void TDataGrid::ClearTable() {
    SetRows({});
}

bool TDataGrid::RowEmpty(int row) const {
    for (int c = 0; c < DataColumns(); ++c)
        if (!Cell(row, c).isEmpty()) return false;
    return true;
}

void TDataGrid::RemoveTrailingEmptyRows() {
    while (rowCount() > 1 && RowEmpty(rowCount() - 1))
        removeRow(rowCount() - 1);
}

void TDataGrid::KeepRows(int count) {
    setRowCount(std::max(1, count));
}

void TDataGrid::MoveNext() {
    const int row = std::max(currentRow(), 0), column = currentColumn();
    if (column < columnCount() - 1) {
        setCurrentCell(row, std::max(column + 1, DataColumn()));
        return;
    }
    if (row == rowCount() - 1) {
        insertRow(rowCount());
        MakeRowItems(rowCount() - 1);
        NumberRows();
    }
    setCurrentCell(row + 1, DataColumn());
}

void TDataGrid::MoveRow(int from, int to) {
    if (from == to || from < 0 || to < 0 || from >= rowCount() || to >= rowCount()) return;
    QList<QTableWidgetItem*> cells;
    for (int c = 0; c < columnCount(); ++c)
        cells << takeItem(from, c);
    removeRow(from);
    insertRow(to);
    for (int c = 0; c < columnCount(); ++c)
        setItem(to, c, cells[c]);
    NumberRows();
    setCurrentCell(to, std::max(currentColumn(), DataColumn()));
}

QLineEdit* TDataGrid::OpenEditor(bool& opened) {
    opened = state() != EditingState;
    if (opened) {
        if (currentColumn() < DataColumn()) setCurrentCell(std::max(currentRow(), 0), DataColumn());
        edit(currentIndex());
    }
    return qobject_cast<QLineEdit*>(indexWidget(currentIndex()));
}

bool TDataGrid::TypeIntoCell(const QString& text) {
    QWidget* focus = QApplication::focusWidget();
    if (!focus || (focus != this && !isAncestorOf(focus))) return false;
    bool opened = false;
    QLineEdit* editor = OpenEditor(opened);
    if (!editor) return false;
    // What is typed goes after the cell's text, not over it.
    if (opened || (editor->hasSelectedText() && editor->selectedText() == editor->text())) {
        editor->deselect();
        editor->end(false);
    }
    editor->insert(text);
    return true;
}

void TDataGrid::FocusCell(int row, int dataColumn) {
    setFocus(Qt::OtherFocusReason);
    setCurrentCell(std::clamp(row, 0, rowCount() - 1), DataColumn() + std::max(dataColumn, 0));
}

void TDataGrid::keyPressEvent(QKeyEvent* e) {
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // While a cell is edited its editor's Enter ends the edit and moves on (closeEditor); the key must
        // not reach the dialog's buttons either way.
        if (state() != EditingState) MoveNext();
        e->accept();
        return;
    case Qt::Key_Insert:
        if (ctrl) {
            InsertRow();
            e->accept();
            return;
        }
        break;
    case Qt::Key_Delete:
        if (ctrl) {
            DeleteRow();
            e->accept();
            return;
        }
        break;
    default: break;
    }
    QTableWidget::keyPressEvent(e);
}

void TDataGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    // Enter in the editor arrives as SubmitModelCache.
    const bool enter = hint == QAbstractItemDelegate::SubmitModelCache;
    QTableWidget::closeEditor(editor, enter ? QAbstractItemDelegate::NoHint : hint);
    if (enter) MoveNext();
}

void TDataGrid::mousePressEvent(QMouseEvent* e) {
    const QModelIndex at = indexAt(e->position().toPoint());
    if (m_options.NumberColumn && e->button() == Qt::LeftButton && at.isValid() &&
        at.column() == NumberColumn) {
        m_dragRow = at.row();
        e->accept();
        return;
    }
    m_dragRow = -1;
    QTableWidget::mousePressEvent(e);
}

void TDataGrid::mouseReleaseEvent(QMouseEvent* e) {
    if (m_dragRow >= 0) {
        const int to = rowAt(e->position().toPoint().y());
        const int from = m_dragRow;
        m_dragRow = -1;
        if (to >= 0) MoveRow(from, to);
        e->accept();
        return;
    }
    QTableWidget::mouseReleaseEvent(e);
}
