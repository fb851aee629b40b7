#include "core/analysis/InequalitySystem.h"

#include "core/base/MessageTable.h"
#include "core/base/NumberText.h"
#include "core/document/TFuncs.h"
#include "core/objects/TFn.h"
#include "core/plot/TMasshImage.h"

#include <algorithm>

namespace {
constexpr Real SystemTolerance = 1e-7L; // each function's crossing is bisected below this length

bool InSystem(const TFn* f) {
    return (f->Kind() == ObjKind::Explicit || f->Kind() == ObjKind::Table) && f->Drawn;
}

// The system's value at one point: the largest of the functions' values for "<" (so one without a value
// leaves none), the smallest of those with a value for ">".
Real SystemValue(const std::vector<Real>& ys, TRelation rel) {
    if (rel == TRelation::Less) {
        Real f = -UndefinedValue;
        for (Real y : ys) {
            if (IsUndefined(y)) return UndefinedValue;
            f = std::max(f, y);
        }
        return f;
    }
    Real f = UndefinedValue;
    for (Real y : ys)
        if (!IsUndefined(y)) f = std::min(f, y);
    return f;
}

bool SystemHolds(Real f, Real c, TRelation rel) {
    return !IsUndefined(f) && (rel == TRelation::Less ? f <= c : f >= c);
}

void Evaluate(const std::vector<TFn*>& items, Real x, std::vector<Real>& ys) {
    for (std::size_t i = 0; i < items.size(); ++i)
        ys[i] = items[i]->YOf(x);
}
} // namespace

std::vector<std::string> SolveInequalitySystem(TFuncs& selection, TRelation rel, Real c, TMasshImage& image) {
    std::vector<TFn*>& items = selection.Items;
    items.erase(std::remove_if(items.begin(), items.end(), [](const TFn* f) { return !InSystem(f); }),
                items.end());
    if (items.empty()) return {};

    std::vector<std::string> lines{Msg(msg::NerSystemTitle)};
    for (const TFn* f : items)
        lines.push_back(f->FormulaWithParams() + RelationText(rel) + FloatStr(c));
    lines.push_back(Msg(msg::NerIntervals));

    // Tables are defined beyond their points: only explicit functions narrow the interval.
    const TMassh& window = image.Massh();
    Real a = window.XMin, b = window.XMax;
    for (const TFn* f : items)
        if (f->Kind() == ObjKind::Explicit) {
            a = std::max(a, f->RangeA.Value());
            b = std::min(b, f->RangeB.Value());
        }

    std::vector<Real> ends;
    std::vector<Real> yPrev(items.size()), yCur(items.size());
    const auto value = [&](Real x) {
        Evaluate(items, x, yCur);
        return SystemValue(yCur, rel);
    };
    if (a < b) {
        // One step per pixel of the surface's width; the last lands on b.
        const int steps = std::max(image.Width(), 1);
        const Real v = std::min(b - a, window.XMax - window.XMin) / steps;
        Real xp = a;
        bool heldBefore = SystemHolds(value(a), c, rel);
        std::swap(yPrev, yCur);
        if (heldBefore) ends.push_back(a);
        for (int k = 1; k <= steps; ++k) {
            const Real x = k == steps ? b : a + k * v;
            const bool holds = SystemHolds(value(x), c, rel);
            if (heldBefore) DrawAxisCircle(image, xp, true);
            if (holds != heldBefore) {
                // Where the system starts to hold the last function to come under c ends the stretch
                // (the largest root); where it stops, the first to leave it (the smallest).
                bool found = false;
                Real end = 0;
                const auto candidate = [&](Real r) {
                    if (!found || (holds ? r > end : r < end)) end = r;
                    found = true;
                };
                for (std::size_t i = 0; i < items.size(); ++i) {
                    if (Crosses(SideOf(yPrev[i], c), SideOf(yCur[i], c))) {
                        Real ym = 0;
                        candidate(BisectCrossing(*items[i], xp, x, c, SystemTolerance, ym));
                    }
                    // A value equal to c crosses nothing, yet the step point where it lies is the end.
                    if (holds && yCur[i] == c) candidate(x);
                    if (heldBefore && yPrev[i] == c) candidate(xp);
                }
                if (found) ends.push_back(end);
            }
            xp = x;
            heldBefore = holds;
            std::swap(yPrev, yCur);
        }
        if (heldBefore) ends.push_back(b);
    }
    AppendIntervalLines(lines, ends);

    if (a < b) {
        DrawLevelPiece(image, a, b, c);
        for (Real e : ends)
            DrawEndVertical(image, e, value(e));
    }
    return lines;
}
