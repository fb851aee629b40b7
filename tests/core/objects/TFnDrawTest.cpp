#include "core/objects/TFn.h"
#include "support/LongDoubleNear.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {
// Remembers every argument the walk evaluates y at.
class TSampledFn : public TFn {
public:
    using TFn::TFn;
    Real YOf(Real t) const override {
        Args.push_back(t);
        return TFn::YOf(t);
    }
    mutable std::vector<Real> Args;
};

struct DrawOnSurface : ::testing::Test {
    void SetUp() override {
        image.SetSize(400, 400);
        image.SetCanvas(&canvas);
    }
    std::vector<TCanvasCall> Lines() const { return canvas.CallsOf(CallKind::Line); }
    TMasshImage image;
    TRecordingCanvas canvas;
};
} // namespace

TEST_F(DrawOnSurface, TangentDrawsItsBranchesWithoutStrokesAcrossTheAsymptotes) {
    canvas.Pen() = {clBlue, 7, PenStyle::Dash, PenMode::Xor};
    TFn fn("TG(X)", "-5", "5", clTeal);
    fn.WLine = 2;
    fn.Draw(image);
    const std::vector<TCanvasCall> lines = Lines();
    const TPen pen{clTeal, 2, PenStyle::Solid, PenMode::Copy};
    // Any stroke joining two branches spans far more than the window's height.
    for (const TCanvasCall& l : lines) {
        EXPECT_LE(std::abs(l.Points[0].y - l.Points[1].y), 0.9 * 400 + 1) << l;
        EXPECT_EQ(l.Pen, pen);
    }
    const Real edges[] = {-5, -3 * Pi / 2, -Pi / 2, Pi / 2, 3 * Pi / 2, 5};
    for (int b = 0; b + 1 < 6; ++b) {
        // The first branch is visible only from the window's left edge on.
        const int lo = image.XToScr(edges[b]) - (b == 0), hi = image.XToScr(edges[b + 1]);
        EXPECT_TRUE(
            std::any_of(lines.begin(), lines.end(),
                        [&](const TCanvasCall& l) { return l.Points[0].x > lo && l.Points[1].x < hi; }))
            << "branch " << b;
    }
}

TEST_F(DrawOnSurface, DomainEdgesAreReachedWithinAHundredthOfAStep) {
    image.SetSize(20000, 400);
    struct Row {
        const char* formula;
        Real edge;
        bool leftEdge; // the domain starts there (else it ends there)
    } rows[] = {
        {"SQRT(X)", 0, true},
        {"SQRT(X-0.05)", 0.05L, true}, // an edge between two steps of the walk
        {"SQRT(0.37-X)", 0.37L, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.formula);
        canvas.Clear();
        TSampledFn fn(r.formula, "-5", "5", clRed);
        fn.Draw(image);
        // The step at the edge itself is walked a thousand times finer than the base step.
        Real nearest = 1;
        for (Real t : fn.Args)
            if (r.leftEdge ? t >= r.edge : t <= r.edge) nearest = std::min(nearest, std::fabs(t - r.edge));
        EXPECT_LE(nearest, 0.0001L + 1e-15L);
        // And the graph is drawn that far: 2000 pixels a unit make a hundredth of the step two pixels.
        int end = r.leftEdge ? 30000 : -30000;
        for (const TCanvasCall& l : Lines())
            for (const TPoint& p : l.Points)
                end = r.leftEdge ? std::min(end, p.x) : std::max(end, p.x);
        const int edge = image.XToScr(r.edge),
                  inside = image.XToScr(r.edge + (r.leftEdge ? 0.001L : -0.001L));
        EXPECT_LE(std::abs(end - inside) + std::abs(end - edge), std::abs(inside - edge));
    }
}

TEST_F(DrawOnSurface, ReciprocalDrawsNoSegmentAcrossZero) {
    // With quality 8 on [-4, 4] the steps of 1 land exactly on 0, where 1/X is undefined.
    for (const char* quality : {"8", "100"}) {
        SCOPED_TRACE(quality);
        canvas.Clear();
        TFn fn("1/X", "-4", "4", clRed);
        fn.Quality.SetFormula(quality);
        fn.Draw(image);
        EXPECT_FALSE(Lines().empty());
        for (const TCanvasCall& l : Lines()) {
            EXPECT_FALSE(std::min(l.Points[0].x, l.Points[1].x) < 200 &&
                         std::max(l.Points[0].x, l.Points[1].x) > 200)
                << l;
            for (const TPoint& p : l.Points)
                EXPECT_LT(std::abs(p.y), 30000 - 400) << l; // an undefined point maps to the screen limit
        }
    }
}

