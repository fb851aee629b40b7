#pragma once
// First half of compiling a formula: LOG rewriting, the token string with its constant table, unary minus.
#include "core/base/Real.h"
#include "core/formula/Codes.h"
#include "core/formula/FormulaError.h"

#include <array>
#include <string>
#include <vector>

struct TConst {
    Real Value = 0;
    int Param = 0; // 0 for a literal number, 1..9 for p1..p9
};
using TConstTable = std::array<TConst, ConstTableSize>;
using TokenString = std::vector<Code>;

// A text on its way to tokens with, for each character and for its end, the byte offset in the text as typed:
// a fault found after LOG rewriting still points at what the user typed.
struct TSourceText {
    std::string Text;
    std::vector<std::size_t> Origin;        // Text.size() + 1 entries
    TSourceText() = default;                // empty: pieces are appended with their places
    explicit TSourceText(std::string text); // every character at its own place
};

// A token string with the offset each code came from; Origin has one more entry, the end of the text.
struct TTokens {
    TokenString Codes;
    std::vector<std::size_t> Origin;
};

// LOG(a,b) becomes ((LN(b)/LN(a))), nested calls first. Fails when a LOG has no "(", unbalanced parentheses
// or no comma.
bool RewriteLog(TSourceText& text, TCompileFault& fault);
bool RewriteLog(std::string& text);

// Tokenizes the upper-cased text (after RewriteLog) into "0 +" followed by the formula's codes, filling the
// constant table. Rejects blanks, commas and unknown characters, a ")" before its "(", more than 26 numbers
// and parameters, words that are no keyword or only the inside of one (I, N, G), P not followed by 1..9.
bool Tokenize(const TSourceText& text, TTokens& tokens, TConstTable& consts, TCompileFault& fault);
bool Tokenize(const std::string& text, TokenString& tokens, TConstTable& consts);

// Reads a leading minus and "(-" as "0-": -X is 0-X. Any other unary minus is left for the syntax check.
void InsertUnaryZeros(TTokens& tokens);
void InsertUnaryZeros(TokenString& tokens);

// The whole first half: upper-casing, LOG rewriting, tokenizing, unary minus.
bool TokenizeFormula(const std::string& formula, TTokens& tokens, TConstTable& consts, TCompileFault& fault);
bool TokenizeFormula(const std::string& formula, TokenString& tokens, TConstTable& consts);
