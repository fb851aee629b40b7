#include "core/formula/PlainEvaluator.h"

#include "core/formula/Operations.h"
#include "core/formula/ParamTable.h"

#include <vector>

using namespace codes;

Real EvaluatePlain(const Program& program, const TConstTable& consts, Real x, Real y) {
    if (program.empty()) return UndefinedValue;
    std::vector<Real> stack;
    for (Code c : program) {
        if (c <= LastConst) {
            const TConst& k = consts[c];
            stack.push_back(k.Param > 0 ? ParamTable()[k.Param].Value : k.Value);
        } else if (c == codes::Pi) {
            stack.push_back(ops::Pi);
        } else if (c == ArgY) {
            stack.push_back(y);
        } else if (c == ArgX) {
            stack.push_back(x);
        } else if (c == Swap) {
            std::swap(stack[stack.size() - 1], stack[stack.size() - 2]);
        } else if (IsBinary(c)) {
            const Real r = stack.back();
            stack.pop_back();
            Real& l = stack.back();
            if (!ops::Binary(c, l, r, l) || !ops::Finite(l)) return UndefinedValue;
        } else if (IsFunction(c)) {
            Real& a = stack.back();
            if (!ops::Function(c, a, a) || !ops::Finite(a)) return UndefinedValue;
        }
    }
    return stack.back();
}
