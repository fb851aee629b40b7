#include "core/stats/ChiSquareTable.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#if __has_include(<boost/math/distributions/chi_squared.hpp>)
#include <boost/math/distributions/chi_squared.hpp>
#define VORN1_HAVE_BOOST_MATH 1
#endif

TEST(ChiSquareTable, ValuesOfThePrintedTable) {
    struct Row {
        int df;
        const char* level;
        Real value;
    } rows[] = {
        {1, "0.95", 3.84L},   {13, "0.98", 25.5L},  {7, "0.99", 18.48L},  {1, "0.5", 0.455L},
        {1, "0.99", 6.64L},   {1, "0.999", 10.83L}, {10, "0.01", 2.56L},  {10, "0.95", 18.31L},
        {30, "0.01", 14.95L}, {30, "0.95", 43.8L},  {30, "0.999", 59.7L},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::to_string(r.df) + " at " + r.level);
        EXPECT_EQ(ChiSquareCritical(r.df, ChiSquareLevelOf(r.level)), r.value);
    }
    EXPECT_EQ(ChiSquareLevelOf("0.95"), ChiSquareDefaultLevel);
    EXPECT_EQ(ChiSquareLevelOf("0.96"), 0);
    for (int bad : {0, 31})
        EXPECT_EQ(ChiSquareCritical(bad, 1), UndefinedValue);
    EXPECT_EQ(ChiSquareCritical(1, 15), UndefinedValue);
}

TEST(ChiSquareTable, GrowsAlongEveryRowAndColumn) {
    for (int df = 1; df <= ChiSquareMaxDf; ++df)
        for (int level = 1; level <= ChiSquareLevelCount; ++level) {
            SCOPED_TRACE(std::to_string(df) + " " + std::to_string(level));
            if (level > 1) EXPECT_GT(ChiSquareCritical(df, level), ChiSquareCritical(df, level - 1));
            if (df > 1) EXPECT_GT(ChiSquareCritical(df, level), ChiSquareCritical(df - 1, level));
        }
}

// Every cell within the printed table's rounding of the quantile: half a unit of its last digit, and for
// values from 1 on half a thousandth more, since those were shortened from three decimals.
TEST(ChiSquareTable, EveryCellIsTheQuantileAsPrinted) {
#ifndef VORN1_HAVE_BOOST_MATH
    GTEST_SKIP() << "Boost.Math is not installed (tools/deps.sh installs it)";
#else
    for (int df = 1; df <= ChiSquareMaxDf; ++df) {
        const boost::math::chi_squared dist(df);
        for (int level = 1; level <= ChiSquareLevelCount; ++level) {
            const Real printed = ChiSquareCritical(df, level);
            const long double q =
                boost::math::quantile(dist, std::strtod(ChiSquareLevelTexts[level - 1], nullptr));
            // The unit of the last printed digit: 3 significant digits, 4 where the value starts with 1.
            const int exponent = static_cast<int>(std::floor(std::log10(printed)));
            const bool leadingOne =
                printed >= 1 && static_cast<int>(printed / std::pow(10.0L, exponent)) == 1;
            const Real unit = std::pow(10.0L, exponent - (leadingOne ? 3 : 2));
            const Real tolerance = unit / 2 + (printed >= 1 ? 0.0005L : 0) + 1e-12L;
            EXPECT_LE(std::fabs(printed - q), tolerance)
                << "df " << df << " at " << ChiSquareLevelTexts[level - 1] << ": "
                << static_cast<double>(printed) << " vs " << static_cast<double>(q);
        }
    }
#endif
}
