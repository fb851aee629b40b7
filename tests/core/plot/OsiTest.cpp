#include "core/plot/Osi.h"
#include "core/plot/TMasshImage.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {
struct OsiOnSurface : ::testing::Test {
    void SetUp() override {
        ApplyGraphWindowDefaults(image);
        image.SetSize(400, 400);
        image.SetCanvas(&canvas);
    }
    std::vector<TCanvasCall> AllBut(CallKind kind) const {
        std::vector<TCanvasCall> result;
        for (const TCanvasCall& c : canvas.Calls())
            if (c.Kind != kind) result.push_back(c);
        return result;
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> result;
        for (const TCanvasCall& c : canvas.CallsOf(CallKind::TextOut))
            result.push_back(c.Text);
        return result;
    }
    TMasshImage image;
    TRecordingCanvas canvas;
};

TPen AxisPen() {
    TPen pen;
    pen.Color = clBlack;
    return pen;
}
} // namespace

TEST_F(OsiOnSurface, InitialWindowDrawsBothAxesWithOneUnitMarkEach) {
    TColor panels = clRed;
    Osi(image, [&](TColor c) { panels = c; });
    EXPECT_EQ(panels, clWhite);
    const TFont& f = image.grAxeFont;
    const std::vector<TCanvasCall> expected = {
        TCanvasCall::MakeFillRect(0, 0, 400, 400, {clWhite, BrushStyle::Solid}),
        TCanvasCall::MakeLine(200, 0, 200, 400, AxisPen()),
        TCanvasCall::MakeLine(240, 200, 240, 204, AxisPen()),
        TCanvasCall::MakeTextOut(242, 206, "1", f),
        TCanvasCall::MakeTextOut(204, TRecordingCanvas::LineHeight, "Y", f),
        TCanvasCall::MakeLine(0, 200, 400, 200, AxisPen()),
        TCanvasCall::MakeLine(200, 160, 204, 160, AxisPen()),
        TCanvasCall::MakeTextOut(206, 158, "1", f),
        TCanvasCall::MakeTextOut(400 - TRecordingCanvas::CharWidth, 204, "X", f),
    };
    EXPECT_EQ(AllBut(CallKind::SetPixel), expected);
}

TEST_F(OsiOnSurface, GridDotsFallOnTheStepsInsideTheWindow) {
    // With the form's exact steps of 1 the dots are at -5..5 on both axes.
    Osi(image);
    const std::vector<TCanvasCall> dots = canvas.CallsOf(CallKind::SetPixel);
    ASSERT_EQ(dots.size(), 11u * 11u);
    EXPECT_EQ(dots.front(), TCanvasCall::MakeSetPixel(0, 400, clBlack));
    EXPECT_EQ(dots.back(), TCanvasCall::MakeSetPixel(400, 0, clBlack));
}

TEST_F(OsiOnSurface, ZeroOnTheEdgeOfTheWindowDrawsNoAxes) {
    image.SetMassh({0, 10, 0, 10});
    Osi(image);
    EXPECT_EQ(canvas.CountOf(CallKind::Line), 0);
    EXPECT_EQ(canvas.CountOf(CallKind::TextOut), 0);
    EXPECT_GT(canvas.CountOf(CallKind::SetPixel), 0);
}

TEST_F(OsiOnSurface, AxisNamesOnlyInCartesianMode) {
    struct Row {
        CoordType coord;
        std::vector<std::string> texts;
    } rows[] = {
        {CoordType::ctDec, {"1", "Y", "1", "X"}},
        {CoordType::ctPolar, {"1", "1"}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.coord == CoordType::ctDec ? "ctDec" : "ctPolar");
        canvas.Clear();
        image.SetCoord(r.coord);
        Osi(image);
        EXPECT_EQ(Texts(), r.texts);
    }
}

TEST_F(OsiOnSurface, PolarGridHasACircleForEachGridColumn) {
    image.SetCoord(CoordType::ctPolar);
    Osi(image);
    // Columns -6..6: thirteen circles, the diagonals thirteen steps long each way.
    TBrush clear{clWhite, BrushStyle::Clear};
    const std::vector<TCanvasCall> circles = canvas.CallsOf(CallKind::Ellipse);
    ASSERT_EQ(circles.size(), 13u);
    EXPECT_EQ(circles.front(), TCanvasCall::MakeEllipse(160, 160, 240, 240, AxisPen(), clear));
    EXPECT_EQ(circles.back(), TCanvasCall::MakeEllipse(-320, -320, 720, 720, AxisPen(), clear));
    const std::vector<TCanvasCall> lines = canvas.CallsOf(CallKind::Line);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[4], TCanvasCall::MakeLine(-320, -320, 720, 720, AxisPen()));
    EXPECT_EQ(lines[5], TCanvasCall::MakeLine(720, -320, -320, 720, AxisPen()));
    EXPECT_EQ(canvas.Brush().Style, BrushStyle::Solid);
}

TEST_F(OsiOnSurface, GridStopsAtFiftyLinesWhenTheStepVanishesInTheBounds) {
    // Two units in the last place of 1e25 wide: the step of 1e5 is lost when added, so only the cap ends it.
    const Real inf = std::numeric_limits<Real>::infinity();
    const Real lo = 1e25L;
    const Real hi = std::nextafter(std::nextafter(lo, inf), inf);
    image.SetMassh({lo, hi, lo, hi});
    ASSERT_EQ(image.XBasic() + lo, lo);
    image.SetCoord(CoordType::ctPolar);
    Osi(image);
    EXPECT_LE(canvas.CountOf(CallKind::SetPixel), 50 * 50);
    EXPECT_EQ(canvas.CountOf(CallKind::Ellipse), 50);
}
