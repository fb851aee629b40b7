#include "core/objects/NumericOps.h"
#include "core/objects/TFn.h"
#include "support/LongDoubleNear.h"

#include <cmath>

TEST(Integrate, SineOverHalfATurnStopsAtTheFirstPassThatChangesBelowTheTolerance) {
    const TFn fn("SIN(X)", "0", "PI", clRed);
    const Real result = Integrate(fn, IntegrateFunction, 0, Pi);
    EXPECT_LD_NEAR(result, 2, 1e-8L);
    int n = 20;
    Real previous = SimpsonSum(fn, IntegrateFunction, 0, Pi, n);
    for (;;) {
        n *= 2;
        const Real next = SimpsonSum(fn, IntegrateFunction, 0, Pi, n);
        if (std::fabs(previous - next) < 1e-8L) {
            EXPECT_TRUE(SameBits(result, next)) << n;
            break;
        }
        previous = next;
    }
}

TEST(Integrate, Modes) {
    struct Row {
        const char* formula;
        int mode;
        Real a, b, expected, tolerance;
        const char* why;
    } rows[] = {
        {"X", IntegrateSquare, 0, 1, 1.0L / 3, 1e-12L, "the square: volume about Ox over pi"},
        {"-X", IntegrateOyVolume, 1, 2, -7.0L / 3, 1e-9L, "x^2 y' keeps the sign of a decreasing function"},
        {"SQRT(X)", IntegrateFunction, -1, 1, 2.0L / 3, 1e-3L, "undefined points count 0"},
        {"X", 4, 0, 1, 0, 0, "an unknown mode integrates 0"},
        {"10^60", IntegrateSquare, 0, 1, UndefinedValue, 0, "a square beyond the undefined limit"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.why);
        EXPECT_LD_NEAR(Integrate(TFn(r.formula, "-5", "5", clRed), r.mode, r.a, r.b), r.expected,
                       r.tolerance);
    }
}

TEST(Derivative, SymmetricWhereBothNeighboursAreDefinedOneSidedAtAnEdge) {
    struct Row {
        const char* formula;
        Real x, expected;
    } rows[] = {
        {"X^2", 1, 2},
        {"SQRT(X)", 0, std::sqrt(0.001L) / 0.001L}, // the left neighbour is undefined
        {"SQRT(-X)", 0, -std::sqrt(0.001L) / 0.001L},
        {"SQRT(-X*X)", 0, 0}, // defined only at 0
        {"SQRT(X)", -1, UndefinedValue},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.formula);
        EXPECT_LD_NEAR(Derivative(TFunc(r.formula), r.x), r.expected, 1e-12L);
    }
}

TEST(ArcLengthAndSurface, ClipToTheObjectsIntervalAndUseTheRadiusAtTheRightEndOfEachChord) {
    const TFn line("X", "0", "1", clRed);
    EXPECT_LD_NEAR(ArcLength(line, -5, 5), std::sqrt(2.0L), 1e-15L);
    EXPECT_EQ(ArcLength(line, 2, 3), 0);
    EXPECT_EQ(ArcLength(TFn("X", "1", "1", clRed), 0, 5), 0);
    // Chords with an undefined end (x < 0 here) are dropped, the rest still count.
    EXPECT_LD_NEAR(ChordSum(TFn("SQRT(X)*0+X", "-1", "1", clRed), -1, 1, 4), std::sqrt(2.0L), 1e-15L);

    EXPECT_LD_NEAR(SurfaceArea(TFn("1", "0", "1", clRed), SurfaceAboutOx, 0, 1), 2 * Pi, 1e-15L);
    // Each pass of n chords gives pi sqrt2 (n+1)/n, never settling: the last pass, 1280, is the result.
    const Real expected = Pi * std::sqrt(2.0L) * 1281 / 1280;
    EXPECT_LD_NEAR(SurfaceArea(line, SurfaceAboutOx, 0, 1), expected, 1e-15L);
    EXPECT_LD_NEAR(SurfaceArea(line, 3, -1, 1), expected, 1e-15L); // about Oy: |x| of the right end
    EXPECT_EQ(SurfaceArea(line, SurfaceAboutOx, 3, 4), 0);
}

TEST(MinMaxOn, SkipsUndefinedValues) {
    struct Row {
        const char* formula;
        Real a, b, min, max;
    } rows[] = {{"SIN(X)", 0, 2 * Pi, -1, 1}, {"SQRT(X)", -1, 1, 0, 1}, {"SQRT(-1-X*X)", -1, 1, 0, 0}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.formula);
        const TMinMax m = MinMaxOn(TFunc(r.formula), r.a, r.b);
        EXPECT_LD_NEAR(m.Min, r.min, 1e-15L);
        EXPECT_LD_NEAR(m.Max, r.max, 1e-15L);
    }
}
