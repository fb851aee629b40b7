// The hatch of the system X*X+Y*Y-1 < 0 (an implicit curve on [-5, 5] x [-5, 5]) over a 1000 x 800 surface,
// onto a canvas that only counts its calls, in two windows: (-5; 5)-(-5; 5), where most cells lie outside
// the disk and only their corners are tested, and (-0.5; 0.5)-(-0.4; 0.4), wholly inside it, where every
// cell is tested pixel by pixel. Baseline for each: as many bare evaluations of the same compiled formula as
// the scan makes point tests, over the window's pixels, in the same run. The goal is at most 1.5 times the
// baseline for the shading on one thread; the shading on the worker threads is compared with that on one
// thread in the same run. Wall-clock time, as the shading runs on several threads; run it while the machine
// is otherwise idle and take the medians of repetitions (--benchmark_repetitions=9).
#include "TimeReporter.h"
#include "core/analysis/Shading.h"
#include "core/base/WorkerPool.h"
#include "core/document/TFuncs.h"
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
const char* const Formula = "X*X+Y*Y-1";

struct TCase {
    const char* Name;
    TMassh Window;
    long long Tests = 0; // point tests of one shading, counted before the runs
};
TCase Cases[] = {
    {"disk in the window", {-5, 5, -5, 5}},
    {"window inside the disk", {-0.5L, 0.5L, -0.4L, 0.4L}},
};

struct TSetup {
    TMasshImage image;
    TCountingCanvas canvas;
    TFg curve{Formula, "-5", "5", "-5", "5", clRed};
    explicit TSetup(const TMassh& window) {
        image.SetSize(SurfaceWidth, SurfaceHeight);
        image.SetMassh(window);
        image.SetCanvas(&canvas);
        curve.Drawn = true;
    }
    TShadeResult Shade() {
        TFuncs selection;
        selection.Items.push_back(&curve);
        return ShadeGxySystem(selection, ShadeLess, image);
    }
};

void Shade(benchmark::State& state, const TCase* c, int threads) {
    const TPoolThreadsScope scope(threads > 0 ? threads : TWorkerPool::Instance().Threads());
    TSetup s(c->Window);
    for (auto _ : state)
        benchmark::DoNotOptimize(s.Shade());
    state.counters["tests"] = static_cast<double>(c->Tests);
    state.counters["pixels"] =
        benchmark::Counter(static_cast<double>(s.canvas.Calls) / static_cast<double>(state.iterations()));
}

// As many evaluations as the scan's tests, row by row over the window's pixels.
void BareCalls(benchmark::State& state, const TCase* c) {
    const TFunc g(Formula);
    const TMassh& w = c->Window;
    const Real px = (w.XMax - w.XMin) / SurfaceWidth, py = (w.YMax - w.YMin) / SurfaceHeight;
    for (auto _ : state) {
        Real sum = 0;
        long long n = 0;
        for (int row = 0; n < c->Tests; row = (row + 1) % SurfaceHeight)
            for (int col = 0; col < SurfaceWidth && n < c->Tests; ++col, ++n)
                sum += g.Calc(w.XMin + col * px, w.YMax - row * py);
        benchmark::DoNotOptimize(sum);
    }
}

} // namespace

int main(int argc, char** argv) {
    const int threads = TWorkerPool::Instance().Threads();
    for (TCase& c : Cases) {
        {
            const TPoolThreadsScope one(1);
            c.Tests = TSetup(c.Window).Shade().PointTests;
        }
        benchmark::RegisterBenchmark((std::string("Shading/") + c.Name).c_str(), Shade, &c, 0)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
        benchmark::RegisterBenchmark((std::string("Shading/one thread, ") + c.Name).c_str(), Shade, &c, 1)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
        benchmark::RegisterBenchmark((std::string("Shading/bare calls, ") + c.Name).c_str(), BareCalls, &c)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    }
    benchmark::Initialize(&argc, argv);
    TimeReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n");
    for (const TCase& c : Cases) {
        const auto shade = Times().find(std::string("Shading/") + c.Name);
        const auto one = Times().find(std::string("Shading/one thread, ") + c.Name);
        const auto bare = Times().find(std::string("Shading/bare calls, ") + c.Name);
        if (shade == Times().end() || one == Times().end() || bare == Times().end() || bare->second <= 0 ||
            one->second <= 0)
            continue;
        std::printf("%s: %lld point tests; shading %.3f ms on %d threads, %.3f ms on one (ratio %.2f); bare "
                    "evaluations %.3f ms, one thread %.2fx them (goal: at most 1.5x)\n",
                    c.Name, c.Tests, shade->second, threads, one->second, shade->second / one->second,
                    bare->second, one->second / bare->second);
    }
    benchmark::Shutdown();
    return 0;
}
