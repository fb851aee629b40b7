#include "core/analysis/FunctionPoints.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
constexpr Real Eps = std::numeric_limits<Real>::epsilon();
// A grid finer than this would take too long; the step is widened instead.
constexpr Real MaxGridSteps = 1e6L;
constexpr int MaxIterations = 400;
// A change of sign is a root when the refined point is this much closer to 0 than both grid values; a pole
// or a jump leaves it as far from 0 as they are, or farther.
constexpr Real RootRatio = 1e-4L;
// A minimum of |f| without a change of sign is a touching root when it is this much closer to 0 than its
// neighbours, or lies within the rounding of their magnitude.
constexpr Real TouchRatio = 1e-10L;
constexpr Real RoundingUlps = 16;
// The end of a stretch without values is a root when the function comes this much closer to 0 there than
// at the neighbouring grid point.
constexpr Real EdgeRatio = 1e-3L;
// Significant digits, counted on the interval's length, of the round numbers a point is snapped to.
constexpr int SnapDigits[] = {12, 10, 8};
// A refined peak may exceed its grid value by at most this many times the drop to the lower neighbour; the
// peak of a pole climbs without end.
constexpr Real OvershootRatio = 2;
// Derivative step, as a fraction of the grid step.
constexpr Real DerivativeStep = 1e-4L;
// A refined extremum this close (in grid steps) to an end of its bracket is a slope, not a peak.
constexpr Real BracketEdge = 1e-6L;
// At a peak the function changes, over twice the derivative step, by at most this part of the drop to the
// grid's neighbours (a corner by about 2e-4 of it); where it jumps, by about the whole drop.
constexpr Real JumpRatio = 1e-2L;
constexpr Real GoldenRatio = 0.618033988749894848204586834365638118L;

bool Defined(Real v) {
    return std::fabs(v) < UndefinedValue;
}

Real Tolerance(Real x) {
    return 2 * Eps * std::fabs(x) + PointTolerance / 2;
}

// a + k*step up to b, and b itself.
std::vector<Real> Grid(Real a, Real b, Real step) {
    if ((b - a) / step > MaxGridSteps) step = (b - a) / MaxGridSteps;
    std::vector<Real> xs;
    for (long k = 0;; ++k) {
        const Real x = a + k * step;
        if (x >= b) break;
        xs.push_back(x);
    }
    xs.push_back(b);
    return xs;
}

// x rounded to `digits` significant digits of `scale`; a power of ten up to 10^27 is exact in long double.
Real Rounded(Real x, Real scale, int digits) {
    const int n = digits - static_cast<int>(std::floor(std::log10(scale)));
    if (n >= 0) {
        const Real p = std::pow(Real(10), static_cast<Real>(std::min(n, 27)));
        return std::nearbyint(x * p) / p + 0; // + 0 turns -0 into 0
    }
    const Real p = std::pow(Real(10), static_cast<Real>(-n));
    return std::nearbyint(x / p) * p + 0;
}

// A round number near x inside [lo, hi] where f is defined and no farther from 0 than `limit`, or x.
Real Snapped(const TRealFunction& f, Real x, Real lo, Real hi, Real scale, Real limit) {
    for (int digits : SnapDigits) {
        const Real r = Rounded(x, scale, digits);
        if (r < lo || r > hi) continue;
        const Real v = f(r);
        if (Defined(v) && std::fabs(v) <= limit) return r;
    }
    return x;
}

// Brent's method on [a, b], whose values fa and fb have opposite signs. False when the function has no value
// at a point it tried.
bool Brent(const TRealFunction& f, Real a, Real b, Real fa, Real fb, Real& root) {
    Real c = a, fc = fa, d = b - a, e = d;
    for (int i = 0; i < MaxIterations; ++i) {
        if ((fb > 0) == (fc > 0)) {
            c = a;
            fc = fa;
            d = e = b - a;
        }
        if (std::fabs(fc) < std::fabs(fb)) {
            a = b;
            b = c;
            c = a;
            fa = fb;
            fb = fc;
            fc = fa;
        }
        const Real tol = Tolerance(b), m = (c - b) / 2;
        if (std::fabs(m) <= tol || fb == 0) {
            root = b;
            return true;
        }
        if (std::fabs(e) < tol || std::fabs(fa) <= std::fabs(fb)) {
            d = e = m;
        } else {
            const Real s = fb / fa;
            Real p, q;
            if (a == c) {
                p = 2 * m * s;
                q = 1 - s;
            } else {
                const Real qa = fa / fc, r = fb / fc;
                p = s * (2 * m * qa * (qa - r) - (b - a) * (r - 1));
                q = (qa - 1) * (r - 1) * (s - 1);
            }
            if (p > 0)
                q = -q;
            else
                p = -p;
            if (2 * p < std::min(3 * m * q - std::fabs(tol * q), std::fabs(e * q))) {
                e = d;
                d = p / q;
            } else {
                d = e = m;
            }
        }
        a = b;
        fa = fb;
        b += std::fabs(d) > tol ? d : (m > 0 ? tol : -tol);
        fb = f(b);
        if (!Defined(fb)) return false;
    }
    root = b;
    return true;
}

