#pragma once
// Why a formula text does not compile and where: the rule that refused it and the place in the text as typed
// where the caret should go to mend it. The message the user sees stays the same for every reason.
#include <cstddef>
#include <cstdint>
#include <string>

enum class TFormulaFault : std::uint8_t {
    None,
    // The text as a whole.
    Empty,   // nothing typed
    TooLong, // a text far beyond any formula: at the first character past the limit
    // Two-argument logarithms, rewritten before tokenizing.
    LogWithoutParenthesis, // "LOGX": at the character after LOG
    LogUnclosed,           // "LOG(2,8": at the end
    LogWithoutComma,       // "LOG(8)": at the call's ")"
    LogTooDeep,            // LOGs nested beyond any formula: at the LOG too many
    // Tokenizer.
    StrayCharacter,        // a blank, a comma outside LOG, anything outside the lexicon: at it
    BadNumber,             // "1.2.3", ".", "2E+X": at the literal
    UnknownWord,           // "Z", "SINX", words inside a keyword ("I", "N"): at the word
    ParameterWithoutDigit, // "P0", "PX", a lone "P": after the P
    CloseWithoutOpen,      // "X)", ")X(": at that ")"
    TooManyNumbers,        // a 27th number or parameter: at it
    UnclosedParenthesis,   // "(X", "SIN(": at the end, where the ")" is missing
    TooManyCodes,          // more than the compiler can address: at the first character past the limit
    // Syntax check of neighbouring codes, in the order the rules are tried.
    ImplicitProduct,            // "2X", "2(X)": at the second operand or "("
    FunctionAfterOperand,       // "2SIN(X)": at the function
    OperatorAfterOpen,          // "(*X", a unary plus "(+X": at the operator
    CloseAfterOperator,         // "(X+)": at the ")"
    FunctionWithoutParenthesis, // "SIN2": at what follows the function's name
    TwoOperators,               // "X++", "2*-3", a leading "+": at the second operator
    EmptyParentheses,           // "()": at the ")"
    NoOperatorAfterClose,       // "(X)2", "(X)(X)": at what follows the ")"
    LogCode,                    // "LO(8)": the word LO is never a function: at it
    Unfinished,                 // "X+", "SIN": a trailing operator or function: at the end
    // Code generation: no text that passes the checks above reaches it.
    Unevaluable,
};

struct TFormulaError {
    TFormulaFault Reason = TFormulaFault::None;
    // Characters (Unicode code points) of the typed text before the place the caret goes to.
    int Position = 0;
    bool Ok() const { return Reason == TFormulaFault::None; }
};

// A place found while compiling: the byte offset in the text as typed (upper-casing keeps offsets).
struct TCompileFault {
    TFormulaFault Reason = TFormulaFault::None;
    std::size_t Offset = 0;
};

// The error of a fault in terms of characters of the UTF-8 text.
TFormulaError ToFormulaError(const TCompileFault& fault, const std::string& text);