TEST_F(DrawOnSurface, ExplicitFunctionSamplesOnlyTheVisiblePartAndClosesAtItsUpperBound) {
    TSampledFn fn("X/10", "-100", "100", clRed);
    fn.Draw(image);
    ASSERT_GT(fn.Args.size(), 2u);
    // The walk ends at the window's edge, which it meets exactly: no chord runs on to the far bound.
    EXPECT_EQ(fn.Args.back(), 5);
    const std::vector<Real>& walk = fn.Args;
    EXPECT_EQ(walk.front(), -5);
    for (Real t : walk)
        EXPECT_TRUE(t >= -5 && t <= 5) << t;
    EXPECT_GE(walk.size(), 100u);
    EXPECT_LE(walk.size(), 102u);
    EXPECT_LE(Lines().back().Points[1].x, 400);

    // A bound inside the window closes the walk itself.
    canvas.Clear();
    TFn("X", "-10", "2.05", clRed).Draw(image);
    EXPECT_EQ(Lines().back().Points[1], (TPoint{image.XToScr(2.05L), image.YToScr(2.05L)}));
}

TEST_F(DrawOnSurface, SteepStretchesAreSampledTenTimesFiner) {
    struct Row {
        const char* formula;
        Real stepBeforeZero, stepAfterZero;
    } rows[] = {
        {"5*X", 0.02L, 0.02L},            // 0.1 a step: within 10 steps
        {"20*X", 0.002L, 0.002L},         // 0.4 a step: steep throughout
        {"10*(X-ABS(X))", 0.002L, 0.02L}, // flat after 0: back to the base step
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.formula);
        TSampledFn fn(r.formula, "-1", "1", clRed);
        fn.Draw(image);
        const std::vector<Real>& t = fn.Args;
        for (std::size_t i = 2; i + 1 < t.size(); ++i) {
            const Real expected = t[i - 1] < -0.01L  ? r.stepBeforeZero
                                  : t[i - 1] > 0.01L ? r.stepAfterZero
                                                     : 0;
            if (expected > 0) {
                EXPECT_LD_NEAR(t[i] - t[i - 1], expected, 1e-12L) << double(t[i - 1]);
            }
        }
    }
}

TEST_F(DrawOnSurface, AnEmptyRangeDrawsNothingAndLeavesDrawn) {
    for (const char* a : {"1", "2", "1/0"}) { // B is 1: equal, above, undefined
        SCOPED_TRACE(a);
        TFn fn("X", a, "1", clRed);
        fn.Draw(image);
        EXPECT_FALSE(fn.Drawn);
    }
    EXPECT_TRUE(canvas.Calls().empty());
}

// A table's polynomial is y(x) like an explicit function: only its visible stretch is walked. Walked over
// its whole range at steps of the window, points as far apart as X=1E11 took hours.
TEST_F(DrawOnSurface, ATablesPolynomialIsWalkedOnlyAcrossTheWindow) {
    struct TTableFn : TSampledFn {
        using TSampledFn::TSampledFn;
        ObjKind Kind() const override { return ObjKind::Table; }
    };
    for (const bool byPoints : {false, true}) {
        SCOPED_TRACE(byPoints);
        canvas.Clear();
        TTableFn fn("X/2", "-100000000000", "100000000000", clRed);
        fn.ByPoints = byPoints;
        fn.Draw(image);
        EXPECT_TRUE(fn.Drawn);
        ASSERT_FALSE(fn.Args.empty());
        EXPECT_LE(fn.Args.size(), 1000u);
        const auto [lo, hi] = std::minmax_element(fn.Args.begin(), fn.Args.end());
        EXPECT_EQ(*lo, -5);
        EXPECT_EQ(*hi, 5);
        EXPECT_FALSE(canvas.Calls().empty());
    }
}

TEST_F(DrawOnSurface, ByPointsMarksPixelsOrSquaresFromTheFirstStepToTheUpperBound) {
    TFn fn("X", "-1", "1", clTeal);
    fn.Quality.SetFormula("10");
    fn.ByPoints = true;
    fn.Draw(image);
    EXPECT_EQ(canvas.CountOf(CallKind::Line), 0);
    const std::vector<TCanvasCall> pixels = canvas.CallsOf(CallKind::SetPixel);
    ASSERT_GE(pixels.size(), 10u);
    EXPECT_LE(pixels.size(), 11u);
    EXPECT_EQ(pixels.front(),
              TCanvasCall::MakeSetPixel(168, 232, clTeal)); // (-0.8, -0.8): the start is not marked
    EXPECT_EQ(pixels.back(), TCanvasCall::MakeSetPixel(240, 160, clTeal)); // the closing point (1, 1)

    canvas.Clear();
    fn.WLine = 3;
    fn.Draw(image);
    const std::vector<TCanvasCall> squares = canvas.CallsOf(CallKind::Rectangle);
    ASSERT_EQ(squares.size(), pixels.size());
    EXPECT_EQ(squares.front().Points, (std::vector<TPoint>{{168, 232}, {171, 235}}));
    EXPECT_EQ(squares.front().Pen.Width, 3);
}