// The last defined point before the function loses its value between `defined` and `undefined`.
Real EdgeOfValues(const TRealFunction& f, Real defined, Real undefined) {
    for (int i = 0; i < MaxIterations && std::fabs(undefined - defined) > Tolerance(defined); ++i) {
        const Real m = defined + (undefined - defined) / 2;
        if (Defined(f(m)))
            defined = m;
        else
            undefined = m;
    }
    return defined;
}

// The peak (kind Max) or the valley of f inside [lo, hi]: where the derivative changes sign, by bisection;
// else by golden-section search.
Real RefineExtremum(const TRealFunction& f, Real lo, Real hi, TExtremumKind kind, Real step) {
    const Real sign = kind == TExtremumKind::Max ? 1 : -1;
    const Real h = step * DerivativeStep;
    // The slope towards the peak: positive left of it, negative right of it; undefined is NaN.
    const auto slope = [&](Real x) {
        const Real l = f(x - h), r = f(x + h);
        if (!Defined(l) || !Defined(r)) return std::numeric_limits<Real>::quiet_NaN();
        return sign * (r - l) / (2 * h);
    };
    Real a = lo, b = hi;
    if (slope(a) > 0 && slope(b) < 0) {
        bool usable = true;
        for (int i = 0; i < MaxIterations && b - a > Tolerance(a); ++i) {
            const Real m = a + (b - a) / 2, s = slope(m);
            if (std::isnan(s)) {
                usable = false;
                break;
            }
            if (s == 0) return m;
            (s > 0 ? a : b) = m;
        }
        if (usable) return a + (b - a) / 2;
        a = lo;
        b = hi;
    }
    // Undefined values count as the lowest of all.
    const auto height = [&](Real x) {
        const Real v = f(x);
        return Defined(v) ? sign * v : -std::numeric_limits<Real>::infinity();
    };
    Real c = b - GoldenRatio * (b - a), d = a + GoldenRatio * (b - a);
    Real hc = height(c), hd = height(d);
    for (int i = 0; i < MaxIterations && b - a > Tolerance(a); ++i) {
        if (hc > hd) {
            b = d;
            d = c;
            hd = hc;
            c = b - GoldenRatio * (b - a);
            hc = height(c);
        } else {
            a = c;
            c = d;
            hc = hd;
            d = a + GoldenRatio * (b - a);
            hd = height(d);
        }
    }
    return a + (b - a) / 2;
}

struct TSample {
    Real x, v;
};

std::vector<TSample> Sampled(const TRealFunction& f, Real a, Real b, Real step) {
    std::vector<TSample> s;
    for (Real x : Grid(a, b, step))
        s.push_back({x, f(x)});
    return s;
}

void SortUnique(std::vector<Real>& xs, Real step) {
    std::sort(xs.begin(), xs.end());
    const Real close = std::max(10 * PointTolerance, step * BracketEdge);
    xs.erase(std::unique(xs.begin(), xs.end(), [close](Real p, Real q) { return q - p <= close; }), xs.end());
}
} // namespace

