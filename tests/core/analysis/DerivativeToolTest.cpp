#include "core/analysis/DerivativeTool.h"
#include "core/base/MessageTable.h"
#include "core/base/NumberText.h"
#include "core/document/TObjectList.h"
#include "core/formula/ParamTable.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using Lines = std::vector<std::string>;
using Messages = std::vector<msg::Id>;

// One function in the list, on a 400 x 400 surface showing (-5; 5)-(-5; 5): 40 pixels a unit, the origin at
// pixel (200, 200). Redraws are counted and start the recording anew.
struct DerivativeTool : ::testing::Test {
    void SetUp() override {
        ResetBuiltInTexts();
        SetDigits(4);
        ParamTable().ResetForNewDocument();
        image.SetSize(400, 400);
        image.SetMassh({-5, 5, -5, 5});
        image.SetCanvas(&canvas);
        image.CanDraw = true;
        image.OnMasshUpdate = [this](TMasshImage&) {
            ++redraws;
            canvas.Clear();
        };
    }
    void TearDown() override { ParamTable().ResetForNewDocument(); }
    TFn& Use(const char* formula, const char* a = "-5", const char* b = "5") {
        list.Append(std::make_unique<TFn>(formula, a, b, clRed), true);
        TFn& f = list.Object(list.Count() - 1);
        f.Drawn = true;
        tool.Start(f);
        return f;
    }
    Messages Build(const char* x, const char* dx, bool secant, bool tangent) {
        Messages ids;
        for (const TDerivMessage& m : tool.Build({x, dx, secant, tangent}, list, image))
            ids.push_back(m.Message);
        return ids;
    }
    std::vector<TCanvasCall> LinesIn(TColor colour) const {
        std::vector<TCanvasCall> out;
        for (const TCanvasCall& c : canvas.CallsOf(CallKind::Line))
            if (c.Pen.Color == colour) out.push_back(c);
        return out;
    }

    TObjectList list;
    TMasshImage image;
    TRecordingCanvas canvas;
    TDerivativeTool tool;
    int redraws = 0;
};

TPen Thin(TColor c) {
    return {c, 1, PenStyle::Solid, PenMode::Copy};
}

} // namespace

TEST_F(DerivativeTool, SecantAndTangentWriteTheirLines) {
    Use("X*X");
    EXPECT_EQ(Build("1", "0.1", true, false), Messages{});
    EXPECT_EQ(tool.Memo(), (Lines{"X=1", "dX=0.1", "dY=0.21", "dY/dX=2.1"}));
    EXPECT_EQ(Build("1", "0.1", true, true), Messages{});
    EXPECT_EQ(tool.Memo(), (Lines{"X=1", "dX=0.1", "dY=0.21", "dY/dX=2.1", "Y'(1)=2"}));
    EXPECT_EQ(Build("1/3", "0.1", false, true), Messages{});
    EXPECT_EQ(tool.Memo(), Lines{"Y'(0.333333333333333)=0.6667"});
    EXPECT_EQ(tool.AnswerLines(),
              (Lines{"Y(X)=X*X", "Y'(0.333333333333333)=0.6667", "____________________________________"}));
    EXPECT_TRUE(tool.TracesEnabled());
}

TEST_F(DerivativeTool, TheLinesRunOnlyOverTheFunctionsVisibleRange) {
    Use("X", "0", "2");
    EXPECT_EQ(Build("1", "0.5", true, true), Messages{});
    // The point (1, 1) and (1.5, 1.5), each with its lines to both axes; the secant from x = 0 to x = 2.
    EXPECT_EQ(LinesIn(image.grAddColor),
              (std::vector<TCanvasCall>{TCanvasCall::MakeLine(240, 160, 240, 200, Thin(image.grAddColor)),
                                        TCanvasCall::MakeLine(240, 160, 200, 160, Thin(image.grAddColor))}));
    const std::vector<TCanvasCall> secant = LinesIn(image.grAdd2Color);
    ASSERT_EQ(secant.size(), 3u);
    EXPECT_EQ(secant[2], TCanvasCall::MakeLine(200, 200, 280, 120, Thin(image.grAdd2Color)));
    // The tangent in the function's colour, from each end of the range to the point.
    EXPECT_EQ(LinesIn(clRed),
              (std::vector<TCanvasCall>{TCanvasCall::MakeLine(200, 200, 240, 160, Thin(clRed)),
                                        TCanvasCall::MakeLine(280, 120, 240, 160, Thin(clRed))}));
}

