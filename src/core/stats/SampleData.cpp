#include "core/stats/SampleData.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace {
// Differences of neighbours that agree to this part of the step count as equal: variants typed as 0.1,
// 0.2, 0.3 differ by steps that are equal only before the binary rounding.
constexpr Real StepTolerance = 1e-9L;
} // namespace

void MergeVariants(TXYList& variants) {
    variants.Sort();
    std::vector<std::pair<Real, long long>> rows;
    for (int i = 0; i < variants.Count(); ++i) {
        const Real x = variants.VariantValue(i);
        if (!rows.empty() && rows.back().first == x)
            rows.back().second += variants.VariantCount(i);
        else
            rows.emplace_back(x, variants.VariantCount(i));
    }
    variants.Clear();
    for (const auto& [x, f] : rows)
        variants.AddVariant(
            static_cast<std::int32_t>(std::clamp<long long>(f, std::numeric_limits<std::int32_t>::min(),
                                                            std::numeric_limits<std::int32_t>::max())),
            x);
}

TXYList CountVariants(const TXList& sample) {
    TXYList variants;
    for (int i = 0; i < sample.Count();) {
        const Real x = sample.NumberAt(i);
        int j = i;
        while (j < sample.Count() && sample.NumberAt(j) == x)
            ++j;
        variants.AddVariant(j - i, x);
        i = j;
    }
    return variants;
}

Real VariantStep(const TXYList& variants) {
    if (variants.Count() < 2) return 0;
    const Real d = variants.VariantValue(1) - variants.VariantValue(0);
    for (int i = 2; i < variants.Count(); ++i) {
        const Real di = variants.VariantValue(i) - variants.VariantValue(i - 1);
        if (std::fabs(di - d) > StepTolerance * std::fabs(d)) return 0;
    }
    return d;
}

void RepeatSample(const TXYList& variants, TXList& sample) {
    sample.Clear();
    for (int i = 0; i < variants.Count(); ++i)
        for (std::int32_t j = 0; j < variants.VariantCount(i); ++j)
            sample.AddNumber(variants.VariantValue(i));
}

void SpreadSample(const TXYList& variants, Real d, TXList& sample) {
    sample.Clear();
    for (int i = 0; i < variants.Count(); ++i) {
        const Real x = variants.VariantValue(i);
        const std::int32_t f = variants.VariantCount(i);
        for (std::int32_t j = 0; j < f; ++j)
            sample.AddNumber(x - d / 2 + j * d / f);
    }
    const int last = variants.Count() - 1;
    if (last >= 0 && variants.VariantCount(last) > 0 && !sample.Empty()) {
        sample.Delete(sample.Count() - 1);
        sample.AddNumber(variants.VariantValue(last) + d / 2);
    }
}

long long SampleSizeOf(const TXYList& variants) {
    long long n = 0;
    for (int i = 0; i < variants.Count(); ++i)
        if (variants.VariantCount(i) > 0) n += variants.VariantCount(i);
    return std::min<long long>(n, std::numeric_limits<int>::max());
}
