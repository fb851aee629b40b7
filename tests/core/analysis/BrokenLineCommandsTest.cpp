#include "core/analysis/BrokenLineCommands.h"
#include "core/analysis/BrokenLineTransform.h"
#include "core/base/MessageTable.h"
#include "core/document/TDocument.h"
#include "core/objects/TFl.h"
#include "core/plot/TGlobColors.h"
#include "core/plot/TPointList.h"
#include "support/LongDoubleNear.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

namespace {
std::unique_ptr<TFl> Line(std::initializer_list<TTableRow> rows, bool closed) {
    auto line = std::make_unique<TFl>(clBlue);
    TTableData data = line->TableData();
    data.Rows = rows;
    data.Locked = closed;
    line->TakeTableData(data);
    line->CalcBounds(TMasshImage());
    return line;
}

std::unique_ptr<TFl> UnitSquare() {
    return Line({{"0", "0"}, {"1", "0"}, {"1", "1"}, {"0", "1"}}, true);
}

class BrokenLineCommands : public ::testing::Test {
protected:
    void SetUp() override {
        ResetBuiltInTexts();
        image.SetSize(100, 100);
        image.SetCanvas(&canvas);
    }
    TFuncs Checked() {
        FillSelection(doc.Objects, doc.Selection, true);
        return doc.Selection;
    }
    TDocument doc;
    TMasshImage image;
    TRecordingCanvas canvas;
};

std::vector<std::string> Points(const TFl& line) {
    std::vector<std::string> out;
    for (int i = 0; i < line.VertexCount(); ++i)
        out.push_back(line.XYList.XText(i) + ";" + line.XYList.YText(i));
    return out;
}
} // namespace

TEST_F(BrokenLineCommands, PolygonAreaSumsTheClosedLinesAndSkipsTheRest) {
    doc.Objects.Append(UnitSquare(), true);
    doc.Objects.Append(Line({{"0", "0"}, {"4", "0"}, {"0", "3"}}, true), true);
    doc.Objects.Append(Line({{"0", "0"}, {"4", "0"}, {"0", "3"}}, false), true); // open: no area
    doc.Objects.Object(0).Drawn = true;
    const TAnswerBlock answer = PolygonArea(Checked(), image);
    EXPECT_EQ(answer.Lines,
              (std::vector<std::string>{"Ламана, 4 тт.", "Ламана, 3 тт.",
                                        "Сума площ відмічених многокутників:", "S=7", AnswerSeparatorLine}));
    EXPECT_GT(canvas.CountOf(CallKind::Line), 0) << "the drawn square is hatched";

    doc.Objects.SetAllChecked(false);
    doc.Objects.SetCurrent(2);
    EXPECT_TRUE(PolygonArea(Checked(), image).Empty());
}

TEST_F(BrokenLineCommands, RevolutionRefusesALineAcrossTheAxisAndElseSumsAll) {
    doc.Objects.Append(UnitSquare(), true);
    doc.Objects.Append(Line({{"1", "-1"}, {"2", "2"}}, false), true);
    EXPECT_EQ(RevolutionBrokenLines(Checked(), RevolveVolumeOx, image).Refusal, msg::RevolutionCrossesAxis);
    EXPECT_EQ(Msg(msg::RevolutionCrossesAxis),
              "Потрібно виключити в списку об'єктів ламані, що перетинають вісь обертання!");

    // About Oy neither has a vertex left of the axis.
    const TAnswerBlock oy = RevolutionBrokenLines(Checked(), RevolveVolumeOy, image);
    ASSERT_EQ(oy.Lines.size(), 7u);
    EXPECT_EQ(oy.Lines[2], "Площа поверхні   обертання навколо осі  Oy:");
    EXPECT_EQ(oy.Lines[4], "Об'єм тіла   обертання навколо осі  Oy:");

    doc.Objects[1].Checked = false;
    const TAnswerBlock ox = RevolutionBrokenLines(Checked(), RevolveVolumeOx, image);
    EXPECT_EQ(ox.Lines, (std::vector<std::string>{
                            "Ламана, 4 тт.", "Площа поверхні   обертання навколо осі  Ox:", "S=12.57",
                            "Об'єм тіла   обертання навколо осі  Ox:", "V=3.142", AnswerSeparatorLine}));
    EXPECT_EQ(canvas.CountOf(CallKind::Arc), 0) << "the construction is drawn for lines on the graph only";
    doc.Objects.Object(0).Drawn = true;
    RevolutionBrokenLines(Checked(), RevolveSurfaceOx, image);
    EXPECT_GT(canvas.CountOf(CallKind::Arc), 0);
}

