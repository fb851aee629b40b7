#include "core/analysis/Inequality.h"

#include "core/analysis/AnswerLines.h"
#include "core/base/MessageTable.h"
#include "core/base/NumberText.h"
#include "core/document/TFuncs.h"
#include "core/objects/TFn.h"
#include "core/plot/TMasshImage.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr Real IntervalTolerance = 0.0001L; // bisection stops below twice this
constexpr Real AcceptanceDistance = 1;      // a bisected point counts only when |y| is this close to |c|
constexpr int AxisCircleRadius = 2;

bool HoldsStrictly(Real y, Real c, TRelation rel) {
    return !IsUndefined(y) && (rel == TRelation::Less ? y < c : y > c);
}

bool Holds(Real y, Real c, TRelation rel) {
    return !IsUndefined(y) && (rel == TRelation::Less ? y <= c : y >= c);
}
} // namespace

const char* RelationText(TRelation rel) {
    return rel == TRelation::Less ? "<" : ">";
}

TSide SideOf(Real v, Real c) {
    const Real d = v - c;
    if (IsUndefined(v) || IsUndefined(d)) return TSide::Undefined;
    return d > 0 ? TSide::Above : d < 0 ? TSide::Below : TSide::On;
}

bool Crosses(TSide a, TSide b) {
    return a != b && a != TSide::On && b != TSide::On;
}

Real BisectCrossing(const TFn& f, Real left, Real right, Real c, Real minLength, Real& ym) {
    const TSide leftSide = SideOf(f.YOf(left), c);
    Real m = left;
    for (;;) {
        m = (left + right) / 2;
        ym = f.YOf(m);
        // Far from the origin the halves stop shrinking before the tolerance: the midpoint is an end.
        if (m == left || m == right) break;
        if (SideOf(ym, c) == leftSide)
            left = m;
        else
            right = m;
        if (right - left < minLength || ym == c) break;
    }
    return m;
}

void DrawLevelPiece(TMasshImage& image, Real x1, Real x2, Real c) {
    TCanvas& canvas = image.Canvas();
    canvas.Pen() = TPen{image.grAddColor, 1, PenStyle::Solid, PenMode::Copy};
    const int y = image.YToScr(c);
    canvas.Line(image.XToScr(x1), y, image.XToScr(x2), y);
}

void DrawEndVertical(TMasshImage& image, Real x, Real y) {
    TCanvas& canvas = image.Canvas();
    canvas.Pen() = TPen{image.grAddColor, 1, PenStyle::Solid, PenMode::Copy};
    const int px = image.XToScr(x);
    canvas.Line(px, image.YToScr(y), px, image.YToScr(0));
}

void DrawAxisCircle(TMasshImage& image, Real x, bool filled) {
    TCanvas& canvas = image.Canvas();
    canvas.Pen() = TPen{clRed, 1, PenStyle::Solid, PenMode::Copy};
    canvas.Brush() = TBrush{clRed, filled ? BrushStyle::Solid : BrushStyle::Clear};
    const int px = image.XToScr(x), py = image.YToScr(0);
    // A box's right and bottom edges lie outside it: one more keeps the circle centred on the point.
    canvas.Ellipse(px - AxisCircleRadius, py - AxisCircleRadius, px + AxisCircleRadius + 1,
                   py + AxisCircleRadius + 1);
}

std::vector<Real> InequalityIntervals(const TFn& f, TRelation rel, TMasshImage& image, Real c) {
    std::vector<Real> ends;
    const Real a = f.RangeA.Value(), b = f.RangeB.Value();
    if (!(a < b)) return ends;
    const TMassh& window = image.Massh();
    const Real x0 = std::max(a, window.XMin), x1 = std::min(b, window.XMax);
    // A range beside the window has no visible part to solve on (and one touching it no step to walk).
    if (!(x0 < x1)) return ends;
    const int n = std::max(f.Points, 1);
    const Real step = (x1 - x0) / n;
    const bool drawn = f.Drawn;
    const auto record = [&](Real x, Real y) {
        ends.push_back(x);
        if (drawn) DrawEndVertical(image, x, y);
    };

    Real xp = x0, yp = f.YOf(x0);
    if (Holds(yp, c, rel)) record(xp, yp);
    for (int k = 1; k <= n; ++k) {
        // The last step lands on the end whatever the rounding of the step.
        const Real x = k == n ? x1 : x0 + k * step;
        const Real y = f.YOf(x);
        if (drawn) {
            DrawLevelPiece(image, xp, x, c);
            if (HoldsStrictly(yp, c, rel)) DrawAxisCircle(image, xp, false);
        }
        if (yp == c) record(xp, yp);
        if (Crosses(SideOf(yp, c), SideOf(y, c))) {
            Real ym = 0;
            const Real m = BisectCrossing(f, xp, x, c, 2 * IntervalTolerance, ym);
            // A crossing through a jump (1/X at 0) ends far from c: it is no end of an interval.
            if (std::fabs(std::fabs(ym) - std::fabs(c)) < AcceptanceDistance) record(m, ym);
        }
        xp = x;
        yp = y;
    }
    if (Holds(yp, c, rel)) record(xp, yp);
    return ends;
}

void AppendIntervalLines(std::vector<std::string>& lines, const std::vector<Real>& ends) {
    for (std::size_t i = 0; i < ends.size(); i += 2)
        lines.push_back(i + 1 < ends.size() ? FloatStr(ends[i]) + "   " + FloatStr(ends[i + 1])
                                            : FloatStr(ends[i]));
    lines.push_back(AnswerSeparatorLine);
}

std::vector<std::string> SolveInequality(const TFuncs& selection, TRelation rel, Real c, TMasshImage& image) {
    std::vector<std::string> lines;
    for (const TFn* f : selection.Items) {
        if (f->Kind() != ObjKind::Explicit) continue;
        lines.push_back(f->FormulaWithParams() + RelationText(rel) + FloatStr(c));
        lines.push_back(Msg(msg::NerIntervals));
        AppendIntervalLines(lines, InequalityIntervals(*f, rel, image, c));
    }
    return lines;
}
