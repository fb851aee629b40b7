// Work shared out over threads draws exactly what one thread draws, call for call.
#include "core/analysis/Shading.h"
#include "core/base/WorkerPool.h"
#include "core/document/GraphPicture.h"
#include "core/objects/TFc.h"
#include "core/objects/TFf.h"
#include "core/objects/TFp.h"
#include "core/stats/TGList.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <stdexcept>

namespace {
// Uneven shares, more threads than the machine may have.
constexpr int ManyThreads = 3;

struct TScene {
    TDocument doc;
    TMasshImage image;
    TRecordingCanvas canvas;
    TGList labels;
    explicit TScene(const TMassh& window) {
        image.SetSize(1000, 800); // large enough to be shared out
        image.SetMassh(window);
        image.SetCanvas(&canvas);
        image.grAddColor = clSilver;
    }
    TFn& Add(std::unique_ptr<TFn> f) {
        TFn& ref = *f;
        doc.Objects.Append(std::move(f), true);
        return ref;
    }
    // The picture drawn with the given number of threads.
    std::vector<TCanvasCall> Draw(int threads, char shade = ShadeNone) {
        const TPoolThreadsScope scope(threads);
        canvas.Clear();
        DrawObjects(image, doc);
        if (shade != ShadeNone) {
            FillSelection(doc.Objects, doc.Selection, true);
            ShadeGxySystem(doc.Selection, shade, image);
        }
        return canvas.Calls();
    }
};

std::unique_ptr<TFg> Implicit(const char* g, int precision, const char* a = "-5", const char* b = "5") {
    auto f = std::make_unique<TFg>(g, a, b, "-4", "4", clRed);
    f->PrecisionGraph = precision;
    return f;
}
} // namespace

TEST(ThreadedDrawing, ImplicitCurvesAndShadingAreThoseOfOneThread) {
    struct TRow {
        const char* G;
        int Precision;
        TMassh Window;
        char Shade;
    };
    const TRow rows[] = {
        {"X^2+Y^2-4", 6, {-5, 5, -5, 5}, ShadeLess},
        {"X^2+Y^2-4", 1, {-5, 5, -5, 5}, ShadeGreater},
        {"SIN(X*Y)-0.2", 3, {-5, 5, -5, 5}, ShadeLess}, // many curves, some cells refined, some not
        {"1/X+TG(Y)",
         6,
         {-2.5L, 7, -3, 3.5L},
         ShadeGreater},                        // poles, undefined points, a part of the rectangle
        {"X*Y", 4, {-1, 1, -1, 1}, ShadeLess}, // zeros all along both axes
        {"SQRT(1-X*X-Y*Y)-0.5", 5, {-1.2L, 1.2L, -1, 1}, ShadeGreater}, // undefined outside the unit disk
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.G + std::string(" at precision ") + std::to_string(row.Precision));
        TScene scene(row.Window);
        scene.Add(Implicit(row.G, row.Precision));
        const auto one = scene.Draw(1, row.Shade);
        ASSERT_GT(scene.canvas.CountOf(CallKind::SetPixel), 100);
        EXPECT_TRUE(scene.Draw(ManyThreads, row.Shade) == one);
        EXPECT_TRUE(scene.Draw(2, row.Shade) == one);
    }
}

TEST(ThreadedDrawing, RedrawsOfMixedObjectsAreThoseOfOneThread) {
    TScene scene({-6, 6, -4, 4});
    scene.Add(std::make_unique<TFn>("SIN(X*3)", "-10", "10", clRed));
    scene.Add(std::make_unique<TFn>("1/X", "-5", "5", clBlue)).WLine = 3;
    TFn& points = scene.Add(std::make_unique<TFn>("SQRT(4-X*X)", "-5", "5", clGreen));
    points.ByPoints = true;
    points.WLine = 2;
    scene.Add(Implicit("X^2/9+Y^2-1", 6));
    scene.Add(std::make_unique<TFp>("2*SIN(T)", "COS(3*T)", "0", "2*PI", clNavy));
    scene.Add(std::make_unique<TFf>("1+COS(F)", "0", "2*PI", clTeal));
    scene.Add(std::make_unique<TFc>("X*X+Y*Y-1", "-1", "1", "-1", "1", clPurple));
    scene.Add(std::make_unique<TFn>("TG(X)", "-5", "5", clOlive));
    scene.Add(std::make_unique<TFn>("INT(X)", "-5", "5", clMaroon));
    scene.canvas.Pen().Width = 7; // whatever the state before, the pens drawn with are the same
    scene.canvas.Brush().Color = clYellow;
    const auto one = scene.Draw(1);
    ASSERT_GT(one.size(), 1000u);
    EXPECT_TRUE(scene.Draw(ManyThreads) == one);
    for (int i = 0; i < scene.doc.Objects.Count(); ++i)
        EXPECT_TRUE(scene.doc.Objects.Object(i).Drawn) << i;
}

TEST(ThreadedDrawing, ThePoolRunsEveryJobOnceAndPassesFailuresOn) {
    TWorkerPool pool(4);
    std::vector<std::atomic<int>> runs(1000);
    pool.Run(1000, [&](int i) {
        ++runs[i];
        // Work started from a job runs on that job's thread.
        pool.Run(3, [&](int) {});
    });
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(runs[i], 1) << i;
    EXPECT_THROW(pool.Run(50,
                          [](int i) {
                              if (i == 17) throw std::runtime_error("job 17");
                          }),
                 std::runtime_error);
    std::atomic<int> after{0};
    pool.Run(5, [&](int) { ++after; }); // the failure left the pool working
    pool.SetThreads(1);
    pool.Run(5, [&](int) { ++after; });
    EXPECT_EQ(after, 10);
}
