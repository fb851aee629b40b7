#include "core/objects/TFs.h"
#include "core/base/IniFile.h"
#include "core/base/MessageTable.h"
#include "core/base/NumberText.h"
#include "core/objects/ObjectFactory.h"
#include "support/LongDoubleNear.h"
#include "support/ObjectRecord.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {
// A sample of the given values, entered one by one.
TFs SampleOf(std::initializer_list<Real> values, int smodel = SampleByPoints, const char* a = "0",
             const char* b = "0", int k = 0) {
    TFs s(clBlue);
    TXList raw;
    for (Real x : values)
        raw.AddNumber(x);
    raw.Sort();
    s.Variants = CountVariants(raw);
    s.Smodel = smodel;
    s.K = k;
    s.RangeA.SetFormula(a);
    s.RangeB.SetFormula(b);
    s.StatEnterType = TSampleEntryType::Variants;
    s.LoadSample();
    s.CalcBounds(TMasshImage());
    return s;
}

std::vector<Real> RawValues(const TFs& s) {
    std::vector<Real> v;
    for (int i = 0; i < s.Sample.Count(); ++i)
        v.push_back(s.Sample.NumberAt(i));
    return v;
}
} // namespace

TEST(TFs, MeasuresOfSmallSamples) {
    struct Row {
        const char* why;
        std::initializer_list<Real> values;
        Real m, s, mode, median, harmonic, geometric, quadratic;
    } rows[] = {
        {"textbook sample",
         {1, 2, 2, 3},
         2,
         std::sqrt(2.0L / 3),
         2,
         2,
         4 / (1 + 0.5L + 0.5L + 1.0L / 3),
         std::pow(12.0L, 0.25L),
         std::sqrt(4.5L)},
        {"equal values: s is 0.001, also where the sums leave rounding",
         {0.1L, 0.1L, 0.1L},
         0.1L,
         0.001L,
         0.1L,
         0.1L,
         0.1L,
         0.1L,
         0.1L},
        {"a single value divides by nothing", {7}, 7, 0.001L, 7, 7, 7, 7, 7},
        {"equal top frequencies: the smaller variant is the mode; a zero stays out of the harmonic mean",
         {0, 4, 4, 1, 1},
         2,
         std::sqrt(3.5L),
         1,
         1,
         5 / 2.5L,
         0,
         std::sqrt(34.0L / 5)},
        {"negative product keeps its sign",
         {-8, 1},
         -3.5L,
         std::sqrt(40.5L),
         -8,
         -3.5L,
         2 / (1 - 0.125L),
         -std::sqrt(8.0L),
         std::sqrt(32.5L)},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.why);
        const TFs s = SampleOf(r.values);
        EXPECT_EQ(s.N, static_cast<int>(r.values.size()));
        EXPECT_LD_NEAR(s.M, r.m, 1e-15L);
        EXPECT_LD_NEAR(s.S, r.s, 1e-15L);
        EXPECT_LD_NEAR(s.Mode, r.mode, 0);
        EXPECT_LD_NEAR(s.Median, r.median, 1e-18L);
        EXPECT_LD_NEAR(s.Harmonic, r.harmonic, 1e-15L);
        EXPECT_LD_NEAR(s.Geometric, r.geometric, 1e-15L);
        EXPECT_LD_NEAR(s.Quadratic, r.quadratic, 1e-15L);
    }
}

TEST(TFs, GeometricMeanStopsMultiplyingPastItsLimit) {
    // 1e300^4 = 1e1200 passes the limit after the fourth factor; the fifth is left out.
    const TFs s = SampleOf({1e300L, 1e300L, 1e300L, 1e300L, 1e300L});
    EXPECT_LD_NEAR(s.Geometric, std::pow(1e1200L, 0.2L), 1e224L);
}

