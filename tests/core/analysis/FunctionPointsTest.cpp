#include "core/analysis/FunctionPoints.h"
#include "core/formula/TFunc.h"
#include "support/LongDoubleNear.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {
constexpr Real Pi = 3.141592653589793238462643383279502884L;

// The graph's scan of (-5; 5) on an 800-pixel surface.
constexpr Real A = -5, B = 5, Step = (B - A) / 800;

TRealFunction Of(const TFunc& f) {
    return [&f](Real x) { return f.Calc(x); };
}

void ExpectPoints(const std::vector<Real>& found, const std::vector<Real>& expected, Real tolerance) {
    ASSERT_EQ(found.size(), expected.size()) << "found " << ::testing::PrintToString(found);
    for (std::size_t i = 0; i < found.size(); ++i)
        EXPECT_LD_NEAR(found[i], expected[i], tolerance);
}
} // namespace

TEST(FindRoots, EveryRootOnTheVisibleInterval) {
    const Real s2 = std::sqrt(Real(2));
    const struct {
        const char* formula;
        std::vector<Real> roots;
    } rows[] = {
        {"SIN(X)", {-Pi, 0, Pi}},
        {"X*X-2", {-s2, s2}},
        {"X*X", {0}},             // touches the axis: no change of sign
        {"COS(X)+1", {-Pi, Pi}},  // touching roots away from the grid
        {"TG(X)", {-Pi, 0, Pi}},  // the poles at odd multiples of pi/2 change sign but are no roots
        {"1/X", {}},              // a pole alone
        {"INT(X)-0.5", {}},       // jumps across 0 between whole numbers
        {"SQRT(X)", {0}},         // the end of the stretch without values
        {"SQRT(1-X*X)", {-1, 1}}, // both ends of the stretch with values
        {"LN(X)", {1}},           // -infinity at 0 is no root
        {"1+X*X", {}},
        {"(X-1)*(X-1)*(X-1)", {1}}, // a triple root
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.formula);
        const TFunc f(r.formula);
        ExpectPoints(FindRoots(Of(f), A, B, Step), r.roots, 1e-9L);
    }
}

TEST(FindRoots, RoundRootsAreExactAndEmptyIntervalsGiveNone) {
    const TFunc sine("SIN(X)"), line("2*X-1"), sqrt("SQRT(X)");
    const std::vector<Real> roots = FindRoots(Of(sine), A, B, Step);
    ASSERT_EQ(roots.size(), 3u);
    EXPECT_EQ(roots[1], 0) << "shown as 0, not as a tiny number";
    EXPECT_EQ(FindRoots(Of(line), A, B, Step), std::vector<Real>{0.5L});
    EXPECT_EQ(FindRoots(Of(sqrt), -5.0013L, 5, Step), std::vector<Real>{0});
    EXPECT_TRUE(FindRoots(Of(sine), 1, 1, Step).empty());
    EXPECT_TRUE(FindRoots(Of(sine), A, B, 0).empty());
}

TEST(FindExtrema, PeaksAndValleysButNoPolesOrPlateaus) {
    using K = TExtremumKind;
    const struct {
        const char* formula;
        std::vector<TExtremum> extrema;
    } rows[] = {
        {"SIN(X)",
         {{-3 * Pi / 2, 1, K::Max}, {-Pi / 2, -1, K::Min}, {Pi / 2, 1, K::Max}, {3 * Pi / 2, -1, K::Min}}},
        {"X*X-3", {{0, -3, K::Min}}},
        {"ABS(X-1)", {{1, 0, K::Min}}}, // a corner
        {"X*X*X-3*X", {{-1, 2, K::Max}, {1, -2, K::Min}}},
        {"1/(X*X)", {}}, // the pole's peak
        {"TG(X)", {}},   // rises to each pole and comes back from below
        {"X*X*X", {}},   // an inflection
        {"INT(X)", {}},  // plateaus
        {"-(X-0.123456789)^2", {{0.123456789L, 0, K::Max}}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.formula);
        const TFunc f(r.formula);
        const std::vector<TExtremum> found = FindExtrema(Of(f), A, B, Step);
        ASSERT_EQ(found.size(), r.extrema.size());
        for (std::size_t i = 0; i < found.size(); ++i) {
            EXPECT_LD_NEAR(found[i].X, r.extrema[i].X, 1e-9L);
            EXPECT_LD_NEAR(found[i].Y, r.extrema[i].Y, 1e-15L);
            EXPECT_EQ(found[i].Kind, r.extrema[i].Kind);
        }
    }
}
