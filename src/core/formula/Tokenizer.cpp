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

bool Fail(TCompileFault& fault, TFormulaFault reason, std::size_t offset) {
    fault = TCompileFault{reason, offset};
    return false;
}

bool IsLetter(char c) {
    return c >= 'A' && c <= 'Z';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsNumberChar(char c) {
    return IsDigit(c) || c == '.';
}

// Appends text whose characters all stand at one place of the typed text.
void Append(TSourceText& out, const char* text, std::size_t origin) {
    for (; *text; ++text) {
        out.Text += *text;
        out.Origin.push_back(origin);
    }
}
// Appends the characters [from, to) of a source text with their places.
void Append(TSourceText& out, const TSourceText& source, std::size_t from, std::size_t to) {
    out.Text.append(source.Text, from, to - from);
    out.Origin.insert(out.Origin.end(), source.Origin.begin() + static_cast<long>(from),
                      source.Origin.begin() + static_cast<long>(to));
}

bool RewriteLogNested(TSourceText& t, int nesting, TCompileFault& fault) {
    for (std::size_t at = t.Text.find("LOG"); at != std::string::npos; at = t.Text.find("LOG")) {
        const std::size_t open = at + 3;
        if (open >= t.Text.size() || t.Text[open] != '(')
            return Fail(fault, TFormulaFault::LogWithoutParenthesis, t.Origin[open]);
        int depth = 1;
        std::size_t i = open + 1;
        for (; i < t.Text.size() && depth != 0; ++i) {
            if (t.Text[i] == '(')
                ++depth;
            else if (t.Text[i] == ')')
                --depth;
        }
        if (depth != 0) return Fail(fault, TFormulaFault::LogUnclosed, t.Origin[t.Text.size()]);
        const std::size_t close = i - 1; // the ")" matching text[open]
        if (nesting >= MaxLogNesting) return Fail(fault, TFormulaFault::LogTooDeep, t.Origin[at]);

        TSourceText inside;
        Append(inside, t, open + 1, close);
        inside.Origin.push_back(t.Origin[close]);
        if (!RewriteLogNested(inside, nesting + 1, fault)) return false;
        const std::size_t comma = inside.Text.find(',');
        if (comma == std::string::npos) return Fail(fault, TFormulaFault::LogWithoutComma, t.Origin[close]);

        // (LN(b)/LN(a)): what is added stands at the LOG, the comma and the ")", so that a missing argument
        // is found where the user would type it.
        TSourceText call;
        Append(call, "(LN(", t.Origin[at]);
        Append(call, inside, comma + 1, inside.Text.size());
        Append(call, ")", t.Origin[close]);
        Append(call, "/LN(", inside.Origin[comma]);
        Append(call, inside, 0, comma);
        Append(call, ")", inside.Origin[comma]);
        Append(call, ")", t.Origin[close]);
        t.Text.replace(at, i - at, call.Text);
        t.Origin.erase(t.Origin.begin() + static_cast<long>(at), t.Origin.begin() + static_cast<long>(i));
        t.Origin.insert(t.Origin.begin() + static_cast<long>(at), call.Origin.begin(), call.Origin.end());
    }
    return true;
}

} // namespace

TSourceText::TSourceText(std::string text) : Text(std::move(text)), Origin(Text.size() + 1) {
    for (std::size_t i = 0; i < Origin.size(); ++i)
        Origin[i] = i;
}

bool RewriteLog(TSourceText& text, TCompileFault& fault) {
    return RewriteLogNested(text, 0, fault);
}

bool RewriteLog(std::string& text) {
    TSourceText source(text);
    TCompileFault fault;
    if (!RewriteLog(source, fault)) return false;
    text = source.Text;
    return true;
}

