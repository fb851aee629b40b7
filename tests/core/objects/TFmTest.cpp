#include "core/objects/TFm.h"
#include "core/base/IniFile.h"
#include "core/base/NumberText.h"
#include "core/formula/ParamTable.h"
#include "core/objects/ObjectFactory.h"
#include "core/objects/PolyFit.h"
#include "support/LongDoubleNear.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

namespace {
TFm Table(std::initializer_list<TTableRow> rows, int degree) {
    TFm t(clRed);
    TTableData data = t.TableData();
    data.Rows = rows;
    data.Degree = degree;
    EXPECT_TRUE(t.TakeTableData(data));
    t.CalcBounds(TMasshImage());
    return t;
}
} // namespace

TEST(TFm, FitsTheLeastSquaresPolynomialAndWritesIt) {
    struct Row {
        int degree;
        const char* text;
        std::vector<Real> coeffs;
    } rows[] = {
        {2, "x^2+1", {1, 0, 1}},         // interpolates the three points
        {1, "2x+0.6667", {2.0L / 3, 2}}, // the least-squares line
        {0, "2.667", {8.0L / 3}},        // the mean of the Y values
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text);
        const TFm t = Table({{"0", "1"}, {"1", "2"}, {"2", "5"}}, r.degree);
        EXPECT_EQ(t.Caption(), std::string("Y(X)=") + r.text);
        ASSERT_EQ(t.Coefficients().size(), r.coeffs.size());
        for (std::size_t k = 0; k < r.coeffs.size(); ++k)
            EXPECT_LD_NEAR(t.Coefficients()[k], r.coeffs[k], 1e-15L);
        EXPECT_LD_NEAR(t.YOf(3), PolynomialValue(r.coeffs, 3), 1e-14L);
    }
}

TEST(PolynomialText, SignsMagnitudesAndPowers) {
    struct Row {
        std::vector<Real> coeffs; // a_0 first
        const char* text;
    } rows[] = {
        {{3, -2.5L, 1}, "x^2-2.5x+3"},
        {{0, -1, 0, 2}, "2x^3-x"}, // a coefficient of 1 is not written, zeros are left out
        {{-1, 0, 0}, "-1"},        // a zero top coefficient: the constant alone, with its sign
        {{4, 0, 0}, "+4"},         // ... and "+" for a positive one below the top power
        {{0, 0}, "0"},
        {{0, 12345.6L}, "1.235E04x"}, // FloatStr of the magnitude
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text);
        EXPECT_EQ(PolynomialText(r.coeffs), r.text);
    }
}

TEST(TFm, EditSortsByXAndRefusesAllXEqual) {
    ParamTable().ResetForNewDocument();
    TFm t(clRed);
    TTableData data = t.TableData();
    ParamTable()[1].Value = 1.5L;
    data.Rows = {{"2", "5"}, {"p1", "1"}, {"1", "2"}};
    data.Degree = 1;
    ASSERT_TRUE(t.TakeTableData(data));
    EXPECT_EQ(t.XYList.XText(0), "1");
    EXPECT_EQ(t.XYList.XText(1), "p1");
    EXPECT_EQ(t.XYList.XText(2), "2");
    t.CalcBounds(TMasshImage());
    EXPECT_EQ(t.RangeA.FormulaText(), "1") << "A and B are the texts of the first and last point";
    EXPECT_EQ(t.RangeB.FormulaText(), "2");
    t.MarkParams();
    EXPECT_TRUE(ParamTable()[1].Used) << "a parameter of any point counts";

    data.Rows = {{"3", "1"}, {"3", "2"}};
    EXPECT_FALSE(t.TakeTableData(data));
    EXPECT_EQ(t.XYList.Count(), 3) << "unchanged";
    ParamTable().ResetForNewDocument();
}

TEST(TFm, DrawsTheCurveThenACircleAroundEveryPoint) {
    TMasshImage image;
    TRecordingCanvas canvas;
    image.SetSize(100, 100);
    image.SetMassh({-5, 5, -5, 5});
    image.SetCanvas(&canvas);
    TFm t = Table({{"0", "1"}, {"1", "2"}}, 1);
    t.BuildPoly = false;
    t.Draw(image);
    const TPen pen{clRed, 1, PenStyle::Solid, PenMode::Copy};
    EXPECT_EQ(canvas.Calls(), (std::vector<TCanvasCall>{
                                  TCanvasCall::MakeSetPixel(50, 40, clRed),
                                  TCanvasCall::MakeEllipse(47, 37, 54, 44, pen, {clWhite, BrushStyle::Clear}),
                                  TCanvasCall::MakeSetPixel(60, 30, clRed),
                                  TCanvasCall::MakeEllipse(57, 27, 64, 34, pen, {clWhite, BrushStyle::Clear}),
                              }));
    EXPECT_TRUE(t.Drawn);
    canvas.Clear();
    t.BuildPoly = true;
    t.Draw(image);
    EXPECT_GT(canvas.CountOf(CallKind::Line), 0);
}

TEST(TFm, SaveThenReadGivesTheSameTable) {
    TFm t = Table({{"0", "1"}, {"1/3", "p2"}, {"2", "5"}}, 2);
    t.WLine = 3;
    t.GBuild = false;
    t.BuildPoly = false;
    IniFile ini;
    t.Save(ini, "Obj1");
    EXPECT_EQ(ini.ToText(),
              "[Obj1]\nObjType=Polinom\nColor=255\nA=0\nB=2\nMaxXYnum=2\nLocMembers=2\nWLine=3\n"
              "GBuild=0\nBuildPoly=0\nX0=0\nY0=1\nX1=1/3\nY1=p2\nX2=2\nY2=5\n");
    std::unique_ptr<TFn> read = ReadObject(ini, "Obj1");
    ASSERT_TRUE(read);
    read->CalcBounds(TMasshImage());
    IniFile again;
    read->Save(again, "Obj1");
    EXPECT_EQ(again.ToText(), ini.ToText());

    SCOPED_TRACE("the key is matched without regard to case, as the reader spells it");
    IniFile hand;
    hand.LoadFromText("[S]\nObjType=Polinom\nBuildpoly=0\nMaxXYnum=1\nX0=0\nY0=0\nX1=1\nY1=1\n");
    const std::unique_ptr<TFn> handRead = ReadObject(hand, "S");
    const auto& table = static_cast<const TFm&>(*handRead);
    EXPECT_FALSE(table.BuildPoly);
    EXPECT_EQ(table.MaxXYnum(), 1);
    EXPECT_TRUE(table.GBuild);
}

TEST(TFm, ADocumentDegreeBeyondItsPointsFitsWhatThePointsAllow) {
    IniFile hand;
    hand.LoadFromText("[S]\nObjType=Polinom\nLocMembers=5\nMaxXYnum=1\nX0=0\nY0=1\nX1=1\nY1=3\n");
    std::unique_ptr<TFn> t = ReadObject(hand, "S");
    t->CalcBounds(TMasshImage());
    EXPECT_EQ(t->Caption(), "Y(X)=2x+1");
}
