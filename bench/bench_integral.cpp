// One full computation of each integral tool for SIN(X) on [0, pi]: the memo lines and the construction drawn
// on an 800 x 600 surface whose canvas only counts its calls (the means and the Darboux sums over 10
// subintervals). The Simpson passes dominate. Baseline: the integral over the same object with its formula as
// native long double code, the same passes. CPU time, as the machine may be shared.
#include "TimeReporter.h"
#include "core/analysis/IntegralTool.h"
#include "core/objects/TFn.h"
#include "core/plot/TMasshImage.h"

#include "CountingCanvas.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <string>

namespace {
constexpr int SurfaceWidth = 800, SurfaceHeight = 600;
const char* const PiText = "3.14159265358979323846";

// The same object with its formula as native code.
class TNativeSine : public TFn {
public:
    TNativeSine() : TFn("0", "-5", "5", clRed) {}
    Real YOf(Real t) const override { return std::sin(t); }
};

void Compute(benchmark::State& state, TIntegralMode mode, bool native) {
    TMasshImage image;
    TCountingCanvas canvas;
    image.SetSize(SurfaceWidth, SurfaceHeight);
    image.SetMassh({-1, 4, -1.5L, 1.5L});
    image.SetCanvas(&canvas);
    std::unique_ptr<TFn> fn =
        native ? std::unique_ptr<TFn>(new TNativeSine) : std::make_unique<TFn>("SIN(X)", "-5", "5", clRed);
    fn->CalcBounds(image);
    fn->Drawn = true;
    TFuncs selection;
    selection.Items.push_back(fn.get());
    selection.Count(*fn);
    TIntegralTool tool;
    tool.Mode = mode;
    tool.Calculated = true;
    const TIntegralTexts texts{"0", PiText, "10"};
    std::size_t lines = 0;
    for (auto _ : state) {
        const TIntegralOutcome out = tool.Compute(selection, texts, image);
        lines += out.Memo.size();
        benchmark::DoNotOptimize(canvas.Calls);
    }
    benchmark::DoNotOptimize(lines);
}

} // namespace

int main(int argc, char** argv) {
    const std::pair<const char*, TIntegralMode> modes[] = {
        {"Integral/integral", TIntegralMode::Integral},
        {"Integral/volume Ox", TIntegralMode::VolumeOx},
        {"Integral/volume Oy", TIntegralMode::VolumeOy},
        {"Integral/arc length", TIntegralMode::ArcLength},
        {"Integral/means, 10", TIntegralMode::IntervalMeans},
        {"Integral/Darboux, 10", TIntegralMode::Darboux},
    };
    for (const auto& [name, mode] : modes)
        benchmark::RegisterBenchmark(name, Compute, mode, false)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Integral/integral, native", Compute, TIntegralMode::Integral, true)
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    TimeReporter reporter(TimeReporter::Clock::Cpu);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto f = Times().find("Integral/integral"), n = Times().find("Integral/integral, native");
    if (f != Times().end() && n != Times().end() && n->second > 0)
        std::printf("\nIntegral, compiled formula / native code, same passes: %.2fx\n",
                    f->second / n->second);
    benchmark::Shutdown();
    return 0;
}
