#include "core/objects/TFl.h"
#include "core/base/IniFile.h"
#include "core/base/MessageTable.h"
#include "core/objects/ObjectFactory.h"
#include "support/LongDoubleNear.h"
#include "support/ObjectRecord.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

namespace {
TFl Line(std::initializer_list<TTableRow> rows, bool closed) {
    TFl line(clBlue);
    TTableData data = line.TableData();
    data.Rows = rows;
    data.Locked = closed;
    line.TakeTableData(data);
    line.CalcBounds(TMasshImage());
    return line;
}

TFl UnitSquare() {
    return Line({{"0", "0"}, {"1", "0"}, {"1", "1"}, {"0", "1"}}, true);
}
} // namespace

TEST(TFl, KeepsTheEnteredOrderAndNamesItsVertexCount) {
    ResetBuiltInTexts();
    const TFl line = Line({{"3", "0"}, {"1", "2"}, {"2", "-1"}, {"1", "2"}, {"0", "0"}}, false);
    EXPECT_EQ(line.Caption(), "Ламана, 5 тт.");
    EXPECT_EQ(line.FormulaLine(), line.Caption());
    EXPECT_EQ(line.XYList.XText(0), "3");
    EXPECT_EQ(line.RangeA.FormulaText(), "0");
    EXPECT_EQ(line.RangeB.FormulaText(), "3");
    EXPECT_EQ(line.MinY, -1);
    EXPECT_EQ(line.MaxY, 2);
    EXPECT_FALSE(line.IsIntegrable());
}

TEST(TFl, DrawsATriangleWhenClosedAndTwoSegmentsWhenOpen) {
    TMasshImage image;
    TRecordingCanvas canvas;
    image.SetSize(100, 100);
    image.SetMassh({-5, 5, -5, 5});
    image.SetCanvas(&canvas);
    for (const bool closed : {true, false}) {
        SCOPED_TRACE(closed ? "closed" : "open");
        canvas.Clear();
        TFl line = Line({{"0", "0"}, {"1", "0"}, {"0", "1"}}, closed);
        line.WLine = 2;
        line.LineT = 1;
        line.Draw(image);
        std::vector<TPoint> points{{50, 50}, {60, 50}, {50, 40}};
        if (closed) points.push_back({50, 50});
        EXPECT_EQ(canvas.Calls(), (std::vector<TCanvasCall>{TCanvasCall::MakePolyline(
                                      points, {clBlue, 2, PenStyle::Dash, PenMode::Copy})}));
    }
}

TEST(TFl, UnitSquareMeasures) {
    TMasshImage image;
    TFl square = UnitSquare();
    EXPECT_LD_NEAR(square.EnclosedArea(image), 1, 1e-18L);
    EXPECT_LD_NEAR(square.RevolutionVolume(RevolveVolumeOx), Pi, 1e-17L);
    EXPECT_LD_NEAR(square.RevolutionSurface(RevolveSurfaceOx), 4 * Pi, 1e-17L);
    EXPECT_LD_NEAR(square.RevolutionVolume(RevolveVolumeOy), Pi, 1e-17L);
    EXPECT_LD_NEAR(square.PathLength(1, 1), 4, 1e-18L) << "the whole perimeter";
    EXPECT_LD_NEAR(square.PathLength(3, 2), 3, 1e-18L) << "3 -> 4 -> 1 -> 2";
    EXPECT_LD_NEAR(square.PathLength(2, 4), 2, 1e-18L);
    square.Locked = false;
    EXPECT_EQ(square.PathLength(2, 2), 0);
    EXPECT_LD_NEAR(square.RevolutionVolume(RevolveVolumeOx), Pi, 1e-17L)
        << "an open line leaves the closing segment out, here on the axis";
}

TEST(TFl, CrossesAnAxisOnlyWithVerticesStrictlyOnBothSides) {
    struct Row {
        const char *y1, *y2;
        bool crossesOx;
    } rows[] = {{"-1", "2", true}, {"0", "2", false}, {"0", "-2", false}};
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.y1) + " " + r.y2);
        const TFl line = Line({{"1", r.y1}, {"2", r.y2}}, false);
        EXPECT_EQ(line.CrossesAxis(RevolveVolumeOx), r.crossesOx);
        EXPECT_EQ(line.CrossesAxis(RevolveSurfaceOx), r.crossesOx);
        EXPECT_FALSE(line.CrossesAxis(RevolveVolumeOy)) << "x is on one side";
    }
}

TEST(TFl, HatchingTheAreaStrokesEveryFourthColumnInXor) {
    TMasshImage image;
    TRecordingCanvas canvas;
    image.SetSize(100, 100);
    image.SetMassh({-5, 5, -5, 5});
    image.SetCanvas(&canvas);
    TFl square = UnitSquare(); // pixels 50..60 across, rows 50 (axis) and 40
    square.EnclosedArea(image);
    EXPECT_TRUE(canvas.Calls().empty()) << "a line not on the graph is not hatched";
    square.Drawn = true;
    square.EnclosedArea(image);
    const TPen xorPen{image.grAddColor, 1, PenStyle::Solid, PenMode::Xor};
    std::vector<TCanvasCall> expected;
    for (int col : {52, 56}) // the bottom edge on the axis
        expected.push_back(TCanvasCall::MakeLine(col, 51, col, 50, xorPen));
    for (int col : {52, 56}) // the top edge
        expected.push_back(TCanvasCall::MakeLine(col, 41, col, 50, xorPen));
    EXPECT_EQ(canvas.Calls(), expected);
    EXPECT_EQ(canvas.Pen().Mode, PenMode::Copy);
}

TEST(TFl, SaveThenReadGivesTheSameLine) {
    TFl line = Line({{"0", "0"}, {"p1", "2*PI"}}, false);
    line.LineT = 3;
    IniFile ini;
    line.Save(ini, "Obj1");
    EXPECT_EQ(ini.ReadString("Obj1", "ObjType", ""), "Lom");
    EXPECT_EQ(ini.ReadString("Obj1", "Locked", ""), "0");
    EXPECT_EQ(ini.ReadString("Obj1", "LineT", ""), "3");
    std::unique_ptr<TFn> read = ReadObject(ini, "Obj1");
    ASSERT_TRUE(read);
    ASSERT_EQ(read->Kind(), ObjKind::BrokenLine);
    read->CalcBounds(TMasshImage());
    EXPECT_EQ(RecordText(*read), ini.ToText());
    EXPECT_EQ(static_cast<const TFl&>(*read).ArgName, "B");
}
