#include "core/stats/DataFile.h"

#include <fstream>

namespace {
bool IsTokenChar(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '(' ||
           c == ')' || c == '*' || c == '+' || c == '-' || c == '.' || c == '/' || c == '^';
}
} // namespace

std::vector<std::string> ReadDataTokens(std::istream& in, int maxTokens) {
    std::vector<std::string> tokens;
    std::string token;
    char c = 0;
    while (static_cast<int>(tokens.size()) < maxTokens && in.get(c)) {
        if (IsTokenChar(c)) {
            token += c;
        } else if (!token.empty()) {
            tokens.push_back(std::move(token));
            token.clear();
        }
    }
    if (!token.empty() && static_cast<int>(tokens.size()) < maxTokens) tokens.push_back(std::move(token));
    return tokens;
}

TDataRows RowsOfTokens(const std::vector<std::string>& tokens, int columns) {
    TDataRows rows;
    if (columns < 1) return rows;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (i % columns == 0) rows.emplace_back(columns);
        rows.back()[i % columns] = tokens[i];
    }
    return rows;
}

std::string DataFileText(const TDataRows& rows) {
    std::string text;
    for (const std::vector<std::string>& row : rows) {
        for (const std::string& cell : row)
            text += cell + " ";
        text += "\r\n";
    }
    return text;
}

bool ReadDataFile(const std::string& fileName, int columns, int maxTokens, TDataRows& rows) {
    std::ifstream in(fileName, std::ios::binary);
    if (!in) return false;
    const std::vector<std::string> tokens = ReadDataTokens(in, maxTokens);
    if (in.bad()) return false;
    rows = RowsOfTokens(tokens, columns);
    return true;
}

bool WriteDataFile(const std::string& fileName, const TDataRows& rows) {
    std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out << DataFileText(rows);
    out.close();
    return !out.fail();
}
