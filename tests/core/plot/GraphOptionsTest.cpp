#include "core/plot/GraphOptions.h"
#include "core/base/NumberText.h"
#include "core/plot/LabelTable.h"

#include "LongDoubleNear.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TGraphOptions WithScale(const char* minX, const char* maxX, const char* minY, const char* maxY) {
    TMasshImage image;
    TGraphOptions o = ReadGraphOptions(image);
    o.ScaleTexts = {minX, maxX, minY, maxY};
    return o;
}

TEST(GraphOptions, TheScaleBoxesTakeFormulasAndMustGiveAWindow) {
    const struct {
        const char* texts[4];
        msg::Id message;
        TScaleBox failed; // for the expression error
    } rows[] = {
        {{"-2*Pi", "2*Pi", "-1", "1"}, msg::None, TScaleBox::MinX},
        {{"1", "1", "-1", "1"}, msg::GraphOpsScale, TScaleBox::MinX},    // MinX = MaxX
        {{"-1", "1", "2", "1"}, msg::GraphOpsScale, TScaleBox::MinX},    // MinY > MaxY
        {{"-1", "1/0", "-1", "1"}, msg::GraphOpsScale, TScaleBox::MinX}, // a bound without a value
        {{"-1", "1", "-1", "SIN X"}, msg::GraphOpsExpressionError, TScaleBox::MaxY},
        {{"(", "1", "-1", "SIN X"}, msg::GraphOpsExpressionError, TScaleBox::MinX}, // the first bad box
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.texts[0]) + " " + row.texts[1] + " " + row.texts[2] + " " +
                     row.texts[3]);
        const TScaleCheck check =
            CheckScale(WithScale(row.texts[0], row.texts[1], row.texts[2], row.texts[3]));
        EXPECT_EQ(check.Message, row.message);
        if (row.message == msg::GraphOpsExpressionError) EXPECT_EQ(check.Failed, row.failed);
    }

    TMasshImage image;
    const TScaleCheck check = CheckScale(WithScale("-2*Pi", "2*Pi", "-1", "1"));
    ApplyGraphOptions(ReadGraphOptions(image), check.Massh, image);
    EXPECT_LD_NEAR(image.Massh().XMax - image.Massh().XMin, 4 * std::acos(-1.0L), 1e-15L);
    EXPECT_LD_NEAR(image.XBasic(), 1, 1e-15L) << "a width of 4 pi shows steps of 1";
}

TEST(GraphOptions, UntouchedBoxesKeepTheExactWindowAndOkWithoutChangesKeepsThePreviousOne) {
    TMasshImage image;
    const TMassh third{-1 / 3.0L, 1 / 3.0L, -2, 2};
    image.SetMassh(InitialMassh);
    image.SetMassh(third);
    TGraphOptions o = ReadGraphOptions(image);
    EXPECT_EQ(o.ScaleTexts[0], "-0.3333");
    const TScaleCheck check = CheckScale(o);
    ASSERT_TRUE(check.Ok());
    ApplyGraphOptions(o, check.Massh, image);
    EXPECT_EQ(image.Massh(), third);
    EXPECT_EQ(image.OldMassh(), InitialMassh);

    o.ScaleTexts[1] = "0.5";
    ApplyGraphOptions(o, CheckScale(o).Massh, image);
    EXPECT_EQ(image.Massh(), (TMassh{-1 / 3.0L, 0.5L, -2, 2}));
    EXPECT_EQ(image.OldMassh(), third);
}

TEST(GraphOptions, TheWorkingColoursMapToTheSurface) {
    TMasshImage image;
    TGraphOptions o = ReadGraphOptions(image);
    const TWorkColor order[] = {TWorkColor::Back,  TWorkColor::Axe, TWorkColor::Mark,
                                TWorkColor::Mouse, TWorkColor::Add, TWorkColor::Add2};
    for (int i = 0; i < WorkColorCount; ++i)
        o.Color(order[i]) = RgbColor(i + 1, 0, 0);
    o.Polar = true;
    o.AutoScale = false;
    o.LabelFont.Name = "Serif";
    ApplyGraphOptions(o, image.Massh(), image);
    const TColor surface[] = {image.grBackColor,  image.grAxeColor, image.grMarkColor,
                              image.grMouseColor, image.grAddColor, image.grAdd2Color};
    for (int i = 0; i < WorkColorCount; ++i)
        EXPECT_EQ(surface[i], RgbColor(i + 1, 0, 0)) << i;
    EXPECT_EQ(image.Coord(), CoordType::ctPolar);
    EXPECT_FALSE(image.MasshAuto());
    EXPECT_EQ(image.grLabelFont.Name, "Serif");
    EXPECT_FALSE(AxisNamesEnabled(true, true)) << "no axis names in polar coordinates";
    EXPECT_FALSE(AxisNamesEnabled(false, false));
}

TEST(LabelTable, RowsGoBackToLabelsExactlyAndBadCoordinatesAreRefused) {
    TGList labels;
    labels.AddLabel(1 / 3.0L, 2, "A", true);
    labels.AddLabel(-1, 0.5L, "B", false);
    std::vector<TLabelRow> rows = LabelRows(labels);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].X, "0.3333");
    EXPECT_EQ(rows[0].Point, "Y");
    EXPECT_EQ(rows[1].Point, "");

    rows[1].Y = "7";
    rows.emplace_back(); // a blank row, as Enter appends at the end
    ASSERT_TRUE(CheckLabelRows(rows).Ok());
    RebuildLabels(rows, labels);
    ASSERT_EQ(labels.Count(), 2);
    EXPECT_EQ(labels.X(0), 1 / 3.0L) << "the untouched cell keeps its exact value";
    EXPECT_EQ(labels.Y(1), 7);
    EXPECT_TRUE(labels.PointFlag(0));

    rows[1].X = "one";
    const TLabelTableCheck bad = CheckLabelRows(rows);
    EXPECT_EQ(bad.Message, msg::LabelsBadCoordinates);
    EXPECT_EQ(bad.FailedRow, 1);
    rows[1] = TLabelRow();
    rows[1].Text = "text only";
    EXPECT_EQ(CheckLabelRows(rows).FailedRow, 1) << "a label needs its place";

    const std::vector<TLabelRow> empty = LabelRows(TGList());
    ASSERT_EQ(empty.size(), 1u);
    ASSERT_TRUE(CheckLabelRows(empty).Ok());
    RebuildLabels(empty, labels);
    EXPECT_TRUE(labels.Empty()) << "OK on the empty table removes every label";
}

} // namespace
