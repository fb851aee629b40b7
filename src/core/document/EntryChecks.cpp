#include "core/document/EntryChecks.h"

#include "core/formula/TFunc.h"

#include <algorithm>

namespace {

// A box is compiled on a scratch holder, as the object will compile it after OK.
bool Compiles(const std::string& text) {
    TFunc scratch("0");
    return scratch.SetFormula(text);
}

// Both bounds must have values: an undefined one compares as a huge number and would pass "A < B".
bool IsInterval(Real a, Real b) {
    return !IsUndefined(a) && !IsUndefined(b) && a < b;
}

// Compiles the boxes in order; true when all passed, otherwise the check holds the failure.
template <class Box, class TextOf>
bool CompileInOrder(TEntryCheck<Box>& check, const std::vector<Box>& boxes, TextOf textOf, msg::Id message) {
    for (Box box : boxes) {
        if (!Compiles(textOf(box))) {
            check.Failed = box;
            check.Message = message;
            return false;
        }
        check.Passed.push_back(box);
    }
    return true;
}

} // namespace

const std::string& FuBoxText(const TFuInputData& data, TFuBox box) {
    static const std::string none;
    switch (box) {
    case TFuBox::FyEdit: return data.FyText;
    case TFuBox::FxEdit: return data.FxText;
    case TFuBox::AxEdit: return data.AText;
    case TFuBox::BxEdit: return data.BText;
    case TFuBox::AyEdit: return data.AyText;
    case TFuBox::ByEdit: return data.ByText;
    case TFuBox::BGPEdit: return data.QualityText;
    case TFuBox::None: break;
    }
    return none;
}

TEntryCheck<TFuBox> CheckFuInput(const TFuInputData& data) {
    TEntryCheck<TFuBox> check;
    // Hidden boxes belong to other kinds and are not looked at.
    std::vector<TFuBox> shown{TFuBox::FyEdit};
    if (data.FxVisible) shown.push_back(TFuBox::FxEdit);
    shown.push_back(TFuBox::AxEdit);
    shown.push_back(TFuBox::BxEdit);
    if (data.AyByVisible) {
        shown.push_back(TFuBox::AyEdit);
        shown.push_back(TFuBox::ByEdit);
    }
    if (data.QualityVisible) shown.push_back(TFuBox::BGPEdit);

    const auto textOf = [&data](TFuBox box) -> const std::string& { return FuBoxText(data, box); };
    if (!CompileInOrder(check, shown, textOf, msg::FuInputExpressionError)) return check;

    if (!IsInterval(EntryValue(data.AText), EntryValue(data.BText))) {
        check.Failed = TFuBox::AxEdit;
        check.Message = msg::FuInputInterval;
    } else if (data.AyByVisible && !IsInterval(EntryValue(data.AyText), EntryValue(data.ByText))) {
        check.Failed = TFuBox::AyEdit;
        check.Message = msg::FuInputInterval;
    }
    return check;
}

TEntryCheck<TNerBox> CheckNerInput(const std::string& rhs) {
    TEntryCheck<TNerBox> check;
    CompileInOrder(
        check, {TNerBox::NerEdit}, [&rhs](TNerBox) -> const std::string& { return rhs; },
        msg::NerExpressionError);
    return check;
}

TEntryCheck<TRngBox> CheckRngInput(const std::string& a, const std::string& b) {
    TEntryCheck<TRngBox> check;
    const auto textOf = [&a, &b](TRngBox box) -> const std::string& {
        return box == TRngBox::RngAEdit ? a : b;
    };
    if (!CompileInOrder(check, {TRngBox::RngAEdit, TRngBox::RngBEdit}, textOf, msg::RngInputExpressionError))
        return check;
    if (!IsInterval(EntryValue(a), EntryValue(b))) {
        check.Failed = TRngBox::RngAEdit;
        check.Message = msg::RngInputInterval;
    }
    return check;
}

TEntryCheck<TBrokBox> CheckBrokLongInput(int n1, int n2, bool closed) {
    TEntryCheck<TBrokBox> check;
    if (!closed && n2 < n1) {
        check.Failed = TBrokBox::N1SpinEdit;
        check.Message = msg::BrokLongVertexNumbers;
    }
    return check;
}

Real EntryValue(const std::string& text) {
    return TFunc(text).Calc(0, 0);
}

bool AddToHistory(std::vector<std::string>& history, const std::string& text) {
    if (text.empty() || std::find(history.begin(), history.end(), text) != history.end()) return false;
    history.push_back(text);
    return true;
}
