#include "core/formula/FastProgram.h"

#include "core/formula/Operations.h"
#include "core/formula/ParamTable.h"

#include <cfloat>

using namespace codes;

// Operand kinds of the leaf forms: K a constant, P a parameter, X and Y the arguments.
#define VORN1_LEAF_OPS(name) name##K, name##P, name##X, name##Y
enum FastProgram::Op : std::uint8_t {
    VORN1_LEAF_OPS(Load), // push the top, top := leaf
    VORN1_LEAF_OPS(Add),  // top := top + leaf (also leaf + top: addition commutes exactly)
    VORN1_LEAF_OPS(Sub),  // top := top - leaf
    VORN1_LEAF_OPS(RSub), // top := leaf - top
    VORN1_LEAF_OPS(Mul),  // top := top * leaf
    VORN1_LEAF_OPS(Div),  // top := top / leaf
    VORN1_LEAF_OPS(RDiv), // top := leaf / top
    AddS,
    SubS,
    MulS,
    DivS,
    PowS, // top := popped op top
    Sqr,  // top := top * top
    PowI, // top := top ^ n, 0 < n < 2^31, by repeated squaring
    FSin,
    FCos,
    FTg,
    FCtg,
    FAsin,
    FAcos,
    FAtg,
    FActg,
    FExp,
    FLg,
    FLn,
    FAbs,
    FSqrt,
    FInt,      // top := f(top)
    Undefined, // a constant part has no value: so has the whole formula
    End,
};
#undef VORN1_LEAF_OPS

namespace {

struct Node {
    enum class Kind { Const, Param, X, Y, Bin, Fn } kind;
    Code op = 0;
    Real value = 0;
    int param = 0;
    int a = -1, b = -1;
};

bool IsLeaf(const Node& n) {
    return n.kind != Node::Kind::Bin && n.kind != Node::Kind::Fn;
}

class Builder {
public:
    Builder(std::vector<FastProgram::Instr>& code) : m_code(code) {}

    // Rebuilds the expression; constants folded on the way. False when the codes are not well formed.
    bool Parse(const Program& program, const TConstTable& consts, int& root) {
        std::vector<int> stack;
        for (Code c : program) {
            if (c <= LastConst) {
                const TConst& k = consts[c];
                stack.push_back(k.Param > 0 ? NewNode({Node::Kind::Param, 0, 0, k.Param})
                                            : NewNode({Node::Kind::Const, 0, k.Value}));
            } else if (c == codes::Pi) {
                stack.push_back(NewNode({Node::Kind::Const, 0, ops::Pi}));
            } else if (c == ArgX) {
                stack.push_back(NewNode({Node::Kind::X}));
            } else if (c == ArgY) {
                stack.push_back(NewNode({Node::Kind::Y}));
            } else if (c == Swap) {
                if (stack.size() < 2) return false;
                std::swap(stack[stack.size() - 1], stack[stack.size() - 2]);
            } else if (IsBinary(c)) {
                if (stack.size() < 2) return false;
                const int r = stack.back();
                stack.pop_back();
                stack.back() = Fold({Node::Kind::Bin, c, 0, 0, stack.back(), r});
            } else if (IsFunction(c)) {
                if (stack.empty()) return false;
                stack.back() = Fold({Node::Kind::Fn, c, 0, 0, stack.back()});
            } else {
                return false;
            }
        }
        if (stack.size() != 1) return false;
        root = stack.back();
        return true;
    }

    bool Undefined() const { return m_undefined; }

    // Emits code leaving the node's value in the top register; depth counts the values below it.
    void Gen(int index, int depth) {
        const Node& n = m_nodes[index];
        if (IsLeaf(n)) {
            Leaf(FastProgram::LoadK, n);
            Note(depth + 1);
            return;
        }
        if (n.kind == Node::Kind::Fn) {
            Gen(n.a, depth);
            Emit(FunctionOp(n.op));
            return;
        }
        const Node& l = m_nodes[n.a];
        const Node& r = m_nodes[n.b];
        if (n.op == Pow && r.kind == Node::Kind::Const && r.value > 0 && r.value < ops::WholeExponentLimit &&
            ops::IsWhole(r.value)) {
            Gen(n.a, depth);
            const auto e = static_cast<std::uint32_t>(r.value);
            if (e == 2)
                Emit(FastProgram::Sqr);
            else
                Emit(FastProgram::PowI, e);
            return;
        }
        if (n.op != Pow && IsLeaf(r)) {
            Gen(n.a, depth);
            Leaf(LeafOp(n.op, false), r);
            return;
        }
        if (n.op != Pow && IsLeaf(l)) {
            Gen(n.b, depth);
            Leaf(LeafOp(n.op, true), l);
            return;
        }
        Gen(n.a, depth);
        Gen(n.b, depth + 1);
        static constexpr FastProgram::Op StackOps[] = {
            FastProgram::AddS, FastProgram::SubS, FastProgram::MulS, FastProgram::DivS, FastProgram::PowS};
        Emit(StackOps[n.op - codes::Add]);
    }

