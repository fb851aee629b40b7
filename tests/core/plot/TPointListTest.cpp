#include "core/plot/TPointList.h"

#include "support/LongDoubleNear.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
// The point rows as "number:X:Y", the always-empty last row left out but checked to be empty.
std::vector<std::string> Rows(const TPointList& list) {
    std::vector<std::string> rows;
    for (int r = TPointList::FirstPointRow; r <= list.RowCount() - 2; ++r)
        rows.push_back(list.Cell(TPointList::NumberCol, r) + ":" + list.Cell(TPointList::XCol, r) + ":" +
                       list.Cell(TPointList::YCol, r));
    const int last = list.RowCount() - 1;
    for (int c = 0; c < TPointList::ColCount; ++c)
        EXPECT_EQ(list.Cell(c, last), "") << "last row, column " << c;
    return rows;
}

TPointList WithPoints(int n) {
    TPointList list;
    for (int i = 1; i <= n; ++i)
        list.Add(i, 10 * i, 0);
    return list;
}

using RowTexts = std::vector<std::string>;
} // namespace

TEST(TPointList, StartsAsHeaderAndOneEmptyRow) {
    const TPointList list;
    EXPECT_EQ(list.RowCount(), 2);
    EXPECT_TRUE(list.Empty());
    EXPECT_EQ(list.PointCount(), 0);
    EXPECT_EQ(list.Cell(TPointList::XCol, 0), "X");
    EXPECT_EQ(list.Cell(TPointList::YCol, 0), "Y");
    EXPECT_EQ(Rows(list), RowTexts{});
}

TEST(TPointList, AddFillsTheLastRowWithShownNumbersAndKeepsAnEmptyRow) {
    TPointList list;
    list.Add(0.123456L, -2, 0);
    list.Add(12345, 1e-5L, 0);
    EXPECT_FALSE(list.Empty());
    EXPECT_EQ(list.RowCount(), 4);
    EXPECT_EQ(Rows(list), (RowTexts{"1:0.1235:-2", "2:1.235E04:1E-05"}));
}

TEST(TPointList, MaxPointsDropsTheOldestPoints) {
    struct Row {
        const char* what;
        int before, maxPoints;
        RowTexts after;
    } rows[] = {
        {"room left", 1, 2, {"1:1:10", "2:7:70"}},
        {"full: the first goes", 2, 2, {"1:2:20", "2:7:70"}},
        {"one point at a time", 1, 1, {"1:7:70"}},
        {"limit lowered below the count", 3, 1, {"1:7:70"}},
        {"no limit", 3, 0, {"1:1:10", "2:2:20", "3:3:30", "4:7:70"}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        TPointList list = WithPoints(r.before);
        list.Add(7, 70, r.maxPoints);
        EXPECT_EQ(Rows(list), r.after);
    }
}

TEST(TPointList, InsertPutsThePointIntoTheCurrentRowAndRenumbers) {
    struct Row {
        int current;
        RowTexts after;
    } rows[] = {
        {1, {"1:7:70", "2:1:10", "3:2:20"}},
        {2, {"1:1:10", "2:7:70", "3:2:20"}},
        {3, {"1:1:10", "2:2:20", "3:7:70"}}, // the empty row: as if added
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.current);
        TPointList list = WithPoints(2);
        list.SetRow(r.current);
        list.Insert(7, 70);
        EXPECT_EQ(Rows(list), r.after);
        EXPECT_EQ(list.Row(), r.current);
    }
}

TEST(TPointList, DeleteRemovesTheCurrentPointAndKeepsTheRowOnAPoint) {
    struct Row {
        const char* what;
        int points, current;
        bool deleteKey;
        bool deleted;
        RowTexts after;
        int rowAfter;
    } rows[] = {
        {"middle point", 3, 2, false, true, {"1:1:10", "2:3:30"}, 2},
        {"last point: the row moves up", 3, 3, false, true, {"1:1:10", "2:2:20"}, 2},
        {"single point: the command keeps it", 1, 1, false, false, {"1:1:10"}, 1},
        {"single point: the key empties the list", 1, 1, true, true, {}, 1},
        {"empty row current: nothing", 2, 3, true, false, {"1:1:10", "2:2:20"}, 3},
        {"key with several points", 2, 1, true, true, {"1:2:20"}, 1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        TPointList list = WithPoints(r.points);
        list.SetRow(r.current);
        EXPECT_EQ(r.deleteKey ? list.DeleteCurrentOrLast() : list.DeleteCurrent(), r.deleted);
        EXPECT_EQ(Rows(list), r.after);
        EXPECT_EQ(list.Row(), r.rowAfter);
    }
}

TEST(TPointList, SingleDeletedPointLeavesAListThatRecordsFromRowOne) {
    TPointList list = WithPoints(1);
    list.DeleteCurrentOrLast();
    EXPECT_TRUE(list.Empty());
    EXPECT_EQ(list.RowCount(), 2);
    list.Add(5, 50, 0);
    EXPECT_EQ(Rows(list), RowTexts{"1:5:50"});
}

TEST(TPointList, ReadPointNeedsBothCellsToBeNumbers) {
    TPointList list = WithPoints(1);
    Real x = -1, y = -1;
    ASSERT_TRUE(list.ReadPoint(1, x, y));
    EXPECT_LD_NEAR(x, 1, 0);
    EXPECT_LD_NEAR(y, 10, 0);
    list.SetCell(TPointList::YCol, 1, "1,5");
    x = y = -1;
    EXPECT_FALSE(list.ReadPoint(1, x, y));
    EXPECT_LD_NEAR(x, -1, 0);
    EXPECT_FALSE(list.ReadPoint(2, x, y)); // the empty row
}

TEST(TPointList, DraggedPointKeepsEveryDigitUntilItIsDropped) {
    TPointList list = WithPoints(1);
    list.SetXYPlain(1, 1.0L / 3, 2);
    EXPECT_EQ(list.Cell(TPointList::XCol, 1), "0.333333333333333");
    list.SetXY(1, 1.0L / 3, 2);
    EXPECT_EQ(list.Cell(TPointList::XCol, 1), "0.3333");
    list.SetXY(0, 5, 5); // the header is no point
    EXPECT_EQ(list.Cell(TPointList::XCol, 0), "X");
}

TEST(TPointList, ClearLeavesOneEmptyRow) {
    TPointList list = WithPoints(3);
    list.SetRow(3);
    list.Clear();
    EXPECT_EQ(list.RowCount(), 2);
    EXPECT_TRUE(list.Empty());
    EXPECT_EQ(list.Row(), 1);
    EXPECT_EQ(Rows(list), RowTexts{});
}
