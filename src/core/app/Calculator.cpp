#include "core/app/Calculator.h"

#include "core/base/MessageTable.h"
#include "core/base/NumberText.h"
#include "core/formula/TFunc.h"

std::string CalculatorLine(const std::string& expression) {
    TFunc f("0");
    if (!f.SetFormula(expression)) return Msg(msg::CalcExpressionError);
    const Real v = f.Calc(0, 0);
    return IsUndefined(v) ? Msg(msg::CalcEvaluationError) : FloatStr(v);
}
