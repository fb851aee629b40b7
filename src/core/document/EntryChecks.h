#pragma once
// What the entry dialogs accept when the user confirms them. Each check looks at the typed texts (and at
// which boxes are shown) and answers the first box that refused, the message to show and the boxes that
// passed on the way (their texts join their boxes' histories even when a later box fails).
#include "core/base/MessageIds.h"
#include "core/base/Real.h"
#include "core/objects/ObjectEditor.h"

#include <string>
#include <vector>

template <class Box> struct TEntryCheck {
    Box Failed = Box::None;      // the box to focus; None when accepted
    msg::Id Message = msg::None; // the message to show; msg::None when accepted
    std::vector<Box> Passed;     // boxes that compiled, in checking order
    bool Ok() const { return Message == msg::None; }
};

// The boxes of "Введення виразу залежності" in checking order.
enum class TFuBox { None, FyEdit, FxEdit, AxEdit, BxEdit, AyEdit, ByEdit, BGPEdit };

// Every shown box must compile, in the order above; then A < B, and Ay < By when the y row is shown. A bound
// without a value (1/0) is refused with the interval.
TEntryCheck<TFuBox> CheckFuInput(const TFuInputData& data);
// The text the dialog holds in a box.
const std::string& FuBoxText(const TFuInputData& data, TFuBox box);

// The right-hand side of an inequality must compile.
enum class TNerBox { None, NerEdit };
TEntryCheck<TNerBox> CheckNerInput(const std::string& rhs);

// Both bounds must compile, A first; then B > A.
enum class TRngBox { None, RngAEdit, RngBEdit };
TEntryCheck<TRngBox> CheckRngInput(const std::string& a, const std::string& b);

// A stretch of an open broken line runs forwards (N1 <= N2); a closed one may wrap round, so any pair is
// accepted.
enum class TBrokBox { None, N1SpinEdit, N2SpinEdit };
TEntryCheck<TBrokBox> CheckBrokLongInput(int n1, int n2, bool closed);

// The value of a constant formula such as a bound: the formula at X = Y = 0, UndefinedValue when the text
// does not compile.
Real EntryValue(const std::string& text);

// An editable box's list of accepted texts: the newest is appended unless it is already there. True when it
// was appended.
bool AddToHistory(std::vector<std::string>& history, const std::string& text);
