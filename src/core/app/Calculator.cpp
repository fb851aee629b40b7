#include "core/app/Calculator.h"

#include "core/base/MessageTable.h"
#include "core/base/NumberText.h"
#include "core/formula/TFunc.h"

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
