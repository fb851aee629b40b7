#pragma once
// The grid of the data dialogs: column 0 numbers the rows, the other columns hold formula texts. Enter moves
// to the next cell and from the last column to the next row, adding a numbered row at the end; Ctrl+Insert
// and Ctrl+Delete insert and delete rows; a row dragged by its number moves and the rows are numbered again.
#include "core/stats/DataFile.h"

#include <QTableWidget>

class TDataGrid : public QTableWidget {
    Q_OBJECT
public:
    static constexpr int NumberColumn = 0;
    static constexpr int FirstDataColumn = 1;

    // headers and widths include the number column.
    TDataGrid(const QStringList& headers, const QList<int>& widths, QWidget* parent = nullptr);

    int DataColumns() const { return columnCount() - FirstDataColumn; }
    // The data cells of every row, in order.
    TGridRows Rows() const;
    // Replaces the table; no row gives one empty row.
    void SetRows(const TGridRows& rows, int minRows = 1);
    QString Cell(int row, int dataColumn) const;
    void SetCell(int row, int dataColumn, const QString& text);

    // "Вставити рядок": an empty row at the cursor. "Вилучити рядок": the cursor row goes (a single row is
    // cleared instead). "Очистити таблицю": one empty row.
    void InsertRow();
    void DeleteRow();
    void ClearTable();
    // Empty rows at the end go, but one row always stays.
    void RemoveTrailingEmptyRows();
    // The cursor moves as Enter moves it.
    void MoveNext();
    // Moves a row to another place; the rows are numbered again.
    void MoveRow(int from, int to);
    // Types text at the caret of the current cell's editor (opened when closed), only while the grid has the
    // focus. True when typed.
    bool TypeIntoCell(const QString& text);
    // The cursor on a data cell, with the focus.
    void FocusCell(int row, int dataColumn);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void NumberRows();
    void MakeRowItems(int row);
    bool RowEmpty(int row) const;

    int m_dragRow = -1; // the row whose number is being dragged
};
