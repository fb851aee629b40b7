#include "core/objects/PolyFit.h"

#include "core/base/NumberText.h"

#include <algorithm>
#include <cmath>

std::vector<Real> FitPolynomial(const std::vector<Real>& xs, const std::vector<Real>& ys, int m) {
    m = std::clamp(m, 0, MaxPolyDegree);
    const int cols = m + 2;
    std::vector<Real> s(2 * m + 1, 0), t(m + 1, 0);
    for (std::size_t i = 0; i < xs.size() && i < ys.size(); ++i) {
        Real p = 1; // x^k by repeated multiplication
        for (int k = 0; k <= 2 * m; ++k) {
            s[k] += p;
            if (k <= m) t[k] += ys[i] * p;
            p *= xs[i];
        }
    }
    std::vector<std::vector<Real>> a(m + 1, std::vector<Real>(cols));
    for (int r = 0; r <= m; ++r) {
        for (int c = 0; c <= m; ++c)
            a[r][c] = s[r + c];
        a[r][m + 1] = t[r];
    }

    for (int i = 0; i <= m; ++i) {
        int pivot = i;
        for (int r = i + 1; r <= m; ++r)
            if (std::fabs(a[r][i]) > std::fabs(a[pivot][i])) pivot = r;
        if (pivot != i)
            for (int c = i; c < cols; ++c)
                std::swap(a[i][c], a[pivot][c]);
        if (a[i][i] == 0) continue;
        for (int r = i + 1; r <= m; ++r) {
            const Real f = a[r][i] / a[i][i];
            for (int c = i; c < cols; ++c)
                a[r][c] -= f * a[i][c];
        }
    }
    std::vector<Real> coeffs(m + 1, 0);
    for (int i = m; i >= 0; --i) {
        if (a[i][i] == 0) continue; // singular: this power takes no part
        Real sum = a[i][m + 1];
        for (int c = i + 1; c <= m; ++c)
            sum -= a[i][c] * coeffs[c];
        coeffs[i] = sum / a[i][i];
    }
    return coeffs;
}

std::string PolynomialText(const std::vector<Real>& coefficients) {
    std::string text;
    const int m = static_cast<int>(coefficients.size()) - 1;
    for (int k = m; k >= 0; --k) {
        const Real a = coefficients[k];
        if (a == 0) continue;
        if (a < 0)
            text += '-';
        else if (k != m)
            text += '+'; // so a zero top coefficient leaves the text starting with "+"
        const std::string magnitude = FloatStr(std::fabs(a));
        if (!(magnitude == "1" && k > 0)) text += magnitude;
        if (k >= 1) text += 'x';
        if (k >= 2) text += "^" + std::to_string(k);
    }
    return text.empty() ? "0" : text;
}

Real PolynomialValue(const std::vector<Real>& coefficients, Real x) {
    if (coefficients.empty()) return 0;
    Real r = coefficients.back();
    for (int i = static_cast<int>(coefficients.size()) - 2; i >= 0; --i)
        r = x * r + coefficients[i];
    return IsUndefined(r) ? UndefinedValue : r;
}

int DistinctCount(std::vector<Real> xs) {
    std::sort(xs.begin(), xs.end());
    return static_cast<int>(std::unique(xs.begin(), xs.end()) - xs.begin());
}
