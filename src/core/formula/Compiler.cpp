#include "core/formula/Compiler.h"

using namespace codes;

namespace {

constexpr int DepthWeight = 40;

int Level(Code c) {
    switch (c) {
    case Add:
    case Sub: return 1;
    case Mul:
    case Div: return 2;
    case Pow: return 3;
    default: return IsFunction(c) ? 4 : 0;
    }
}

// Priority of every position: depth * 40 + level; the last position has 0.
std::vector<int> Priorities(const TokenString& s) {
    std::vector<int> prio(s.size(), 0);
    int depth = 0;
    for (std::size_t p = 0; p < s.size(); ++p) {
        if (s[p] == Open)
            ++depth;
        else if (s[p] == Close)
            --depth;
        prio[p] = depth * DepthWeight + Level(s[p]);
    }
    if (!prio.empty()) prio.back() = 0;
    return prio;
}

// The leftmost operation whose priority is not lower than that of the next operation (or of the last
// position).
long ChooseOperation(const TokenString& s) {
    const std::vector<int> prio = Priorities(s);
    const long n = static_cast<long>(s.size());
    for (long o = 0; o < n; ++o) {
        if (!IsOperation(s[o])) continue;
        long next = o + 1;
        while (next < n && !IsOperation(s[next]))
            ++next;
        if (next >= n) next = n - 1;
        if (prio[o] >= prio[next]) return o;
    }
    return -1;
}

// A stack machine run over the program's shape: every operation finds its operands, one value remains.
bool WellFormed(const Program& program) {
    int depth = 0;
    for (Code c : program) {
        if (IsOperand(c))
            ++depth;
        else if (c == Swap) {
            if (depth < 2) return false;
        } else if (IsBinary(c)) {
            if (depth < 2) return false;
            --depth;
        } else if (IsFunction(c)) {
            if (depth < 1) return false;
        } else {
            return false;
        }
    }
    return depth == 1;
}

} // namespace

bool SyntaxCheck(const TTokens& tokens, int& operations, TCompileFault& fault) {
    const TokenString& t = tokens.Codes;
    operations = 0;
    const auto fail = [&fault](TFormulaFault reason, std::size_t offset) {
        fault = TCompileFault{reason, offset};
        return false;
    };
    const std::size_t end = tokens.Origin.back();
    if (t.empty() || (t.size() == 2 && IsBinary(t.back())))
        return fail(TFormulaFault::Empty, end); // nothing but the leading "0 +"
    for (std::size_t i = 0; i + 1 < t.size(); ++i) {
        const Code c = t[i], n = t[i + 1];
        const std::size_t at = tokens.Origin[i + 1]; // most rules refuse the second code
        if (IsOperand(c) && (IsOperand(n) || n == Open))
            return fail(TFormulaFault::ImplicitProduct, at); // "2X", "2(": no implicit product
        if (IsOperand(c) && IsFunction(n)) return fail(TFormulaFault::FunctionAfterOperand, at); // "2SIN(X)"
        if (c == Open && IsBinary(n)) return fail(TFormulaFault::OperatorAfterOpen, at);   // "(*X", "(+X"
        if (IsBinary(c) && n == Close) return fail(TFormulaFault::CloseAfterOperator, at); // "X+)"
        if (IsFunction(c) && n != Open) return fail(TFormulaFault::FunctionWithoutParenthesis, at); // "SIN2"
        if (IsBinary(c) && IsBinary(n)) return fail(TFormulaFault::TwoOperators, at);  // "2*-3", "X^-1"
        if (c == Open && n == Close) return fail(TFormulaFault::EmptyParentheses, at); // "()"
        if (c == Close && n != Close && !IsBinary(n))
            return fail(TFormulaFault::NoOperatorAfterClose, at);            // ")X", ")("
        if (c == Log) return fail(TFormulaFault::LogCode, tokens.Origin[i]); // "LO(...)"
        if (IsOperation(c)) ++operations;
    }
    const Code last = t.back();
    if (IsBinary(last) || IsFunction(last)) return fail(TFormulaFault::Unfinished, end); // "X+", "SIN"
    return true;
}

bool SyntaxCheck(const TokenString& tokens, int& operations) {
    TTokens traced{tokens, std::vector<std::size_t>(tokens.size() + 1)};
    TCompileFault fault;
    return SyntaxCheck(traced, operations, fault);
}

bool EmitProgram(TokenString s, int operations, Program& program) {
    program.clear();
    for (int step = 0; step < operations; ++step) {
        const long o = ChooseOperation(s);
        if (o < 0) return false;
        const long n = static_cast<long>(s.size());
        long from = o, to = o;
        if (IsBinary(s[o])) {
            long left = o - 1, k = 0;
            while (left >= 0 && s[left] == Close)
                --left, ++k;
            long right = o + 1, m = 0;
            while (right < n && s[right] == Open)
                ++right, ++m;
            if (left < 0 || right >= n || left - k < 0 || right + m >= n) return false;
            const bool leftLoaded = s[left] != Result;
            if (leftLoaded) program.push_back(s[left]);
            if (s[right] != Result)
                program.push_back(s[right]);
            else if (leftLoaded)
                program.push_back(Swap); // the right value was below the fresh left one
            program.push_back(s[o]);
            from = left - k;
            to = right + m;
        } else {
            long right = o + 1, m = 0;
            while (right < n && s[right] == Open)
                ++right, ++m;
            if (right + m >= n) return false;
            if (s[right] != Result) program.push_back(s[right]);
            program.push_back(s[o]);
            to = right + m;
        }
        s.erase(s.begin() + from + 1, s.begin() + to + 1);
        s[from] = Result;
    }
    return s.size() == 1 && s[0] == Result && WellFormed(program);
}

bool CompileFormula(const std::string& formula, TCompiled& out, TFormulaError* error) {
    TTokens tokens;
    TCompileFault fault;
    int operations = 0;
    bool ok = TokenizeFormula(formula, tokens, out.Consts, fault) && SyntaxCheck(tokens, operations, fault);
    if (ok && !EmitProgram(std::move(tokens.Codes), operations, out.Codes)) {
        fault = TCompileFault{TFormulaFault::Unevaluable, 0};
        ok = false;
    }
    if (error) *error = ToFormulaError(fault, formula);
    return ok;
}
