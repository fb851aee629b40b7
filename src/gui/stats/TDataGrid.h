#pragma once
// The grid of the data dialogs: rows of formula cells. Enter moves to the next cell and from the last column
// to the first of the next row, adding a row at the end; Ctrl+Insert and Ctrl+Delete insert and delete rows.
// The table dialog's grid numbers its rows in a fixed first column by which a row is dragged to another
// place; the sample dialog's grid leaves the numbers to the row header and keeps a cell editor open.
#include "core/stats/DataFile.h"

#include <QTableWidget>

struct TDataGridOptions {
    // Column 0 numbers the rows: read only, and the handle by which a row is dragged to another place.
    bool NumberColumn = false;
    // A cell's editor opens as soon as the cell becomes current, so that typing always edits.
    bool AlwaysShowEditor = false;
};

class TDataGrid : public QTableWidget {
    Q_OBJECT
public:
    // With a number column.
    static constexpr int NumberColumn = 0;
    static constexpr int FirstDataColumn = 1;

    explicit TDataGrid(const TDataGridOptions& options, QWidget* parent = nullptr);

    // Sets the columns (headers and widths include the number column) and leaves one empty row.
    void SetColumns(const QStringList& headers, const QList<int>& widths = {});
    // The first column that holds data.
    int DataColumn() const { return m_options.NumberColumn ? FirstDataColumn : 0; }
    int DataColumns() const { return columnCount() - DataColumn(); }
    // The data cells of every row, in order, without the spaces around them.
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
    // Keeps the first rows (one at least); removes the rest.
    void KeepRows(int count);
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
    class QLineEdit* OpenEditor(bool& opened);

    TDataGridOptions m_options;
    int m_dragRow = -1; // the row whose number is being dragged
};
