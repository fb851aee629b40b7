#include "core/plot/LabelTable.h"

#include "core/base/NumberText.h"

namespace {

bool CellValue(const std::string& text, const std::optional<Real>& filled, Real& value) {
    if (filled && text == FloatStr(*filled)) {
        value = *filled;
        return true;
    }
    return ReadNumber(text, value);
}

bool RowPoint(const TLabelRow& row, Real& x, Real& y) {
    return CellValue(row.X, row.XValue, x) && CellValue(row.Y, row.YValue, y);
}

} // namespace

std::vector<TLabelRow> LabelRows(const TGList& labels) {
    std::vector<TLabelRow> rows;
    for (int i = 0; i < labels.Count(); ++i) {
        TLabelRow row;
        row.X = FloatStr(labels.X(i));
        row.Y = FloatStr(labels.Y(i));
        row.Text = labels.Text(i);
        row.Point = labels.PointFlag(i) ? LabelPointMark : "";
        row.XValue = labels.X(i);
        row.YValue = labels.Y(i);
        rows.push_back(std::move(row));
    }
    if (rows.empty()) rows.emplace_back();
    return rows;
}

TLabelTableCheck CheckLabelRows(const std::vector<TLabelRow>& rows) {
    TLabelTableCheck check;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        Real x, y;
        if (rows[i].Blank() || RowPoint(rows[i], x, y)) continue;
        check.FailedRow = static_cast<int>(i);
        check.Message = msg::LabelsBadCoordinates;
        break;
    }
    return check;
}

void RebuildLabels(const std::vector<TLabelRow>& rows, TGList& labels) {
    labels.Clear();
    for (const TLabelRow& row : rows) {
        Real x, y;
        if (row.Blank() || !RowPoint(row, x, y)) continue;
        labels.AddLabel(x, y, row.Text, !row.Point.empty());
    }
}
