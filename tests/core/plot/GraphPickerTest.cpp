#include "core/plot/GraphPicker.h"
#include "core/base/NumberText.h"
#include "core/plot/GraphLabels.h"
#include "core/plot/TMasshImage.h"
#include "core/plot/TPointList.h"
#include "core/stats/TGList.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

namespace {
// 400 x 400 pixels over (-5; 5)-(-5; 5): 40 pixels a unit. Label texts are 6 pixels a character, 10 high.
struct PickingOnSurface : ::testing::Test {
    void SetUp() override {
        ApplyGraphWindowDefaults(image);
        image.SetSize(400, 400);
        image.SetCanvas(&canvas);
        points.Add(0, 0, 0);                  // row 1 at (200, 200)
        points.Add(1, 1, 0);                  // row 2 at (240, 160)
        labels.AddLabel(-1, 1, "abc", false); // box (160, 160) - (178, 170)
        labels.AddLabel(1, 1, "over", true);  // at row 2's pixel: the point wins
    }
    THit At(TPoint p, bool labelsShown = true) { return HitAt(image, points, labels, labelsShown, p); }

    TMasshImage image;
    TRecordingCanvas canvas;
    TPointList points;
    TGList labels;
};
} // namespace

TEST_F(PickingOnSurface, PointsWithinThreePixelsThenShownLabelsUnderTheMouse) {
    struct Row {
        const char* what;
        TPoint p;
        bool labelsShown;
        int point, label;
    } rows[] = {
        {"on point 1", {200, 200}, true, 1, -1},
        {"3 pixels off on both axes", {203, 197}, true, 1, -1},
        {"4 pixels off", {204, 200}, true, 0, -1},
        {"a point before the label over it", {241, 161}, true, 2, -1},
        {"label's top-left corner", {160, 160}, true, LabelHit, 0},
        {"inside the label's text", {177, 169}, true, LabelHit, 0},
        {"just right of the text", {178, 165}, true, 0, -1},
        {"just below the text", {165, 170}, true, 0, -1},
        {"labels hidden", {165, 165}, false, 0, -1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        const THit hit = At(r.p, r.labelsShown);
        EXPECT_EQ(hit.Point, r.point);
        EXPECT_EQ(hit.Label, r.label);
    }
    EXPECT_EQ(At({201, 199}).Box, (TPixelRect{196, 196, 204, 204}))
        << "framed around the point, not the mouse";
    EXPECT_EQ(At({170, 165}).Box, (TPixelRect{160, 160, 178, 170}));
}

TEST_F(PickingOnSurface, PointScanSkipsUnreadableRowsAndStopsAtAnEmptyNumber) {
    points.SetCell(TPointList::XCol, 1, "x?");
    EXPECT_EQ(At({200, 200}, false).Point, 0) << "an unreadable row is no point";
    EXPECT_EQ(At({240, 160}, false).Point, 2) << "rows after it still count";
    points.SetCell(TPointList::NumberCol, 1, "");
    EXPECT_EQ(At({240, 160}, false).Point, 0) << "the scan ends at the first row without a number";
}

TEST_F(PickingOnSurface, DraggedPointFollowsWithEveryDigitAndDropsInTheShownFormat) {
    TGraphPicker picker;
    picker.Hover(image, points, labels, true, {201, 201});
    ASSERT_TRUE(picker.Dragging());
    picker.Hover(image, points, labels, true, {202, 201});
    EXPECT_EQ(canvas.Calls(), (std::vector<TCanvasCall>{TCanvasCall::MakeFocusRect(196, 196, 204, 204)}))
        << "picked once, framed once";

    canvas.Clear();
    picker.DragTo(image, points, labels, {213, 187});
    const std::vector<TCanvasCall> focus = canvas.CallsOf(CallKind::FocusRect);
    EXPECT_EQ(focus, (std::vector<TCanvasCall>{TCanvasCall::MakeFocusRect(196, 196, 204, 204),
                                               TCanvasCall::MakeFocusRect(209, 183, 217, 191)}));
    EXPECT_EQ(points.Cell(TPointList::XCol, 1), PlainNumberText(image.ScrToX(213)));
    EXPECT_EQ(canvas.CountOf(CallKind::TextOut), 0) << "markers move without their numbers";

    canvas.Clear();
    EXPECT_TRUE(picker.Drop(image, points, labels, {215, 190}, true));
    EXPECT_FALSE(picker.Dragging());
    EXPECT_EQ(canvas.Calls(), (std::vector<TCanvasCall>{TCanvasCall::MakeFocusRect(209, 183, 217, 191)}));
    EXPECT_EQ(points.Cell(TPointList::XCol, 1), FloatStr(image.ScrToX(215)));
    EXPECT_EQ(points.Cell(TPointList::YCol, 1), FloatStr(image.ScrToY(190)));
}

TEST_F(PickingOnSurface, LabelMovesOnlyWithTheLeftButtonAndKeepsItsPlace) {
    TGraphPicker picker;
    picker.Hover(image, points, labels, true, {165, 165});
    ASSERT_EQ(picker.Hit().Label, 0);
    picker.DragTo(image, points, labels, {300, 100});
    EXPECT_EQ(canvas.CallsOf(CallKind::FocusRect).back(), TCanvasCall::MakeFocusRect(300, 100, 318, 110));
    EXPECT_FALSE(picker.Drop(image, points, labels, {300, 100}, false));
    EXPECT_EQ(labels.X(0), -1) << "the right button leaves it";

    picker.Hover(image, points, labels, true, {165, 165});
    picker.Drop(image, points, labels, {300, 100}, true);
    ASSERT_EQ(labels.Count(), 2);
    EXPECT_EQ(labels.X(0), image.ScrToX(300));
    EXPECT_EQ(labels.Y(0), image.ScrToY(100));
    EXPECT_EQ(labels.Text(0), "abc");
    EXPECT_FALSE(labels.PointFlag(0));
    EXPECT_EQ(labels.Text(1), "over");
    EXPECT_TRUE(labels.PointFlag(1));

    // Off everything the pick is let go and its frame erased: the frames cancel out.
    canvas.Clear();
    picker.Hover(image, points, labels, true, {300, 100});
    picker.Hover(image, points, labels, true, {100, 300});
    EXPECT_FALSE(picker.Dragging());
    const std::vector<TCanvasCall> focus = canvas.CallsOf(CallKind::FocusRect);
    ASSERT_EQ(focus.size(), 2u);
    EXPECT_EQ(focus[0], focus[1]);
}
