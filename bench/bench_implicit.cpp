// The scan of the implicit curve 0=X^2+Y^2-4 on [-5, 5] x [-5, 5] over a 1000 x 800 surface showing that
// rectangle, at precision 6 (every pixel) and 1 (cells of 32 pixels), onto a canvas that only counts its
// calls: on the worker threads and on one thread, in the same run. Baseline: 800,000 bare evaluations of the
// same compiled formula, one per pixel, on one thread. The goals: precision 6 under 10 ms, and on one thread
// at most 1.5 times the baseline. Wall-clock time, as the scan runs on several threads; run it while the
// machine is otherwise idle and take the medians of repetitions (--benchmark_repetitions=9).
#include "TimeReporter.h"
#include "core/base/WorkerPool.h"
#include "core/formula/TFunc.h"
#include "core/objects/TFg.h"
#include "core/plot/TMasshImage.h"

#include "CountingCanvas.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {
constexpr int SurfaceWidth = 1000, SurfaceHeight = 800;
constexpr TMassh Window{-5, 5, -5, 5};
const char* const Formula = "X^2+Y^2-4";

void Scan(benchmark::State& state, int precision, int threads) {
    const TPoolThreadsScope scope(threads > 0 ? threads : TWorkerPool::Instance().Threads());
    TMasshImage image;
    TCountingCanvas canvas;
    image.SetSize(SurfaceWidth, SurfaceHeight);
    image.SetMassh(Window);
    image.SetCanvas(&canvas);
    TFg curve(Formula, "-5", "5", "-5", "5", clRed);
    curve.PrecisionGraph = precision;
    for (auto _ : state) {
        curve.Draw(image);
        benchmark::DoNotOptimize(canvas.Calls);
    }
    state.counters["pixels"] =
        benchmark::Counter(static_cast<double>(canvas.Calls) / static_cast<double>(state.iterations()));
}

// The same grid of points the scan meets at precision 6, evaluated and summed.
void BareCalls(benchmark::State& state) {
    const TFunc g(Formula);
    const Real px = (Window.XMax - Window.XMin) / SurfaceWidth,
               py = (Window.YMax - Window.YMin) / SurfaceHeight;
    for (auto _ : state) {
        Real sum = 0;
        Real y = Window.YMax;
        for (int row = 0; row < SurfaceHeight; ++row, y -= py) {
            Real x = Window.XMin;
            for (int col = 0; col < SurfaceWidth; ++col, x += px)
                sum += g.Calc(x, y);
        }
        benchmark::DoNotOptimize(sum);
    }
}

} // namespace

int main(int argc, char** argv) {
    const int threads = TWorkerPool::Instance().Threads();
    for (const int precision : {6, 1}) {
        const std::string name = "Implicit/precision " + std::to_string(precision);
        benchmark::RegisterBenchmark(name.c_str(), Scan, precision, 0)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
        benchmark::RegisterBenchmark((name + ", one thread").c_str(), Scan, precision, 1)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    }
    benchmark::RegisterBenchmark("Implicit/800000 bare calls", BareCalls)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::Initialize(&argc, argv);
    TimeReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto bare = Times().find("Implicit/800000 bare calls");
    std::printf("\n");
    for (const int precision : {6, 1}) {
        const std::string name = "Implicit/precision " + std::to_string(precision);
        const auto many = Times().find(name), one = Times().find(name + ", one thread");
        if (many == Times().end() || one == Times().end() || one->second <= 0) continue;
        std::printf("Scan at precision %d: %.3f ms on %d threads, %.3f ms on one, ratio %.2f%s\n", precision,
                    many->second, threads, one->second, many->second / one->second,
                    precision == 6 ? " (goal: under 10 ms)" : "");
        if (bare != Times().end() && bare->second > 0)
            std::printf("  one thread / 800,000 bare evaluations: %.2fx%s\n", one->second / bare->second,
                        precision == 6 ? " (goal: at most 1.5x)" : "");
    }
    benchmark::Shutdown();
    return 0;
}
