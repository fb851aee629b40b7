#include "core/objects/TRng.h"
#include "core/formula/ParamTable.h"
#include "core/objects/TRngBGP.h"

#include <gtest/gtest.h>

TEST(TRngBGP, QualityOutsideFiveToAThousandIsAHundred) {
    struct Row {
        const char* text;
        Real expected;
    } rows[] = {{"4", 100},     {"1001", 100}, {"1/0", 100},   {"X", 100}, // X is 0 here
                {"SIN X", 100}, {"5", 5},      {"1000", 1000}, {"250.5", 250.5L}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text);
        EXPECT_EQ(TRngBGP(r.text).Value(), r.expected);
    }
    EXPECT_EQ(RoundedSteps(TRngBGP("250.5")), 250); // halves to even
}

TEST(TRng, ABoundFollowsItsParameterWithoutSetFormula) {
    ParamTable().ResetForNewDocument();
    const TRng bound("P1");
    const TRngBGP quality("P1*100");
    for (Real p : {2.0L, 3.0L}) {
        ParamTable()[1].Value = p;
        EXPECT_EQ(bound.Value(), p);
        EXPECT_EQ(quality.Value(), 100 * p);
    }
    ParamTable().ResetForNewDocument();
    EXPECT_EQ(TRng("X").Value(), 0);
    EXPECT_TRUE(IsUndefined(TRng("").Value()));
}
