#include "core/formula/Compiler.h"
#include "core/formula/TFunc.h"

#include <gtest/gtest.h>

using namespace codes;

namespace {
bool Compiles(const std::string& text) {
    TCompiled c;
    return CompileFormula(text, c);
}
Program Emitted(const std::string& text) {
    TCompiled c;
    EXPECT_TRUE(CompileFormula(text, c)) << text;
    return c.Codes;
}
} // namespace

TEST(Compiler, EmitsTheDocumentedPrograms) {
    // load 0, load X, add, load 2, load X, multiply, add
    EXPECT_EQ(Emitted("X+2*X"), (Program{0x00, 0x1E, 0x22, 0x01, 0x1E, 0x24, 0x22}));
    // load 2, load X, multiply, load 0, swap, add, load X, add
    EXPECT_EQ(Emitted("2*X+X"), (Program{0x01, 0x1E, 0x24, 0x00, 0xFF, 0x22, 0x1E, 0x22}));
}

TEST(Compiler, ParenthesesAndFunctions) {
    EXPECT_EQ(Emitted("SIN(X)"), (Program{ArgX, Sin, Zero, Swap, codes::Add}));
    EXPECT_EQ(Emitted("(X+1)*2"), (Program{ArgX, 0x01, codes::Add, 0x02, Mul, Zero, Swap, codes::Add}));
    EXPECT_EQ(Emitted("((X))"), (Program{Zero, ArgX, codes::Add}));
}

TEST(SyntaxCheck, RejectsEachForbiddenNeighbourPair) {
    using F = TFormulaFault;
    struct Row {
        const char* text;
        F reason;
        int position; // where the caret goes
        const char* rule;
    } rows[] = {
        {"2X", F::ImplicitProduct, 1, "operand then operand"},
        {"2(X)", F::ImplicitProduct, 1, "operand then ("},
        {"X()", F::ImplicitProduct, 1, "operand then ( comes before ( then )"},
        {"P10", F::ImplicitProduct, 2, "parameter then number"},
        {"2SIN(X)", F::FunctionAfterOperand, 1, "operand then function"},
        {"2E3", F::FunctionAfterOperand, 1, "number then EXP"},
        {"XSIN(X)", F::UnknownWord, 0, "without an operator the letters make one word"},
        {"(*X)", F::OperatorAfterOpen, 1, "( then operator"},
        {"(X+)", F::CloseAfterOperator, 3, "operator then )"},
        {"SIN2", F::FunctionWithoutParenthesis, 3, "function without ("},
        {"SINX", F::UnknownWord, 0, "a function name runs on into the argument"},
        {"X++", F::TwoOperators, 2, "two operators"},
        {"+X", F::TwoOperators, 0, "a unary plus follows the leading 0+"},
        {"2*-3", F::TwoOperators, 2, "two operators"},
        {"2^-1", F::TwoOperators, 2, "two operators"},
        {"()", F::EmptyParentheses, 1, "( then )"},
        {"(X)+()", F::EmptyParentheses, 5, "( then )"},
        {"(X)2", F::NoOperatorAfterClose, 3, ") then operand"},
        {"(X)(X)", F::NoOperatorAfterClose, 3, ") then ("},
        {"LO(8)", F::LogCode, 0, "the LOG code"},
        {"X+", F::Unfinished, 2, "trailing operator"},
        {"SIN", F::Unfinished, 3, "trailing function"},
        {"", F::Empty, 0, "the empty formula"},
        {"SIN(", F::UnclosedParenthesis, 4, "the missing ) belongs at the end"},
        {"I", F::UnknownWord, 0, "not a keyword"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text);
        SCOPED_TRACE(r.rule);
        TCompiled c;
        TFormulaError error;
        EXPECT_FALSE(CompileFormula(r.text, c, &error));
        EXPECT_EQ(error.Reason, r.reason);
        EXPECT_EQ(error.Position, r.position);
    }
}

