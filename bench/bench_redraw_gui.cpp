// The graph window's full redraw into a 1000 x 800 QImage: the coordinate system and ten explicit functions
// SIN(X*k)+k, k = 1..10, on [-100, 100] at quality 1000, through the same picture path and QImage canvas the
// window uses, with the walks shared out over the worker threads and on one thread. Baseline in the same
// run: the coordinate system alone, so the objects' share shows. Wall-clock time; run it while the machine
// is otherwise idle and take the medians of repetitions (--benchmark_repetitions=9).
#include "core/base/WorkerPool.h"
#include "core/document/GraphPicture.h"
#include "core/plot/Osi.h"
#include "core/plot/TMasshImage.h"
#include "core/stats/TGList.h"
#include "gui/plot/QImageCanvas.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>

#include <memory>

namespace {
constexpr int Width = 1000, Height = 800;

struct Scene {
    TDocument doc;
    TMasshImage image;
    TGList labels;
    QImage bitmap{Width, Height, QImage::Format_RGB32};
    TQImageCanvas canvas{&bitmap};

    explicit Scene(int functions) {
        ApplyGraphWindowDefaults(image);
        image.SetSize(Width, Height);
        image.SetCanvas(&canvas);
        for (int k = 1; k <= functions; ++k) {
            auto fn = std::make_unique<TFn>("SIN(X*" + std::to_string(k) + ")+" + std::to_string(k), "-100",
                                            "100", clRed);
            fn->Quality.SetFormula("1000");
            fn->CalcBounds(image);
            doc.Objects.Append(std::move(fn), true);
        }
        AutoMassh(doc.Objects, doc.DrawList, image);
    }
};

void BM_RedrawTenFunctions(benchmark::State& state) {
    const TPoolThreadsScope scope(state.range(0) > 0 ? static_cast<int>(state.range(0))
                                                     : TWorkerPool::Instance().Threads());
    Scene scene(10);
    for (auto _ : state) {
        DrawGraphPicture(scene.image, scene.doc, scene.labels, {});
        benchmark::DoNotOptimize(scene.bitmap.constBits());
    }
    state.SetLabel(state.range(0) == 1 ? "10 functions, quality 1000, 1000 x 800, one thread"
                                       : "10 functions, quality 1000, 1000 x 800, every thread");
}

void BM_RedrawCoordinateSystemOnly(benchmark::State& state) {
    Scene scene(0);
    for (auto _ : state) {
        Osi(scene.image);
        benchmark::DoNotOptimize(scene.bitmap.constBits());
    }
}

// The argument: 0 for every thread of the pool, 1 for one thread.
BENCHMARK(BM_RedrawTenFunctions)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RedrawCoordinateSystemOnly)->Unit(benchmark::kMillisecond)->UseRealTime();
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // fonts for the axis numbers
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
