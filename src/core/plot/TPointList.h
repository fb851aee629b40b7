#pragma once
// The points the user records on the graph, kept as the texts of the graph window's grid: row 0 is the
// header, rows 1 .. RowCount()-2 hold the points (number, X, Y) and the last row is always empty, ready for
// the next point. An empty list is two rows with an empty row 1.
#include "core/base/Real.h"

#include <array>
#include <string>
#include <vector>

class TPointList {
public:
    static constexpr int NumberCol = 0;
    static constexpr int XCol = 1;
    static constexpr int YCol = 2;
    static constexpr int ColCount = 3;
    static constexpr int FirstPointRow = 1;

    TPointList();

    int RowCount() const { return static_cast<int>(m_rows.size()); }
    // An empty text for a cell outside the grid.
    const std::string& Cell(int col, int row) const;
    // Ignored outside the grid; row 0 is the header.
    void SetCell(int col, int row, const std::string& text);

    // The grid's current row, always a row below the header.
    int Row() const { return m_row; }
    void SetRow(int row);

    // Row 1 has no X: nothing to draw.
    bool Empty() const { return Cell(XCol, FirstPointRow).empty(); }
    int PointCount() const { return RowCount() - 2; }
    bool IsPointRow(int row) const { return row >= FirstPointRow && row <= RowCount() - 2; }
    // Both cells read as numbers.
    bool ReadPoint(int row, Real& x, Real& y) const;

    // One empty row left.
    void Clear();
    // Add mode: the point goes into the empty last row. With maxPoints > 0 and the list full the oldest
    // points are dropped first, so the list never holds more than maxPoints.
    void Add(Real x, Real y, int maxPoints);
    // Insert mode: the point goes into the current row, the rows from there on move down.
    void Insert(Real x, Real y);
    // The point list's "delete" command: only with at least two points and the current row on a point.
    bool DeleteCurrent();
    // The Delete key: as DeleteCurrent, but a single point empties the list instead.
    bool DeleteCurrentOrLast();

    // X and Y of a row as the user sees them (FloatStr), or in the plain format that keeps every digit (while
    // a point is dragged). Ignored for the header and rows outside the grid.
    void SetXY(int row, Real x, Real y);
    void SetXYPlain(int row, Real x, Real y);

private:
    using Cells = std::array<std::string, ColCount>;

    void DeleteRow(int row);
    void NumberPoints(int fromRow);
    void KeepRowOnPoint();

    std::vector<Cells> m_rows;
    int m_row = FirstPointRow;
};
