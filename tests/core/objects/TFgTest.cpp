#include "core/objects/TFg.h"
#include "core/base/IniFile.h"
#include "support/LongDoubleNear.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>

namespace {
constexpr Real Pi = 3.141592653589793238462643383279502884L;

struct ImplicitOnSurface : ::testing::Test {
    void SetUp() override {
        image.SetSize(400, 400);
        image.SetCanvas(&canvas);
    }
    // The pixels set, each once.
    std::set<std::pair<int, int>> Pixels() const {
        std::set<std::pair<int, int>> set;
        for (const TCanvasCall& c : canvas.CallsOf(CallKind::SetPixel))
            set.insert({c.Points[0].x, c.Points[0].y});
        return set;
    }
    TMasshImage image;
    TRecordingCanvas canvas;
};
} // namespace

TEST_F(ImplicitOnSurface, CircleOfRadiusTwoAtEveryPrecision) {
    for (int precision = TFg::MinPrecision; precision <= TFg::MaxPrecision; ++precision) {
        SCOPED_TRACE(precision);
        canvas.Clear();
        TFg g("X^2+Y^2-4", "-5", "5", "-5", "5", clRed);
        g.PrecisionGraph = precision;
        g.Draw(image);
        const auto pixels = Pixels();
        ASSERT_FALSE(pixels.empty());
        // The refined cells of a cell cover it without overlapping: no pixel is found twice.
        EXPECT_EQ(canvas.CountOf(CallKind::SetPixel), static_cast<int>(pixels.size()));
        for (const auto& p : pixels) // the cell's top left corner: within about a pixel of the curve
            EXPECT_LD_NEAR(std::hypot(image.ScrToX(p.first), image.ScrToY(p.second)), 2, 0.05L);
        // Every point of the circle has a pixel within two pixels of it.
        for (int deg = 0; deg < 360; ++deg) {
            const Real f = deg * Pi / 180;
            const int x = image.XToScr(2 * std::cos(f)), y = image.YToScr(2 * std::sin(f));
            bool covered = false;
            for (int dx = -2; dx <= 2 && !covered; ++dx)
                for (int dy = -2; dy <= 2 && !covered; ++dy)
                    covered = pixels.count({x + dx, y + dy}) > 0;
            EXPECT_TRUE(covered) << deg << " degrees";
        }
        EXPECT_TRUE(g.Drawn);
    }
}

TEST_F(ImplicitOnSurface, SignChangesThroughPolesAndUndefinedCornersAreNoCurve) {
    const char* formulas[] = {
        "1/X",       // the centre test rejects the pole
        "1/(X*X-1)", // two poles
        "SQRT(X)+1", // no sign change, undefined left of 0
    };
    for (const char* f : formulas)
        for (int precision : {1, 3, 6}) {
            SCOPED_TRACE(std::string(f) + " precision " + std::to_string(precision));
            canvas.Clear();
            TFg g(f, "-5", "5", "-5", "5", clRed);
            g.PrecisionGraph = precision;
            g.Draw(image);
            EXPECT_TRUE(canvas.Calls().empty());
        }
}

TEST_F(ImplicitOnSurface, ZerosOnTheAxesAreDrawn) {
    for (int precision : {1, 6}) {
        SCOPED_TRACE(precision);
        canvas.Clear();
        TFg g("X*Y", "-5", "5", "-5", "5", clRed);
        g.PrecisionGraph = precision;
        g.Draw(image);
        const auto pixels = Pixels();
        const int column = image.XToScr(0), row = image.YToScr(0);
        int onAxes = 0;
        for (const auto& p : pixels) {
            const bool nearAxis = std::abs(p.first - column) <= 1 || std::abs(p.second - row) <= 1;
            EXPECT_TRUE(nearAxis) << p.first << "," << p.second;
            onAxes += nearAxis;
        }
        EXPECT_GE(onAxes, 2 * 390); // both axes across the window
    }
}

TEST_F(ImplicitOnSurface, OnlyTheVisiblePartOfTheRectangleIsScanned) {
    struct Row {
        const char *a, *b, *ya, *yb;
        bool drawn;
        bool pixels;
    } rows[] = {
        {"-1", "1", "-1", "1", true, true},   // inside the window
        {"6", "9", "-1", "1", true, false},   // right of the window: nothing to scan
        {"1", "-1", "-1", "1", false, false}, // no rectangle: not drawn at all
        {"-1", "1", "1", "1", false, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.a) + " " + r.b + " " + r.ya + " " + r.yb);
        canvas.Clear();
        TFg g("X-Y", r.a, r.b, r.ya, r.yb, clRed);
        g.Draw(image);
        EXPECT_EQ(g.Drawn, r.drawn);
        EXPECT_EQ(!Pixels().empty(), r.pixels);
        for (const auto& p : Pixels()) { // the diagonal, and only within the rectangle
            EXPECT_LE(std::fabs(image.ScrToX(p.first)), 1.0L);
            EXPECT_LE(std::fabs(image.ScrToY(p.second)), 1.0L);
        }
    }
}

TEST(TFg, BoundsAreTheRectangleWithoutEvaluating) {
    TFg g("1/0", "-1", "3", "-2", "2", clRed);
    g.CalcBounds(TMasshImage());
    EXPECT_EQ((std::vector<Real>{g.MinX, g.MaxX, g.MinY, g.MaxY}), (std::vector<Real>{-1, 3, -2, 2}));
    g.RangeYA.SetFormula("5"); // inverted: the last extents stay
    g.CalcBounds(TMasshImage());
    EXPECT_EQ(g.MinY, -2);
}

TEST(TFg, PrecisionReadFromADocumentIsKeptWithinRange) {
    const struct {
        const char* value;
        int precision;
    } rows[] = {{"", 6}, {"0", 1}, {"-4", 1}, {"9", 6}, {"2", 2}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.value);
        IniFile ini;
        ini.LoadFromText(std::string("[Obj1]\nObjType=TwoArg\nPrecisionGraph=") + r.value + "\n");
        EXPECT_EQ(TFg(ini, "Obj1").PrecisionGraph, r.precision);
    }
}
