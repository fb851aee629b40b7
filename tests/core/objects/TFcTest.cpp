#include "core/objects/TFc.h"
#include "core/base/IniFile.h"
#include "core/base/MessageTable.h"
#include "core/formula/ParamTable.h"
#include "core/objects/ObjectFactory.h"
#include "core/objects/TFf.h"
#include "core/objects/TFp.h"
#include "core/plot/TPointList.h"
#include "support/ObjectRecord.h"
#include "support/ParamTableGuard.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
TFc NewCircle() {
    return TFc("X*X+Y*Y-1", "-1", "1", "-1", "1", clRed);
}

// Answers the circle dialog with the given data, or cancels after switching the page.
class TFakeCircleEditor : public TObjectEditor {
public:
    bool RunFuInput(TFuInputData&) override { return false; }
    bool RunNewCircle(TCircleData& data) override {
        Shown = data;
        if (!Confirm) {
            data.DataPage = 1 - data.DataPage;
            return false;
        }
        data = Answer;
        return true;
    }
    bool Confirm = true;
    TCircleData Shown, Answer;
};
} // namespace

TEST(TFc, RebuildWritesTheFormulaAndSquareFromTheTexts) {
    ResetBuiltInTexts();
    struct Row {
        int page;
        const char *a, *b, *c, *d; // x0 y0 r, or x1 y1 x2 y2
        const char *caption, *formula, *square;
    } rows[] = {
        // clang-format off
        {0, "0", "0", "1", "", "Коло з центром (0,0) і радіусом  1", "(y-0)^2+(x-0)^2-1^2", "-1 1 -1 1"},
        {0, "2", "-3", "1", "", "Коло з центром (2,-3) і радіусом  1", "(y+3)^2+(x-2)^2-1^2", "1 3 -4 -2"},
        // A negative radius: its size in the formula, the square inside out.
        {0, "0", "0", "-2", "", "Коло з центром (0,0) і радіусом  -2", "(y-0)^2+(x-0)^2-2^2", "2 -2 2 -2"},
        {1, "1", "0", "4", "4", "Коло з центром (1,0) і точкою на колі (4,4)",
         "(y-0)^2+(x-1)^2-5^2", "-4 6 -5 5"},
        // The point on the centre: radius 0, a square of the centre plus or minus 1.
        {1, "1", "2", "1", "2", "Коло з центром (1,2) і точкою на колі (1,2)",
         "(y-2)^2+(x-1)^2-0^2", "0 2 1 3"},
        // Rounded as the user sees the numbers, and written so that the formula compiles.
        {0, "12345", "1/3", "2", "", "Коло з центром (12345,1/3) і радіусом  2",
         "(y-0.3333)^2+(x-1.235E+04)^2-2^2", "1.234E+04 1.235E+04 -1.667 2.333"},
        // clang-format on
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.caption);
        TFc c = NewCircle();
        c.DataPage = r.page;
        c.RText = "7"; // the other page's texts play no part
        if (r.page == 0) {
            c.X0Text = r.a, c.Y0Text = r.b, c.RText = r.c;
        } else {
            c.X1Text = r.a, c.Y1Text = r.b, c.X2Text = r.c, c.Y2Text = r.d;
        }
        EXPECT_EQ(c.Caption(), r.caption);
        c.CalcBounds(TMasshImage());
        EXPECT_EQ(c.FormulaText(), r.formula);
        EXPECT_TRUE(c.Compiled());
        EXPECT_EQ(c.RangeA.FormulaText() + " " + c.RangeB.FormulaText() + " " + c.RangeYA.FormulaText() +
                      " " + c.RangeYB.FormulaText(),
                  r.square);
    }
}

TEST(TFc, DrawsAnEllipseThroughThePixelBox) {
    const TParamTableGuard params;
    TMasshImage image;
    TRecordingCanvas canvas;
    image.SetSize(400, 400);
    image.SetCanvas(&canvas);
    canvas.Brush() = {clYellow, BrushStyle::Solid};

    TFc c = NewCircle();
    c.WLine = 3;
    c.RText = "P1"; // follows the parameter at every redraw, without a rebuild
    c.Draw(image);
    ParamTable()[1].Value = 2;
    c.Draw(image);
    const TPen pen{clRed, 3, PenStyle::Solid, PenMode::Copy};
    const TBrush clear{clYellow, BrushStyle::Clear};
    EXPECT_EQ(canvas.Calls(),
              (std::vector<TCanvasCall>{TCanvasCall::MakeEllipse(160, 160, 240, 240, pen, clear),
                                        TCanvasCall::MakeEllipse(120, 120, 280, 280, pen, clear)}));
    EXPECT_EQ(canvas.Brush().Style, BrushStyle::Solid); // the caller's brush is back
    EXPECT_TRUE(c.Drawn);

    canvas.Clear();
    ParamTable()[1].Value = 0;
    c.Draw(image);
    EXPECT_EQ(canvas.Calls(), (std::vector<TCanvasCall>{TCanvasCall::MakeSetPixel(200, 200, clRed)}));

    canvas.Clear();
    TFc negative = NewCircle();
    negative.RText = "-2";
    negative.Draw(image);
    EXPECT_TRUE(canvas.Calls().empty());
    EXPECT_FALSE(negative.Drawn);
}

