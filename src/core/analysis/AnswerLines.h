#pragma once
// What a tool's "Занести у \"Відповіді\"" appends to the answers: a heading line, the lines of its memo and
// the separator that ends every block of results; nothing at all for an empty memo.
#include <string>
#include <vector>

// 36 underscores.
extern const char* const AnswerSeparatorLine;

std::vector<std::string> AnswerLines(const std::string& heading, const std::vector<std::string>& memo);
