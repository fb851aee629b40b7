#pragma once
// What a command gives back: the lines it appends to the answers window, or the message of the box that
// refused it. Nothing at all means there was nothing to work on.
#include "core/analysis/AnswerLines.h" // AnswerSeparatorLine
#include "core/base/MessageIds.h"

#include <string>
#include <vector>

struct TAnswerBlock {
    std::vector<std::string> Lines;
    msg::Id Refusal = msg::None;

    bool Refused() const { return Refusal != msg::None; }
    bool Empty() const { return Lines.empty() && !Refused(); }
};