TEST_F(DrawOnSurface, IntegralAreaHatchesEveryFourthColumnOfTheClippedInterval) {
    image.grAddColor = clSilver;
    image.grAdd2Color = clGray;
    TFn fn("2", "-1", "1", clRed);
    fn.DrawIntegralArea(1, image, 0, 5); // clipped to [0, 1]: columns 202, 206, ..., 238
    const std::vector<TCanvasCall> lines = Lines();
    ASSERT_EQ(lines.size(), 10u);
    const TPen pen{clSilver, 1, PenStyle::Solid, PenMode::Copy};
    EXPECT_EQ(lines.front(), TCanvasCall::MakeLine(202, 120, 202, 200, pen));
    EXPECT_EQ(lines.back(), TCanvasCall::MakeLine(238, 120, 238, 200, pen));

    canvas.Clear();
    fn.DrawIntegralArea(2, image, 0, 1);
    const std::vector<TCanvasCall> arcs = canvas.CallsOf(CallKind::Arc);
    ASSERT_EQ(arcs.size(), 20u);
    // Height 80 pixels each side of the axis, half width 80 / 4.
    TPen add2 = pen;
    add2.Color = clGray;
    EXPECT_EQ(arcs[0], TCanvasCall::MakeArc(182, 120, 222, 280, 90, 180, pen));
    EXPECT_EQ(arcs[1], TCanvasCall::MakeArc(182, 120, 222, 280, 270, 180, add2));
    canvas.Clear();
    fn.DrawIntegralArea(3, image, 0, 1);
    // About the y axis through the column, half height (238 - 200) / 6 about the curve's row: lower half
    // first.
    EXPECT_EQ(canvas.Calls()[18], TCanvasCall::MakeArc(162, 114, 238, 126, 180, 180, pen));

    canvas.Clear();
    fn.DrawIntegralArea(1, image, 2, 3); // beyond the object
    EXPECT_TRUE(canvas.Calls().empty());
}

TEST_F(DrawOnSurface, ArcHighlightIsAThickPolylineOfPointsStepsWithSquaredEnds) {
    image.grAddColor = clSilver;
    TFn fn("X", "-100", "100", clRed);
    fn.Points = 4;
    fn.WLine = 2;
    fn.DrawArcHighlight(image, -10, 10); // limited to the visible -5..5
    const std::vector<TCanvasCall> polylines = canvas.CallsOf(CallKind::Polyline);
    ASSERT_EQ(polylines.size(), 1u);
    EXPECT_EQ(polylines[0].Points,
              (std::vector<TPoint>{{0, 400}, {100, 300}, {200, 200}, {300, 100}, {400, 0}}));
    EXPECT_EQ(polylines[0].Pen, (TPen{clSilver, 4, PenStyle::Solid, PenMode::Copy}));
    EXPECT_EQ(canvas.CountOf(CallKind::Rectangle), 2);
}

TEST_F(DrawOnSurface, LongChordsAreDrawnWhereContinuousAndLeftOpenAtBreaks) {
    constexpr Real None = -100; // no column range
    const Real P = Pi / 2;
    struct Row {
        const char* formula;
        const char* quality;
        Real yHalf;               // the window is (-5; 5) across and (-yHalf; yHalf) up
        std::vector<Real> breaks; // poles, which no line may cross
        Real fullFrom, fullTo;    // between these x the graph runs from the bottom edge to the top one
        bool flat;                // no line rises straight up
        const char* why;
    } rows[] = {
        {"1000*X", "100", 5, {}, -0.01L, 0.01L, false, "crosses the window within a fine step"},
        {"TG(X)", "20", 5, {-P, P}, -P, P, false, "leaves the window steeply between two steps"},
        {"TG(X)", "100", 1000, {-3 * P, -P, P, 3 * P}, P, 3 * P, false, "1256 to -109 is no jump here"},
        {"1/(X-0.055)", "100", 1000, {0.055L}, None, None, false, "-200 to 200 across the pole"},
        {"INT(X)", "100", 5, {}, None, None, true, "the steps have no risers"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.formula) + ": " + r.why);
        canvas.Clear();
        image.SetMassh({-5, 5, -r.yHalf, r.yHalf});
        TFn fn(r.formula, "-5", "5", clRed);
        fn.Quality.SetFormula(r.quality);
        fn.Draw(image);
        const std::vector<TCanvasCall> lines = Lines();
        EXPECT_FALSE(lines.empty());
        bool top = false, bottom = false;
        for (const TCanvasCall& l : lines) {
            const TPoint p = l.Points[0], q = l.Points[1];
            // The branches beside each pole keep to either side of the x axis there: a line from one side to
            // the other joins them.
            for (Real x : r.breaks) {
                const int column = image.XToScr(x), axis = image.YToScr(0);
                const bool nearPole = std::max(p.x, q.x) >= column - 2 && std::min(p.x, q.x) <= column + 2;
                EXPECT_FALSE(nearPole && (p.y - axis) * (q.y - axis) < 0) << l;
            }
            if (r.flat && p.x == q.x) EXPECT_LE(std::abs(p.y - q.y), 1) << "a riser: " << l;
            for (const TPoint& e : l.Points)
                if (e.x >= image.XToScr(r.fullFrom) && e.x <= image.XToScr(r.fullTo)) {
                    top = top || e.y <= 0;
                    bottom = bottom || e.y >= 400;
                }
        }
        if (r.fullFrom != None) {
            EXPECT_TRUE(top && bottom);
        }
    }
}