TEST_F(BrokenLineCommands, LengthBetweenTwoVertices) {
    doc.Objects.Append(UnitSquare(), true);
    FillSelection(doc.Objects, doc.Selection, false);
    EXPECT_EQ(BrokenLineLength(doc.Selection, 3, 2, image).Lines,
              (std::vector<std::string>{"Довжина ламаної:", "Ламана, 4 тт.", "N1=3,", "N2=2,", "L =3",
                                        AnswerSeparatorLine}));
    EXPECT_EQ(BrokenLineLength(doc.Selection, 0, 2, image).Refusal, msg::BrokLongVertexNumbers);
    static_cast<TFl&>(doc.Objects.Object(0)).Locked = false;
    EXPECT_EQ(BrokenLineLength(doc.Selection, 3, 2, image).Refusal, msg::BrokLongVertexNumbers)
        << "an open line is walked forwards";
}

TEST_F(BrokenLineCommands, TransformsAppendANewLineWithTheNextColour) {
    doc.Objects.Append(Line({{"1", "0"}, {"0", "1"}, {"-1", "0"}, {"0", "-1"}}, true), true);
    GlobColors() = TGlobColors();
    TTransformInputs rotate;
    rotate.Kind = TTransformKind::Rotate;
    rotate.Angle = "90";
    rotate.Degrees = true;
    ASSERT_EQ(AppendTransformedLine(doc, rotate, image), 1);
    const auto& turned = static_cast<const TFl&>(doc.Objects.Object(1));
    const Real expected[][2] = {{0, 1}, {-1, 0}, {0, -1}, {1, 0}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_LD_NEAR(turned.XYList.X(i), expected[i][0], 1e-15L);
        EXPECT_LD_NEAR(turned.XYList.Y(i), expected[i][1], 1e-15L);
    }
    EXPECT_EQ(turned.Color, clMaroon);
    EXPECT_TRUE(turned.Locked);
    EXPECT_EQ(doc.Objects.Current(), 0) << "the source stays current";

    auto open = Line({{"1", "1"}, {"2", "3"}}, false);
    TTransformInputs scale;
    scale.DX = "2";
    scale.DY = "-1";
    const std::unique_ptr<TFl> mirrored = TransformedLine(*open, scale, clRed);
    EXPECT_EQ(Points(*mirrored), (std::vector<std::string>{"2;-1", "4;-3"}));
    EXPECT_FALSE(mirrored->Locked);

    TTransformInputs move;
    move.Kind = TTransformKind::Translate;
    move.X0 = "1", move.Y0 = "1", move.X = "1", move.Y = "1";
    EXPECT_EQ(Points(*TransformedLine(*open, move, clRed)), Points(*open)) << "a copy";

    move.Y = "1+";
    TEntryCheck<TTransformBox> check;
    EXPECT_EQ(AppendTransformedLine(doc, move, image, &check), -1);
    EXPECT_EQ(check.Failed, TTransformBox::YCB);
    EXPECT_EQ(check.Message, msg::BrokenTransformExpressionError);
    EXPECT_EQ(doc.Objects.Count(), 2);
}

TEST(BrokenLineTransform, AngleUnitsAndPickedPoints) {
    std::string angle = "Pi/2";
    ASSERT_TRUE(ConvertAngleText(angle, true));
    EXPECT_EQ(angle, "90");
    ASSERT_TRUE(ConvertAngleText(angle, false));
    EXPECT_EQ(angle, "1.571");
    angle = "1+";
    EXPECT_FALSE(ConvertAngleText(angle, true));
    EXPECT_EQ(angle, "1+") << "a text that does not compile stays";

    TMasshImage image;
    image.SetSize(100, 100);
    image.SetMassh({-5, 5, -5, 5});
    TPointList points;
    EXPECT_EQ(TakeAnglePoints(points, image, true, angle), msg::BrokenTransformTwoPoints);
    TTransformInputs in;
    EXPECT_EQ(TakeVectorPoints(points, in), msg::BrokenTransformOneOrTwoPoints);
    points.Add(2, 0, 0);
    EXPECT_EQ(TakeVectorPoints(points, in), msg::None);
    EXPECT_EQ(in.X0 + " " + in.Y0 + " " + in.X + " " + in.Y, "2 0 1 1");
    points.Add(0, 3, 0);
    EXPECT_EQ(TakeAnglePoints(points, image, true, angle), msg::None);
    EXPECT_EQ(angle, "90");
    EXPECT_EQ(TakeVectorPoints(points, in), msg::None);
    EXPECT_EQ(in.X0 + " " + in.Y0 + " " + in.X + " " + in.Y, "2 0 0 3");
}
