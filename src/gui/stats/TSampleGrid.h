#pragma once
// The data grid of the sample dialog: numbered rows of formula cells. Enter moves to the next column, and
// from the last column to the first of the next row, appending a row at the end; Ctrl+Insert inserts a row
// at the cursor and Ctrl+Delete removes it.
#include "core/stats/SampleEntry.h"

#include <QTableWidget>

class TSampleGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit TSampleGrid(QWidget* parent = nullptr);

    // Sets the headers and the column count; the table keeps one empty row.
    void SetLayout(const std::vector<std::string>& headers);
    // Every row's data cells; rows() of them.
    TGridRows Rows() const;
    // Replaces the table by the rows (one empty row for none).
    void SetRows(const TGridRows& rows);

    // "Вставити рядок", "Вилучити рядок" (with one row it clears the table), "Очистити таблицю".
    void InsertRowAtCursor();
    void DeleteRowAtCursor();
    void ClearTable();
    // Keeps the first rows; removes the rest.
    void KeepRows(int count);
    // Enter: the next column, or column 0 of the next row (appended after the last).
    void MoveNext();
    // Types text into the current cell's editor, opening it when needed.
    void TypeIntoCell(const QString& text);
    void FocusCell(int row, int column);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    void AppendRow();
};
