#include "core/stats/SampleEntry.h"
#include "core/base/MessageTable.h"
#include "core/base/NumberText.h"
#include "support/LongDoubleNear.h"
#include "support/TempPath.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace {
std::vector<Real> Values(const TXList& list) {
    std::vector<Real> v;
    for (int i = 0; i < list.Count(); ++i)
        v.push_back(list.NumberAt(i));
    return v;
}
std::vector<std::pair<Real, int>> Pairs(const TXYList& list) {
    std::vector<std::pair<Real, int>> v;
    for (int i = 0; i < list.Count(); ++i)
        v.emplace_back(list.VariantValue(i), list.VariantCount(i));
    return v;
}
} // namespace

TEST(SampleEntry, BuildingTheSampleFromEachLayout) {
    TGridRows variants = {{"3"}, {"1"}, {"3"}, {"2"}, {""}, {" "}};
    TSampleBuild b = BuildSampleFromGrid(variants, TSampleEntryType::Variants, 100);
    ASSERT_TRUE(b.Ok());
    EXPECT_EQ(variants.size(), 4u); // the empty rows at the end are gone
    EXPECT_EQ(Values(b.Sample), (std::vector<Real>{1, 2, 3, 3}));
    EXPECT_EQ(Pairs(b.Variants), (std::vector<std::pair<Real, int>>{{1, 1}, {2, 1}, {3, 2}}));

    TGridRows relative = {{"1", "0.2"}, {"2", "0.3"}, {"3", "1/2"}};
    b = BuildSampleFromGrid(relative, TSampleEntryType::RelativeFrequencies, 10);
    ASSERT_TRUE(b.Ok());
    EXPECT_EQ(Pairs(b.Variants), (std::vector<std::pair<Real, int>>{{1, 2}, {2, 3}, {3, 5}}));
    EXPECT_EQ(b.Sample.Count(), 10);

    // Frequencies round halves to even; equal variants merge and the table is sorted.
    TGridRows frequencies = {{"5", "2.5"}, {"2*PI", "1"}, {"5", "1.5"}};
    b = BuildSampleFromGrid(frequencies, TSampleEntryType::Frequencies, 0);
    ASSERT_TRUE(b.Ok());
    ASSERT_EQ(b.Variants.Count(), 2);
    EXPECT_EQ(b.Variants.VariantValue(0), 5);
    EXPECT_EQ(b.Variants.VariantCount(0), 4);
    EXPECT_EQ(b.Sample.Count(), 5);
}

TEST(SampleEntry, RefusalsOfTheDataDialog) {
    ResetBuiltInTexts();
    struct Row {
        const char* why;
        TGridRows rows;
        TSampleEntryType type;
        msg::Id message;
        std::string detail;
        int row, column;
    } rows[] = {
        {"one row",
         {{"1", "5"}, {"", ""}},
         TSampleEntryType::Frequencies,
         msg::SampleGridTooFewRows,
         "",
         -1,
         -1},
        {"a cell that is no formula",
         {{"1", "2"}, {"2", "x+"}},
         TSampleEntryType::Frequencies,
         msg::ParamNumberError,
         "",
         1,
         1},
        {"an empty row inside",
         {{"1"}, {""}, {"2"}},
         TSampleEntryType::Variants,
         msg::ParamNumberError,
         "",
         1,
         0},
        {"nothing counted",
         {{"1", "0"}, {"2", "0"}},
         TSampleEntryType::Frequencies,
         msg::SampleGridTooFewData,
         "",
         -1,
         -1},
        {"a single value",
         {{"1", "1"}, {"2", "0"}},
         TSampleEntryType::Frequencies,
         msg::SampleGridTooFewValues,
         "",
         -1,
         -1},
        {"relative frequencies summing to 0.99",
         {{"1", "0.2"}, {"2", "0.3"}, {"3", "0.49"}},
         TSampleEntryType::RelativeFrequencies,
         msg::SampleGridFrequencySum,
         " (0.99)",
         -1,
         -1},
        {"a value without a value",
         {{"1"}, {"1/0"}},
         TSampleEntryType::Variants,
         msg::SampleGridBadData,
         "",
         -1,
         -1},
        {"a negative frequency",
         {{"1", "3"}, {"2", "-1"}},
         TSampleEntryType::Frequencies,
         msg::SampleGridBadData,
         "",
         -1,
         -1},
        {"more values than memory",
         {{"1", "1E+9"}, {"2", "1"}},
         TSampleEntryType::Frequencies,
         msg::SampleGridBadData,
         "",
         -1,
         -1},
    };
    for (Row& r : rows) {
        SCOPED_TRACE(r.why);
        const TSampleBuild b = BuildSampleFromGrid(r.rows, r.type, 100);
        EXPECT_EQ(b.Message, r.message);
        EXPECT_EQ(b.Detail, r.detail);
        EXPECT_EQ(b.FailedRow, r.row);
        EXPECT_EQ(b.FailedColumn, r.column);
        EXPECT_TRUE(b.Sample.Empty());
    }
    EXPECT_EQ(Msg(msg::SampleGridFrequencySum) + " (0.99)", "Сума відносних частот <> 1! (0.99)");
}

