// A full redraw of ten explicit functions SIN(X*k)+k, k = 1..10, on [-100, 100] with quality 1000, onto a
// 1000 x 800 surface whose canvas only counts its calls: the cost of the sampling, not of the painting.
// Baseline: the same walk over the same functions written as native long double code. CPU time, as the
// machine may be shared.
#include "core/objects/TFn.h"
#include "core/plot/TMasshImage.h"

#include "CountingCanvas.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {
constexpr int FunctionCount = 10;
constexpr int SurfaceWidth = 1000, SurfaceHeight = 800;
// The window the automatic scale gives these graphs, about.
constexpr TMassh Window{-100, 100, -1, 12};

// The same object with its formula as native code.
class TNativeSine : public TFn {
public:
    explicit TNativeSine(int k) : TFn("0", "-100", "100", clRed), m_k(k) { Quality.SetFormula("1000"); }
    Real YOf(Real t) const override { return std::sin(t * m_k) + m_k; }

private:
    int m_k;
};

std::vector<std::unique_ptr<TFn>> Formulas() {
    std::vector<std::unique_ptr<TFn>> fns;
    for (int k = 1; k <= FunctionCount; ++k) {
        auto fn = std::make_unique<TFn>("SIN(X*" + std::to_string(k) + ")+" + std::to_string(k), "-100",
                                        "100", clRed);
        fn->Quality.SetFormula("1000");
        fns.push_back(std::move(fn));
    }
    return fns;
}

std::vector<std::unique_ptr<TFn>> Natives() {
    std::vector<std::unique_ptr<TFn>> fns;
    for (int k = 1; k <= FunctionCount; ++k)
        fns.push_back(std::make_unique<TNativeSine>(k));
    return fns;
}

std::map<std::string, double>& Times() {
    static std::map<std::string, double> t;
    return t;
}

void Redraw(benchmark::State& state, std::vector<std::unique_ptr<TFn>> (*make)()) {
    TMasshImage image;
    TCountingCanvas canvas;
    image.SetSize(SurfaceWidth, SurfaceHeight);
    image.SetMassh(Window);
    image.SetCanvas(&canvas);
    const std::vector<std::unique_ptr<TFn>> fns = make();
    for (auto _ : state) {
        for (const auto& fn : fns)
            fn->Draw(image);
        benchmark::DoNotOptimize(canvas.Calls);
    }
    state.counters["segments"] =
        benchmark::Counter(static_cast<double>(canvas.Calls) / static_cast<double>(state.iterations()));
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
    benchmark::RegisterBenchmark("Draw/10 formulas", Redraw, Formulas)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Draw/10 native", Redraw, Natives)->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    TimeReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto f = Times().find("Draw/10 formulas"), n = Times().find("Draw/10 native");
    if (f != Times().end()) std::printf("\nOne full redraw of the 10 graphs: %.3f ms CPU\n", f->second);
    if (f != Times().end() && n != Times().end() && n->second > 0)
        std::printf("Compiled formulas / native code, same walk: %.2fx\n", f->second / n->second);
    benchmark::Shutdown();
    return 0;
}
