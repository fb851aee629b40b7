#include "core/analysis/AnswerLines.h"

const char* const AnswerSeparatorLine = "____________________________________";

std::vector<std::string> AnswerLines(const std::string& heading, const std::vector<std::string>& memo) {
    if (memo.empty()) return {};
    std::vector<std::string> lines;
    lines.reserve(memo.size() + 2);
    lines.push_back(heading);
    lines.insert(lines.end(), memo.begin(), memo.end());
    lines.push_back(AnswerSeparatorLine);
    return lines;
}
