#pragma once
// Second half of compiling: the syntax check and the evaluation program built from the token string.
#include "core/formula/Tokenizer.h"

using Program = std::vector<Code>;

// Checks neighbouring codes and the last code; on success sets operations to the number of binary operators
// and functions to emit. Rejects implicit multiplication ("2X", "X("), "SIN X", "()", "(*", "+)", "**", ")X",
// the LOG code, and a trailing operator or function (so the empty formula too).
bool SyntaxCheck(const TTokens& tokens, int& operations, TCompileFault& fault);
bool SyntaxCheck(const TokenString& tokens, int& operations);

// Emits the program for a checked token string by repeatedly choosing the leftmost operation whose priority
// is not below that of the next one: loads, the swap code FF where the right operand is already on the stack,
// operators.
bool EmitProgram(TokenString tokens, int operations, Program& program);

struct TCompiled {
    Program Codes;
    TConstTable Consts{};
};

// The whole compilation of a formula text (not yet upper-cased). False on any error; out is then unspecified
// and error, when given, tells the rule that refused the text and where.
bool CompileFormula(const std::string& formula, TCompiled& out, TFormulaError* error = nullptr);
