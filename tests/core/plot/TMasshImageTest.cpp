#include "core/plot/TMasshImage.h"
#include "core/plot/BasicStep.h"
#include "core/plot/TGlobColors.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <vector>

namespace {
constexpr Real Pi = 3.141592653589793238462643383279502884L;

::testing::AssertionResult RealNear(Real actual, Real expected, Real tolerance) {
    if (std::fabs(actual - expected) <= tolerance) return ::testing::AssertionSuccess();
    std::ostringstream s;
    s.precision(21);
    s << actual << " is not within " << tolerance << " of " << expected;
    return ::testing::AssertionFailure() << s.str();
}

struct Surface : ::testing::Test {
    void SetUp() override {
        ApplyGraphWindowDefaults(image);
        image.SetSize(400, 400);
    }
    TMasshImage image;
};
} // namespace

TEST_F(Surface, InitialWindowSpansTheBitmap) {
    image.SetSize(400, 300);
    image.SetMassh(InitialMassh);
    EXPECT_TRUE(RealNear(image.XBasic(), 1, 1e-15L));
    EXPECT_TRUE(RealNear(image.YBasic(), 1, 1e-15L));
    EXPECT_EQ(image.XToScr(-5), 0);
    EXPECT_EQ(image.XToScr(5), 400);
    EXPECT_EQ(image.YToScr(5), 0);
    EXPECT_EQ(image.YToScr(-5), 300);
    EXPECT_EQ(image.ScrToX(200), 0);
    EXPECT_EQ(image.ScrToY(300), -5);
}

TEST_F(Surface, FarPointsStopAtTheScreenLimit) {
    // 40 pixels a unit from -5: v = 40 (x + 5).
    struct Row {
        Real world;
        int v;
    } rows[] = {
        {1e6L, 30000},
        {-1e6L, -30000},
        {UndefinedValue, 30000},
        {std::numeric_limits<Real>::infinity(), 30000},
        {-std::numeric_limits<Real>::infinity(), -30000},
        {745, 30000},
        {744.98125L, 29999},
        {-754.98125L, -29999},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(static_cast<double>(r.world));
        EXPECT_EQ(image.XToScr(r.world), r.v);
        EXPECT_EQ(image.YToScr(r.world), 400 - r.v);
    }
}

TEST_F(Surface, HalfPixelsRoundToEven) {
    image.SetMassh({0, 400, 0, 400});
    struct Row {
        Real world;
        int x;
    } rows[] = {{0.5L, 0}, {1.5L, 2}, {2.5L, 2}, {3.5L, 4}, {-0.5L, 0}, {-1.5L, -2}, {2.4L, 2}, {2.6L, 3}};
    for (const Row& r : rows) {
        SCOPED_TRACE(static_cast<double>(r.world));
        EXPECT_EQ(image.XToScr(r.world), r.x);
        EXPECT_EQ(image.YToScr(r.world), 400 - r.x);
    }
}

TEST_F(Surface, PolarAngleByQuadrant) {
    // The initial window on 400 x 400 pixels: 40 pixels a unit, the origin at (200, 200).
    struct Row {
        int px, py;
        Real angle;
    } rows[] = {
        {200, 200, 0},          {300, 200, 0},          {200, 100, Pi / 2},
        {100, 200, Pi},         {200, 300, 3 * Pi / 2}, {300, 100, Pi / 4},
        {100, 100, 3 * Pi / 4}, {100, 300, 5 * Pi / 4}, {300, 300, 7 * Pi / 4},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(::testing::Message() << r.px << "," << r.py);
        EXPECT_TRUE(RealNear(image.ScrToF(r.px, r.py), r.angle, 1e-17L));
    }
    const Real belowXAxis = image.ScrToF(300, 201);
    EXPECT_LT(belowXAxis, 2 * Pi);
    EXPECT_GT(belowXAxis, 2 * Pi - 0.011L);
    EXPECT_TRUE(RealNear(image.ScrToR(300, 100), std::sqrt(12.5L), 1e-17L));
}

TEST_F(Surface, DegenerateWindowsChangeNothing) {
    const TMassh before{-1, 3, -2, 2};
    image.SetMassh({0, 10, 0, 10});
    image.SetMassh(before);
    const Real nan = std::numeric_limits<Real>::quiet_NaN();
    const Real inf = std::numeric_limits<Real>::infinity();
    const TMassh refused[] = {{1, 1, -5, 5},   {2, 1, -5, 5},    {-5, 5, 3, 3},    {-5, 5, 4, -4},
                              {nan, 5, -5, 5}, {-5, 5, -5, nan}, {-inf, 5, -5, 5}, {-5, 5, -5, inf}};
    for (const TMassh& m : refused) {
        SCOPED_TRACE(::testing::Message() << double(m.XMin) << " " << double(m.XMax) << " " << double(m.YMin)
                                          << " " << double(m.YMax));
        image.SetMassh(m);
        EXPECT_EQ(image.Massh(), before);
        EXPECT_EQ(image.OldMassh(), (TMassh{0, 10, 0, 10}));
        EXPECT_TRUE(RealNear(image.XBasic(), 0.1L, 1e-18L));
        EXPECT_TRUE(RealNear(image.YBasic(), 0.1L, 1e-18L));
    }
}

