#include "core/formula/ParamTable.h"
#include "core/formula/PlainEvaluator.h"
#include "core/formula/TFunc.h"

#include "support/LongDoubleNear.h"
#include "support/ParamTableGuard.h"

#include <cfloat>
#include <cmath>

namespace {
constexpr Real U = UndefinedValue;

struct Row {
    const char* text;
    Real x;
    Real expected; // U: undefined
    const char* why;
};

void CheckRows(const std::vector<Row>& rows, Real tolerance = 0) {
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text);
        SCOPED_TRACE(r.why);
        TFunc f("0");
        ASSERT_TRUE(f.SetFormula(r.text));
        const Real v = f.Calc(r.x, 0);
        if (r.expected == U)
            EXPECT_TRUE(SameBits(v, U)) << RealText(v);
        else
            EXPECT_LD_NEAR(v, r.expected, tolerance);
        // The plain run of the codes agrees to the bit.
        EXPECT_TRUE(SameBits(EvaluatePlain(f.ProgramCodes(), f.Consts(), r.x, 0), v));
    }
}
} // namespace

TEST(Evaluator, PrecedenceAndAssociativity) {
    CheckRows(
        {
            {"2^3^2", 0, 64, "^ associates to the left"},
            {"-2^2", 0, -4, "unary minus binds looser than ^"},
            {"(-2)^2", 0, 4, ""},
            {"-X^2", 3, -9, ""},
            {"(-1)^2", 0, 1, ""},
            {"2^(-1)", 0, 0.5L, ""},
            {"2+3*4", 0, 14, ""},
            {"10-4-3", 0, 3, "left to right"},
            {"64/4/2", 0, 8, "left to right"},
            {"SIN(X)^2", 2, std::sin(2.0L) * std::sin(2.0L), "the function binds tightest"},
            {"SIN(X+1)^2", 2, std::sin(3.0L) * std::sin(3.0L), ""},
            {"2*LOG(10,1000)^2", 0, 18, ""},
            {"T+F+X", 2, 6, "three names of one argument"},
            {"((2))", 0, 2, ""},
            {"(-X)*(-X)", 3, 9, ""},
        },
        1e-15L);
}

TEST(Evaluator, LogarithmsToABase) {
    CheckRows(
        {
            {"LOG(2,8)", 0, 3, ""},
            {"LOG(2,LOG(2,16))", 0, 2, ""},
            {"1/LOG(2,8)", 0, 1.0L / 3, "the call stays one operand"},
        },
        1e-17L);
}

TEST(Evaluator, PowerRules) {
    CheckRows(
        {
            {"(-8)^(1/3)", 0, -2, "odd root of a negative number"},
            {"(-8)^(2/3)", 0, U, "no real value"},
            {"(-2)^(-2)", 0, 0.25L, "negative whole exponent"},
            {"(-2)^(-3)", 0, -0.125L, ""},
            {"(-2)^3", 0, -8, "repeated squaring keeps the sign"},
            {"0^(-1)", 0, 0, "zero base gives 0 whatever the exponent"},
            {"0^0", 0, 0, ""},
            {"5^0", 0, 1, ""},
            {"(-5)^0.5", 0, U, ""},
            {"2^0.5", 0, std::sqrt(2.0L), ""},
            {"(-27)^(-1/3)", 0, -1.0L / 3, ""},
            {"X^2", -3, 9, ""},
            {"X^3", -2, -8, ""},
            {"2^10000000", 0, U, "overflow is undefined"},
            {"0.5^100000", 0, 0, "underflow is not a fault"},
            {"(-1)^3000000001", 0, -1, "beyond 2^31 the power itself, not its reciprocal"},
            {"(-0.5)^3000000000", 0, 0, ""},
            {"(-0.5)^(-100000)", 0, U, ""},
        },
        1e-17L);
}

TEST(Evaluator, DomainsAndFaults) {
    CheckRows(
        {
            {"1/0", 0, U, ""},
            {"1/(X-X)", 5, U, ""},
            {"LN(0)", 0, U, ""},
            {"LG(-1)", 0, U, ""},
            {"SQRT(-1E-30)", 0, U, ""},
            {"SQRT(0)", 0, 0, ""},
            {"ASIN(1)", 0, U, "ASIN of 1 is undefined"},
            {"ACOS(-1)", 0, U, ""},
            {"ASIN(0.5)", 0, Pi / 6, ""},
            {"ACOS(0.5)", 0, Pi / 3, ""},
            {"CTG(0)", 0, U, ""},
            {"CTG(X)", 0, U, ""},
            {"TG(PI/4)", 0, 1, ""},
            {"ATG(1)", 0, Pi / 4, ""},
            {"ACTG(1)", 0, Pi / 4, ""},
            {"EXP(100000)", 0, U, "overflow"},
            {"1/EXP(100000)", 0, U, "a fault stays a fault after a division"},
            {"ATG(EXP(100000))", 0, U, "and after an arctangent"},
            {"EXP(-EXP(100000))", 0, U, "and after an exponential"},
            {"X*X*X", 1e2000L, U, "overflow in a product"},
            {"1/(X*X*X)", 1e2000L, U, ""},
            {"INT(2.5)", 0, 2, ""},
            {"INT(-2.5)", 0, -3, ""},
            {"INT(-2)", 0, -2, ""},
            {"ABS(-X)", 3, 3, ""},
            {"LG(1000)", 0, 3, ""},
            {"LN(EXP(2))", 0, 2, ""},
        },
        1e-17L);
}

TEST(Evaluator, HugeFiniteResultsAreReturnedForConsumersToReject) {
    TFunc f("EXP(300)");
    const Real v = f.Calc(0);
    EXPECT_TRUE(std::isfinite(v));
    EXPECT_GT(v, UndefinedValue);
    EXPECT_TRUE(IsUndefined(v));
}

TEST(Evaluator, UndefinedIsTheLongDoubleLiteral) {
    TFunc f("1/0");
    EXPECT_TRUE(SameBits(f.Calc(0), 1e100L));
    EXPECT_NE(f.Calc(0), static_cast<Real>(1e100));
}

TEST(Evaluator, FormulaFollowsParameterValues) {
    const TParamTableGuard params;
    TFunc f("P1*X+P2");
    EXPECT_EQ(f.Calc(2), 3); // P1 = P2 = 1
    ParamTable()[1].Value = 5;
    ParamTable()[2].Value = -1;
    EXPECT_EQ(f.Calc(2), 9);
    TFunc g("SIN(P1)^2+P1^2");
    ParamTable()[1].Value = 0.5L;
    EXPECT_TRUE(SameBits(g.Calc(0), EvaluatePlain(g.ProgramCodes(), g.Consts(), 0, 0)));
}

TEST(Evaluator, SecondArgumentIsY) {
    TFunc f("X^2+Y^2-4");
    EXPECT_EQ(f.Calc(2, 0), 0);
    EXPECT_EQ(f.Calc(1, 2), 1);
    EXPECT_EQ(f.Calc(0, 0), -4);
}

TEST(Evaluator, DeepestFormulasFitTheStack) {
    // The deepest stack: every operand waits for the next "(".
    constexpr int depth = 60; // 2 + 3 * 60 + 1 + 60 = 243 codes, just under the limit
    std::string text;
    for (int i = 0; i < depth; ++i)
        text += "X+(";
    text += "X" + std::string(depth, ')');
    TFunc f("0");
    ASSERT_TRUE(f.SetFormula(text)) << text;
    EXPECT_EQ(f.Calc(1), depth + 1);
}
