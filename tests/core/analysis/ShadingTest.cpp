#include "core/analysis/Shading.h"
#include "core/document/GraphPicture.h"
#include "core/document/ObjectRemoval.h"
#include "core/objects/TFc.h"
#include "core/stats/TGList.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {
struct ShadingOnSurface : ::testing::Test {
    void SetUp() override {
        image.SetSize(400, 400);
        image.SetMassh({-2, 2, -2, 2});
        image.SetCanvas(&canvas);
        image.grAddColor = clSilver;
        // A redraw repaints from scratch.
        image.OnMasshUpdate = [this](TMasshImage& i) {
            canvas.Clear();
            DrawGraphPicture(i, doc, labels, {});
        };
        image.CanDraw = true;
    }
    TFn& Add(std::unique_ptr<TFn> object) {
        TFn& f = *object;
        f.CalcBounds(image);
        doc.Objects.Append(std::move(object), true);
        return f;
    }
    TFn& AddImplicit(const char* formula, const char* a = "-5", const char* b = "5") {
        return Add(std::make_unique<TFg>(formula, a, b, "-5", "5", clRed));
    }
    // The hatch's pixels in world coordinates.
    std::vector<std::pair<Real, Real>> Hatch() const {
        std::vector<std::pair<Real, Real>> points;
        for (const TCanvasCall& c : canvas.CallsOf(CallKind::SetPixel)) {
            EXPECT_EQ(c.Color, clSilver);
            EXPECT_EQ((c.Points[0].x + c.Points[0].y) % 5, 0);
            points.push_back({image.ScrToX(c.Points[0].x), image.ScrToY(c.Points[0].y)});
        }
        return points;
    }
    TDocument doc;
    TMasshImage image;
    TRecordingCanvas canvas;
    TGList labels;
};

constexpr Real Pixel = 0.01L; // on the (-2; 2) window of 400 pixels
} // namespace

TEST_F(ShadingOnSurface, HatchesTheRegionAndNothingElse) {
    AddImplicit("X*X+Y*Y-1").Drawn = true;
    FillSelection(doc.Objects, doc.Selection, true);
    EXPECT_TRUE(ShadeGxySystem(doc.Selection, ShadeLess, image).Shaded);
    EXPECT_EQ(doc.Selection.ShadeRel, ShadeLess);
    const auto inside = Hatch();
    // A fifth of the disk's pixels, each within a pixel of it.
    EXPECT_NEAR(inside.size(), 3.14159 * 100 * 100 / 5, 200);
    for (const auto& [x, y] : inside)
        EXPECT_LE(std::hypot(x, y), 1 + 2 * Pixel) << x << ", " << y;

    canvas.Clear();
    FillSelection(doc.Objects, doc.Selection, true);
    ShadeGxySystem(doc.Selection, ShadeGreater, image);
    const auto outside = Hatch();
    EXPECT_NEAR(outside.size(), (400 * 400 - 3.14159 * 100 * 100) / 5, 400);
    for (const auto& [x, y] : outside)
        EXPECT_GE(std::hypot(x, y), 1 - 2 * Pixel) << x << ", " << y;
}

TEST_F(ShadingOnSurface, TheRegionIsNarrowedToEveryRectangle) {
    // The unit disk cut at x = 0.33 by the other object's range: the last cells reach past 0.33, their
    // pixels there stay bare.
    AddImplicit("X-10", "-5", "0.33").Drawn = true;
    Add(std::make_unique<TFc>("X*X+Y*Y-1", "-1", "1", "-1", "1", clRed)).Drawn = true;
    FillSelection(doc.Objects, doc.Selection, true);
    ShadeGxySystem(doc.Selection, ShadeLess, image);
    const auto hatch = Hatch();
    const Real cut = std::acos(0.33L) - 0.33L * std::sqrt(1 - 0.33L * 0.33L); // the disk beyond x = 0.33
    EXPECT_NEAR(hatch.size(), (3.14159 - cut) / (Pixel * Pixel) / 5, 100);
    for (const auto& [x, y] : hatch) {
        EXPECT_LE(x, 0.33L + Pixel);
        EXPECT_LE(std::hypot(x, y), 1 + 2 * Pixel) << x << ", " << y;
    }
}

TEST_F(ShadingOnSurface, OnlyCellsWithACornerInTheRegionAreTestedPixelByPixel) {
    // A strip two pixels wide between the corners at 0.3 and 0.4: never seen.
    AddImplicit("(X-0.35)^2-0.0001").Drawn = true;
    AddImplicit("X*X+Y*Y-1"); // not on the graph: left out
    doc.Objects[0].Checked = doc.Objects[1].Checked = true;
    FillSelection(doc.Objects, doc.Selection, true);
    const TShadeResult r = ShadeGxySystem(doc.Selection, ShadeLess, image);
    EXPECT_EQ(doc.Selection.Count(), 1);
    EXPECT_TRUE(r.Shaded);
    EXPECT_LE(r.PointTests, 42 * 42); // the corners of at most 41 x 41 cells, each once
    EXPECT_TRUE(Hatch().empty());

    TFuncs nothing;
    EXPECT_FALSE(ShadeGxySystem(nothing, ShadeLess, image).Shaded);
    EXPECT_EQ(nothing.ShadeRel, ShadeNone);
}

TEST_F(ShadingOnSurface, RedrawsRepeatTheHatchUntilBuildOrRemoval) {
    TFn& circle = Add(std::make_unique<TFc>("X*X+Y*Y-1", "-1", "1", "-1", "1", clRed));
    image.MasshUpdate();
    ASSERT_TRUE(circle.Drawn);
    ShadeCommand(doc, image, ShadeLess);
    const std::size_t before = Hatch().size();

    // Zoomed out, the redraw hatches the smaller disk.
    image.SetMassh({-4, 4, -4, 4});
    image.MasshUpdate();
    const auto zoomed = Hatch();
    EXPECT_NEAR(zoomed.size(), before / 4.0, before / 20.0);
    for (const auto& [x, y] : zoomed)
        EXPECT_LE(std::hypot(x, y), 1 + 4 * Pixel);

    // Shading the other relation takes the old hatch off first.
    ShadeCommand(doc, image, ShadeGreater);
    for (const auto& [x, y] : Hatch())
        EXPECT_GE(std::hypot(x, y), 1 - 4 * Pixel);
    EXPECT_EQ(doc.ShadeList.ShadeRel, ShadeGreater);

    BuildGraph(image, doc);
    image.MasshUpdate();
    EXPECT_TRUE(Hatch().empty());

    ShadeCommand(doc, image, ShadeLess);
    RemoveLastObject(doc);
    image.MasshUpdate();
    EXPECT_TRUE(Hatch().empty());
}
