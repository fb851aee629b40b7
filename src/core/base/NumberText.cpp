#include "core/base/NumberText.h"

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale.h>

namespace {

constexpr int DefaultDigits = 4;
constexpr int MinFloatStrDigits = 1;
// An 80-bit value is first written with as many digits as it holds; only that decimal text is rounded, so
// 3.4565 shows as 3.457 although its binary value lies a hair below the half.
constexpr int ExtendedDecimalDigits = 18;
constexpr int PlainDigits = 15;
constexpr int LowestFixedExponent = -4; // 0.0001 is still fixed, 0.00001 is not
constexpr int FloatStrExponentDigits = 2;
constexpr int PlainExponentDigits = 1;

int g_digits = DefaultDigits;

struct Decimal {
    bool negative = false;
    std::string digits; // significant digits, no trailing zeros, never empty for a non-zero value
    int exponent = 0;   // power of ten of the first digit
};

// |x| (non-zero, finite) with ExtendedDecimalDigits digits, then rounded half away from zero to `digits`.
Decimal ToDecimal(Real x, int digits) {
    Decimal d;
    d.negative = std::signbit(x);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*Le", ExtendedDecimalDigits - 1, std::fabs(x));
    // "d.ddddddddddddddddde+XX"; only the digits are taken, so the locale's decimal point does not matter
    std::string all;
    const char* p = buf;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') all += *p;
    d.exponent = *p == 'e' ? std::atoi(p + 1) : 0;

    if (static_cast<int>(all.size()) > digits) {
        const bool up = all[digits] >= '5';
        all.resize(digits);
        if (up) {
            int i = digits - 1;
            while (i >= 0 && all[i] == '9')
                all[i--] = '0';
            if (i >= 0) {
                ++all[i];
            } else {
                all.insert(all.begin(), '1');
                all.resize(digits);
                ++d.exponent;
            }
        }
    }
    while (all.size() > 1 && all.back() == '0')
        all.pop_back();
    d.digits = all;
    return d;
}

// Fixed when LowestFixedExponent <= e < fixedLimit, else "d.dddE[-]xx" with at least exponentDigits digits.
std::string Format(const Decimal& d, int fixedLimit, int exponentDigits) {
    std::string s = d.negative ? "-" : "";
    const int n = static_cast<int>(d.digits.size());
    const int e = d.exponent;
    if (e >= LowestFixedExponent && e < fixedLimit) {
        if (e < 0) {
            s += "0.";
            s.append(-e - 1, '0');
            s += d.digits;
        } else if (n <= e + 1) {
            s += d.digits;
            s.append(e + 1 - n, '0');
        } else {
            s.append(d.digits, 0, e + 1);
            s += '.';
            s.append(d.digits, e + 1, std::string::npos);
        }
        return s;
    }
    s += d.digits[0];
    if (n > 1) {
        s += '.';
        s.append(d.digits, 1, std::string::npos);
    }
    s += 'E';
    if (e < 0) s += '-';
    std::string exp = std::to_string(e < 0 ? -e : e);
    if (static_cast<int>(exp.size()) < exponentDigits) exp.insert(0, exponentDigits - exp.size(), '0');
    return s + exp;
}

// The texts of values that have no digits; zero of either sign is "0".
bool TextWithoutDigits(Real x, std::string& text) {
    if (std::isnan(x)) {
        text = "NAN";
    } else if (std::isinf(x)) {
        text = x < 0 ? "-INF" : "INF";
    } else if (x == 0) {
        text = "0";
    } else {
        return false;
    }
    return true;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Decimal conversion must not follow the user's locale: "1.5" is one and a half everywhere.
locale_t CLocale() {
    static locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    return loc;
}

} // namespace

int Digits() {
    return g_digits;
}

void SetDigits(int digits) {
    g_digits = digits;
}

std::string FloatStr(Real x) {
    return FloatStr(x, g_digits);
}

std::string FloatStr(Real x, int digits) {
    std::string text;
    if (TextWithoutDigits(x, text)) return text;
    if (digits < MinFloatStrDigits) digits = MinFloatStrDigits;
    if (digits > ExtendedDecimalDigits) digits = ExtendedDecimalDigits;
    return Format(ToDecimal(x, digits), digits, FloatStrExponentDigits);
}

std::string PlainNumberText(Real x) {
    const Real value = static_cast<double>(x);
    std::string text;
    if (TextWithoutDigits(value, text)) return text;
    return Format(ToDecimal(value, PlainDigits), PlainDigits, PlainExponentDigits);
}

// [blanks] [sign] (digits ["." [digits]] | "." digits) [("E" | "e") [sign] digits] [blanks]
bool ReadNumber(std::string_view text, Real& value) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;

    std::size_t i = begin;
    if (i < end && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t mantissaDigits = 0;
    while (i < end && IsDigit(text[i]))
        ++i, ++mantissaDigits;
    if (i < end && text[i] == '.') {
        ++i;
        while (i < end && IsDigit(text[i]))
            ++i, ++mantissaDigits;
    }
    if (mantissaDigits == 0) return false; // "", ".", "-", "E5", and so "inf", "nan"
    if (i < end && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        if (i < end && (text[i] == '+' || text[i] == '-')) ++i;
        std::size_t exponentDigits = 0;
        while (i < end && IsDigit(text[i]))
            ++i, ++exponentDigits;
        if (exponentDigits == 0) return false; // "1E", "1E+"
    }
    if (i != end) return false; // trailing junk, hexadecimal "0x1"

    const locale_t loc = CLocale();
    if (loc == static_cast<locale_t>(0)) return false;
    const std::string copy(text.substr(begin, end - begin));
    errno = 0;
    char* stop = nullptr;
    const Real result = strtold_l(copy.c_str(), &stop, loc);
    if (stop != copy.c_str() + copy.size()) return false;
    if (errno == ERANGE && std::isinf(result)) return false; // beyond the largest long double
    value = result;
    return true;
}

std::string FormulaNumberText(const std::string& text) {
    std::string out = text;
    const std::string::size_type e = out.find('E');
    if (e != std::string::npos && e + 1 < out.size() && out[e + 1] != '-' && out[e + 1] != '+')
        out.insert(e + 1, "+");
    return out;
}
