#include "core/formula/Compiler.h"

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
    struct Row {
        const char* text;
        const char* rule;
    } rows[] = {
        {"2X", "operand then operand"},
        {"2(X)", "operand then ("},
        {"XSIN(X)", "operand then function"},
        {"(*X)", "( then operator"},
        {"+X", "a unary plus"},
        {"X+", "trailing operator"},
        {"(X+)", "operator then )"},
        {"SIN", "trailing function"},
        {"SINX", "function without ("},
        {"2*-3", "two operators"},
        {"2^-1", "two operators"},
        {"X()", "( then )"},
        {"()", "( then )"},
        {"(X)2", ") then operand"},
        {"(X)(X)", ") then ("},
        {"LO(8)", "the LOG code"},
        {"", "the empty formula"},
        {"P10", "parameter then number"},
        {"2E3", "number then EXP"},
        {"I", "not a keyword"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text);
        SCOPED_TRACE(r.rule);
        EXPECT_FALSE(Compiles(r.text));
    }
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
