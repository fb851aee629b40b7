// The cost of evaluating a compiled formula against the same formula written as native long double code.
// Each formula runs over the same 1024 arguments; the ratio interpreter/native is printed per formula.
#include "TimeReporter.h"
#include "core/formula/ParamTable.h"
#include "core/formula/TFunc.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

using Native = Real (*)(Real x, Real y);

struct Case {
    const char* name;
    const char* formula;
    Native native;
};

const Real& P(int k) {
    return ParamTable()[k].Value;
}

const Case Cases[] = {
    {"sin", "SIN(X)*X+1", [](Real x, Real) { return std::sin(x) * x + 1; }},
    {"circle", "X^2+Y^2-4", [](Real x, Real y) { return x * x + y * y - 4; }},
    {"sqrtexp", "SQRT(ABS(X))*EXP(-X)",
     [](Real x, Real) { return std::sqrt(std::fabs(x)) * std::exp(0 - x); }},
    {"normal", "1/(SQRT(2*PI)*0.8)*EXP(-(X-2)^2/(2*0.8^2))",
     [](Real x, Real) {
         return 1 / (std::sqrt(2 * Pi) * 0.8L) * std::exp(0 - (x - 2) * (x - 2) / (2 * (0.8L * 0.8L)));
     }},
    {"params", "P1*SIN(P2*X)+COS(X*Y)",
     [](Real x, Real y) { return P(1) * std::sin(P(2) * x) + std::cos(x * y); }},
};

constexpr int ArgCount = 1024;

std::vector<Real> Args() {
    std::vector<Real> a(ArgCount);
    for (int i = 0; i < ArgCount; ++i)
        a[i] = -5 + 10.0L * i / ArgCount;
    return a;
}

void BM_Calc(benchmark::State& state, const Case* c) {
    ParamTable()[1].Value = 1.5L;
    ParamTable()[2].Value = 0.7L;
    const TFunc f(c->formula);
    const std::vector<Real> a = Args();
    for (auto _ : state) {
        Real sum = 0;
        for (int i = 0; i < ArgCount; ++i)
            sum += f.Calc(a[i], a[ArgCount - 1 - i]);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * ArgCount);
}

void BM_Native(benchmark::State& state, const Case* c) {
    ParamTable()[1].Value = 1.5L;
    ParamTable()[2].Value = 0.7L;
    const std::vector<Real> a = Args();
    Native volatile fn = c->native; // keep the native code a call, as the interpreter's is
    for (auto _ : state) {
        Real sum = 0;
        for (int i = 0; i < ArgCount; ++i)
            sum += fn(a[i], a[ArgCount - 1 - i]);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * ArgCount);
}

// The implicit-curve workload at top precision: every pixel of a 1000 x 800 surface.
constexpr int GridW = 1000, GridH = 800;

void BM_GridCalc(benchmark::State& state) {
    const TFunc f("X^2+Y^2-4");
    for (auto _ : state) {
        Real sum = 0;
        for (int j = 0; j < GridH; ++j) {
            const Real y = -4 + 8.0L * j / GridH;
            for (int i = 0; i < GridW; ++i)
                sum += f.Calc(-5 + 10.0L * i / GridW, y);
        }
        benchmark::DoNotOptimize(sum);
    }
}

void BM_GridNative(benchmark::State& state) {
    Native volatile fn = Cases[1].native;
    for (auto _ : state) {
        Real sum = 0;
        for (int j = 0; j < GridH; ++j) {
            const Real y = -4 + 8.0L * j / GridH;
            for (int i = 0; i < GridW; ++i)
                sum += fn(-5 + 10.0L * i / GridW, y);
        }
        benchmark::DoNotOptimize(sum);
    }
}

} // namespace

int main(int argc, char** argv) {
    for (const Case& c : Cases) {
        benchmark::RegisterBenchmark((std::string("Calc/") + c.name).c_str(), BM_Calc, &c);
        benchmark::RegisterBenchmark((std::string("Native/") + c.name).c_str(), BM_Native, &c);
    }
    benchmark::RegisterBenchmark("Calc/grid1000x800", BM_GridCalc)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Native/grid1000x800", BM_GridNative)->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    TimeReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nInterpreter / native long double, same run:\n");
    auto ratio = [](const std::string& name, const char* formula) {
        const auto c = Times().find("Calc/" + name), n = Times().find("Native/" + name);
        if (c != Times().end() && n != Times().end() && n->second > 0)
            std::printf("  %-46s %6.2fx\n", formula, c->second / n->second);
    };
    for (const Case& c : Cases)
        ratio(c.name, c.formula);
    ratio("grid1000x800", "X^2+Y^2-4 on a 1000 x 800 grid");
    benchmark::Shutdown();
    return 0;
}
