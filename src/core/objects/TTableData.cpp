#include "core/objects/TTableData.h"

#include "core/base/NumberText.h"
#include "core/formula/TFunc.h"
#include "core/objects/PolyFit.h"
#include "core/plot/TPointList.h"

namespace {
// A cell as the table takes it: a formula whose value exists.
bool IsValueText(const std::string& text) {
    TFunc f("0");
    return f.SetFormula(text) && !IsUndefined(f.Calc(0, 0));
}
} // namespace

msg::Id TableRefusalMessage(TTableRefusal refusal) {
    switch (refusal) {
    case TTableRefusal::TooFewPairs: return msg::TableTooFewPairs;
    case TTableRefusal::BadNumber: return msg::TableNumberError;
    case TTableRefusal::EqualX: return msg::TableEqualX;
    case TTableRefusal::DegreeTooHigh:
    case TTableRefusal::None: break;
    }
    return msg::None;
}

bool IsEmptyRow(const TTableRow& row) {
    return row.X.empty() && row.Y.empty();
}

void RemoveTrailingEmptyRows(std::vector<TTableRow>& rows) {
    while (!rows.empty() && IsEmptyRow(rows.back()))
        rows.pop_back();
}

TTableCheck CheckTableData(const TTableData& data) {
    TTableCheck check;
    if (data.Rows.size() < 2) {
        check.Refusal = TTableRefusal::TooFewPairs;
        return check;
    }
    std::vector<Real> xs;
    for (int r = 0; r < static_cast<int>(data.Rows.size()); ++r) {
        const TTableRow& row = data.Rows[r];
        for (int c = 0; c < 2; ++c)
            if (!IsValueText(c == 0 ? row.X : row.Y)) {
                check.Refusal = TTableRefusal::BadNumber;
                check.Row = r;
                check.Col = c;
                return check;
            }
        xs.push_back(TFunc(row.X).Calc(0, 0));
    }
    if (data.Use != TTableUse::Polynomial) return check;
    const int distinct = DistinctCount(xs);
    if (distinct < 2)
        check.Refusal = TTableRefusal::EqualX;
    else if (data.Degree >= distinct)
        check.Refusal = TTableRefusal::DegreeTooHigh;
    return check;
}

bool CopyRowsToPoints(const std::vector<TTableRow>& rows, TPointList& points, int& badRow, int& badCol) {
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        for (int c = 0; c < 2; ++c) {
            Real v = 0;
            if (!ReadNumber(c == 0 ? rows[r].X : rows[r].Y, v)) {
                badRow = r;
                badCol = c;
                return false;
            }
        }
    points.Clear();
    for (const TTableRow& row : rows) {
        Real x = 0, y = 0;
        ReadNumber(row.X, x);
        ReadNumber(row.Y, y);
        points.Add(x, y, 0);
        // The texts as typed, not rounded for showing: taken back unchanged when the user adds no point.
        const int at = points.RowCount() - 2;
        points.SetCell(TPointList::XCol, at, row.X);
        points.SetCell(TPointList::YCol, at, row.Y);
    }
    return true;
}

std::vector<TTableRow> RowsFromPoints(const TPointList& points) {
    std::vector<TTableRow> rows;
    for (int r = TPointList::FirstPointRow; r <= points.RowCount() - 2; ++r)
        rows.push_back({points.Cell(TPointList::XCol, r), points.Cell(TPointList::YCol, r)});
    return rows;
}