    int Depth() const { return m_depth; }

private:
    int NewNode(Node n) {
        m_nodes.push_back(n);
        return static_cast<int>(m_nodes.size()) - 1;
    }

    // Constant parts are computed now with the same operations the evaluator uses; p1..p9 are never constant.
    int Fold(Node n) {
        const Node& a = m_nodes[n.a];
        const bool constant = a.kind == Node::Kind::Const &&
                              (n.kind == Node::Kind::Fn || m_nodes[n.b].kind == Node::Kind::Const);
        if (!constant) return NewNode(n);
        Real v = 0;
        const bool ok = n.kind == Node::Kind::Fn ? ops::Function(n.op, a.value, v)
                                                 : ops::Binary(n.op, a.value, m_nodes[n.b].value, v);
        if (!ok || !ops::Finite(v)) {
            m_undefined = true;
            return NewNode(n);
        }
        return NewNode({Node::Kind::Const, 0, v});
    }

    // The leaf form of +, -, *, /; reversed means the leaf is the left operand.
    static FastProgram::Op LeafOp(Code op, bool reversed) {
        switch (op) {
        case codes::Add: return FastProgram::AddK;
        case codes::Sub: return reversed ? FastProgram::RSubK : FastProgram::SubK;
        case codes::Mul: return FastProgram::MulK;
        default: return reversed ? FastProgram::RDivK : FastProgram::DivK;
        }
    }

    static FastProgram::Op FunctionOp(Code f) {
        switch (f) {
        case Sin: return FastProgram::FSin;
        case Cos: return FastProgram::FCos;
        case Tg: return FastProgram::FTg;
        case Ctg: return FastProgram::FCtg;
        case Asin: return FastProgram::FAsin;
        case Acos: return FastProgram::FAcos;
        case Atg: return FastProgram::FAtg;
        case Actg: return FastProgram::FActg;
        case Exp: return FastProgram::FExp;
        case Lg: return FastProgram::FLg;
        case Ln: return FastProgram::FLn;
        case Abs: return FastProgram::FAbs;
        case Sqrt: return FastProgram::FSqrt;
        default: return FastProgram::FInt;
        }
    }

    void Leaf(FastProgram::Op base, const Node& leaf) {
        FastProgram::Instr in{};
        switch (leaf.kind) {
        case Node::Kind::Const:
            in.op = base;
            in.k = leaf.value;
            break;
        case Node::Kind::Param:
            in.op = static_cast<FastProgram::Op>(base + 1);
            in.p = ParamTable().ValueAddress(leaf.param);
            break;
        case Node::Kind::X: in.op = static_cast<FastProgram::Op>(base + 2); break;
        default: in.op = static_cast<FastProgram::Op>(base + 3); break;
        }
        m_code.push_back(in);
    }

    void Emit(FastProgram::Op op, std::uint32_t n = 0) {
        FastProgram::Instr in{};
        in.op = op;
        in.n = n;
        m_code.push_back(in);
    }

    void Note(int depth) {
        if (depth > m_depth) m_depth = depth;
    }

    std::vector<FastProgram::Instr>& m_code;
    std::vector<Node> m_nodes;
    bool m_undefined = false;
    int m_depth = 0;
};

} // namespace

bool FastProgram::Build(const Program& program, const TConstTable& consts) {
    m_code.clear();
    m_depth = 0;
    Builder builder(m_code);
    int root = -1;
    if (program.empty() || !builder.Parse(program, consts, root)) return false;
    if (builder.Undefined()) {
        m_code.push_back(Instr{Undefined});
        return true;
    }
    builder.Gen(root, 0);
    m_depth = builder.Depth();
    if (m_depth > MaxStack) {
        m_code.clear();
        return false;
    }
    m_code.push_back(Instr{End});
    return true;
}

