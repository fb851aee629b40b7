#include "core/analysis/IntegralTool.h"
#include "core/base/MessageTable.h"
#include "core/base/NumberText.h"
#include "core/objects/TFp.h"
#include "core/stats/TGList.h"
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

TEST_F(IntegralTool, EachModeWritesItsHeadingObjectsBoundsAndResults) {
    struct Row {
        TIntegralMode mode;
        const char* formula;
        const char* a;
        const char* b;
        const char* n;
        Lines expected;
        const char* why;
    } rows[] = {
        {TIntegralMode::Integral,
         "SIN(X)",
         "0",
         "PI",
         "1",
         {"Значення інтеграла:          ", "Y(X)=SIN(X)", "A=0,", "B=3.14159265358979,", "I=2"},
         "the heading keeps its trailing blanks"},
        {TIntegralMode::VolumeOx,
         "1",
         "0",
         "1",
         "1",
         {"Об'єм та площа поверхні тіла обертання, вісь Ox:", "Y(X)=1", "A=0,", "B=1,", "V=3.142", "S=6.283"},
         "a cylinder: pi r^2 h and 2 pi r h"},
        {TIntegralMode::VolumeOy,
         "-X",
         "0",
         "1",
         "1",
         {"Об'єм та площа поверхні тіла обертання, вісь Oy:", "Y(X)=-X", "A=0,", "B=1,", "V=-1.047",
          "S=4.446"},
         "a decreasing function turns a negative volume, pi * -1/3; each belt takes its right end's radius"},
        {TIntegralMode::ArcLength,
         "X",
         "0",
         "1",
         "1",
         {"Довжина дуги кривої:", "Y(X)=X", "A=0,", "B=1,", "L=1.414"},
         ""},
        {TIntegralMode::IntervalMeans,
         "X*X",
         "0",
         "3",
         "1",
         {"Значення інтеграла:          ", "Y(X)=X*X", "A=0,", "B=3,", "I=9", "I*=9"},
         "one strip: its mean times its width is the integral"},
        {TIntegralMode::Darboux,
         "LN(X)",
         "-2",
         "2",
         "2",
         {"Значення інтеграла:          ", "Y(X)=LN(X)", "A=-2,", "B=2,", "I=-0.613", "MinI=-7.824",
          "MaxI=1.386", Msg(msg::IntegralUnsettled)},
         "[-2, 0] has no value: 0 to both bounds; [0, 2] spans LN(0.02)..LN(2); the logarithm's pole leaves "
         "the fourth digit unsure"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.formula);
        SCOPED_TRACE(r.why);
        objects.clear();
        selection.Clear();
        Add(r.formula, "-5", "5");
        const TIntegralOutcome o = Run(r.mode, r.a, r.b, r.n);
        ASSERT_EQ(o.Result, TIntegralResult::Computed);
        EXPECT_EQ(o.Memo, r.expected);
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

TEST_F(IntegralTool, MeansDrawALevelPerStripAndDashedEdgesFromTheAxis) {
    image.SetMassh({-5, 5, -5, 5});
    Add("X", "-5", "5");
    const TIntegralOutcome o = Run(TIntegralMode::IntervalMeans, "0", "2", "2");
    ASSERT_EQ(o.Result, TIntegralResult::Computed);
    // Strip [0, 1] has the mean 0.5, strip [1, 2] the mean 1.5.
    const TPen pen{image.grAddColor, 1, PenStyle::Solid, PenMode::Copy};
    EXPECT_EQ(canvas.CallsOf(CallKind::Line),
              (std::vector<TCanvasCall>{TCanvasCall::MakeLine(200, 180, 240, 180, pen),
                                        TCanvasCall::MakeLine(240, 140, 280, 140, pen)}));
    // The dashed edge at x = 2 runs from the axis (row 200) up to the level 1.5 (row 140): 4 on, 4 off.
    std::vector<int> rows;
    for (const TCanvasCall& c : canvas.CallsOf(CallKind::SetPixel))
        if (c.Points[0].x == 280) rows.push_back(c.Points[0].y);
    ASSERT_FALSE(rows.empty());
    for (int y : rows) {
        EXPECT_GE(y, 140);
        EXPECT_LE(y, 200);
        EXPECT_LT(y % 8, 4) << y;
    }
    EXPECT_EQ(Tail(o, 2), (Lines{"I=2", "I*=2"}));
}

TEST_F(IntegralTool, DarbouxDrawsBothLevelsOfEveryStrip) {
    image.SetMassh({-5, 5, -5, 5});
    Add("X", "-5", "5");
    const TIntegralOutcome o = Run(TIntegralMode::Darboux, "0", "2", "2");
    EXPECT_EQ(Tail(o, 2), (Lines{"MinI=1", "MaxI=3"}));
    // Strip [0, 1]: levels 0 (row 200) and 1 (row 160); strip [1, 2]: 1 and 2 (row 120).
    const TPen pen{image.grAddColor, 1, PenStyle::Solid, PenMode::Copy};
    EXPECT_EQ(canvas.CallsOf(CallKind::Line),
              (std::vector<TCanvasCall>{TCanvasCall::MakeLine(200, 200, 240, 200, pen),
                                        TCanvasCall::MakeLine(200, 160, 240, 160, pen),
                                        TCanvasCall::MakeLine(240, 160, 280, 160, pen),
                                        TCanvasCall::MakeLine(240, 120, 280, 120, pen)}));
    // The second colour marks the axis up to the nearer level at both ends and between strips.
    int add2 = 0;
    for (const TCanvasCall& c : canvas.CallsOf(CallKind::SetPixel))
        if (c.Color == image.grAdd2Color) {
            ++add2;
            EXPECT_TRUE(c.Points[0].x == 240 || c.Points[0].x == 280 || c.Points[0].x == 200) << c;
        }
    EXPECT_GT(add2, 0);
}

TEST(IntegralCommand, RunsTheModeOnTheCommandsSelection) {
    ResetBuiltInTexts();
    TDocument doc;
    doc.Objects.Append(std::make_unique<TFn>("X", "0", "2", clRed), true);
    TMasshImage image;
    image.SetSize(100, 100);
    TGList labels;
    TCommandContext context{doc, image, labels};
    FillSelection(doc.Objects, doc.Selection, true);
    TCommandInputs inputs;
    TCommandOutcome out = IntegralCommand(TIntegralMode::Integral, context, inputs);
    EXPECT_EQ(out.Lines, (Lines{"Інтегрування", "Значення інтеграла:          ", "Y(X)=X", "A=0,", "B=2,",
                                "I=2", "____________________________________"}));
    inputs.Set("b", "1");
    EXPECT_EQ(IntegralCommand(TIntegralMode::Integral, context, inputs).Lines[5], "I=0.5");
    inputs.Set("A", "(");
    out = IntegralCommand(TIntegralMode::Integral, context, inputs);
    EXPECT_EQ(out.Refusal, "Помилка у виразі!");
    EXPECT_TRUE(out.Lines.empty());
}