TEST(TFs, InfoLinesOfBothModels) {
    ResetBuiltInTexts();
    SetDigits(4);
    const TFs points = SampleOf({1, 2, 2, 3});
    EXPECT_EQ(points.Caption(), "Статистична вибірка, M=2, s=0.8165");
    std::vector<std::string> lines;
    points.ShowInfo(lines);
    EXPECT_EQ(lines, (std::vector<std::string>{"Мат. сподівання (M)=2", "Середнє кв. відхилення(s)=0.8165",
                                               "Об'єм вибірки=4", "MinX=1, MaxX=3", "Мода=2",
                                               "Середнє гармонійне=1.714", "Середнє геометричне=1.861",
                                               "Середнє квадратичне=2.121"}));
    const TFs intervals = SampleOf({0.5L, 1.25L, 2, 3.123456789L}, SampleByIntervals, "0", "4", 2);
    lines.clear();
    intervals.ShowInfo(lines);
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[2], "A=0");
    EXPECT_EQ(lines[3], "B=4");
    EXPECT_EQ(lines[5], "MinX=0.5, MaxX=3.123456789"); // the largest in the plain 15-digit text
    EXPECT_EQ(lines[6], "Медіана=1.625");
}

TEST(TFs, DensityByIntervalsAndFrequencyByPoints) {
    // [0, 4] in two intervals of width 2: three values in the first, one in the second.
    TFs s = SampleOf({0.5L, 1, 1.5L, 3}, SampleByIntervals, "0", "4", 2);
    s.SGraphType = SampleHistogram; // the scale takes the largest density
    s.CalcBounds(TMasshImage());
    EXPECT_EQ(s.IntervalCount(1), 3);
    EXPECT_EQ(s.IntervalCount(2), 1);
    struct Row {
        Real x, y;
    } rows[] = {{-10, 3.0L / 8},     {0, 3.0L / 8}, {2, 3.0L / 8},
                {2.0001L, 1.0L / 8}, {4, 1.0L / 8}, {99, 1.0L / 8}};
    for (const Row& r : rows) {
        SCOPED_TRACE(RealText(r.x));
        EXPECT_LD_NEAR(s.YOf(r.x), r.y, 1e-18L); // left of A the first interval, right of B the last
    }
    EXPECT_LD_NEAR(s.MaxY, 3.0L / 8, 1e-18L);
    EXPECT_LD_NEAR(s.MinY, -0.02L * 3 / 8, 1e-18L);
    EXPECT_TRUE(s.IsIntegrable());

    const TFs p = SampleOf({1, 2, 2, 3});
    EXPECT_EQ(p.YOf(2), 0.5L);
    EXPECT_EQ(p.YOf(2.5L), 0);
    EXPECT_FALSE(p.IsIntegrable());
}