TEST_F(DerivativeTool, RefusalsKeepThePointLastAccepted) {
    Use("SQRT(X)");
    struct Row {
        const char* x;
        const char* dx;
        bool secant, tangent;
        Messages messages;
        Lines memo;
        int redraws;
        const char* why;
    } rows[] = {
        {"1", "0.1", true, false, {}, {"X=1", "dX=0.1", "dY=0.04881", "dY/dX=0.4881"}, 1, "accepted"},
        {"(", "0.1", false, true, {msg::DerivXError}, {"Y'(1)=0.5"}, 1, "X stays 1"},
        {"-1", "0.1", false, true, {msg::DerivNoValue}, {"Y'(1)=0.5"}, 1, "no value at -1"},
        {"1/0", "0.1", false, true, {msg::DerivXError}, {"Y'(1)=0.5"}, 1, "no number"},
        {"1", "(", true, true, {msg::DerivDxError}, {"Y'(1)=0.5"}, 0, "the construction stops"},
        {"1", "-2", true, false, {msg::DerivNoValueAtXPlusDx}, {"Y'(1)=0.5"}, 1, ""},
        {"1", "0", true, false, {}, {"Y'(1)=0.5"}, 2, "dX = 0 redraws twice, quietly"},
        {"0", "0.1", false, true, {}, {"Y'(0)=31.62"}, 1, "one-sided at the domain's edge"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.why);
        redraws = 0;
        EXPECT_EQ(Build(r.x, r.dx, r.secant, r.tangent), r.messages);
        EXPECT_EQ(tool.Memo(), r.memo);
        EXPECT_EQ(redraws, r.redraws);
    }
    Use("1/X");
    EXPECT_EQ(Build("0", "1", false, true), Messages{msg::DerivNoValue});
    EXPECT_TRUE(tool.Memo().empty()); // no point was ever accepted: nothing is drawn or written
    EXPECT_TRUE(tool.AnswerLines().empty());
}

TEST_F(DerivativeTool, TracesKeepTheirPointsAndFollowTheParameters) {
    Use("P1*X*X");
    ParamTable()[1].Value = 1;
    TDerivInputs in{"1", "1", true, true};
    EXPECT_TRUE(tool.LeaveTrace(in, list, image).empty());
    in.DX = "0";
    tool.LeaveTrace(in, list, image); // a secant without an increment is no trace
    ASSERT_EQ(tool.Traces().size(), 3u);
    EXPECT_EQ(tool.Traces()[2].B, 0);

    // P1 = 0.5 and a construction elsewhere: the traces stay at x = 1, with the slopes of the new function.
    ParamTable()[1].Value = 0.5L;
    EXPECT_EQ(Build("-2", "1", false, false), Messages{});
    // Tangent at (1, 0.5) with slope 1: y = x - 0.5, from x = -5 (y = -5.5) and from x = 5 (y = 4.5).
    const std::vector<TCanvasCall> tangents = LinesIn(clRed);
    ASSERT_EQ(tangents.size(), 4u);
    EXPECT_EQ(tangents[0], TCanvasCall::MakeLine(0, 420, 240, 180, Thin(clRed)));
    EXPECT_EQ(tangents[1], TCanvasCall::MakeLine(400, 20, 240, 180, Thin(clRed)));
    // Secant through (1, 0.5) and (2, 2): slope 1.5.
    EXPECT_EQ(LinesIn(image.grAdd2Color),
              (std::vector<TCanvasCall>{TCanvasCall::MakeLine(0, 540, 400, -60, Thin(image.grAdd2Color))}));

    // "Очистити сліди" forgets them and builds again.
    tool.ClearTraces({"-2", "1", false, false}, list, image);
    EXPECT_TRUE(tool.Traces().empty());
    EXPECT_TRUE(canvas.CallsOf(CallKind::Line).empty());
}

TEST_F(DerivativeTool, ParametersNoFormulaUsesStartAgain) {
    Use("X+P1");
    ParamTable()[1].Value = 3;
    ParamTable()[2].Value = 4;
    ParamTable()[3].Value = 5;
    Build("P2", "0.1", false, false);
    EXPECT_EQ(ParamTable()[1].Value, 3); // the function's
    EXPECT_EQ(ParamTable()[2].Value, 4); // the point's
    EXPECT_EQ(ParamTable()[3].Value, 1); // nobody's
    EXPECT_TRUE(ParamTable()[2].Used);
}
