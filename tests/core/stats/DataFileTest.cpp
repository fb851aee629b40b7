#include "core/stats/DataFile.h"
#include "core/objects/TTableData.h"
#include "core/plot/TPointList.h"
#include "core/stats/RandomData.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

TEST(DataFile, TokensFillTheColumnsRowByRow) {
    struct Row {
        const char* text;
        int columns;
        TDataRows rows;
    } rows[] = {
        {"1 2, 3;4\r\n5\r\n", 2, {{"1", "2"}, {"3", "4"}, {"5", ""}}},
        {"1 2, 3;4\r\n", 2, {{"1", "2"}, {"3", "4"}}}, // no empty row after the last full one
        {"x=2*Pi\t(1/3)^2 \xD0\x96-1e-2", 1, {{"x"}, {"2*Pi"}, {"(1/3)^2"}, {"-1e-2"}}},
        {" ,;\n", 2, {}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text);
        std::istringstream in(r.text);
        EXPECT_EQ(RowsOfTokens(ReadDataTokens(in, TableFileTokenLimit), r.columns), r.rows);
    }
    std::istringstream many("1 2 3 4 5");
    EXPECT_EQ(ReadDataTokens(many, 3), (std::vector<std::string>{"1", "2", "3"}));
}

TEST(DataFile, WrittenThenReadGivesTheSameTable) {
    const TDataRows table = {{"1", "2"}, {"1/3", "-4.5"}, {"Sqrt(2)", "7"}};
    EXPECT_EQ(DataFileText({{"1", "2"}, {"3", ""}}), "1 2 \r\n3  \r\n");
    const std::string name = ::testing::TempDir() + "vorn1_table.txt";
    ASSERT_TRUE(WriteDataFile(name, table));
    TDataRows read;
    ASSERT_TRUE(ReadDataFile(name, 2, TableFileTokenLimit, read));
    EXPECT_EQ(read, table);
    std::remove(name.c_str());
    EXPECT_FALSE(ReadDataFile(name, 2, TableFileTokenLimit, read));
    EXPECT_EQ(read, table) << "a failed read keeps the rows";
    EXPECT_FALSE(WriteDataFile(::testing::TempDir() + "no/such/folder/t.txt", table));
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

TEST(RandomData, UniformValuesAndTheBrownianWalk) {
    TRandomSource random(7);
    for (const Real v : UniformValues(500, -1, 1, false, random)) {
        EXPECT_GE(v, -1);
        EXPECT_LT(v, 1);
    }
    for (const Real v : UniformValues(200, -3, 3, true, random))
        EXPECT_EQ(v, std::trunc(v));

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
