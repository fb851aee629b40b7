#include "core/objects/TFn.h"
#include "core/base/IniFile.h"
#include "core/formula/ParamTable.h"
#include "core/objects/ObjectFactory.h"
#include "support/LongDoubleNear.h"
#include "support/ParamTableGuard.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace {
void ExpectSameObject(const TFn& a, const TFn& b) {
    EXPECT_EQ(a.Kind(), b.Kind());
    EXPECT_EQ(a.FormulaText(), b.FormulaText());
    EXPECT_EQ(a.RangeA.FormulaText(), b.RangeA.FormulaText());
    EXPECT_EQ(a.RangeB.FormulaText(), b.RangeB.FormulaText());
    EXPECT_EQ(a.Quality.FormulaText(), b.Quality.FormulaText());
    EXPECT_EQ(a.ArgName, b.ArgName);
    EXPECT_EQ(a.Color, b.Color);
    EXPECT_EQ(a.Points, b.Points);
    EXPECT_EQ(a.ByPoints, b.ByPoints);
    EXPECT_EQ(a.GBuild, b.GBuild);
    EXPECT_EQ(a.WLine, b.WLine);
    EXPECT_EQ(a.Drawn, b.Drawn);
}

// Keeps what the dialog was shown and answers it with other values, or cancels.
class TFakeEditor : public TObjectEditor {
public:
    bool RunFuInput(TFuInputData& data) override {
        Shown = data;
        data.FyText = "X^2";
        data.AText = "-P1";
        data.QualityText = "300.5";
        data.Color = clNavy;
        data.WLine = 4;
        data.ByPoints = true;
        data.GBuild = false;
        return Confirm;
    }
    bool Confirm = false;
    TFuInputData Shown;
};
} // namespace

TEST(TFnDocument, SaveThenReadGivesAnEqualObject) {
    struct Row {
        const char *func, *a, *b, *quality;
    } rows[] = {
        {"SIN(P1*X)", "-2*PI", "P2+1", "250"}, {"SIN X", "", "1/", "BAD"}, // bad texts are kept as they were
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.func);
        TFn fn(r.func, r.a, r.b, clTeal);
        fn.Quality = TRngBGP(r.quality);
        fn.Points = 250;
        fn.ByPoints = true;
        fn.GBuild = false;
        fn.WLine = 3;
        IniFile ini;
        fn.Save(ini, "Obj1");
        ini.LoadFromText(ini.ToText());
        const std::unique_ptr<TFn> read = ReadObject(ini, "Obj1");
        ASSERT_TRUE(read);
        ExpectSameObject(*read, fn);
    }
}

TEST(TFnDocument, RecordKeysInOrderAndReadDefaults) {
    IniFile ini;
    TFn("X", "-5", "5", clRed).Save(ini, "Obj1");
    EXPECT_EQ(ini.Keys("Obj1"), (std::vector<std::string>{"ObjType", "Func", "A", "B", "Color", "BGP",
                                                          "Points", "ByPoints", "GBuild", "WLine"}));
    EXPECT_EQ(ini.ReadString("Obj1", "ObjType", ""), "Normal");

    ini.LoadFromText("[Obj1]\nObjType=Normal\n");
    const TFn read(ini, "Obj1");
    ExpectSameObject(read, TFn("", "", "", 0));
    EXPECT_EQ(read.Quality.FormulaText(), "100");
    EXPECT_TRUE(read.GBuild);
    EXPECT_EQ(read.WLine, 1);
}

TEST(ObjectFactory, CreatesTheRegisteredKindsOnly) {
    IniFile ini;
    ini.LoadFromText("[Obj1]\nObjType=Normal\n[Obj2]\nObjType=Bogus\n[Obj3]\nObjType=normal\n");
    const std::unique_ptr<TFn> fn = ReadObject(ini, "Obj1");
    ASSERT_TRUE(fn);
    EXPECT_EQ(fn->ObjType(), "Normal");
    EXPECT_FALSE(ReadObject(ini, "Obj2")); // no such kind
    EXPECT_FALSE(ReadObject(ini, "Obj3")); // written by the program, so matched exactly
    RegisterObjectReader("Bogus",
                         [](const IniFile& i, const std::string& s) { return std::make_unique<TFn>(i, s); });
    EXPECT_TRUE(ReadObject(ini, "Obj2"));
    RegisterObjectReader("Bogus", nullptr);
    EXPECT_FALSE(ReadObject(ini, "Obj2"));
}

