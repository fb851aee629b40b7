#include "core/stats/RandomData.h"

#include "core/formula/TFunc.h"

#include <chrono>
#include <cmath>
#include <limits>

namespace {
constexpr Real TopBelowOne = 1 - std::numeric_limits<Real>::epsilon() / 2;
} // namespace

TRandomSource::TRandomSource()
    : m_engine(static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count())) {}

TRandomSource::TRandomSource(std::uint64_t seed) : m_engine(seed) {}

Real TRandomSource::Uniform() {
    // 64 random bits scaled into [0, 1); the rounding of the largest could reach 1.
    const Real u = static_cast<Real>(m_engine()) / 18446744073709551616.0L;
    return u < 1 ? u : TopBelowOne;
}

TRandomSource& ProgramRandom() {
    static TRandomSource random;
    return random;
}

std::vector<std::pair<Real, Real>> BrownianTrack(int n, Real v, Real rm, bool integer,
                                                 TRandomSource& random) {
    std::vector<std::pair<Real, Real>> track;
    Real x = 0, y = 0;
    for (int i = 0; i < n; ++i) {
        const Real length = v * random.Uniform() / std::sqrt(rm);
        const Real angle = 2 * Pi * random.Uniform();
        x += std::cos(angle) * length;
        y += std::sin(angle) * length;
        if (integer) {
            x = std::trunc(x);
            y = std::trunc(y);
        }
        track.emplace_back(x, y);
    }
    return track;
}

TRandomCheck CheckRandomInput(const std::string& a, const std::string& b, bool checkOrder) {
    TRandomCheck check;
    if (!FormulaCompiles(a)) {
        check.Failed = TRandomBox::AEdit;
        check.Message = msg::FuInputExpressionError;
    } else if (!FormulaCompiles(b)) {
        check.Failed = TRandomBox::BEdit;
        check.Message = msg::FuInputExpressionError;
    } else if (checkOrder && !(EntryValue(b) > EntryValue(a))) {
        check.Failed = TRandomBox::BEdit;
    }
    return check;
}
