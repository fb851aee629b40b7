// A full redraw of ten explicit functions SIN(X*k)+k, k = 1..10, on [-100, 100] with quality 1000, onto a
// 1000 x 800 surface whose canvas only counts its calls: the cost of the sampling, not of the painting. The
// objects are drawn as the graph window draws them, their walks shared out over the worker threads, and on
// one thread, in the same run. Baseline: the same walk over the same functions written as native long
// double code, on one thread. Wall-clock time, as the walks run on several threads; run it while the machine
// is otherwise idle and take the medians of repetitions (--benchmark_repetitions=9).
#include "TimeReporter.h"
#include "core/base/WorkerPool.h"
#include "core/document/GraphPicture.h"
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

using TObjects = std::vector<std::unique_ptr<TFn>>;

TObjects Formulas() {
    TObjects fns;
    for (int k = 1; k <= FunctionCount; ++k) {
        auto fn = std::make_unique<TFn>("SIN(X*" + std::to_string(k) + ")+" + std::to_string(k), "-100",
                                        "100", clRed);
        fn->Quality.SetFormula("1000");
        fns.push_back(std::move(fn));
    }
    return fns;
}

TObjects Natives() {
    TObjects fns;
    for (int k = 1; k <= FunctionCount; ++k)
        fns.push_back(std::make_unique<TNativeSine>(k));
    return fns;
}

void Redraw(benchmark::State& state, TObjects (*make)(), int threads) {
    const TPoolThreadsScope scope(threads > 0 ? threads : TWorkerPool::Instance().Threads());
    TMasshImage image;
    TCountingCanvas canvas;
    image.SetSize(SurfaceWidth, SurfaceHeight);
    image.SetMassh(Window);
    image.SetCanvas(&canvas);
    TDocument doc;
    for (auto& fn : make())
        doc.Objects.Append(std::move(fn), true);
    for (auto _ : state) {
        DrawObjects(image, doc);
        benchmark::DoNotOptimize(canvas.Calls);
    }
    state.counters["segments"] =
        benchmark::Counter(static_cast<double>(canvas.Calls) / static_cast<double>(state.iterations()));
}

} // namespace

int main(int argc, char** argv) {
    const int threads = TWorkerPool::Instance().Threads();
    benchmark::RegisterBenchmark("Draw/10 formulas", Redraw, Formulas, 0)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("Draw/10 formulas, one thread", Redraw, Formulas, 1)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("Draw/10 native, one thread", Redraw, Natives, 1)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::Initialize(&argc, argv);
    TimeReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto f = Times().find("Draw/10 formulas"), one = Times().find("Draw/10 formulas, one thread");
    const auto n = Times().find("Draw/10 native, one thread");
    if (f != Times().end() && one != Times().end() && one->second > 0)
        std::printf("\nOne full redraw of the 10 graphs: %.3f ms on %d threads, %.3f ms on one, ratio %.2f\n",
                    f->second, threads, one->second, f->second / one->second);
    if (one != Times().end() && n != Times().end() && n->second > 0)
        std::printf("Compiled formulas / native code, same walk, one thread: %.2fx\n",
                    one->second / n->second);
    benchmark::Shutdown();
    return 0;
}