TEST(CurveKinds, SaveThenReadGivesTheSameRecord) {
    TFp parametric("P1*SIN(T)", "COS(2*T)", "-PI", "P2", clNavy);
    parametric.Quality.SetFormula("250");
    parametric.ByPoints = true;
    TFf polar("1+COS(F)", "0", "4*PI", clTeal);
    polar.WLine = 2;
    TFg implicit("X^2-Y", "-2", "2", "P1", "4", clGreen);
    implicit.PrecisionGraph = 3;
    implicit.GBuild = false;
    TFc circle = NewCircle();
    circle.X1Text = "P1";
    circle.X2Text = "3";
    circle.DataPage = 1;
    circle.CalcBounds(TMasshImage());
    for (const TFn* object : std::vector<const TFn*>{&parametric, &polar, &implicit, &circle}) {
        SCOPED_TRACE(object->ObjType());
        IniFile ini;
        object->Save(ini, "Obj1");
        const std::unique_ptr<TFn> read = ReadObject(ini, "Obj1");
        ASSERT_TRUE(read);
        EXPECT_EQ(read->Kind(), object->Kind());
        EXPECT_EQ(read->ArgName, object->ArgName);
        EXPECT_EQ(RecordText(*read), ini.ToText());
    }
}

TEST(TFc, EditTakesTheConfirmedPageAndCancelChangesNothing) {
    TFakeCircleEditor editor;
    SetObjectEditor(&editor);
    TFc c = NewCircle();
    c.RText = "3";
    editor.Answer = c.DialogData();
    editor.Answer.DataPage = 1;
    editor.Answer.X1Text = "1";
    editor.Answer.X2Text = "1";
    editor.Answer.Y2Text = "2";
    editor.Answer.RText = "9"; // the page not confirmed is not taken
    editor.Answer.Color = clBlue;
    editor.Answer.WLine = 4;
    EXPECT_TRUE(c.Edit());
    EXPECT_EQ(editor.Shown.RText, "3");
    EXPECT_EQ(c.DataPage, 1);
    EXPECT_EQ(c.RText, "3");
    EXPECT_EQ(c.Color, clBlue);
    EXPECT_EQ(c.WLine, 4);
    EXPECT_EQ(c.FormulaText(), "(y-0)^2+(x-1)^2-2^2"); // rebuilt from the new page
    EXPECT_EQ(c.MaxX, 3);

    editor.Confirm = false;
    const std::string caption = c.Caption();
    EXPECT_FALSE(c.Edit());
    EXPECT_EQ(c.DataPage, 1);
    EXPECT_EQ(c.Caption(), caption);
    SetObjectEditor(nullptr);
}

TEST(TCircleData, ChecksAndPickedPointsConcernTheConfirmedPageOnly) {
    ResetBuiltInTexts();
    TCircleData data;
    data.Y0Text = "SIN X";
    data.X2Text = "2*";
    const TCircleCheck page0 = CheckNewCircle(data, 0);
    EXPECT_EQ(page0.Failed, TCircleBox::Y0ComboBox0);
    EXPECT_EQ(page0.Passed, std::vector<TCircleBox>{TCircleBox::X0ComboBox0});
    EXPECT_EQ(CheckNewCircle(data, 1).Failed, TCircleBox::X1ComboBox);

    TPointList points;
    points.Add(1.5L, -2, 0);
    EXPECT_EQ(Msg(TakePickedPoints(data, 1, points)), "Необхідно відмітити на графіку 2 точки!");
    EXPECT_EQ(data.X1Text, "0");
    EXPECT_EQ(TakePickedPoints(data, 0, points), msg::None);
    EXPECT_EQ(data.X0Text + "," + data.Y0Text, "1.5,-2");
}
