#include "core/analysis/IntegralTool.h"
#include "core/base/MessageTable.h"
#include "core/base/NumberText.h"
#include "core/objects/TFp.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

// The selection of the objects given, as the checked entries fill it, on a 400 x 400 surface showing
// (-5; 5)-(-5; 5) whose redraws are counted.
struct IntegralTool : ::testing::Test {
    void SetUp() override {
        ResetBuiltInTexts();
        SetDigits(4);
        image.SetSize(400, 400);
        image.SetCanvas(&canvas);
        image.CanDraw = true;
        image.OnMasshUpdate = [this](TMasshImage&) {
            ++redraws;
            canvas.Clear();
        };
    }
    TFn& Add(std::unique_ptr<TFn> f) {
        TFn& ref = *f;
        ref.CalcBounds(image);
        ref.Drawn = true;
        objects.push_back(std::move(f));
        selection.Items.push_back(&ref);
        selection.Count(ref);
        return ref;
    }
    TFn& Add(const char* formula, const char* a, const char* b) {
        return Add(std::make_unique<TFn>(formula, a, b, clRed));
    }
    TIntegralOutcome Run(TIntegralMode mode, const char* a, const char* b, const char* n = "1") {
        tool.Mode = mode;
        tool.Calculated = true;
        TIntegralTexts texts{a, b, n};
        return tool.Compute(selection, texts, image);
    }
    // The result lines after the heading, the object lines and the bounds.
    static Lines Tail(const TIntegralOutcome& o, std::size_t count) {
        return Lines(o.Memo.end() - std::min(count, o.Memo.size()), o.Memo.end());
    }

    std::vector<std::unique_ptr<TFn>> objects;
    TFuncs selection;
    TMasshImage image;
    TRecordingCanvas canvas;
    TIntegralTool tool;
    int redraws = 0;
};

} // namespace

TEST_F(IntegralTool, EachModeGivesItsResults) {
    using M = TIntegralMode;
    struct Row {
        M mode;
        const char* formula;
        const char* a;
        const char* b;
        const char* n;
        Lines results;
    } rows[] = {
        {M::Integral, "SIN(X)", "0", "PI", "1", {"I=2"}},
        {M::VolumeOx, "1", "0", "1", "1", {"V=3.142", "S=6.283"}}, // a cylinder: pi r^2 h, 2 pi r h
        // A decreasing function turns a negative volume, pi * -1/3; each belt takes its right end's radius.
        {M::VolumeOy, "-X", "0", "1", "1", {"V=-1.047", "S=4.446"}},
        {M::ArcLength, "X", "0", "1", "1", {"L=1.414"}},
        {M::IntervalMeans, "X*X", "0", "3", "1", {"I=9", "I*=9"}}, // one strip: I* is I
        // [-2, 0] has no value: 0 to both bounds; [0, 2] spans LN(0.02)..LN(2); the pole leaves the 4th digit
        // unsure.
        {M::Darboux,
         "LN(X)",
         "-2",
         "2",
         "2",
         {"I=-0.613", "MinI=-7.824", "MaxI=1.386", Msg(msg::IntegralUnsettled)}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.formula);
        objects.clear();
        selection.Clear();
        Add(r.formula, "-5", "5");
        const TIntegralOutcome o = Run(r.mode, r.a, r.b, r.n);
        ASSERT_EQ(o.Result, TIntegralResult::Computed);
        EXPECT_EQ(Tail(o, r.results.size()), r.results);
    }
}

TEST_F(IntegralTool, EachObjectCountsOnlyInsideItsOwnInterval) {
    Add("1", "0", "1");
    Add("2", "2", "3");
    Add("3", "4", "5");
    const TIntegralTexts pre = PreselectedInterval(selection);
    EXPECT_EQ(pre.A, "0");
    EXPECT_EQ(pre.B, "5");
    // Over [0, 5] each constant would give 5 times itself; each counts over its own unit instead.
    EXPECT_EQ(Tail(Run(TIntegralMode::Integral, "0", "5"), 1), Lines{"I=6"});
    EXPECT_EQ(Tail(Run(TIntegralMode::Integral, "0.5", "4.5"), 1), Lines{"I=4"});
    // Objects the interval misses add nothing (not the integral over a reversed interval).
    EXPECT_EQ(Tail(Run(TIntegralMode::Integral, "0", "0.5"), 1), Lines{"I=0.5"});
    EXPECT_EQ(Tail(Run(TIntegralMode::IntervalMeans, "0", "5", "5"), 2), (Lines{"I=6", "I*=6"}));
}

