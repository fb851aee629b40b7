#pragma once
// First half of compiling a formula: LOG rewriting, the token string with its constant table, unary minus.
#include "core/base/Real.h"
#include "core/formula/Codes.h"

#include <array>
#include <string>
#include <vector>

struct TConst {
    Real Value = 0;
    int Param = 0; // 0 for a literal number, 1..9 for p1..p9
};
using TConstTable = std::array<TConst, ConstTableSize>;
using TokenString = std::vector<Code>;

// LOG(a,b) becomes ((LN(b)/LN(a))), nested calls first. False when a LOG has no "(", unbalanced parentheses
// or no comma.
bool RewriteLog(std::string& text);

// Tokenizes the upper-cased text (after RewriteLog) into "0 +" followed by the formula's codes, filling the
// constant table. Rejects blanks, commas and unknown characters, a ")" before its "(", more than 26 numbers
// and parameters, words that are no keyword or only the inside of one (I, N, G), P not followed by 1..9.
bool Tokenize(const std::string& text, TokenString& tokens, TConstTable& consts);

// Reads a leading minus and "(-" as "0-": -X is 0-X. Any other unary minus is left for the syntax check.
void InsertUnaryZeros(TokenString& tokens);

// The whole first half: upper-casing, LOG rewriting, tokenizing, unary minus.
bool TokenizeFormula(const std::string& formula, TokenString& tokens, TConstTable& consts);