TEST(SampleEntry, IntervalProposalFollowsTheFlow) {
    TSampleEntry object; // a new sample: A = B = 0, no K
    struct Row {
        const char* why;
        TGridRows rows;
        TSampleEntryType type;
        int smodel;
        const char *a, *b;
        int k;
        bool show;
    } rows[] = {
        {"grouped, equally spaced: bounds half a step out, no dialog",
         {{"1", "2"}, {"3", "5"}, {"5", "1"}},
         TSampleEntryType::Frequencies,
         SampleByIntervals,
         "0",
         "6",
         3,
         false},
        {"grouped, uneven: the variants themselves, the dialog shown",
         {{"1", "2"}, {"2", "5"}, {"5", "1"}},
         TSampleEntryType::Frequencies,
         SampleByIntervals,
         "1",
         "5",
         3,
         true},
        {"values one by one: the object's bounds widened to the data",
         {{"1"}, {"7"}, {"3"}},
         TSampleEntryType::Variants,
         SampleByIntervals,
         "0",
         "7",
         3,
         true},
        {"by points: smallest and largest, never the dialog",
         {{"1", "2"}, {"3", "5"}, {"5", "1"}},
         TSampleEntryType::Frequencies,
         SampleByPoints,
         "1",
         "5",
         3,
         false},
    };
    for (Row& r : rows) {
        SCOPED_TRACE(r.why);
        TSampleBuild b = BuildSampleFromGrid(r.rows, r.type, 100);
        ASSERT_TRUE(b.Ok());
        SpreadGroupedData(b, r.smodel, r.type);
        const TIntervalProposal p = ProposeInterval(object, b, r.smodel, r.type);
        EXPECT_EQ(p.AText, r.a);
        EXPECT_EQ(p.BText, r.b);
        EXPECT_EQ(p.K, r.k);
        EXPECT_EQ(p.Show, r.show);
        EXPECT_EQ(p.IntervalControls, r.smodel == SampleByIntervals);
    }
    // The object's own K and bounds count for values one by one.
    TSampleEntry known;
    known.AText = "-1";
    known.BText = "P1+9";
    known.K = 7;
    TGridRows values = {{"1"}, {"7"}, {"3"}};
    TSampleBuild b = BuildSampleFromGrid(values, TSampleEntryType::Variants, 100);
    const TIntervalProposal p = ProposeInterval(known, b, SampleByIntervals, TSampleEntryType::Variants);
    EXPECT_EQ(p.AText, "-1");
    EXPECT_EQ(p.BText, "P1+9");
    EXPECT_EQ(p.K, 7);
}