bool Tokenize(const TSourceText& source, TTokens& tokens, TConstTable& consts, TCompileFault& fault) {
    const std::string& text = source.Text;
    // The leading "0 +" stands before the first character.
    tokens.Codes.assign({codes::Zero, codes::Add});
    tokens.Origin.assign(2, source.Origin[0]);
    consts.fill(TConst{});
    int counter = 1, opened = 0, closed = 0;
    std::size_t i = 0;
    const std::size_t n = text.size();
    const auto add = [&tokens, &source](Code code, std::size_t at) {
        tokens.Codes.push_back(code);
        tokens.Origin.push_back(source.Origin[at]);
    };
    while (i < n) {
        const std::size_t start = i;
        const char c = text[i];
        if (c == '(') {
            add(codes::Open, start);
            ++opened;
            ++i;
        } else if (c == ')') {
            add(codes::Close, start);
            ++closed;
            ++i;
        } else if (c == '+' || c == '-' || c == '*' || c == '/' || c == '^') {
            static constexpr char Ops[] = "+-*/^";
            add(static_cast<Code>(codes::Add + (std::string_view(Ops).find(c))), start);
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
            if (!ReadNumber(buffer, value))
                return Fail(fault, TFormulaFault::BadNumber, source.Origin[start]);
            consts[counter] = TConst{value, 0};
            add(static_cast<Code>(counter), start);
            ++counter;
        } else if (IsLetter(c)) {
            while (i < n && IsLetter(text[i]))
                ++i;
            const std::string word = text.substr(start, i - start);
            if (word == "P") {
                if (i >= n || text[i] < '1' || text[i] > '9')
                    return Fail(fault, TFormulaFault::ParameterWithoutDigit, source.Origin[i]);
                const int k = text[i] - '0';
                ++i;
                consts[counter] = TConst{ParamTable()[k].Value, k};
                add(static_cast<Code>(counter), start);
                ++counter;
            } else {
                const std::size_t at = std::string_view(KeywordTable).find(word);
                if (at == std::string_view::npos || at % 4 != 0)
                    return Fail(fault, TFormulaFault::UnknownWord, source.Origin[start]);
                add(KeywordCodes[at / 4], start);
            }
        } else {
            return Fail(fault, TFormulaFault::StrayCharacter, source.Origin[start]); // blanks, commas, ...
        }
        if (closed > opened) return Fail(fault, TFormulaFault::CloseWithoutOpen, source.Origin[start]);
        if (counter > ConstTableSize - 1)
            return Fail(fault, TFormulaFault::TooManyNumbers, source.Origin[start]);
        if (tokens.Codes.size() > MaxTokenCodes)
            return Fail(fault, TFormulaFault::TooManyCodes, source.Origin[start]);
    }
    tokens.Origin.push_back(source.Origin[n]);
    if (opened != closed) return Fail(fault, TFormulaFault::UnclosedParenthesis, source.Origin[n]);
    return true;
}

bool Tokenize(const std::string& text, TokenString& tokens, TConstTable& consts) {
    TTokens traced;
    TCompileFault fault;
    const bool ok = Tokenize(TSourceText(text), traced, consts, fault);
    tokens = std::move(traced.Codes);
    return ok;
}

void InsertUnaryZeros(TTokens& tokens) {
    TokenString& s = tokens.Codes;
    // An inserted zero stands where its minus stands.
    const auto insertZero = [&tokens](std::size_t at) {
        tokens.Codes.insert(tokens.Codes.begin() + static_cast<long>(at), codes::Zero);
        const std::size_t minus = tokens.Origin[at];
        tokens.Origin.insert(tokens.Origin.begin() + static_cast<long>(at), minus);
    };
    if (s.size() > 2 && s[2] == codes::Sub) insertZero(2);
    for (std::size_t i = 0; i + 1 < s.size(); ++i)
        if (s[i] == codes::Open && s[i + 1] == codes::Sub) insertZero(i + 1);
}

void InsertUnaryZeros(TokenString& tokens) {
    TTokens traced;
    traced.Origin.resize(tokens.size() + 1);
    traced.Codes = std::move(tokens);
    InsertUnaryZeros(traced);
    tokens = std::move(traced.Codes);
}

bool TokenizeFormula(const std::string& formula, TTokens& tokens, TConstTable& consts, TCompileFault& fault) {
    if (formula.size() > MaxFormulaText) return Fail(fault, TFormulaFault::TooLong, MaxFormulaText);
    std::string upper = formula;
    for (char& c : upper) // ASCII only, whatever the locale; offsets stay those of the typed text
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    TSourceText text(std::move(upper));
    if (!RewriteLog(text, fault) || !Tokenize(text, tokens, consts, fault)) return false;
    InsertUnaryZeros(tokens);
    if (tokens.Codes.size() > MaxTokenCodes)
        return Fail(fault, TFormulaFault::TooManyCodes, tokens.Origin[MaxTokenCodes]);
    return true;
}

bool TokenizeFormula(const std::string& formula, TokenString& tokens, TConstTable& consts) {
    TTokens traced;
    TCompileFault fault;
    const bool ok = TokenizeFormula(formula, traced, consts, fault);
    tokens = std::move(traced.Codes);
    return ok;
}