TEST(TFs, GroupedDataAreSpreadOverTheirIntervals) {
    TXYList v;
    v.AddVariant(2, 1);
    v.AddVariant(3, 3);
    TXList raw;
    ASSERT_EQ(VariantStep(v), 2);
    SpreadSample(v, 2, raw);
    const Real expected[] = {0, 1, 2, 2 + 2.0L / 3, 4}; // the last value of the last variant is x + d/2
    ASSERT_EQ(raw.Count(), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_LD_NEAR(raw.NumberAt(i), expected[i], 1e-18L);

    TXYList uneven;
    uneven.AddVariant(1, 0.1L);
    uneven.AddVariant(1, 0.2L);
    uneven.AddVariant(1, 0.3L);
    EXPECT_LD_NEAR(VariantStep(uneven), 0.1L, 1e-18L); // typed steps count as equal
    uneven.AddVariant(1, 0.5L);
    EXPECT_EQ(VariantStep(uneven), 0);
}

TEST(TFs, SaveThenReadGivesTheSameSample) {
    SetDigits(4);
    TFs s = SampleOf({1, 3, 3, 5, 1.23456L}, SampleByIntervals, "0", "P1+5", 3);
    s.SGraphType = SampleDistribution;
    s.IntRozp = true;
    s.IntDiv.SetFormula("3");
    s.FxPlain = FxStepped;
    s.LineT = 2;
    s.WLine = 3;
    IniFile ini;
    s.Save(ini, "Obj1");
    EXPECT_EQ(ini.ToText(),
              "[Obj1]\nObjType=Stat\nColor=16711680\nA=0\nB=P1+5\nSmodel=1\nSrng=3\nSGraphType=2\n"
              "Dimension=4\nStatEnterType=2\nWLine=3\nLineT=2\nGBuild=1\nIntRozp=1\nIntDiv=3\n"
              "FxPlain=2\nX0=1\nk0=1\nX1=1.235\nk1=1\nX2=3\nk2=2\nX3=5\nk3=1\n");
    const std::unique_ptr<TFn> read = ReadObject(ini, "Obj1");
    ASSERT_TRUE(read);
    ASSERT_EQ(read->Kind(), ObjKind::Sample);
    EXPECT_EQ(RecordText(*read), ini.ToText());

    // A variant that is no number spoils the sample; missing keys take the format's defaults.
    ini.WriteString("Obj1", "X2", "three");
    EXPECT_FALSE(ReadObject(ini, "Obj1"));
    IniFile bare;
    bare.WriteString("S", "ObjType", "Stat");
    const TFs defaults(bare, "S");
    EXPECT_EQ(defaults.SGraphType, SampleHistogram);
    EXPECT_EQ(defaults.StatEnterType, TSampleEntryType::None);
    EXPECT_EQ(defaults.IntDiv.FormulaText(), "1");
    EXPECT_TRUE(defaults.GBuild);
    EXPECT_EQ(defaults.Variants.Count(), 0);
}

TEST(TFs, ReadingByIntervalsSpreadsEquallySpacedVariants) {
    IniFile ini;
    ini.LoadFromText("[S]\nObjType=Stat\nA=0\nB=6\nSmodel=1\nSrng=3\nDimension=3\nX0=1\nk0=2\nX1=3\nk1=1\n"
                     "X2=5\nk2=1\n");
    TFs s(ini, "S");
    EXPECT_EQ(RawValues(s), (std::vector<Real>{0, 1, 2, 6}));
}

namespace {
struct DrawSample : ::testing::Test {
    void SetUp() override {
        image.SetSize(400, 200);
        image.SetMassh({-1, 7, -0.5L, 1.5L});
        image.SetCanvas(&canvas);
        image.grAddColor = clGreen;
    }
    // The rows of the dashed pixels in a column.
    std::vector<int> DashedRows(int x) const {
        std::vector<int> rows;
        for (const TCanvasCall& c : canvas.CallsOf(CallKind::SetPixel))
            if (c.Points[0].x == x && c.Color == clGreen) rows.push_back(c.Points[0].y);
        return rows;
    }
    int TopDashedRow(int x) const {
        const std::vector<int> rows = DashedRows(x);
        return rows.empty() ? INT_MAX : *std::min_element(rows.begin(), rows.end());
    }
    bool HasLine(int x1, int y1, int x2, int y2) const {
        for (const TCanvasCall& c : canvas.CallsOf(CallKind::Line))
            if (c.Points[0] == TPoint{x1, y1} && c.Points[1] == TPoint{x2, y2}) return true;
        return false;
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> t;
        for (const TCanvasCall& c : canvas.CallsOf(CallKind::TextOut))
            t.push_back(c.Text);
        return t;
    }
    TMasshImage image;
    TRecordingCanvas canvas;
};
} // namespace

TEST_F(DrawSample, HistogramBarsDashedEdgesAndSubintervals) {
    // Densities 3/8 over [0, 2] and 1/8 over [2, 4].
    TFs s = SampleOf({0.5L, 1, 1.5L, 3}, SampleByIntervals, "0", "4", 2);
    s.IntRozp = true;
    s.IntDiv.SetFormula("2");
    s.SGraphType = SampleHistogram;
    s.CalcBounds(image);
    s.Draw(image);
    const int y0 = image.YToScr(0), x0 = image.XToScr(0), x2 = image.XToScr(2), x4 = image.XToScr(4);
    const int tall = image.YToScr(3.0L / 8), low = image.YToScr(1.0L / 8);
    EXPECT_TRUE(HasLine(0, y0, x0, y0));      // the axis up to A
    EXPECT_TRUE(HasLine(x0, tall, x2, tall)); // the bars
    EXPECT_TRUE(HasLine(x2, low, x4, low));
    EXPECT_TRUE(HasLine(x4, y0, image.Width(), y0)); // and on from B
    for (int x : {x0, x2, x4, image.XToScr(1), image.XToScr(3)}) {
        const std::vector<int> rows = DashedRows(x);
        ASSERT_FALSE(rows.empty()) << x;
        for (int r : rows)
            EXPECT_LT(((r % 8) + 8) % 8, 4) << "dashes 4 on, 4 off";
    }
    // The edge between the bars rises to the taller one; B's edge to the last bar, the subdivision of the
    // second bar to its own top.
    EXPECT_LE(TopDashedRow(x2), tall + 3);
    EXPECT_GE(TopDashedRow(x4), low);
    EXPECT_LE(TopDashedRow(x4), low + 3);
    EXPECT_GE(TopDashedRow(image.XToScr(3)), low);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"|", "^", "^"}));
    EXPECT_TRUE(s.Drawn);
}