TEST(SampleEntry, SturgesAndTheBoundsCheck) {
    ResetBuiltInTexts();
    struct Row {
        int n, k;
    } rows[] = {{100, 8}, {1, 2}, {2, 2}, {7, 4}, {1000000, 21}, {5, 3}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.n);
        EXPECT_EQ(SturgesIntervals(r.n), r.k);
    }

    EXPECT_TRUE(CheckIntervalInput("0", "6", 1, 5, "0", "6").Ok());
    EXPECT_EQ(CheckIntervalInput("0", "6+", 1, 5, "0", "6").Failed, TIntervalBox::BEdit);
    EXPECT_EQ(CheckIntervalInput("0", "6+", 1, 5, "0", "6").Message, "Помилка у виразі!");
    const TIntervalCheck wide = CheckIntervalInput("2", "4", 1, 5, "0", "6");
    EXPECT_EQ(wide.Message, "A повинно бути не більше 0,\n\rB повинно бути не менше  6");
}

TEST(SampleEntry, DataFilesAndGridRefill) {
    EXPECT_EQ(TokensToRows(DataFileTokens("1 2, 3;4\r\n5\r\n", SampleFileTokens), 2),
              (TGridRows{{"1", "2"}, {"3", "4"}, {"5", ""}}));
    EXPECT_EQ(DataFileTokens("2*PI\tsin(1)\xD0\x90-3", 10),
              (std::vector<std::string>{"2*PI", "sin(1)", "-3"}));
    EXPECT_EQ(DataFileTokens("1 2 3 4", 3).size(), 3u);
    EXPECT_EQ(TokensToRows({}, 1), (TGridRows{{""}}));
    EXPECT_EQ(DataFileText({{"1", "2"}, {"3", ""}}), "1 2 \r\n3  \r\n");

    const std::string path = TestTempPath("vorn1_sample.txt");
    ASSERT_TRUE(WriteDataFile(path, {{"0.5", "7"}, {"1/3", "2"}}));
    TGridRows rows;
    ASSERT_TRUE(ReadDataFile(path, SampleFileTokens, 2, rows));
    EXPECT_EQ(rows, (TGridRows{{"0.5", "7"}, {"1/3", "2"}}));
    std::remove(path.c_str());
    EXPECT_FALSE(ReadDataFile(path, SampleFileTokens, 2, rows));

    TXList raw;
    for (Real x : {1.0L, 2.5L, 2.5L, 4.0L})
        raw.AddNumber(x);
    const TXYList variants = CountVariants(raw);
    EXPECT_EQ(SampleGridRows(variants, raw, TSampleEntryType::Variants),
              (TGridRows{{"1"}, {"2.5"}, {"2.5"}, {"4"}}));
    EXPECT_EQ(SampleGridRows(variants, raw, TSampleEntryType::RelativeFrequencies),
              (TGridRows{{"1", "0.25"}, {"2.5", "0.5"}, {"4", "0.25"}}));
    EXPECT_EQ(SampleGridRows(variants, raw, TSampleEntryType::Frequencies),
              (TGridRows{{"1", "1"}, {"2.5", "2"}, {"4", "1"}}));
    EXPECT_TRUE(SampleGridRows(CountVariants(TXList()), TXList(), TSampleEntryType::Frequencies).empty());
}

TEST(SampleEntry, RandomRowsSpanTheIntervalAndTruncateTowardZero) {
    const Real us[] = {0, 0.5L, 0.999L};
    int i = 0;
    const TGridRows rows = RandomSampleRows(3, -1, 1, true, [&] { return us[i++]; });
    EXPECT_EQ(rows, (TGridRows{{"-1"}, {"0"}, {"0"}}));
    i = 0;
    EXPECT_EQ(RandomSampleRows(3, 2, 4, false, [&] { return us[i++]; }),
              (TGridRows{{"2"}, {"3"}, {"3.998"}}));
}
