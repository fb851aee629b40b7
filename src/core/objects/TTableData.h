#pragma once
// The content of the point table dialog ("Дані для апроксимування поліномом" for a table with its polynomial,
// "Координати вершин ламаної" for a broken line) and the checks it makes, so that the dialog itself only
// shows and reads them.
#include "core/base/MessageIds.h"
#include "core/plot/Colors.h"

#include <string>
#include <vector>

class TPointList;

struct TTableRow {
    std::string X, Y; // formula texts
    bool operator==(const TTableRow& o) const { return X == o.X && Y == o.Y; }
};

// Which object the dialog serves: the degree and "Будувати поліном", or "Ламана замкнена", the line style
// and "Броунівський рух".
enum class TTableUse { Polynomial, BrokenLine };

struct TTableData {
    TTableUse Use = TTableUse::Polynomial;
    std::vector<TTableRow> Rows; // in grid order
    int Degree = 0;              // "Степінь полінома:", 0..7
    bool BuildPoly = true;       // "Будувати поліном"
    bool Locked = true;          // "Ламана замкнена"
    int LineT = 0;               // pen style 0..4
    TColor Color = clBlack;
    int WLine = 1;      // 1..4
    bool GBuild = true; // "Будувати графік"
};

enum class TTableRefusal {
    None,
    TooFewPairs, // "Повинно бути не менше 2-х пар чисел!"
    BadNumber, // "Помилка в записі числа!": a cell that does not compile, or has no value
    EqualX, // "Всі Х-координати не можуть бути однакові!" (polynomial only)
    DegreeTooHigh, // the degree is not below the number of distinct X (polynomial only)
};

struct TTableCheck {
    TTableRefusal Refusal = TTableRefusal::None;
    int Row = -1; // the cell to focus, an index into Rows; -1 for the grid as a whole
    int Col = -1; // 0 for X, 1 for Y
    bool Ok() const { return Refusal == TTableRefusal::None; }
};

// The message of a refusal; msg::None for DegreeTooHigh, whose text belongs to the dialog.
msg::Id TableRefusalMessage(TTableRefusal refusal);

bool IsEmptyRow(const TTableRow& row);
// Every empty row at the end goes.
void RemoveTrailingEmptyRows(std::vector<TTableRow>& rows);

// OK: at least two rows, every cell a formula with a value; for a polynomial, not all X equal and the degree
// below the number of distinct X (the normal equations would be singular). Run after RemoveTrailingEmptyRows.
TTableCheck CheckTableData(const TTableData& data);

// "Дані з екрану": the rows go into the graph's point list with their texts as they are, and each must be a
// plain number. False, with badRow/badCol the first cell that is not and the list untouched.
bool CopyRowsToPoints(const std::vector<TTableRow>& rows, TPointList& points, int& badRow, int& badCol);
// The points recorded on the graph as table rows, their texts as the list holds them.
std::vector<TTableRow> RowsFromPoints(const TPointList& points);
