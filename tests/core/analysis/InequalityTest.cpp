#include "core/analysis/Inequality.h"
#include "core/analysis/InequalitySystem.h"
#include "core/base/MessageTable.h"
#include "core/document/TFuncs.h"
#include "support/LongDoubleNear.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
const std::string Separator(36, '_');

struct OnDefaultWindow : ::testing::Test {
    void SetUp() override {
        ResetBuiltInTexts();
        image.SetSize(800, 600);
        image.SetCanvas(&canvas);
        image.grAddColor = clSilver;
    }
    TFn& Add(const char* formula, const char* a = "-5", const char* b = "5") {
        objects.push_back(std::make_unique<TFn>(formula, a, b, clBlue));
        objects.back()->Drawn = true;
        selection.Items.push_back(objects.back().get());
        return *objects.back();
    }
    TMasshImage image;
    TRecordingCanvas canvas;
    std::vector<std::unique_ptr<TFn>> objects;
    TFuncs selection;
};
} // namespace

TEST_F(OnDefaultWindow, IntervalsOfOneFunction) {
    struct Row {
        const char *formula, *a, *b;
        TRelation rel;
        Real c;
        std::vector<Real> ends;
        Real tolerance;
    };
    const Row rows[] = {
        {"X*X", "-5", "5", TRelation::Less, 4, {-2, 2}, 1e-4L},
        {"X*X", "-5", "5", TRelation::Greater, 4, {-5, -2, 2, 5}, 1e-4L},
        {"X", "-5", "5", TRelation::Less, 10, {-5, 5}, 0},          // both window ends recorded exactly
        {"X", "-100", "100", TRelation::Greater, 3, {3, 5}, 1e-4L}, // the range is clipped to the window
        {"1/X", "-5", "5", TRelation::Less, 0, {-5}, 0},            // the jump at 0 is no end
        {"X", "3", "1", TRelation::Less, 10, {}, 0},                // an empty range
        {"X", "6", "8", TRelation::Less, 10, {}, 0},                // a range beside the window
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.formula) + " on [" + row.a + ", " + row.b + "]");
        const TFn f(row.formula, row.a, row.b, clBlue);
        const std::vector<Real> ends = InequalityIntervals(f, row.rel, image, row.c);
        ASSERT_EQ(ends.size(), row.ends.size());
        for (std::size_t i = 0; i < ends.size(); ++i)
            EXPECT_LD_NEAR(ends[i], row.ends[i], row.tolerance);
    }
    std::vector<std::string> odd; // y equal to c where it only touches c
    AppendIntervalLines(odd, {-1, 0.5L, 3});
    EXPECT_EQ(odd, (std::vector<std::string>{"-1   0.5", "3", Separator}));
}

TEST_F(OnDefaultWindow, DrawsOnlyForAFunctionOnTheGraph) {
    TFn& f = Add("X*X");
    f.Points = 10; // steps of 1 from -5: the points -1, 0 and 1 hold strictly and get a red circle
    InequalityIntervals(f, TRelation::Less, image, 4);
    ASSERT_EQ(canvas.CountOf(CallKind::Ellipse), 3);
    EXPECT_EQ(canvas.CallsOf(CallKind::Ellipse)[0].Brush.Style, BrushStyle::Clear);
    EXPECT_EQ(canvas.CountOf(CallKind::Line), 10 + 2) << "the line y = 4 in ten pieces, two verticals";
    canvas.Clear();
    f.Drawn = false;
    InequalityIntervals(f, TRelation::Less, image, 4);
    EXPECT_TRUE(canvas.Calls().empty());
}

TEST_F(OnDefaultWindow, SystemOfFunctions) {
    struct Row {
        std::vector<const char*> formulas;
        const char* firstRange[2];
        TRelation rel;
        Real c;
        std::vector<Real> ends;
    };
    const Row rows[] = {
        // The walk meets -1 and 1 exactly, where X and -X equal c and so cross nothing.
        {{"X", "-X"}, {"-5", "5"}, TRelation::Less, 1, {-1, 1}},
        {{"X", "-X"}, {"-5", "5"}, TRelation::Greater, 1, {}},
        {{"X", "-X"}, {"0", "3"}, TRelation::Less, 1, {0, 1}},           // narrowed to the first range
        {{"SQRT(X)"}, {"-5", "5"}, TRelation::Less, 1, {0, 1}},          // no value left of 0
        {{"X", "SQRT(-X)"}, {"-5", "5"}, TRelation::Greater, 1, {1, 5}}, // no value is passed over
    };
    const Real v = Real(10) / 800;
    ASSERT_EQ(-5 + 320 * v, -1); // the precondition of the first row
    for (const Row& row : rows) {
        SCOPED_TRACE(row.formulas[0]);
        objects.clear();
        selection.Clear();
        Add(row.formulas[0], row.firstRange[0], row.firstRange[1]);
        for (std::size_t i = 1; i < row.formulas.size(); ++i)
            Add(row.formulas[i]);
        const std::vector<std::string> lines = SolveInequalitySystem(selection, row.rel, row.c, image);
        ASSERT_EQ(lines.size(), row.formulas.size() + 3 + (row.ends.size() + 1) / 2);
        EXPECT_EQ(lines.front(), "Розв'язування системи нерівностей");
        EXPECT_EQ(lines[1], row.formulas[0] + std::string(RelationText(row.rel)) + "1");
        EXPECT_EQ(lines[row.formulas.size() + 1], "Відрізки:");
        EXPECT_EQ(lines.back(), Separator);
        for (std::size_t i = 0; i + 1 < row.ends.size(); i += 2) {
            const std::string& line = lines[row.formulas.size() + 2 + i / 2];
            const std::size_t gap = line.find("   ");
            ASSERT_NE(gap, std::string::npos) << line;
            EXPECT_LD_NEAR(std::stold(line.substr(0, gap)), row.ends[i], 1e-3L);
            EXPECT_LD_NEAR(std::stold(line.substr(gap + 3)), row.ends[i + 1], 1e-3L);
        }
    }
    // A function off the graph is no part of a system.
    canvas.Clear();
    selection.Clear();
    Add("X").Drawn = false;
    EXPECT_TRUE(SolveInequalitySystem(selection, TRelation::Less, 1, image).empty());
    EXPECT_TRUE(canvas.Calls().empty());
}
