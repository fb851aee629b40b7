#pragma once
// The labels dialog's table: a row per label with its X, Y, text and point cell (not empty: the label's point
// is drawn). The dialog edits the rows; OK checks them and rebuilds the graph's labels from them.
#include "core/base/MessageIds.h"
#include "core/base/Real.h"
#include "core/stats/TGList.h"

#include <optional>
#include <string>
#include <vector>

// What the point cell holds for a label whose point is drawn.
constexpr const char* LabelPointMark = "Y";

struct TLabelRow {
    std::string X, Y, Text, Point;
    // The values the X and Y cells were filled from: a cell the user left alone gives its exact value back.
    std::optional<Real> XValue, YValue;

    bool Blank() const { return X.empty() && Y.empty() && Text.empty() && Point.empty(); }
};

// A row per label, X and Y as FloatStr; a single empty row for no labels.
std::vector<TLabelRow> LabelRows(const TGList& labels);

struct TLabelTableCheck {
    int FailedRow = -1; // 0-based
    msg::Id Message = msg::None;
    bool Ok() const { return Message == msg::None; }
};

// Every row that is not blank needs X and Y that read as numbers; the first that does not gets
// "Неправильнi координати!". Blank rows (the one Enter appends at the end, say) are left out.
TLabelTableCheck CheckLabelRows(const std::vector<TLabelRow>& rows);

// The labels again from checked rows, in order; blank rows give none.
void RebuildLabels(const std::vector<TLabelRow>& rows, TGList& labels);
