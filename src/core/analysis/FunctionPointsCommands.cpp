#include "core/analysis/FunctionPointsCommands.h"

#include "core/analysis/AnswerLines.h"
#include "core/analysis/FunctionPoints.h"
#include "core/base/NumberText.h"
#include "core/objects/TFn.h"
#include "core/plot/TMasshImage.h"

#include <algorithm>

namespace T = FunctionPointTexts;

namespace {
constexpr int MarkRadius = 3;

TRealFunction ValuesOf(const TFn& f) {
    return [&f](Real x) { return f.Calc(x); };
}

std::string IntervalLine(Real a, Real b) {
    return std::string(T::Interval) + " [" + FloatStr(a) + "; " + FloatStr(b) + "]:";
}

// A small circle about the point, outlined in the colour, filled or not.
void Mark(TMasshImage& image, Real x, Real y, TColor color, bool filled) {
    TCanvas& c = image.Canvas();
    const int px = image.XToScr(x), py = image.YToScr(y);
    c.Pen() = TPen{color, 1, PenStyle::Solid, PenMode::Copy};
    c.Brush() = TBrush{color, filled ? BrushStyle::Solid : BrushStyle::Clear};
    // A box's right and bottom edges are outside it: one more keeps the circle centred on the point.
    c.Ellipse(px - MarkRadius, py - MarkRadius, px + MarkRadius + 1, py + MarkRadius + 1);
    c.Brush().Style = BrushStyle::Solid;
}
} // namespace

bool VisibleRange(const TFn& f, const TMasshImage& image, Real& a, Real& b) {
    a = std::max(f.RangeA.Value(), image.Massh().XMin);
    b = std::min(f.RangeB.Value(), image.Massh().XMax);
    return a < b;
}

Real PixelStep(const TMasshImage& image) {
    const TMassh& m = image.Massh();
    return (m.XMax - m.XMin) / std::max(1, image.Width());
}

const TFn* CurrentExplicit(const TDocument& doc) {
    const TFn* f = doc.Objects.CurrentObject();
    return f && f->Kind() == ObjKind::Explicit ? f : nullptr;
}

std::vector<const TFn*> IntersectionPartners(const TFn* current, const TFuncs& checked) {
    std::vector<const TFn*> partners;
    for (const TFn* g : checked.Items)
        if (g != current && g->Kind() == ObjKind::Explicit) partners.push_back(g);
    return partners;
}

TCommandOutcome RunRootsCommand(TCommandContext& context, const TCommandInputs&) {
    TCommandOutcome outcome;
    const TFn* f = CurrentExplicit(context.Doc);
    Real a, b;
    if (!f) return outcome;
    std::vector<std::string>& lines = outcome.Lines;
    lines = {T::RootsHeading, f->FormulaLine()};
    if (VisibleRange(*f, context.Image, a, b)) {
        lines.push_back(IntervalLine(a, b));
        const std::vector<Real> roots = FindRoots(ValuesOf(*f), a, b, PixelStep(context.Image));
        for (Real x : roots) {
            lines.push_back("x=" + FloatStr(x));
            Mark(context.Image, x, 0, clRed, true);
        }
        if (roots.empty()) lines.push_back(T::NoRoots);
    } else {
        lines.push_back(T::NoRoots);
    }
    lines.push_back(AnswerSeparatorLine);
    return outcome;
}

TCommandOutcome RunExtremaCommand(TCommandContext& context, const TCommandInputs&) {
    TCommandOutcome outcome;
    const TFn* f = CurrentExplicit(context.Doc);
    Real a, b;
    if (!f) return outcome;
    std::vector<std::string>& lines = outcome.Lines;
    lines = {T::ExtremaHeading, f->FormulaLine()};
    if (VisibleRange(*f, context.Image, a, b)) {
        lines.push_back(IntervalLine(a, b));
        const std::vector<TExtremum> extrema = FindExtrema(ValuesOf(*f), a, b, PixelStep(context.Image));
        for (const TExtremum& e : extrema) {
            const bool max = e.Kind == TExtremumKind::Max;
            lines.push_back(std::string(max ? T::Maximum : T::Minimum) + ": x=" + FloatStr(e.X) +
                            ", y=" + FloatStr(e.Y));
            Mark(context.Image, e.X, e.Y, max ? clRed : clBlue, false);
        }
        if (extrema.empty()) lines.push_back(T::NoExtrema);
    } else {
        lines.push_back(T::NoExtrema);
    }
    lines.push_back(AnswerSeparatorLine);
    return outcome;
}

TCommandOutcome RunIntersectionsCommand(TCommandContext& context, const TCommandInputs&) {
    TCommandOutcome outcome;
    const TFn* f = CurrentExplicit(context.Doc);
    const std::vector<const TFn*> partners = IntersectionPartners(f, context.Doc.Selection);
    if (!f || partners.empty()) return outcome;
    std::vector<std::string>& lines = outcome.Lines;
    lines = {T::CrossHeading, f->FormulaLine()};
    for (const TFn* g : partners) {
        lines.push_back(g->FormulaLine());
        Real a, b, ga, gb;
        const bool visible = VisibleRange(*f, context.Image, a, b) && VisibleRange(*g, context.Image, ga, gb);
        a = std::max(a, ga);
        b = std::min(b, gb);
        std::vector<Real> xs;
        if (visible && a < b) {
            lines.push_back(IntervalLine(a, b));
            const auto difference = [f, g](Real x) {
                const Real fy = f->Calc(x), gy = g->Calc(x);
                return IsUndefined(fy) || IsUndefined(gy) ? UndefinedValue : fy - gy;
            };
            xs = FindRoots(difference, a, b, PixelStep(context.Image));
        }
        for (Real x : xs) {
            const Real y = f->Calc(x);
            lines.push_back("x=" + FloatStr(x) + ", y=" + FloatStr(y));
            Mark(context.Image, x, y, clRed, true);
        }
        if (xs.empty()) lines.push_back(T::NoCross);
    }
    lines.push_back(AnswerSeparatorLine);
    return outcome;
}
