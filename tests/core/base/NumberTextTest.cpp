#include "core/base/NumberText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

namespace {

struct DigitsGuard {
    int saved = Digits();
    ~DigitsGuard() { SetDigits(saved); }
};

struct FloatRow {
    Real x;
    int digits;
    const char* text;
    const char* why;
};

TEST(FloatStr, GeneralFormatWithSignificantDigits) {
    const Real inf = std::numeric_limits<Real>::infinity();
    const FloatRow rows[] = {
        {12345, 4, "1.235E04", "five integer digits need the exponent"},
        {0.00001L, 4, "1E-05", "below the fixed range, two exponent digits"},
        {1.0L / 3, 4, "0.3333", ""},
        {-2.5, 4, "-2.5", ""},
        {0, 4, "0", ""},
        {-0.0L, 4, "0", "no minus sign on zero"},
        {0.0001L, 4, "0.0001", "lowest fixed exponent"},
        {0.00012345L, 4, "0.0001235", "fixed with e = -4 keeps all digits"},
        {0.000099996L, 4, "0.0001", "the exponent is that of the rounded value"},
        {1e100L, 4, "1E100", ""},
        {1e-100L, 4, "1E-100", ""},
        {1e4000L, 4, "1E4000", "extended range"},
        {1234, 4, "1234", "largest fixed exponent"},
        {9999.4L, 4, "9999", ""},
        {9999.5L, 4, "1E04", "rounding carries into the exponent"},
        {-9999.5L, 4, "-1E04", ""},
        {0.12345L, 4, "0.1235", "decimal text rounded, not the binary value below the half"},
        {3.4565L, 4, "3.457", "likewise: its binary value lies below the half"},
        {2.675L, 3, "2.68", "likewise"},
        {2.5, 1, "3", "half away from zero"},
        {-2.5, 1, "-3", "half away from zero"},
        {0.25L, 0, "0.3", "digits below 1 count as 1"},
        {123456, 6, "123456", ""},
        {1234567, 6, "1.23457E06", ""},
        {1.0L / 3, 6, "0.333333", ""},
        {12345.678L, 6, "12345.7", ""},
        {1.0L / 3, 25, "0.333333333333333333", "digits above 18 count as 18"},
        {std::nanl(""), 4, "NAN", ""},
        {inf, 4, "INF", ""},
        {-inf, 4, "-INF", ""},
    };
    for (const FloatRow& row : rows) {
        SCOPED_TRACE(std::string(row.text) + " " + row.why);
        EXPECT_EQ(FloatStr(row.x, row.digits), row.text);
    }
}

TEST(FloatStr, UsesProgramWideDigits) {
    DigitsGuard guard;
    EXPECT_EQ(Digits(), 4);
    EXPECT_EQ(FloatStr(1.0L / 3), "0.3333");
    SetDigits(6);
    EXPECT_EQ(FloatStr(1.0L / 3), "0.333333");
    EXPECT_EQ(FloatStr(123456), "123456");
}

TEST(PlainNumberText, ShortestTextWithFifteenDigits) {
    const struct {
        Real x;
        const char* text;
    } rows[] = {
        {1e-5L, "1E-5"},
        {0.00001234L, "1.234E-5"},
        {0.0001L, "0.0001"},
        {2.5e20L, "2.5E20"},
        {-2.5, "-2.5"},
        {0.1L, "0.1"},
        {100, "100"},
        {0, "0"},
        {-0.0L, "0"},
        {123456789012345.0L, "123456789012345"},
        {1234567890123456.0L, "1.23456789012346E15"},
        {1e15L, "1E15"},
        {1.0L / 3, "0.333333333333333"},
        {2.0L / 3, "0.666666666666667"},
        {0.1 + 0.2, "0.3"}, // double noise beyond 15 digits is dropped
        {1e100L, "1E100"},
        {1e400L, "INF"}, // beyond double
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(PlainNumberText(row.x), row.text);
    }
}

TEST(ReadNumber, AcceptsDecimalTexts) {
    const struct {
        const char* text;
        Real value;
    } rows[] = {
        {"1.5", 1.5L}, {"-2E-3", -2e-3L}, {".5", 0.5L},   {"5.", 5},         {" 7 ", 7},
        {"+3", 3},     {"1e+2", 100},     {"0.1", 0.1L},  {"2.675", 2.675L}, {"1E4932", 1e4932L},
        {"\t-0\t", 0}, {"00012", 12},     {"1e-5000", 0}, // underflow is zero, not an error
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        Real value = -99;
        ASSERT_TRUE(ReadNumber(row.text, value));
        EXPECT_EQ(value, row.value); // the correctly rounded long double, bit for bit
    }
}

TEST(ReadNumber, RefusesAnythingElseAndKeepsTheValue) {
    for (const char* text : {"", "  ", ".", "-", "+.", "1e", "1e+", "e5", "inf", "nan", "INF", "0x10",
                             "1.2.3", "1,5", "1 2", "--1", "1e5000", "-1e5000", "1.5x"}) {
        SCOPED_TRACE(text);
        Real value = 42;
        EXPECT_FALSE(ReadNumber(text, value));
        EXPECT_EQ(value, 42);
    }
}

TEST(ReadNumber, IgnoresTheLocaleDecimalSeparator) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    const char* locale = nullptr;
    for (const char* name : {"uk_UA.UTF-8", "de_DE.UTF-8", "ru_RU.UTF-8", "fr_FR.UTF-8"})
        if (std::setlocale(LC_ALL, name)) {
            locale = name;
            break;
        }
    if (!locale) GTEST_SKIP() << "no locale with a decimal comma installed";
    Real value = 0, other = 0;
    const bool ok = ReadNumber("1.5", value);
    const bool commaRead = ReadNumber("1,5", other);
    const std::string text = FloatStr(1.5L) + " " + PlainNumberText(0.25L);
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_TRUE(ok);
    EXPECT_EQ(value, 1.5L);
    EXPECT_FALSE(commaRead);
    EXPECT_EQ(text, "1.5 0.25");
}

} // namespace