TEST(TFn, CaptionInfoLinesAndExtents) {
    const TParamTableGuard params;
    ParamTable()[1].Value = -2;
    TFn fn("P1*X^2", "-2", "3", clRed);
    fn.Quality = TRngBGP("5"); // whole steps: the walk meets 0
    EXPECT_EQ(fn.Caption(), "Y(X)=P1*X^2");
    TMasshImage image;
    fn.CalcBounds(image);
    EXPECT_EQ(fn.MaxX, 3); // the upper bound is always tabulated
    std::vector<std::string> lines;
    fn.ShowInfo(lines);
    EXPECT_EQ(lines, (std::vector<std::string>{"Y(X)=(-2)*X^2", "A=-2", "B=3", "MinY=-18", "MaxY=0"}));
    fn.RangeA.SetFormula("3"); // an empty range leaves the last extents
    fn.CalcBounds(image);
    EXPECT_EQ(fn.MinY, -18);

    TFn none("SQRT(-1-X*X)", "-1", "1", clRed);
    none.CalcBounds(image);
    EXPECT_EQ(none.MinX, -1);
    EXPECT_TRUE(IsUndefined(none.MaxY));
    lines.clear();
    none.ShowInfo(lines);
    EXPECT_EQ(lines.size(), 3u);
}

TEST(TFn, MarksTheParametersOfItsBoundsQualityAndFormula) {
    const TParamTableGuard params;
    TFn fn("P2*X", "P1", "5", clRed);
    fn.Quality = TRngBGP("P3*100");
    EXPECT_FALSE(TFn("X", "P1", "5", clRed).UsesParams()); // the formula only
    fn.MarkParams();
    for (int k = 1; k <= TParamTable::Count; ++k)
        EXPECT_EQ(ParamTable()[k].Used, k <= 3) << k;
}

TEST(TFn, EditFillsTheDialogAndTakesItBackOnlyOnOk) {
    TFn fn("X", "-5", "5", clRed);
    fn.Quality = TRngBGP("200");
    fn.Points = 7;
    EXPECT_FALSE(fn.Edit()); // no editor installed
    TFakeEditor editor;
    SetObjectEditor(&editor);
    EXPECT_FALSE(fn.Edit());
    EXPECT_EQ(fn.Points, 7);
    EXPECT_EQ(fn.FormulaText(), "X");
    EXPECT_EQ(editor.Shown.FyLabel, "Y(X)=");
    EXPECT_EQ(editor.Shown.QualityText, "200");
    EXPECT_FALSE(editor.Shown.FxVisible || editor.Shown.AyByVisible || editor.Shown.PrecisionVisible);

    editor.Confirm = true;
    EXPECT_TRUE(fn.Edit());
    SetObjectEditor(nullptr);
    TFn expected("X^2", "-P1", "5", clNavy);
    expected.Quality = TRngBGP("300.5");
    expected.Points = 300; // the rounded quality
    expected.WLine = 4;
    expected.ByPoints = true;
    expected.GBuild = false;
    ExpectSameObject(fn, expected);
}

TEST(TFn, ExtentsLeaveOutOnlyTheValuesBesideAPole) {
    const Real tan46 = std::tan(4.6L);
    struct Row {
        const char* formula;
        const char* a;
        const char* b;
        Real minY, maxY;
        const char* why;
    } rows[] = {
        {"1/X", "-5", "5", -10, 10, "the walk meets 0 exactly; the values beside the hole count"},
        {"TG(X)", "-5", "5", -tan46, tan46, "14 and -34 beside PI/2, 80 and -11 beside 3*PI/2 are left out"},
        {"INT(X)", "-5", "5", -5, 5, "the values beside a jump are drawn, and count"},
        {"1/(X-0.05)", "-5", "5", -1 / 0.15L, 1 / 0.15L, "-20 and 20 beside the pole are left out"},
        {"X^3-3*X", "-2.5", "2.5", -8.125L, 8.125L, "no pole: every sample counts"},
    };
    TMasshImage image;
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.formula) + ": " + r.why);
        TFn fn(r.formula, r.a, r.b, clRed);
        fn.CalcBounds(image);
        EXPECT_LD_NEAR(fn.MinY, r.minY, 1e-15L);
        EXPECT_LD_NEAR(fn.MaxY, r.maxY, 1e-15L);
        EXPECT_EQ(fn.MinX, fn.RangeA.Value());
        EXPECT_EQ(fn.MaxX, fn.RangeB.Value());
    }
}
