#include "core/formula/ParamTable.h"
#include "core/stats/TGList.h"
#include "core/stats/TXList.h"
#include "core/stats/TXYList.h"
#include "support/ParamTableGuard.h"

#include <gtest/gtest.h>

#include <stdexcept>

TEST(TXYList, EvalFollowsTheParametersButTheStoredValueOnlyWhenAsked) {
    const TParamTableGuard params;
    TXYList list;
    list.AddPointText("2*PI", "p1");
    list.AddPoint(5, 6);
    ParamTable()[1].Value = 4;
    EXPECT_EQ(list.Y(0), 1);
    EXPECT_EQ(list.EvalY(0), 4);
    EXPECT_EQ(list.Y(0), 4);
    EXPECT_EQ(list.EvalY(1), 6); // a point given by numbers has no text and keeps them
}

TEST(PointLists, SortingKeepsEveryRecordOfEqualKeys) {
    TXYList points;
    for (Real x : {3.0L, 1.0L, 3.0L, 2.0L})
        points.AddPoint(x, 10 * x);
    points.Sort();
    ASSERT_EQ(points.Count(), 4);
    const Real xs[] = {1, 2, 3, 3};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(points.X(i), xs[i]);
        EXPECT_EQ(points.Y(i), 10 * xs[i]); // records move whole
    }
    TXYList variants;
    variants.AddVariant(4, 2.5L);
    variants.AddVariant(7, -1);
    variants.Sort();
    EXPECT_EQ(variants.VariantCount(0), 7);
    EXPECT_THROW(variants.X(0), std::out_of_range); // a variant is no point

    TXList numbers;
    for (Real x : {2.0L, -1.0L, 2.0L})
        numbers.AddNumber(x);
    numbers.Sort();
    EXPECT_EQ(numbers.NumberAt(0), -1);
    EXPECT_EQ(numbers.NumberAt(2), 2);
    numbers.Delete(0);
    EXPECT_THROW(numbers.NumberAt(2), std::out_of_range);
}