TEST_F(DrawSample, SpikesPolygonAndStepsByPoints) {
    TFs s = SampleOf({1, 3, 3, 5}, SampleByPoints, "1", "5");
    const int y0 = image.YToScr(0), y1 = image.YToScr(1);
    auto x = [&](Real v) { return image.XToScr(v); };
    auto y = [&](Real v) { return image.YToScr(v); };

    s.SGraphType = SampleHistogram;
    s.Draw(image);
    EXPECT_TRUE(HasLine(x(1), y0, x(1), y(0.25L)));
    EXPECT_TRUE(HasLine(x(3), y0, x(3), y(0.5L)));

    canvas.Clear();
    s.SGraphType = SamplePolygon;
    s.Draw(image);
    const auto polylines = canvas.CallsOf(CallKind::Polyline);
    ASSERT_EQ(polylines.size(), 1u);
    EXPECT_EQ(polylines[0].Points,
              (std::vector<TPoint>{{x(1), y(0.25L)}, {x(3), y(0.5L)}, {x(5), y(0.25L)}}));
    EXPECT_FALSE(DashedRows(x(5)).empty());

    canvas.Clear();
    s.SGraphType = SampleDistribution;
    s.Draw(image);
    EXPECT_TRUE(HasLine(0, y0, x(1), y0)); // level 0 up to A
    EXPECT_TRUE(HasLine(x(1), y(0.25L), x(3), y(0.25L)));
    EXPECT_TRUE(HasLine(x(3), y(0.75L), x(5), y(0.75L)));
    EXPECT_TRUE(HasLine(x(5), y1, image.Width(), y1)); // level 1 after the data
}

TEST_F(DrawSample, DistributionByIntervalsInItsThreeStyles) {
    TFs s = SampleOf({0.5L, 1, 1.5L, 3}, SampleByIntervals, "0", "4", 2);
    s.SGraphType = SampleDistribution;
    auto x = [&](Real v) { return image.XToScr(v); };
    auto y = [&](Real v) { return image.YToScr(v); };
    s.FxPlain = FxContinuous;
    s.Draw(image);
    ASSERT_EQ(canvas.CountOf(CallKind::Polyline), 1);
    EXPECT_EQ(canvas.CallsOf(CallKind::Polyline)[0].Points,
              (std::vector<TPoint>{{x(0), y(0)}, {x(2), y(0.75L)}, {x(4), y(1)}}));
    EXPECT_TRUE(HasLine(x(4), y(1), image.Width(), y(1)));

    canvas.Clear();
    s.FxPlain = FxByInterval;
    s.Draw(image);
    const auto circles = canvas.CallsOf(CallKind::Ellipse);
    ASSERT_EQ(circles.size(), 1u); // interval starts from the second one on
    EXPECT_EQ(circles[0].Points, (std::vector<TPoint>{{x(2) - 2, y(0.75L) - 2}, {x(2) + 3, y(0.75L) + 3}}));
    EXPECT_FALSE(DashedRows(x(2)).empty());

    canvas.Clear();
    s.FxPlain = FxStepped;
    s.Draw(image);
    EXPECT_TRUE(HasLine(x(0), y(0.75L), x(2), y(0.75L)));
    EXPECT_TRUE(HasLine(x(2), y(1), x(4), y(1)));
}
