#include "core/plot/TPointList.h"

#include "core/base/NumberText.h"

#include <algorithm>

namespace {
const std::string NoText;
} // namespace

TPointList::TPointList() {
    m_rows.resize(2);
    m_rows[0] = {"", "X", "Y"};
}

const std::string& TPointList::Cell(int col, int row) const {
    if (col < 0 || col >= ColCount || row < 0 || row >= RowCount()) return NoText;
    return m_rows[row][col];
}

void TPointList::SetCell(int col, int row, const std::string& text) {
    if (col < 0 || col >= ColCount || row < FirstPointRow || row >= RowCount()) return;
    m_rows[row][col] = text;
}

void TPointList::SetRow(int row) {
    m_row = std::clamp(row, FirstPointRow, RowCount() - 1);
}

bool TPointList::ReadPoint(int row, Real& x, Real& y) const {
    Real rx = 0, ry = 0;
    if (!ReadNumber(Cell(XCol, row), rx) || !ReadNumber(Cell(YCol, row), ry)) return false;
    x = rx;
    y = ry;
    return true;
}

void TPointList::Clear() {
    m_rows.resize(2);
    m_rows[FirstPointRow] = Cells{};
    m_row = FirstPointRow;
}

void TPointList::Add(Real x, Real y, int maxPoints) {
    if (maxPoints > 0)
        while (PointCount() >= maxPoints && PointCount() > 0)
            DeleteRow(FirstPointRow);
    const int last = RowCount() - 1;
    m_rows[last] = {std::to_string(last), FloatStr(x), FloatStr(y)};
    m_rows.emplace_back();
}

void TPointList::Insert(Real x, Real y) {
    const int at = m_row;
    m_rows.insert(m_rows.begin() + at, Cells{"", FloatStr(x), FloatStr(y)});
    NumberPoints(at);
}

bool TPointList::DeleteCurrent() {
    if (PointCount() < 2 || !IsPointRow(m_row)) return false;
    DeleteRow(m_row);
    return true;
}

bool TPointList::DeleteCurrentOrLast() {
    if (!IsPointRow(m_row)) return false;
    // Clearing the single point's cells alone would leave a blank row in front of the next point, which then
    // would never be drawn: the list becomes empty instead.
    if (PointCount() == 1)
        Clear();
    else
        DeleteRow(m_row);
    return true;
}

void TPointList::SetXY(int row, Real x, Real y) {
    SetCell(XCol, row, FloatStr(x));
    SetCell(YCol, row, FloatStr(y));
}

void TPointList::SetXYPlain(int row, Real x, Real y) {
    SetCell(XCol, row, PlainNumberText(x));
    SetCell(YCol, row, PlainNumberText(y));
}

void TPointList::DeleteRow(int row) {
    m_rows.erase(m_rows.begin() + row);
    NumberPoints(FirstPointRow);
    KeepRowOnPoint();
}

// Only point rows carry numbers: the empty last row stays empty.
void TPointList::NumberPoints(int fromRow) {
    for (int r = std::max(fromRow, FirstPointRow); r <= RowCount() - 2; ++r)
        m_rows[r][NumberCol] = std::to_string(r);
}

void TPointList::KeepRowOnPoint() {
    m_row = std::clamp(m_row, FirstPointRow, std::max(FirstPointRow, RowCount() - 2));
}