TEST_F(Surface, PreviousScaleTwiceReturnsToTheFirstWindow) {
    const TMassh first{-20, 20, -1, 1};
    const TMassh second{0, 10, 0, 10};
    image.SetMassh(first);
    image.SetMassh(second);
    image.SetMassh(image.OldMassh());
    EXPECT_EQ(image.Massh(), first);
    EXPECT_EQ(image.OldMassh(), second);
    image.SetMassh(image.OldMassh());
    EXPECT_EQ(image.Massh(), second);
    EXPECT_EQ(image.OldMassh(), first);
}

TEST(BasicStep, GivesMoreThanFourAndAtMostFortySteps) {
    struct Row {
        Real range, step;
        const char* why;
    } rows[] = {
        {10, 1, "a power of ten stops at itself"},
        {40, 1, "exactly four tenths of the power takes the smaller step"},
        {41, 10, ""},
        {100, 10, ""},
        {4, 0.1L, ""},
        {5, 1, ""},
        {0.5L, 0.1L, ""},
        {0.39L, 0.01L, ""},
        {1e-5L, 1e-6L, ""},
        {4e10L, 1e9L, ""},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(::testing::Message() << double(r.range) << " " << r.why);
        EXPECT_TRUE(RealNear(BasicStep(r.range), r.step, r.step * 1e-17L));
    }
    const Real step = BasicStep(40);
    EXPECT_EQ(std::nearbyint(40 / step), 40) << "a window (-20; 20) has 40 unit steps";
    EXPECT_TRUE(std::isinf(BasicStep(std::numeric_limits<Real>::infinity())));
}

TEST_F(Surface, CoordAndScaleModePressTheirToolbarButtons) {
    std::vector<std::string> log;
    auto hook = [&log](const char* name) {
        return [&log, name](bool down) { log.push_back(std::string(name) + (down ? "+" : "-")); };
    };
    image.TBDec = hook("Dec");
    image.TBPolar = hook("Polar");
    image.TBMAuto = hook("Auto");
    image.TBMUser = hook("User");
    image.SetCoord(CoordType::ctPolar);
    image.SetCoord(CoordType::ctDec);
    image.SetMasshAuto(false);
    image.SetMasshAuto(true);
    EXPECT_EQ(log, (std::vector<std::string>{"Dec-", "Polar+", "Dec+", "Polar-", "Auto-", "User+", "Auto+",
                                             "User-"}));
    EXPECT_EQ(image.Coord(), CoordType::ctDec);
    EXPECT_TRUE(image.MasshAuto());
}

TEST_F(Surface, RedrawRequestsAreDroppedWhileDrawingIsOff) {
    int raised = 0;
    image.OnMasshUpdate = [&](TMasshImage& sender) {
        EXPECT_EQ(&sender, &image);
        ++raised;
    };
    image.MasshUpdate();
    image.CanDraw = false;
    image.MasshUpdate();
    EXPECT_EQ(raised, 1);
}

TEST(GlobColors, NewObjectsCycleThroughTwelveColours) {
    GlobColors() = TGlobColors();
    const TColor cycle[] = {clMaroon, clGreen, clOlive,  clNavy, clPurple,  clTeal,
                            clRed,    clLime,  clYellow, clBlue, clFuchsia, clAqua};
    for (int round = 0; round < 2; ++round)
        for (TColor expected : cycle) {
            SCOPED_TRACE(::testing::Message() << "round " << round << " colour " << expected);
            EXPECT_EQ(GlobColors().NextColor(), expected);
        }
    GlobColors() = TGlobColors();
}

TEST(GlobColors, ColorIndexFindsThePaletteCell) {
    const TGlobColors palette;
    EXPECT_EQ(palette.ColorIndex(clBlack), 0);
    EXPECT_EQ(palette.ColorIndex(clRed), 9);
    EXPECT_EQ(palette.ColorIndex(clWhite), 15);
    EXPECT_EQ(palette.ColorIndex(RgbColor(1, 2, 3)), NoColorIndex);
}

TEST_F(Surface, EqualScaleHoldsThroughZoomsAndResizesWithoutExtraPreviousSteps) {
    image.SetSize(800, 400);
    image.SetMassh({-2, 2, -2, 2});
    image.SetEqualScale(true);
    EXPECT_EQ(image.Massh(), (TMassh{-4, 4, -2, 2}));
    EXPECT_EQ(image.OldMassh(), (TMassh{-2, 2, -2, 2})) << "switching on is one step back";

    image.SetMassh(InitialMassh);
    EXPECT_EQ(image.Massh(), (TMassh{-10, 10, -5, 5}));
    EXPECT_EQ(image.XToScr(1) - image.XToScr(0), image.YToScr(0) - image.YToScr(1)) << "a unit as long";

    image.SetSize(400, 800); // the window asked for is widened anew, not the widened one again
    EXPECT_EQ(image.Massh(), (TMassh{-5, 5, -10, 10}));
    EXPECT_EQ(image.OldMassh(), (TMassh{-4, 4, -2, 2}));
    EXPECT_TRUE(RealNear(image.YBasic(), 1, 1e-15L)) << "the steps follow the new window";

    image.SetMassh(image.OldMassh()); // "Попередній масштаб"
    EXPECT_EQ(image.Massh(), (TMassh{-4, 4, -8, 8}));

    image.SetEqualScale(false);
    image.SetSize(800, 400);
    EXPECT_EQ(image.Massh(), (TMassh{-4, 4, -8, 8})) << "off: the window stays as it was";
    image.SetMassh({-1, 1, -3, 3});
    EXPECT_EQ(image.Massh(), (TMassh{-1, 1, -3, 3}));
}
