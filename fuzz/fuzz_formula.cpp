// Compiles arbitrary bytes as a formula and evaluates it at a few points: no crash, no hang, and the fast
// form agrees with the code-by-code run everywhere.
#include "core/formula/PlainEvaluator.h"
#include "core/formula/TFunc.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    TFunc f("0");
    if (!f.SetFormula(text)) return 0;
    static const Real points[][2] = {{0, 0}, {1, -1}, {-2.5L, 3}, {1e-300L, 1e300L}, {1e4000L, -1e4000L}};
    for (const auto& p : points) {
        const Real fast = f.Calc(p[0], p[1]);
        const Real plain = EvaluatePlain(f.ProgramCodes(), f.Consts(), p[0], p[1]);
        if (std::memcmp(&fast, &plain, 10) != 0) std::abort();
    }
    (void)f.FormulaWithParams();
    return 0;
}
