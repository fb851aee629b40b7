#include "core/document/FixParams.h"
#include "core/base/NumberText.h"
#include "core/document/ObjectDefaults.h"
#include "core/document/TDocument.h"
#include "core/formula/ParamTable.h"
#include "core/objects/TFc.h"
#include "core/plot/TMasshImage.h"
#include "support/LongDoubleNear.h"
#include "support/ParamTableGuard.h"

#include <gtest/gtest.h>

namespace {
struct FixParamsTest : ::testing::Test {
    // First, so that the table is restored after everything else of the fixture is gone.
    TParamTableGuard m_params;
    void SetUp() override { SetDigits(4); }
    TDocument doc;
    TMasshImage image;
};
} // namespace

TEST_F(FixParamsTest, CopyFollowsNoParameterAndIsAppendedUnchecked) {
    ParamTable()[1].Value = -2;
    ParamTable()[2].Value = 3;
    auto f = std::make_unique<TFn>("P1*X+p2", "-P2", "2*Pi", clNavy);
    f->GBuild = false;
    f->WLine = 3;
    f->ByPoints = true;
    f->Points = 250;
    doc.Objects.Append(std::move(f), true);

    ASSERT_TRUE(FixParams(doc, image));
    ASSERT_EQ(doc.Objects.Count(), 2);
    EXPECT_EQ(doc.Objects.Current(), 0);
    EXPECT_FALSE(doc.Objects[1].Checked);
    const TFn& copy = doc.Objects.Object(1);
    EXPECT_EQ(copy.FormulaText(), "(-2)*X+3");
    EXPECT_EQ(copy.RangeA.FormulaText(), "-3");
    EXPECT_EQ(copy.RangeB.FormulaText(), "6.283"); // FloatStr's four digits
    EXPECT_EQ(copy.Color, clNavy);
    EXPECT_FALSE(copy.GBuild);
    EXPECT_EQ(copy.WLine, 3);
    EXPECT_TRUE(copy.ByPoints);
    EXPECT_EQ(copy.Points, 250);
    EXPECT_FALSE(copy.UsesParams());
    // Tabulated: y over [-3, 6.283] spans 3 - 2*6.283 .. 3 + 2*3.
    EXPECT_LD_NEAR(copy.MaxY, 9, 1e-12L);

    ParamTable()[1].Value = 1;
    EXPECT_LD_NEAR(copy.Calc(1), 1, 0);
}

TEST_F(FixParamsTest, LargeBoundsStayReadableAsFormulas) {
    EXPECT_EQ(FixedBoundText(12345), "1.235E+04");
    EXPECT_EQ(FixedBoundText(-0.00001L), "-1E-05");
    EXPECT_EQ(FixedBoundText(-5), "-5");
    doc.Objects.Append(std::make_unique<TFn>("X", "0", "12345", clRed), true);
    ASSERT_TRUE(FixParams(doc, image));
    EXPECT_LD_NEAR(doc.Objects.Object(1).RangeB.Value(), 12350, 1e-12L);
}

TEST_F(FixParamsTest, NothingWithoutACurrentObject) {
    EXPECT_FALSE(FixParams(doc, image));
    EXPECT_TRUE(doc.Objects.Empty());
}

TEST(ObjectDefaults, NewExplicitFunctionIsXOverMinusFiveToFive) {
    const auto f = CreateDefaultObject(ObjKind::Explicit, clTeal);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->Kind(), ObjKind::Explicit);
    EXPECT_EQ(f->FormulaText(), "X");
    EXPECT_EQ(f->RangeA.FormulaText(), "-5");
    EXPECT_EQ(f->RangeB.FormulaText(), "5");
    EXPECT_EQ(f->Color, clTeal);
    EXPECT_TRUE(CanCreateObject(ObjKind::Explicit));
}

TEST_F(FixParamsTest, EveryCurveKindIsCreatedWithItsDefaultsAndFixedAsItself) {
    struct Row {
        ObjKind kind;
        const char* caption;
    } rows[] = {
        {ObjKind::Explicit, "Y(X)=X"},
        {ObjKind::Parametric, "X(T)=T, Y(T)=T"},
        {ObjKind::Polar, "R(F)=F"},
        {ObjKind::Implicit, "0=X"},
        {ObjKind::Circle, "Коло з центром (0,0) і радіусом  1"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.caption);
        ASSERT_TRUE(CanCreateObject(r.kind));
        TDocument d;
        std::unique_ptr<TFn> f = CreateDefaultObject(r.kind, clTeal);
        ASSERT_TRUE(f);
        EXPECT_EQ(f->Kind(), r.kind);
        EXPECT_EQ(f->Caption(), r.caption);
        EXPECT_EQ(f->Color, clTeal);
        d.Objects.Append(std::move(f), true);
        ASSERT_TRUE(FixParams(d, image));
        EXPECT_EQ(d.Objects.Object(1).Kind(), r.kind);
        EXPECT_EQ(d.Objects.Object(1).Caption(), r.caption) << "nothing to fix leaves the same object";
    }
    // Tables and broken lines have no fixed form: nothing is appended for them.
    for (ObjKind kind : {ObjKind::Table, ObjKind::BrokenLine}) {
        TDocument d;
        d.Objects.Append(CreateDefaultObject(kind, clTeal), true);
        EXPECT_FALSE(FixParams(d, image));
        EXPECT_EQ(d.Objects.Count(), 1);
    }
}

TEST_F(FixParamsTest, ACircleGivenByAParameterKeepsItsValue) {
    ParamTable()[1].Value = 2.5L;
    auto c = CreateDefaultObject(ObjKind::Circle, clRed);
    auto& circle = static_cast<TFc&>(*c);
    circle.RText = "P1";
    circle.CalcBounds(image);
    doc.Objects.Append(std::move(c), true);
    ASSERT_TRUE(FixParams(doc, image));
    const auto& copy = static_cast<const TFc&>(doc.Objects.Object(1));
    EXPECT_EQ(copy.RText, "2.5");
    EXPECT_FALSE(copy.UsesParams());
    ParamTable()[1].Value = 4;
    EXPECT_LD_NEAR(copy.Geometry().R, 2.5L, 1e-15L);
}
