#pragma once
// The arithmetic of formulas: every operation with its domain rule. Each returns false where the formula has
// no value; a processor fault (overflow, division by zero, invalid operation) shows as a non-finite result,
// which the callers turn into the undefined value.
#include "core/base/Real.h"
#include "core/formula/Codes.h"

#include <cmath>
#include <cstdint>

namespace ops {

using ::Pi;
constexpr Real HalfPi = Pi / 2;
constexpr Real WholeExponentLimit = 2147483647.0L;

inline bool IsWhole(Real v) {
    return std::floor(v) == v;
}
inline bool Finite(Real v) {
    return std::isfinite(v);
}

// Repeated squaring: the exact order of multiplications of the power rules for whole exponents.
inline Real IntPower(Real base, std::uint64_t n) {
    Real result = 1;
    while (n > 0) {
        while ((n & 1) == 0) {
            n >>= 1;
            base = base * base;
        }
        --n;
        result = result * base;
    }
    return result;
}

// |b|^n for a whole n >= 1 of any size; beyond 2^64 every such n is even.
inline Real WholePower(Real b, Real n) {
    constexpr Real TwoTo64 = 18446744073709551616.0L;
    if (n < TwoTo64) return IntPower(b, static_cast<std::uint64_t>(n));
    const Real a = std::fabs(b);
    return a == 1 ? 1 : (a < 1 ? 0 : HUGE_VALL);
}

// b^e by the seven power rules, in order.
inline bool Power(Real b, Real e, Real& out) {
    if (!Finite(b) || !Finite(e)) return false;
    if (b == 0) { // 0^0 and 0^-1 are 0
        out = 0;
        return true;
    }
    if (e == 0) {
        out = 1;
        return true;
    }
    if (e > 0 && e < WholeExponentLimit && IsWhole(e)) {
        out = IntPower(b, static_cast<std::uint64_t>(e));
        return true;
    }
    const Real exponent = e * std::log(std::fabs(b));
    if (!Finite(exponent)) return false;
    const Real t = std::exp(exponent);
    if (!Finite(t)) return false;
    if (b > 0) {
        out = t;
        return true;
    }
    const Real ae = std::fabs(e);
    if (ae >= 0.001L && ae <= 1) { // odd roots of a negative number: (-8)^(1/3) is -2
        const Real q = 1 / ae;
        if (IsWhole(q) && std::fmod(q, 2) == 1) {
            out = -t;
            return true;
        }
    }
    if (ae >= 1 && IsWhole(ae)) {
        // Whole exponents of a negative base. The exponent is negative here except above 2^31 - 1, where the
        // power itself, not its reciprocal, is meant.
        const Real p = WholePower(b, ae);
        if (e > 0) {
            out = p;
            return Finite(p);
        }
        if (!Finite(p) || p == 0) // overflow, or the reciprocal of an underflow
            return false;
        out = 1 / p;
        return true;
    }
    return false;
}

inline bool Binary(Code op, Real l, Real r, Real& out) {
    switch (op) {
    case codes::Add: out = l + r; return true;
    case codes::Sub: out = l - r; return true;
    case codes::Mul: out = l * r; return true;
    case codes::Div:
        if (r == 0) return false;
        out = l / r;
        return true;
    case codes::Pow: return Power(l, r, out);
    default: return false;
    }
}

inline const Real& Ln10() {
    static const Real value = std::log(10.0L);
    return value;
}

inline bool Function(Code f, Real a, Real& out) {
    switch (f) {
    case codes::Sin: out = std::sin(a); return true;
    case codes::Cos: out = std::cos(a); return true;
    case codes::Tg: {
        const Real c = std::cos(a);
        if (c == 0) return false;
        out = std::sin(a) / c;
        return true;
    }
    case codes::Ctg: {
        const Real s = std::sin(a);
        if (s == 0) return false;
        out = std::cos(a) / s;
        return true;
    }
    case codes::Asin:
        if (!(std::fabs(a) < 1)) return false;
        out = std::atan(a / std::sqrt(1 - a * a));
        return true;
    case codes::Acos:
        if (!(std::fabs(a) < 1)) return false;
        out = HalfPi - std::atan(a / std::sqrt(1 - a * a));
        return true;
    case codes::Atg: out = std::atan(a); return true;
    case codes::Actg: out = HalfPi - std::atan(a); return true;
    case codes::Exp: out = std::exp(a); return true;
    case codes::Lg:
        if (a <= 0) return false;
        out = std::log(a) / Ln10();
        return true;
    case codes::Ln:
        if (a <= 0) return false;
        out = std::log(a);
        return true;
    case codes::Abs: out = std::fabs(a); return true;
    case codes::Sqrt:
        if (a < 0) return false;
        out = std::sqrt(a);
        return true;
    case codes::Int: out = std::floor(a); return true;
    default: return false;
    }
}

} // namespace ops
