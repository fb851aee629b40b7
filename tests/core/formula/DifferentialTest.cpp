// Random formulas, each built together with its expression tree: the compiled formula, run by the fast form
// and code by code, must give the tree's value to the bit, with the same undefined points.
#include "core/formula/Codes.h"
#include "core/formula/Operations.h"
#include "core/formula/ParamTable.h"
#include "core/formula/PlainEvaluator.h"
#include "core/formula/TFunc.h"

#include "support/LongDoubleNear.h"
#include "support/ParamTableGuard.h"

#include <functional>
#include <memory>
#include <random>

namespace {

struct Expr {
    std::string text;
    std::function<bool(Real x, Real y, Real& out)> eval; // false: no value
};

class Generator {
public:
    explicit Generator(unsigned seed) : m_rng(seed) {}

    Expr Formula() {
        Expr e = Sum(0);
        auto inner = e.eval;
        // The compiler reads every formula as 0 + formula.
        return {e.text, [inner](Real x, Real y, Real& out) {
                    Real v;
                    return inner(x, y, v) && Apply(codes::Add, 0, v, out);
                }};
    }

private:
    static bool Apply(Code op, Real l, Real r, Real& out) {
        return ops::Binary(op, l, r, out) && ops::Finite(out);
    }

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }

    // sum = ["-"] product {("+" | "-") product}; a leading minus is 0 - product.
    Expr Sum(int depth) {
        Expr e = Product(depth);
        if (Pick(5) == 0) e = Combine(Expr{"0", Leaf(0)}, codes::Sub, e, "-", true);
        for (int n = Pick(4) / 2; n > 0; --n) {
            const bool plus = Pick(2);
            e = Combine(e, plus ? codes::Add : codes::Sub, Product(depth), plus ? "+" : "-");
        }
        return e;
    }
    Expr Product(int depth) {
        Expr e = Power(depth);
        for (int n = Pick(4) / 2; n > 0; --n) {
            const bool times = Pick(2);
            e = Combine(e, times ? codes::Mul : codes::Div, Power(depth), times ? "*" : "/");
        }
        return e;
    }
    Expr Power(int depth) {
        Expr e = Unit(depth);
        for (int n = Pick(4) == 0 ? 1 + Pick(2) : 0; n > 0; --n)
            e = Combine(e, codes::Pow, Unit(depth), "^");
        return e;
    }
    Expr Unit(int depth) {
        const int choice = depth > 1 ? 0 : Pick(6);
        if (choice <= 2) return Atom();
        if (choice == 3) {
            Expr inner = Sum(depth + 1);
            return {"(" + inner.text + ")", inner.eval};
        }
        static const struct {
            const char* name;
            Code code;
        } functions[] = {{"SIN", codes::Sin},   {"COS", codes::Cos},   {"TG", codes::Tg},
                         {"CTG", codes::Ctg},   {"ASIN", codes::Asin}, {"ACOS", codes::Acos},
                         {"ATG", codes::Atg},   {"ACTG", codes::Actg}, {"EXP", codes::Exp},
                         {"LG", codes::Lg},     {"LN", codes::Ln},     {"ABS", codes::Abs},
                         {"SQRT", codes::Sqrt}, {"INT", codes::Int}};
        const auto& f = functions[Pick(14)];
        Expr arg = Sum(depth + 1);
        auto inner = arg.eval;
        const Code code = f.code;
        return {std::string(f.name) + "(" + arg.text + ")", [inner, code](Real x, Real y, Real& out) {
                    Real a;
                    return inner(x, y, a) && ops::Function(code, a, out) && ops::Finite(out);
                }};
    }
    Expr Atom() {
        switch (Pick(9)) {
        case 0:
        case 1: return {"X", [](Real x, Real, Real& out) { return out = x, true; }};
        case 2: return {"Y", [](Real, Real y, Real& out) { return out = y, true; }};
        case 3: return {"PI", Leaf(ops::Pi)};
        case 4: {
            const int k = 1 + Pick(3);
            const Real* p = ParamTable().ValueAddress(k);
            return {"P" + std::to_string(k), [p](Real, Real, Real& out) { return out = *p, true; }};
        }
        default: {
            static const char* numbers[] = {"2", "3", "0.5", "1", "0", "10", "2.5", "1E-3", "7"};
            static const Real values[] = {2, 3, 0.5L, 1, 0, 10, 2.5L, 1e-3L, 7};
            const int i = Pick(9);
            Real v = values[i];
            if (i == 7) v = 0.001L; // "1E-3" does not tokenize as a number: use the decimal form
            return {i == 7 ? "0.001" : numbers[i], Leaf(v)};
        }
        }
    }
    static std::function<bool(Real, Real, Real&)> Leaf(Real v) {
        return [v](Real, Real, Real& out) { return out = v, true; };
    }
    static Expr Combine(const Expr& l, Code op, const Expr& r, const char* sign, bool unary = false) {
        auto le = l.eval, re = r.eval;
        return {(unary ? "" : l.text) + sign + r.text, [le, re, op](Real x, Real y, Real& out) {
                    Real a, b;
                    return le(x, y, a) && re(x, y, b) && Apply(op, a, b, out);
                }};
    }

    std::mt19937 m_rng;
};

} // namespace

TEST(Differential, CompiledFormulasMatchTheirExpressionTreesToTheBit) {
    const TParamTableGuard params;
    ParamTable()[1].Value = 0.75L;
    ParamTable()[2].Value = -2;
    ParamTable()[3].Value = 3;
    const Real points[][2] = {{0, 0},   {1, 2},        {-1, 0.5L},    {0.3L, -0.7L}, {2.5L, 3},
                              {-3, -3}, {1e-5L, 1e5L}, {100, -0.01L}, {-0.5L, 0},    {7, 1}};
    Generator gen(20261208);
    int compiled = 0, defined = 0;
    for (int i = 0; i < 4000; ++i) {
        const Expr e = gen.Formula();
        TFunc f("0");
        if (!f.SetFormula(e.text)) continue; // too many numbers or codes for one formula
        ++compiled;
        for (const auto& p : points) {
            Real expected;
            if (!e.eval(p[0], p[1], expected))
                expected = UndefinedValue;
            else
                ++defined;
            const Real fast = f.Calc(p[0], p[1]);
            const Real plain = EvaluatePlain(f.ProgramCodes(), f.Consts(), p[0], p[1]);
            ASSERT_TRUE(SameBits(fast, expected))
                << e.text << " at (" << RealText(p[0]) << ", " << RealText(p[1]) << "): fast "
                << RealText(fast) << ", expected " << RealText(expected);
            ASSERT_TRUE(SameBits(plain, expected)) << e.text << ": plain " << RealText(plain);
        }
    }
    EXPECT_GT(compiled, 3000);
    EXPECT_GT(defined, 10000);
}
