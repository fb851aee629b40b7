#include "core/plot/MouseCross.h"
#include "core/plot/PointMarks.h"
#include "core/plot/TMasshImage.h"
#include "core/plot/TPointList.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
// The graph window's surface, 400 x 400 pixels over (-5; 5)-(-5; 5): 40 pixels a unit, the origin at (200,
// 200).
struct MarksOnSurface : ::testing::Test {
    void SetUp() override {
        ApplyGraphWindowDefaults(image);
        image.SetSize(400, 400);
        image.SetCanvas(&canvas);
        canvas.Pen() = {clRed, 3, PenStyle::Dash, PenMode::Copy};
    }
    TPen XorPen() const { return {image.grMouseColor, 1, PenStyle::Solid, PenMode::Xor}; }

    TMasshImage image;
    TRecordingCanvas canvas;
};

using Calls = std::vector<TCanvasCall>;
} // namespace

TEST_F(MarksOnSurface, CrossCarriesTheLinesOfItsModeAndIsErasedAsItWasDrawn) {
    const TPen x = XorPen();
    const Calls strokes = {TCanvasCall::MakeLine(95, 60, 106, 60, x),
                           TCanvasCall::MakeLine(100, 55, 100, 66, x)};
    struct Row {
        int mode;
        Calls lines;
    } rows[] = {
        {MouseDecCross,
         {TCanvasCall::MakeLine(100, 60, 200, 60, x), TCanvasCall::MakeLine(100, 60, 100, 200, x)}},
        {MousePolarCross, {TCanvasCall::MakeLine(100, 60, 200, 200, x)}},
        {MouseNoCross, {}},
        {MouseLeftButtonHeld, {}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.mode);
        canvas.Clear();
        TMouseCross cross;
        cross.Move(image, {100, 60}, CrossLinesOf(r.mode));
        Calls expected = strokes;
        expected.insert(expected.end(), r.lines.begin(), r.lines.end());
        EXPECT_EQ(canvas.Calls(), expected);
        EXPECT_TRUE(cross.Shown());

        // The window moves under a shown cross: erasing still draws the figure as it was.
        image.SetMassh({0, 10, 0, 10});
        canvas.Clear();
        cross.Erase(image);
        EXPECT_EQ(canvas.Calls(), expected);
        canvas.Clear();
        cross.Erase(image);
        EXPECT_TRUE(canvas.Calls().empty()) << "erased twice";
        image.SetMassh(InitialMassh);
    }
    EXPECT_EQ(canvas.Pen(), (TPen{clRed, 3, PenStyle::Dash, PenMode::Copy})) << "the pen is put back";

    TMouseCross cross;
    cross.Move(image, {10, 10}, CrossLines::None);
    cross.Forget(); // a repaint took it
    canvas.Clear();
    cross.Move(image, {20, 20}, CrossLines::None);
    EXPECT_EQ(canvas.CountOf(CallKind::Line), 2) << "nothing is erased after a repaint";
}

TEST(MouseCross, KeyboardMovesWrapToTheOppositeEdge) {
    struct Row {
        TPoint in, out;
    } rows[] = {
        {{-1, 5}, {300, 5}}, {{301, 5}, {0, 5}}, {{300, 5}, {300, 5}},
        {{5, -1}, {5, 200}}, {{5, 201}, {5, 0}}, {{0, 0}, {0, 0}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(::testing::Message() << r.in);
        EXPECT_EQ(WrapToSurface(r.in, 300, 200), r.out);
    }
}

TEST_F(MarksOnSurface, PointMarkIsAnXorCrossWithItsNumberOnTheBackground) {
    DrawPointMark(image, {100, 60}, true, 12);
    const Calls expected = {
        TCanvasCall::MakeLine(97, 60, 104, 60, XorPen()),
        TCanvasCall::MakeLine(100, 57, 100, 64, XorPen()),
        TCanvasCall::MakeFillRect(106, 57, 106 + 2 * TRecordingCanvas::CharWidth,
                                  57 + TRecordingCanvas::LineHeight, {image.grBackColor, BrushStyle::Solid}),
        TCanvasCall::MakeTextOut(106, 57, "12", image.grAxeFont),
    };
    EXPECT_EQ(canvas.Calls(), expected);
    EXPECT_EQ(canvas.Pen(), (TPen{clRed, 3, PenStyle::Dash, PenMode::Copy}));
}

TEST_F(MarksOnSurface, PointsAreJoinedByRowAndUnreadableRowsSkipped) {
    TPointList points;
    points.Add(0, 0, 0); // (200, 200)
    points.Add(1, 0, 0); // (240, 200)
    points.Add(9, 9, 0);
    points.SetCell(TPointList::YCol, 3, "?"); // typed wrong: no point
    points.Add(1, 1, 0);                      // (240, 160), row 4
    const TPen link{image.grMouseColor, 1, PenStyle::Dot, PenMode::NotXor};
    struct Row {
        int linkPoints;
        Calls links;
    } rows[] = {
        {0, {}},
        {1,
         {TCanvasCall::MakeLine(200, 200, 200, 200, link), TCanvasCall::MakeLine(200, 200, 240, 200, link),
          TCanvasCall::MakeLine(240, 200, 240, 160, link)}},
        {2,
         {TCanvasCall::MakeLine(200, 200, 200, 200, link), TCanvasCall::MakeLine(200, 200, 240, 200, link),
          TCanvasCall::MakeLine(240, 200, 240, 160, link), TCanvasCall::MakeLine(240, 160, 200, 200, link)}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.linkPoints);
        image.LinkPoints = r.linkPoints;
        canvas.Clear();
        DrawPoints(image, points, true);
        Calls links;
        std::vector<std::string> numbers;
        for (const TCanvasCall& c : canvas.Calls()) {
            if (c.Kind == CallKind::Line && c.Pen == link) links.push_back(c);
            if (c.Kind == CallKind::TextOut) numbers.push_back(c.Text);
        }
        EXPECT_EQ(links, r.links);
        EXPECT_EQ(numbers, (std::vector<std::string>{"1", "2", "4"})) << "numbered by row";
    }

    canvas.Clear();
    DrawPoints(image, points, false);
    EXPECT_EQ(canvas.CountOf(CallKind::TextOut), 0);
    canvas.Clear();
    DrawPoints(image, TPointList{}, true);
    EXPECT_TRUE(canvas.Calls().empty());
}