std::vector<Real> FindRoots(const TRealFunction& f, Real a, Real b, Real step) {
    std::vector<Real> roots;
    if (!(a < b) || !(step > 0)) return roots;
    const Real scale = b - a;
    const std::vector<TSample> s = Sampled(f, a, b, step);
    const std::size_t n = s.size();
    for (std::size_t k = 0; k < n; ++k) {
        // A stretch where the function is 0 throughout is no root of its own.
        const bool zeroStretch = (k > 0 && s[k - 1].v == 0) || (k + 1 < n && s[k + 1].v == 0);
        if (s[k].v == 0 && !zeroStretch) roots.push_back(s[k].x);
        if (k + 1 == n) break;
        const TSample &p = s[k], &q = s[k + 1];
        const bool dp = Defined(p.v), dq = Defined(q.v);
        if (dp && dq && p.v != 0 && q.v != 0 && (p.v > 0) != (q.v > 0)) {
            Real r;
            if (!Brent(f, p.x, q.x, p.v, q.v, r)) continue;
            const Real fr = std::fabs(f(r));
            if (!(fr <= RootRatio * std::min(std::fabs(p.v), std::fabs(q.v)))) continue;
            roots.push_back(Snapped(f, r, p.x, q.x, scale, fr));
        } else if (dp != dq) {
            const TSample& in = dp ? p : q;
            if (in.v == 0) continue; // a grid zero, already taken
            const Real edge = EdgeOfValues(f, in.x, dp ? q.x : p.x);
            const Real limit = EdgeRatio * std::fabs(in.v);
            const Real r = Snapped(f, edge, std::min(p.x, q.x), std::max(p.x, q.x), scale, limit);
            if (r != edge || std::fabs(f(edge)) == 0) roots.push_back(r);
        }
    }
    // Touching roots: |f| dips towards 0 and rises again without a change of sign.
    for (std::size_t k = 1; k + 1 < n; ++k) {
        const Real l = s[k - 1].v, m = s[k].v, r = s[k + 1].v;
        if (!Defined(l) || !Defined(m) || !Defined(r) || m == 0) continue;
        if ((l > 0) != (m > 0) || (r > 0) != (m > 0) || l == 0 || r == 0) continue;
        if (!(std::fabs(m) < std::fabs(l) && std::fabs(m) <= std::fabs(r))) continue;
        const TExtremumKind kind = m > 0 ? TExtremumKind::Min : TExtremumKind::Max;
        const Real x = RefineExtremum(f, s[k - 1].x, s[k + 1].x, kind, step);
        const Real fx = f(x), near = std::max(std::fabs(l), std::fabs(r));
        if (!Defined(fx)) continue;
        if (std::fabs(fx) <= std::max(TouchRatio * near, RoundingUlps * Eps * std::max(Real(1), near)))
            roots.push_back(Snapped(f, x, s[k - 1].x, s[k + 1].x, scale, std::fabs(fx)));
    }
    SortUnique(roots, step);
    return roots;
}

std::vector<TExtremum> FindExtrema(const TRealFunction& f, Real a, Real b, Real step) {
    std::vector<TExtremum> found;
    if (!(a < b) || !(step > 0)) return found;
    const Real scale = b - a;
    const std::vector<TSample> s = Sampled(f, a, b, step);
    const std::size_t n = s.size();
    for (std::size_t k = 1; k + 1 < n; ++k) {
        // The top is s[k], or s[k] and s[k + 1] when they are equal; `right` is the neighbour after it.
        const std::size_t right = s[k].v == s[k + 1].v ? k + 2 : k + 1;
        if (right >= n || s[k - 1].v == s[k].v) continue;
        const Real l = s[k - 1].v, m = s[k].v, r = s[right].v;
        if (!Defined(l) || !Defined(m) || !Defined(r) || r == m) continue;
        TExtremumKind kind;
        if (m > l && m > r)
            kind = TExtremumKind::Max;
        else if (m < l && m < r)
            kind = TExtremumKind::Min;
        else
            continue;
        const Real sign = kind == TExtremumKind::Max ? 1 : -1;
        const Real lo = s[k - 1].x, hi = s[right].x;
        Real x = RefineExtremum(f, lo, hi, kind, step);
        const Real edge = step * BracketEdge;
        if (x - lo <= edge || hi - x <= edge) continue;
        Real y = f(x);
        if (!Defined(y)) continue;
        const Real h = 2 * step * DerivativeStep, before = f(x - h), after = f(x + h);
        const Real jumpLimit = JumpRatio * (sign * m - std::min(sign * l, sign * r));
        if (!Defined(before) || !Defined(after) || std::fabs(before - y) > jumpLimit ||
            std::fabs(after - y) > jumpLimit)
            continue;
        // The peak of a pole climbs far beyond what the grid showed.
        const Real rise = sign * (y - m), drop = sign * m - std::min(sign * l, sign * r);
        if (rise > OvershootRatio * drop) continue;
        // A search that ends clearly lower than the grid went over a pole's edge; one a hair lower found the
        // peak the grid had already hit, and keeps the grid's point.
        if (rise < -BracketEdge * drop) continue;
        if (rise < 0) {
            x = s[k].x;
            y = m;
        }
        const Real snapped = Snapped(f, x, lo, hi, scale, std::numeric_limits<Real>::infinity());
        if (snapped != x && sign * f(snapped) >= sign * y) {
            x = snapped;
            y = f(x);
        }
        found.push_back({x, y, kind});
    }
    return found;
}
