#include "core/formula/Tokenizer.h"

#include "core/base/NumberText.h"
#include "core/formula/ParamTable.h"

namespace {

// Twenty fields of four characters; a word is accepted when its first occurrence starts a field.
constexpr char KeywordTable[] =
    "Y   T   X   F   SIN COS TG  CTG ASINACOSATG ACTGEXP LG  LN  ABS SQRTLOG PI  INT ";
constexpr Code KeywordCodes[20] = {codes::ArgY, codes::ArgX, codes::ArgX, codes::ArgX, codes::Sin,
                                   codes::Cos,  codes::Tg,   codes::Ctg,  codes::Asin, codes::Acos,
                                   codes::Atg,  codes::Actg, codes::Exp,  codes::Lg,   codes::Ln,
                                   codes::Abs,  codes::Sqrt, codes::Log,  codes::Pi,   codes::Int};
constexpr std::size_t MaxLiteral = 20; // characters of a number literal that are kept
// Nothing that compiles comes near these: LOG nesting is bounded by the 255 codes, and a longer text is junk.
constexpr int MaxLogNesting = 128;
constexpr std::size_t MaxFormulaText = 65536;

bool RewriteLogNested(std::string& text, int nesting);

bool IsLetter(char c) {
    return c >= 'A' && c <= 'Z';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsNumberChar(char c) {
    return IsDigit(c) || c == '.';
}

// Rewrites the inside of one LOG call and returns the replacement text.
bool RewriteCall(std::string inside, std::string& replacement, int nesting) {
    if (!RewriteLogNested(inside, nesting + 1)) return false;
    const std::size_t comma = inside.find(',');
    if (comma == std::string::npos) return false;
    const std::string a = inside.substr(0, comma), b = inside.substr(comma + 1);
    replacement = "(LN(" + b + ")/LN(" + a + "))";
    return true;
}

bool RewriteLogNested(std::string& text, int nesting) {
    if (nesting > MaxLogNesting) return false;
    for (std::size_t at = text.find("LOG"); at != std::string::npos; at = text.find("LOG")) {
        const std::size_t open = at + 3;
        if (open >= text.size() || text[open] != '(') return false;
        int depth = 1;
        std::size_t i = open + 1;
        for (; i < text.size() && depth != 0; ++i) {
            if (text[i] == '(')
                ++depth;
            else if (text[i] == ')')
                --depth;
        }
        if (depth != 0) return false;
        // text[open] is "(", text[i - 1] its matching ")".
        std::string replacement;
        if (!RewriteCall(text.substr(open + 1, i - 1 - (open + 1)), replacement, nesting)) return false;
        text.replace(at, i - at, replacement);
    }
    return true;
}

} // namespace

bool RewriteLog(std::string& text) {
    return RewriteLogNested(text, 0);
}

bool Tokenize(const std::string& text, TokenString& tokens, TConstTable& consts) {
    tokens.assign({codes::Zero, codes::Add});
    consts.fill(TConst{});
    int counter = 1, opened = 0, closed = 0;
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n) {
        const char c = text[i];
        if (c == '(') {
            tokens.push_back(codes::Open);
            ++opened;
            ++i;
        } else if (c == ')') {
            tokens.push_back(codes::Close);
            ++closed;
            ++i;
        } else if (c == '+' || c == '-' || c == '*' || c == '/' || c == '^') {
            static constexpr char Ops[] = "+-*/^";
            tokens.push_back(static_cast<Code>(codes::Add + (std::string_view(Ops).find(c))));
            ++i;
        } else if (IsNumberChar(c)) {
            std::string buffer;
            auto collect = [&] {
                for (; i < n && IsNumberChar(text[i]); ++i)
                    if (buffer.size() < MaxLiteral) buffer += text[i];
            };
            collect();
            // "E" followed by a sign and at least one more character continues the number: 2E+3, 2E-3.
            if (i + 2 < n && text[i] == 'E' && (text[i + 1] == '+' || text[i + 1] == '-')) {
                for (int k = 0; k < 2; ++k, ++i)
                    if (buffer.size() < MaxLiteral) buffer += text[i];
                collect();
            }
            Real value = 0;
            if (!ReadNumber(buffer, value)) return false;
            consts[counter] = TConst{value, 0};
            tokens.push_back(static_cast<Code>(counter));
            ++counter;
        } else if (IsLetter(c)) {
            const std::size_t start = i;
            while (i < n && IsLetter(text[i]))
                ++i;
            const std::string word = text.substr(start, i - start);
            if (word == "P") {
                if (i >= n || text[i] < '1' || text[i] > '9') return false;
                const int k = text[i] - '0';
                ++i;
                consts[counter] = TConst{ParamTable()[k].Value, k};
                tokens.push_back(static_cast<Code>(counter));
                ++counter;
            } else {
                const std::size_t at = std::string_view(KeywordTable).find(word);
                if (at == std::string_view::npos || at % 4 != 0) return false;
                tokens.push_back(KeywordCodes[at / 4]);
            }
        } else {
            return false; // blanks, commas and anything else
        }
        if (closed > opened || counter > ConstTableSize - 1) return false;
        if (tokens.size() > MaxTokenCodes) return false;
    }
    return opened == closed;
}

void InsertUnaryZeros(TokenString& tokens) {
    if (tokens.size() > 2 && tokens[2] == codes::Sub) tokens.insert(tokens.begin() + 2, codes::Zero);
    for (std::size_t i = 0; i + 1 < tokens.size(); ++i)
        if (tokens[i] == codes::Open && tokens[i + 1] == codes::Sub)
            tokens.insert(tokens.begin() + static_cast<long>(i) + 1, codes::Zero);
}

bool TokenizeFormula(const std::string& formula, TokenString& tokens, TConstTable& consts) {
    if (formula.size() > MaxFormulaText) return false;
    std::string text = formula;
    for (char& c : text) // ASCII only, whatever the locale
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (!RewriteLog(text) || !Tokenize(text, tokens, consts)) return false;
    InsertUnaryZeros(tokens);
    return tokens.size() <= MaxTokenCodes;
}