TEST_F(IntegralTool, CurvesAreMeasuredByTheArcLengthAlone) {
    Add("1", "0", "2");
    Add(std::make_unique<TFp>("T", "0", "0", "1", clBlue)); // the segment from (0, 0) to (0, 1)
    for (TIntegralMode mode : {TIntegralMode::Integral, TIntegralMode::VolumeOx, TIntegralMode::VolumeOy,
                               TIntegralMode::IntervalMeans, TIntegralMode::Darboux}) {
        SCOPED_TRACE(static_cast<int>(mode));
        const TIntegralOutcome o = Run(mode, "0", "2");
        EXPECT_EQ(o.Memo[1], "Y(X)=1");
        EXPECT_EQ(o.Memo[2], "A=0,");
    }
    const TIntegralOutcome o = Run(TIntegralMode::ArcLength, "0", "2");
    EXPECT_EQ(o.Memo,
              (Lines{"Довжина дуги кривої:", "Y(X)=1", objects[1]->FormulaLine(), "A=0,", "B=2,", "L=3"}));
}

TEST_F(IntegralTool, AnIntegralThatDoesNotSettleIsFlaggedAfterTheResult) {
    Add("TG(X)", "-5", "5");
    const TIntegralOutcome divergent = Run(TIntegralMode::Integral, "0", "2");
    ASSERT_GE(divergent.Memo.size(), 2u);
    EXPECT_EQ(divergent.Memo[divergent.Memo.size() - 2].substr(0, 2), "I=");
    EXPECT_EQ(divergent.Memo.back(), Msg(msg::IntegralUnsettled));
    // Slowly converging is not diverging: the root's steep edge still gives the plain lines.
    objects.clear();
    selection.Clear();
    Add("SQRT(X)", "-5", "5");
    EXPECT_EQ(Tail(Run(TIntegralMode::Integral, "-1", "1"), 2), (Lines{"B=1,", "I=0.6667"}));
    EXPECT_EQ(Tail(Run(TIntegralMode::VolumeOx, "-1", "1"), 2), (Lines{"V=1.571", "S=5.345"}));
}

TEST_F(IntegralTool, BadTextsAreRefusedAndEmptyIntervalsClearWithoutAMessage) {
    Add("X", "-5", "5");
    struct Row {
        TIntegralMode mode;
        const char* a;
        const char* b;
        const char* n;
        TIntegralResult result;
        TIntegralBox failed;
        msg::Id message;
        std::size_t passed;
    } rows[] = {
        {TIntegralMode::Integral, "(", "1", "1", TIntegralResult::Refused, TIntegralBox::RngAEdit,
         msg::IntegralExpressionError, 0},
        {TIntegralMode::Integral, "0", "SIN X", "1", TIntegralResult::Refused, TIntegralBox::RngBEdit,
         msg::IntegralExpressionError, 1},
        {TIntegralMode::Integral, "0", "1", "(", TIntegralResult::Computed, TIntegralBox::None, msg::None, 2},
        {TIntegralMode::Darboux, "0", "1", "0.4", TIntegralResult::Refused, TIntegralBox::SubIntEdit,
         msg::IntegralCountError, 3},
        {TIntegralMode::IntervalMeans, "0", "1", "-3", TIntegralResult::Refused, TIntegralBox::SubIntEdit,
         msg::IntegralCountError, 3},
        {TIntegralMode::IntervalMeans, "0", "1", "10^9", TIntegralResult::Refused, TIntegralBox::SubIntEdit,
         msg::IntegralCountError, 3},
        {TIntegralMode::Integral, "1", "1", "1", TIntegralResult::NoInterval, TIntegralBox::None, msg::None,
         2},
        {TIntegralMode::Integral, "0", "1/0", "1", TIntegralResult::NoInterval, TIntegralBox::None, msg::None,
         2},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.a) + " .. " + r.b + " / " + r.n);
        redraws = 0;
        const TIntegralOutcome o = Run(r.mode, r.a, r.b, r.n);
        EXPECT_EQ(o.Result, r.result);
        EXPECT_EQ(o.Check.Failed, r.failed);
        EXPECT_EQ(o.Check.Message, r.message);
        EXPECT_EQ(o.Check.Passed.size(), r.passed);
        EXPECT_EQ(o.Memo.empty(), r.result != TIntegralResult::Computed);
        EXPECT_EQ(redraws, r.result == TIntegralResult::Refused ? 0 : 1);
    }
    // Before "Обчислити" a parameter change computes nothing.
    tool.Calculated = false;
    TIntegralTexts texts{"0", "1", "1"};
    EXPECT_EQ(tool.Compute(selection, texts, image).Result, TIntegralResult::NotCalculated);
    EXPECT_EQ(tool.TakeBox(TIntegralBox::SubIntEdit, "2.5"), msg::None);
    EXPECT_EQ(tool.SubIntCount(), 2); // halves to even
}
