#include "core/stats/DataFile.h"

#include "core/base/AtomicWrite.h"

#include <fstream>

namespace {
bool IsTokenChar(unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '(' ||
           c == ')' || c == '*' || c == '+' || c == '-' || c == '.' || c == '/' || c == '^';
}

class TokenReader {
public:
    TokenReader(int maxTokens) : m_max(maxTokens) {}
    // False once enough tokens were read.
    bool Take(char c) {
        if (IsTokenChar(static_cast<unsigned char>(c))) {
            m_current += c;
            return true;
        }
        return Flush();
    }
    bool Flush() {
        if (!m_current.empty()) {
            m_tokens.push_back(std::move(m_current));
            m_current.clear();
        }
        return static_cast<int>(m_tokens.size()) < m_max;
    }
    std::vector<std::string> Tokens() && { return std::move(m_tokens); }

private:
    int m_max;
    std::string m_current;
    std::vector<std::string> m_tokens;
};

} // namespace

std::vector<std::string> DataFileTokens(const std::string& text, int maxTokens) {
    TokenReader reader(maxTokens);
    for (char c : text)
        if (!reader.Take(c)) return std::move(reader).Tokens();
    reader.Flush();
    return std::move(reader).Tokens();
}

TGridRows TokensToRows(const std::vector<std::string>& tokens, int columns) {
    TGridRows rows;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (i % columns == 0) rows.emplace_back(columns);
        rows.back()[i % columns] = tokens[i];
    }
    if (rows.empty()) rows.emplace_back(columns);
    return rows;
}

std::string DataFileText(const TGridRows& rows) {
    std::string text;
    for (const std::vector<std::string>& row : rows) {
        for (const std::string& cell : row)
            text += cell + " ";
        text += "\r\n";
    }
    return text;
}

bool ReadDataFile(const std::string& fileName, int maxTokens, int columns, TGridRows& rows) {
    std::ifstream in(fileName, std::ios::binary);
    if (!in) return false;
    TokenReader reader(maxTokens);
    bool more = true;
    for (char c; more && in.get(c);)
        more = reader.Take(c);
    if (more) reader.Flush();
    if (in.bad()) return false;
    rows = TokensToRows(std::move(reader).Tokens(), columns);
    return true;
}

bool WriteDataFile(const std::string& fileName, const TGridRows& rows) {
    return WriteFileAtomically(fileName, DataFileText(rows));
}
