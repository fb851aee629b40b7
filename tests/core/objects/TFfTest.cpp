#include "core/objects/TFf.h"
#include "support/LongDoubleNear.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {
// Remembers every argument the walk evaluates y at.
class TSampledFf : public TFf {
public:
    using TFf::TFf;
    Real YOf(Real t) const override {
        Args.push_back(t);
        return TFf::YOf(t);
    }
    mutable std::vector<Real> Args;
};

struct PolarOnSurface : ::testing::Test {
    void SetUp() override {
        image.SetSize(400, 400);
        image.SetCanvas(&canvas);
    }
    TMasshImage image;
    TRecordingCanvas canvas;
};
} // namespace

TEST_F(PolarOnSurface, SqrtCosLeavesTheNegativeCosineAnglesOpen) {
    // Magnified around the origin, where the two loops meet: a segment joining them across the angles
    // without a radius would run from above the x axis to below it.
    image.SetMassh({-0.05L, 0.05L, -0.05L, 0.05L});
    TFf ff("SQRT(COS(F))", "0", "2*PI", clRed);
    ff.Draw(image);
    const int axis = image.YToScr(0);
    int nearOrigin = 0;
    for (const TCanvasCall& l : canvas.CallsOf(CallKind::Line)) {
        const int ya = l.Points[0].y, yb = l.Points[1].y;
        EXPECT_FALSE((ya < axis && yb > axis) || (ya > axis && yb < axis)) << l;
        nearOrigin += std::abs(l.Points[0].x - image.XToScr(0)) < 10;
    }
    EXPECT_GT(nearOrigin, 10); // both loops are drawn close to the origin
}

TEST_F(PolarOnSurface, TheWholeAngleRangeIsWalkedWithTheBaseStep) {
    struct Row {
        Real width;
        Real step;
    } rows[] = {
        {20, 6 * Pi / 100}, // the range fits the window: Quality steps over it
        {10, 10.0L / 100},  // it does not: Quality steps over the window's width
        {2, 2.0L / 100},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(RealText(r.width));
        image.SetMassh({-r.width / 2, r.width / 2, -r.width / 2, r.width / 2});
        TSampledFf ff("F", "0", "6*PI", clRed);
        ff.Draw(image);
        ASSERT_GT(ff.Args.size(), 2u);
        EXPECT_LD_NEAR(ff.Args[1] - ff.Args[0], r.step, 1e-15L);
        EXPECT_LD_NEAR(ff.Args.back(), 6 * Pi, 1e-15L); // not clipped to the visible x range
    }
}
