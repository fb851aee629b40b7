#include "app/CalcMode.h"

#include "base/MessageTable.h"
#include "base/NumberText.h"
#include "formula/TFunc.h"

namespace {
constexpr int MsgExpressionError = 7; // "Помилка у виразі!"
constexpr int MsgEvaluationError = 8; // "Помилка обчислення!"
} // namespace

std::string CalculatorLine(const std::string& expression) {
    TFunc f("0");
    if (!f.SetFormula(expression)) return Msg(MsgExpressionError);
    const Real v = f.Calc(0, 0);
    return IsUndefined(v) ? Msg(MsgEvaluationError) : FloatStr(v);
}

int RunCalcMode(const std::vector<std::string>& args, std::string& out, std::string& err) {
    std::size_t i = 0;
    while (i < args.size() && args[i] == "--digits") {
        if (i + 1 >= args.size()) {
            err += "vorn1: --digits needs a number\n";
            return 2;
        }
        const std::string& n = args[i + 1];
        if (n.empty() || n.size() > 2 || n.find_first_not_of("0123456789") != std::string::npos) {
            err += "vorn1: --digits takes a number from 0 to 18, not \"" + n + "\"\n";
            return 2;
        }
        SetDigits(std::stoi(n));
        i += 2;
    }
    for (; i < args.size(); ++i)
        out += CalculatorLine(args[i]) + "\n";
    return 0;
}