#define VORN1_LEAF_CASES(name, expr)                                                                         \
    case name##K: {                                                                                          \
        const Real v = ip->k;                                                                                \
        expr;                                                                                                \
    } break;                                                                                                 \
    case name##P: {                                                                                          \
        const Real v = *ip->p;                                                                               \
        expr;                                                                                                \
    } break;                                                                                                 \
    case name##X: {                                                                                          \
        const Real v = x;                                                                                    \
        expr;                                                                                                \
    } break;                                                                                                 \
    case name##Y: {                                                                                          \
        const Real v = y;                                                                                    \
        expr;                                                                                                \
    } break;

// A division whose divisor is zero has no value; one by an infinity (left by an earlier fault) must not turn
// the fault into a finite zero.
#define VORN1_DIVISOR_OK(d) (std::fabs(d) > 0 && std::fabs(d) <= LDBL_MAX)

Real FastProgram::Run(Real x, Real y) const {
    if (m_code.empty()) return UndefinedValue;
    const Real ln10 = ops::Ln10();
    Real stack[MaxStack];
    int sp = 0;
    Real top = 0;
    for (const Instr* ip = m_code.data();; ++ip) {
        switch (ip->op) {
            VORN1_LEAF_CASES(Load, stack[sp++] = top; top = v)
            VORN1_LEAF_CASES(Add, top = top + v)
            VORN1_LEAF_CASES(Sub, top = top - v)
            VORN1_LEAF_CASES(RSub, top = v - top)
            VORN1_LEAF_CASES(Mul, top = top * v)
            VORN1_LEAF_CASES(Div, if (!VORN1_DIVISOR_OK(v)) return UndefinedValue; top = top / v)
            VORN1_LEAF_CASES(RDiv, if (!VORN1_DIVISOR_OK(top)) return UndefinedValue; top = v / top)
        case AddS: top = stack[--sp] + top; break;
        case SubS: top = stack[--sp] - top; break;
        case MulS: top = stack[--sp] * top; break;
        case DivS:
            if (!VORN1_DIVISOR_OK(top)) return UndefinedValue;
            top = stack[--sp] / top;
            break;
        case PowS:
            if (!ops::Power(stack[--sp], top, top)) return UndefinedValue;
            break;
        case Sqr: top = top * top; break;
        case PowI:
            // 0^n is 0 (the repeated product would keep the sign of -0 for odd n).
            top = top == 0 ? 0 : ops::IntPower(top, ip->n);
            break;
        // The functions, each with its domain; ATG, ACTG and EXP would map an infinity left by a fault to a
        // finite value, so they check for it.
        case FSin: top = std::sin(top); break;
        case FCos: top = std::cos(top); break;
        case FTg: {
            const Real c = std::cos(top);
            if (c == 0) return UndefinedValue;
            top = std::sin(top) / c;
        } break;
        case FCtg: {
            const Real sn = std::sin(top);
            if (sn == 0) return UndefinedValue;
            top = std::cos(top) / sn;
        } break;
        case FAsin:
            if (!(std::fabs(top) < 1)) return UndefinedValue;
            top = std::atan(top / std::sqrt(1 - top * top));
            break;
        case FAcos:
            if (!(std::fabs(top) < 1)) return UndefinedValue;
            top = ops::HalfPi - std::atan(top / std::sqrt(1 - top * top));
            break;
        case FAtg:
            if (!ops::Finite(top)) return UndefinedValue;
            top = std::atan(top);
            break;
        case FActg:
            if (!ops::Finite(top)) return UndefinedValue;
            top = ops::HalfPi - std::atan(top);
            break;
        case FExp:
            if (!ops::Finite(top)) return UndefinedValue;
            top = std::exp(top);
            break;
        case FLg:
            if (top <= 0) return UndefinedValue;
            top = std::log(top) / ln10;
            break;
        case FLn:
            if (top <= 0) return UndefinedValue;
            top = std::log(top);
            break;
        case FAbs: top = std::fabs(top); break;
        case FSqrt:
            if (top < 0) return UndefinedValue;
            top = std::sqrt(top);
            break;
        case FInt: top = std::floor(top); break;
        case Undefined: return UndefinedValue;
        case End: return ops::Finite(top) ? top : UndefinedValue;
        default: __builtin_unreachable();
        }
    }
}
