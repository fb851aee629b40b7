#include "core/formula/TFunc.h"
#include "core/formula/ParamTable.h"

#include "LongDoubleNear.h"

TEST(TFunc, ATextThatDoesNotCompileGivesUndefinedValues) {
    TFunc f("SIN X");
    EXPECT_FALSE(f.Compiled());
    EXPECT_EQ(f.FormulaText(), "SIN X");
    EXPECT_TRUE(IsUndefined(f.Calc(1)));
}

TEST(TFunc, SetFormulaKeepsTheOldFormulaOnFailure) {
    TFunc f("X+1");
    EXPECT_FALSE(f.SetFormula("X+"));
    EXPECT_EQ(f.FormulaText(), "X+1");
    EXPECT_EQ(f.Calc(1), 2);
    EXPECT_TRUE(f.SetFormula("x*3"));
    EXPECT_EQ(f.FormulaText(), "x*3"); // kept as typed
    EXPECT_EQ(f.Calc(2), 6);
}

TEST(TFunc, FormulaWithParams) {
    ParamTable().ResetForNewDocument();
    struct Row {
        const char* text;
        Real p1, p2;
        const char* expected;
    } rows[] = {
        {"X+P1", -2, 1, "X+(-2)"},
        {"X+P1", 2, 1, "X+2"},
        {"p2*X", 1, 0.5L, "0.5*X"},
        {"P1*P2-p1", 0.1L, 1e-5L, "0.1*1E-5-0.1"},
        {"PI+P1", 1.0L / 3, 1, "PI+0.333333333333333"},
        {"P1*X", 2.5e20L, 1, "2.5E+20*X"},
        // Digit by digit: the value put for P1 makes a P3 with the P before it, which the next digit takes.
        {"PP12", 3, 1, "12"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text);
        ParamTable()[1].Value = r.p1;
        ParamTable()[2].Value = r.p2;
        const std::string fixed = TFunc(r.text).FormulaWithParams();
        EXPECT_EQ(fixed, r.expected);
        EXPECT_TRUE(FormulaCompiles(fixed)) << "a fixed formula must compile";
    }
    // Megabytes of parameters cost no more than copying them.
    ParamTable()[1].Value = -2;
    std::string huge;
    for (int i = 0; i < 1000000; ++i)
        huge += i % 2 ? "p1" : "P1";
    const std::string fixed = TFunc(huge).FormulaWithParams();
    EXPECT_EQ(fixed.size(), huge.size() / 2 * 4);
    EXPECT_EQ(fixed.substr(0, 12), "(-2)(-2)(-2)");
    ParamTable().ResetForNewDocument();
}

TEST(TFunc, MarksTheParametersItUses) {
    ParamTable().ResetForNewDocument();
    TFunc f("P2*X+P7");
    EXPECT_TRUE(f.UsesParams());
    f.MarkParams();
    for (int k = 1; k <= 9; ++k)
        EXPECT_EQ(ParamTable()[k].Used, k == 2 || k == 7) << k;
    EXPECT_FALSE(TFunc("X+PI").UsesParams());
    ParamTable().ResetForNewDocument();
}

TEST(ParamTable, NewDocumentValues) {
    ParamTable()[4].Value = 9;
    ParamTable()[4].Used = true;
    ParamTable().ResetForNewDocument();
    for (int k = 1; k <= 9; ++k) {
        const TParam& p = ParamTable()[k];
        EXPECT_EQ(p.Value, 1);
        EXPECT_EQ(p.Min, -5);
        EXPECT_EQ(p.Max, 5);
        EXPECT_EQ(p.h, 0.1L);
        EXPECT_FALSE(p.Used);
    }
}