// Positions count the characters the user typed, through upper-casing, LOG rewriting and unary zeros.
TEST(FormulaError, PointsAtWhatTheUserTyped) {
    using F = TFormulaFault;
    std::string numbers = "1";
    for (int i = 2; i <= 27; ++i)
        numbers += "+1";
    std::string deepLog;
    for (int i = 0; i < 200; ++i)
        deepLog += "LOG(2,";
    deepLog += "8" + std::string(200, ')');
    std::string manyCodes = "X";
    while (manyCodes.size() < 300)
        manyCodes += "+X";
    const std::string junk(70000, '1');
    struct Row {
        std::string text;
        F reason;
        int position;
    } rows[] = {
        {"X + 1", F::StrayCharacter, 1},
        {"1,5", F::StrayCharacter, 1},
        {"X+\xD0\x96\xD0\x96", F::StrayCharacter, 2},
        {"1.2.3", F::BadNumber, 0},
        {"X*.", F::BadNumber, 2},
        {"X+Z", F::UnknownWord, 2},
        {"P0", F::ParameterWithoutDigit, 1},
        {"X+P", F::ParameterWithoutDigit, 3},
        {")X(", F::CloseWithoutOpen, 0},
        {"X+1)", F::CloseWithoutOpen, 3},
        {"(X", F::UnclosedParenthesis, 2},
        {numbers, F::TooManyNumbers, 52},
        {manyCodes, F::TooManyCodes, 253},
        {junk, F::TooLong, 65536},
        {"sin(x)2", F::NoOperatorAfterClose, 6},
        {"(-)", F::CloseAfterOperator, 2},
        {"-X+-1", F::TwoOperators, 3},
        {"LOGX", F::LogWithoutParenthesis, 3},
        {"LOG(2,8", F::LogUnclosed, 7},
        {"LOG(8)", F::LogWithoutComma, 5},
        {"LOG(2,LOG(8))", F::LogWithoutComma, 11},
        {deepLog, F::LogTooDeep, 6 * 128},
        {"LOG(2,)", F::EmptyParentheses, 6},
        {"LOG(,8)", F::EmptyParentheses, 4},
        {"LOG(2+,8)", F::CloseAfterOperator, 6},
        {"2*LOG(2,8X)", F::ImplicitProduct, 9},
        {"2LOG(2,8)", F::ImplicitProduct, 1},
        {"LOG(2,8)X", F::NoOperatorAfterClose, 8},
        {"\xD0\x96\xD0\x96+LOG(8)", F::LogWithoutComma, 8},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text.substr(0, 40));
        TCompiled c;
        TFormulaError error;
        EXPECT_FALSE(CompileFormula(r.text, c, &error));
        EXPECT_EQ(error.Reason, r.reason);
        EXPECT_EQ(error.Position, r.position);
    }
}

TEST(FormulaError, TheHolderKeepsTheReasonOfItsLastText) {
    TFunc f("X+");
    EXPECT_EQ(f.LastError().Reason, TFormulaFault::Unfinished);
    EXPECT_TRUE(f.SetFormula("LOG(2,X)"));
    EXPECT_TRUE(f.LastError().Ok());
    EXPECT_FALSE(f.SetFormula("X++"));
    EXPECT_EQ(f.LastError().Reason, TFormulaFault::TwoOperators);
    EXPECT_EQ(f.LastError().Position, 2);
    EXPECT_EQ(f.FormulaText(), "LOG(2,X)") << "a refused text changes nothing else";
    EXPECT_EQ(CheckFormula("2X").Position, 1);
    EXPECT_TRUE(CheckFormula("2*X").Ok());
}

TEST(SyntaxCheck, AcceptsOrdinaryFormulas) {
    for (const char* text : {"X", "-X^2", "(-1)^2", "2^(-1)", "SIN(X)^2", "SIN(X+1)^2", "LOG(2,8)", "P1*X",
                             "PI", "-(X)", "((X+1)*(Y-2))/3", "ABS(-X)", "T+F+X", "2E+3*X"}) {
        SCOPED_TRACE(text);
        EXPECT_TRUE(Compiles(text));
    }
}

TEST(SyntaxCheck, CountsOperationsIncludingTheLeadingPlus) {
    TokenString tokens;
    TConstTable consts;
    ASSERT_TRUE(TokenizeFormula("SIN(X)*2", tokens, consts));
    int operations = 0;
    ASSERT_TRUE(SyntaxCheck(tokens, operations));
    EXPECT_EQ(operations, 3);
}

TEST(Compiler, TokenStringsOverTheByteLimitAreRefused) {
    std::string text = "X";
    while (text.size() < 300)
        text += "+X";
    EXPECT_FALSE(Compiles(text));
    EXPECT_TRUE(Compiles(text.substr(0, 251)));
}
