#include "core/objects/TFp.h"
#include "core/base/IniFile.h"
#include "core/formula/ParamTable.h"
#include "core/objects/CurveWalk.h"
#include "core/objects/TFf.h"
#include "support/LongDoubleNear.h"
#include "support/ParamTableGuard.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {
struct CurveOnSurface : ::testing::Test {
    void SetUp() override {
        image.SetSize(400, 400);
        image.SetCanvas(&canvas);
    }
    TMasshImage image;
    TRecordingCanvas canvas;
};
} // namespace

TEST_F(CurveOnSurface, ParametricAndPolarUnitCircles) {
    TFp parametric("SIN(T)", "COS(T)", "0", "2*PI", clRed);
    TFf polar("1", "0", "2*PI", clRed);
    for (TFn* curve : {static_cast<TFn*>(&parametric), static_cast<TFn*>(&polar)}) {
        SCOPED_TRACE(curve->Caption());
        canvas.Clear();
        curve->Draw(image);
        const auto lines = canvas.CallsOf(CallKind::Line);
        int quadrants[4] = {};
        for (const TCanvasCall& l : lines) {
            const Real x = image.ScrToX(l.Points[0].x), y = image.ScrToY(l.Points[0].y);
            EXPECT_LD_NEAR(std::hypot(x, y), 1, 0.04L) << l; // within a pixel and a half
            ++quadrants[(x < 0) + 2 * (y < 0)];
        }
        for (int q : quadrants)
            EXPECT_GT(q, 20);
    }
    EXPECT_EQ(parametric.Caption(), "X(T)=COS(T), Y(T)=SIN(T)");
}

TEST_F(CurveOnSurface, UndefinedXLeavesAGapWhereYIsDefined) {
    TFp fp("T", "T+0*SQRT(T*T-1)", "-3", "3", clRed); // x has no value for |T| < 1
    fp.Draw(image);
    const auto lines = canvas.CallsOf(CallKind::Line);
    ASSERT_FALSE(lines.empty());
    for (const TCanvasCall& l : lines) {
        const Real y0 = image.ScrToY(l.Points[0].y), y1 = image.ScrToY(l.Points[1].y);
        EXPECT_FALSE(std::fabs(y0) < 0.97L || std::fabs(y1) < 0.97L || (y0 < 0) != (y1 < 0)) << l;
    }
}

TEST_F(CurveOnSurface, AHugeArgumentRangeTakesMaxCurveStepsEvaluations) {
    struct TCounted : TFp {
        using TFp::TFp;
        Real YOf(Real t) const override {
            ++Calls;
            return TFp::YOf(t);
        }
        mutable long long Calls = 0;
    } fp("SIN(T)", "COS(T)", "0", "1E9", clRed);
    fp.Draw(image);
    // Runs of the normal step, about MaxCurveSteps of them in all (the circle has no steep stretch).
    EXPECT_GE(fp.Calls, MaxCurveSteps);
    EXPECT_LE(fp.Calls, MaxCurveSteps + MaxCurveSteps / 50);
    EXPECT_FALSE(canvas.CallsOf(CallKind::Line).empty());
}

TEST_F(CurveOnSurface, AHugeArgumentRangeIsTheCurveAtTheNormalStep) {
    image.SetMassh({-1.25L, 1.25L, -1.25L, 1.25L}); // 160 pixels a unit
    TFp parametric("SIN(T)", "COS(T)", "0", "1000000", clRed);
    TFf polar("1", "0", "1000000", clRed);
    auto offCircle = [](Real px, Real py) { // pixels from the unit circle
        return std::fabs(std::hypot(px / 160 - 1.25L, 1.25L - py / 160) - 1) * 160;
    };
    for (TFn* curve : {static_cast<TFn*>(&parametric), static_cast<TFn*>(&polar)}) {
        SCOPED_TRACE(curve->Caption());
        canvas.Clear();
        curve->Draw(image);
        const auto lines = canvas.CallsOf(CallKind::Line);
        int quadrants[4] = {};
        for (const TCanvasCall& l : lines) {
            const TPoint p = l.Points[0], q = l.Points[1];
            // Both ends and the middle of each chord lie on the circle: no chord cuts across it.
            EXPECT_LE(offCircle(p.x, p.y), 2) << l;
            EXPECT_LE(offCircle((p.x + q.x) / 2.0L, (p.y + q.y) / 2.0L), 2) << l;
            ++quadrants[(p.x < 200) + 2 * (p.y > 200)];
        }
        for (int q : quadrants)
            EXPECT_GT(q, 100);
    }
}

TEST(TFp, ParametersOfEitherFormula) {
    const TParamTableGuard params;
    ParamTable()[2].Value = -3;
    TFp fp("T", "P2*T", "0", "1", clRed);
    EXPECT_EQ(fp.FormulaLine(), "X(T)=(-3)*T, Y(T)=T");
    EXPECT_TRUE(fp.UsesParams());
    fp.MarkParams();
    EXPECT_TRUE(ParamTable()[2].Used);
}

TEST(TFp, ARecordWithoutFuncXHasNoX) {
    IniFile ini;
    ini.LoadFromText("[Obj1]\nObjType=Param\nFunc=T\nA=-1\nB=1\n");
    EXPECT_TRUE(IsUndefined(TFp(ini, "Obj1").XOf(0)));
}

TEST(TFp, EntryDialogHasXInTheFirstRowYInTheSecond) {
    TFp fp("SIN(T)", "COS(T)", "0", "3", clRed);
    fp.Quality.SetFormula("400");
    TFuInputData data = fp.FuInputData();
    EXPECT_EQ(data.FyLabel + data.FyText + data.FxLabel + data.FxText, "X(T)=COS(T)Y(T)=SIN(T)");
    EXPECT_TRUE(data.FxVisible);
    EXPECT_EQ(data.QualityText, "400");
    data.FyText = "T^2";
    data.FxText = "T^3";
    data.QualityText = "600";
    fp.TakeFuInput(data);
    EXPECT_EQ(fp.Caption(), "X(T)=T^2, Y(T)=T^3");
    EXPECT_EQ(fp.Points, 600);
}
