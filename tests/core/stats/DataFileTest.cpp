#include "core/stats/DataFile.h"
#include "core/objects/TTableData.h"
#include "core/plot/TPointList.h"
#include "core/stats/RandomData.h"

#include "support/TempPath.h"

#include <gtest/gtest.h>

#include <cstdio>

TEST(DataFile, ThePointTableTakesAThousandTokensInTwoColumns) {
    struct Row {
        const char* text;
        TGridRows rows;
    } rows[] = {
        {"1 2, 3;4\r\n5\r\n", {{"1", "2"}, {"3", "4"}, {"5", ""}}},
        {"1 2, 3;4\r\n", {{"1", "2"}, {"3", "4"}}}, // no empty row after the last full one
        {"x=2*Pi\t(1/3)^2 \xD0\x96-1e-2", {{"x", "2*Pi"}, {"(1/3)^2", "-1e-2"}}},
        {" ,;\n", {{"", ""}}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text);
        EXPECT_EQ(TokensToRows(DataFileTokens(r.text, TableFileTokens), 2), r.rows);
    }
    std::string many;
    for (int i = 0; i < 1200; ++i)
        many += std::to_string(i) + " ";
    EXPECT_EQ(TokensToRows(DataFileTokens(many, TableFileTokens), 2).size(), 500u);
}

TEST(DataFile, WrittenThenReadGivesTheSameTable) {
    const TGridRows table = {{"1", "2"}, {"1/3", "-4.5"}, {"Sqrt(2)", "7"}};
    const std::string name = TestTempPath("vorn1_table.txt");
    ASSERT_TRUE(WriteDataFile(name, table));
    TGridRows read;
    ASSERT_TRUE(ReadDataFile(name, TableFileTokens, 2, read));
    EXPECT_EQ(read, table);
    std::remove(name.c_str());
    EXPECT_FALSE(ReadDataFile(name, TableFileTokens, 2, read));
    EXPECT_EQ(read, table) << "a failed read keeps the rows";
    EXPECT_FALSE(WriteDataFile(TestTempPath("no/such/folder/t.txt"), table));
}

TEST(TableData, OkRefusesTooFewRowsBadCellsEqualXAndASingularDegree) {
    struct Row {
        TTableUse use;
        int degree;
        std::vector<TTableRow> rows;
        TTableRefusal refusal;
        int row, col;
    } rows[] = {
        {TTableUse::Polynomial, 0, {{"1", "2"}}, TTableRefusal::TooFewPairs, -1, -1},
        {TTableUse::Polynomial, 0, {{"1", "2"}, {"3", ""}}, TTableRefusal::BadNumber, 1, 1},
        {TTableUse::Polynomial, 0, {{"1", "2"}, {"1/0", "1"}}, TTableRefusal::BadNumber, 1, 0}, // no value
        {TTableUse::Polynomial, 0, {{"2", "2"}, {"1+1", "1"}}, TTableRefusal::EqualX, -1, -1},
        {TTableUse::BrokenLine, 0, {{"2", "2"}, {"2", "1"}}, TTableRefusal::None, -1, -1},
        {TTableUse::Polynomial,
         2,
         {{"1", "2"}, {"2", "1"}, {"2", "3"}},
         TTableRefusal::DegreeTooHigh,
         -1,
         -1},
        {TTableUse::Polynomial, 1, {{"1", "2"}, {"2", "1"}, {"2", "3"}}, TTableRefusal::None, -1, -1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(::testing::Message() << static_cast<int>(r.refusal) << " degree " << r.degree);
        TTableData data;
        data.Use = r.use;
        data.Degree = r.degree;
        data.Rows = r.rows;
        const TTableCheck check = CheckTableData(data);
        EXPECT_EQ(check.Refusal, r.refusal);
        EXPECT_EQ(check.Row, r.row);
        EXPECT_EQ(check.Col, r.col);
    }
}

TEST(TableData, ScreenPointsKeepTheTextsTheTableHad) {
    TPointList points;
    int row = -1, col = -1;
    EXPECT_FALSE(CopyRowsToPoints({{"1", "2"}, {"3", "1/2"}}, points, row, col));
    EXPECT_EQ(row, 1);
    EXPECT_EQ(col, 1);
    EXPECT_TRUE(points.Empty());
    const std::vector<TTableRow> rows = {{"1", "2"}, {"0.123456789", "-4"}};
    ASSERT_TRUE(CopyRowsToPoints(rows, points, row, col));
    EXPECT_EQ(points.PointCount(), 2);
    EXPECT_EQ(RowsFromPoints(points), rows);
}

TEST(RandomData, UniformNumbersAndTheBrownianWalk) {
    TRandomSource random(7);
    for (int i = 0; i < 500; ++i) {
        const Real u = random.Uniform();
        EXPECT_GE(u, 0);
        EXPECT_LT(u, 1);
    }

    const auto walk = BrownianTrack(300, 2, 4, false, random);
    ASSERT_EQ(walk.size(), 300u);
    Real x = 0, y = 0;
    for (const auto& [nx, ny] : walk) {
        EXPECT_LE(std::hypot(nx - x, ny - y), 1 + 1e-15L) << "a step is at most V/sqrt(R*M)";
        x = nx;
        y = ny;
    }
    for (const auto& [nx, ny] : BrownianTrack(50, 30, 1, true, random)) {
        EXPECT_EQ(nx, std::trunc(nx));
        EXPECT_EQ(ny, std::trunc(ny));
    }

    EXPECT_EQ(CheckRandomInput("1", "1", true).Failed, TRandomBox::BEdit) << "A >= B";
    EXPECT_EQ(CheckRandomInput("1", "1", true).Message, msg::None);
    EXPECT_TRUE(CheckRandomInput("1", "1", false).Ok()) << "the Brownian motion takes V = 1, R*M = 1";
    EXPECT_EQ(CheckRandomInput("1+", "5", false).Failed, TRandomBox::AEdit);
    EXPECT_EQ(CheckRandomInput("1+", "5", false).Message, msg::FuInputExpressionError);
}
