#include "core/formula/Tokenizer.h"
#include "core/formula/ParamTable.h"

#include "support/LongDoubleNear.h"
#include "support/ParamTableGuard.h"

using namespace codes;

namespace {
struct Tokens {
    bool ok;
    TokenString codes;
    TConstTable consts;
};
Tokens TokensOf(const std::string& text) {
    Tokens t;
    t.ok = TokenizeFormula(text, t.codes, t.consts);
    return t;
}
} // namespace

TEST(Keywords, WordsThatBeginAFieldAreThatKeyword) {
    struct Row {
        const char* word;
        Code code;
    } rows[] = {
        {"SIN", Sin},       {"S", Sin},     {"SI", Sin}, {"C", Cos},   {"A", Asin},
        {"ASINACOS", Asin}, {"E", Exp},     {"EX", Exp}, {"L", Lg},    {"SQ", Sqrt},
        {"LO", Log},        {"LOG", Log},   {"TG", Tg},  {"CTG", Ctg}, {"ACTG", Actg},
        {"ATG", Atg},       {"ACOS", Acos}, {"LN", Ln},  {"ABS", Abs}, {"INT", Int},
        {"PI", codes::Pi},  {"Y", ArgY},    {"X", ArgX}, {"T", ArgX},  {"F", ArgX},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.word);
        TokenString tokens;
        TConstTable consts;
        ASSERT_TRUE(Tokenize(r.word, tokens, consts));
        EXPECT_EQ(tokens, (TokenString{Zero, codes::Add, r.code}));
    }
}

TEST(Keywords, WordsInsideAFieldOrUnknownAreErrors) {
    for (const char* word : {"I", "N", "G", "IN", "O", "Q", "SINX", "XX", "PX", "Z"}) {
        SCOPED_TRACE(word);
        TokenString tokens;
        TConstTable consts;
        EXPECT_FALSE(Tokenize(word, tokens, consts));
    }
}

TEST(Tokenizer, LowerCaseIsUpperCase) {
    EXPECT_EQ(TokensOf("sin(x)").codes, TokensOf("SIN(X)").codes);
    EXPECT_EQ(TokensOf("Sin(X)").codes, (TokenString{Zero, codes::Add, Sin, Open, ArgX, Close}));
}

TEST(Tokenizer, RejectsBlanksCommasAndStrayCharacters) {
    for (const char* text : {"SIN (X)", "X + 1", " X", "X ", "1,5", "X#", "X=1", "X;", "\xD0\x9F"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(TokensOf(text).ok);
    }
    EXPECT_TRUE(TokensOf("1.5").ok);
}

TEST(Tokenizer, Numbers) {
    struct Row {
        const char* text;
        bool ok;
        Real value;
        const char* why;
    } rows[] = {
        {"1.5", true, 1.5L, ""},
        {"2E+3", true, 2000, "a signed exponent continues the number"},
        {"2E-3", true, 0.002L, ""},
        {".5", true, 0.5L, "a leading point converts"},
        {"5.", true, 5, "a trailing point converts"},
        {"1.2.3", false, 0, "two points"},
        {".", false, 0, "a lone point"},
        {"2E+X", false, 0, "empty exponent after the sign"},
        {"123456789012345678901234", true, 12345678901234567890.0L, "only the first 20 characters are kept"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text);
        SCOPED_TRACE(r.why);
        const Tokens t = TokensOf(r.text);
        ASSERT_EQ(t.ok, r.ok);
        if (r.ok) {
            EXPECT_EQ(t.codes, (TokenString{Zero, codes::Add, 0x01}));
            EXPECT_EQ(t.consts[1].Value, r.value);
            EXPECT_EQ(t.consts[1].Param, 0);
        }
    }
    // Without a sign the number stops before E, which is then the word EXP.
    EXPECT_EQ(TokensOf("2E3").codes, (TokenString{Zero, codes::Add, 0x01, Exp, 0x02}));
    // "E" and a sign at the very end are not part of the number.
    EXPECT_EQ(TokensOf("2E+").codes, (TokenString{Zero, codes::Add, 0x01, Exp, codes::Add}));
}

TEST(Tokenizer, ParametersTakeAnEntryWithTheirNumber) {
    const TParamTableGuard params;
    ParamTable()[3].Value = 7;
    const Tokens t = TokensOf("P3+p1");
    ASSERT_TRUE(t.ok);
    EXPECT_EQ(t.codes, (TokenString{Zero, codes::Add, 0x01, codes::Add, 0x02}));
    EXPECT_EQ(t.consts[1].Param, 3);
    EXPECT_EQ(t.consts[1].Value, 7);
    EXPECT_EQ(t.consts[2].Param, 1);
    for (const char* bad : {"P0", "P", "PX", "P+1"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(TokensOf(bad).ok);
    }
    // P10 is P1 followed by the number 0 (the syntax check rejects it later).
    EXPECT_EQ(TokensOf("P10").codes, (TokenString{Zero, codes::Add, 0x01, 0x02}));
}

TEST(Tokenizer, AtMostTwentySixNumbersAndParameters) {
    std::string text = "1";
    for (int i = 2; i <= 26; ++i)
        text += i % 2 ? "+1" : "+P1";
    EXPECT_TRUE(TokensOf(text).ok);
    EXPECT_FALSE(TokensOf(text + "+1").ok);
}

TEST(Tokenizer, Parentheses) {
    EXPECT_FALSE(TokensOf("(X").ok);
    EXPECT_FALSE(TokensOf("X)").ok);
    EXPECT_FALSE(TokensOf(")X(").ok);
    EXPECT_TRUE(TokensOf("((X))").ok);
}

TEST(Tokenizer, UnaryMinusBecomesZeroMinus) {
    EXPECT_EQ(TokensOf("-X").codes, (TokenString{Zero, codes::Add, Zero, Sub, ArgX}));
    EXPECT_EQ(TokensOf("(-X)").codes, (TokenString{Zero, codes::Add, Open, Zero, Sub, ArgX, Close}));
    // After an operator the minus stays as it is (and fails the syntax check).
    EXPECT_EQ(TokensOf("2*-3").codes, (TokenString{Zero, codes::Add, 0x01, Mul, Sub, 0x02}));
}

TEST(LogRewriting, TwoArgumentLogarithms) {
    struct Row {
        const char* in;
        const char* out; // nullptr: an error
    } rows[] = {
        {"LOG(2,8)", "(LN(8)/LN(2))"},
        {"1/LOG(2,8)", "1/(LN(8)/LN(2))"},
        {"LOG(2,LOG(2,16))", "(LN((LN(16)/LN(2)))/LN(2))"},
        {"LOG(8)", nullptr},
        {"LOGX", nullptr},
        {"LOG(2,8", nullptr},
        {"LOG", nullptr},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.in);
        std::string text = r.in;
        const bool ok = RewriteLog(text);
        ASSERT_EQ(ok, r.out != nullptr);
        if (ok) EXPECT_EQ(text, r.out);
    }
}

TEST(LogRewriting, DeepNestingIsRefusedNotOverflowed) {
    std::string text;
    for (int i = 0; i < 5000; ++i)
        text += "LOG(2,";
    text += "8" + std::string(5000, ')');
    EXPECT_FALSE(RewriteLog(text));
}
