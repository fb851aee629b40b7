// The scan of the implicit curve 0=X^2+Y^2-4 on [-5, 5] x [-5, 5] over a 1000 x 800 surface showing that
// rectangle, at precision 6 (every pixel) and 1 (cells of 32 pixels), onto a canvas that only counts its
// calls. Baseline: 800,000 bare evaluations of the same compiled formula, one per pixel, in the same run.
// The goal at precision 6 is at most 1.5 times the baseline. CPU time, as the machine may be shared.
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

std::map<std::string, double>& Times() {
    static std::map<std::string, double> t;
    return t;
}

void Scan(benchmark::State& state, int precision) {
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

class TimeReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs)
            if (r.run_type == Run::RT_Iteration || r.aggregate_name == "median")
                Times()[r.run_name.function_name] = r.GetAdjustedCPUTime();
    }
};
} // namespace

int main(int argc, char** argv) {
    benchmark::RegisterBenchmark("Implicit/precision 6", Scan, 6)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Implicit/precision 1", Scan, 1)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Implicit/800000 bare calls", BareCalls)->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    TimeReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto p6 = Times().find("Implicit/precision 6"), p1 = Times().find("Implicit/precision 1");
    const auto bare = Times().find("Implicit/800000 bare calls");
    if (bare != Times().end() && bare->second > 0) {
        std::printf("\n800,000 bare evaluations: %.3f ms CPU\n", bare->second);
        if (p6 != Times().end())
            std::printf("Scan at precision 6: %.3f ms, %.2fx the bare evaluations (goal: at most 1.5x)\n",
                        p6->second, p6->second / bare->second);
        if (p1 != Times().end())
            std::printf("Scan at precision 1: %.3f ms, %.2fx the bare evaluations\n", p1->second,
                        p1->second / bare->second);
    }
    benchmark::Shutdown();
    return 0;
}
