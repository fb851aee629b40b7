#include "core/analysis/IntegralTool.h"

#include "core/analysis/AnswerLines.h"
#include "core/base/MessageTable.h"
#include "core/base/NumberText.h"
#include "core/objects/NumericOps.h"
#include "core/plot/DashedVLine.h"

#include <algorithm>
#include <cmath>

const char* const IntegralCaption = "Інтегрування";

namespace {
constexpr Real Pi = 3.141592653589793238462643383279502884L;

msg::Id Heading(TIntegralMode mode) {
    switch (mode) {
    case TIntegralMode::VolumeOx: return msg::IntegralRevolutionOx;
    case TIntegralMode::VolumeOy: return msg::IntegralRevolutionOy;
    case TIntegralMode::ArcLength: return msg::ArcLength;
    default: return msg::IntegralValue;
    }
}

int ModeCode(TIntegralMode mode) {
    return static_cast<int>(mode);
}

// The count of subintervals a value gives: rounded to the nearest integer (halves to even); 0 when that is
// below 1 or above the most the tools take.
int SubIntervalsOf(Real value) {
    if (IsUndefined(value)) return 0;
    const Real n = std::nearbyint(value);
    return n >= 1 && n <= TIntegralTool::MaxSubIntervals ? static_cast<int>(n) : 0;
}

// The constructions are drawn with a thin solid pen in copy mode.
void ConstructionPen(TCanvas& canvas, TColor color) {
    canvas.Pen().Color = color;
    canvas.Pen().Width = 1;
    canvas.Pen().Style = PenStyle::Solid;
    canvas.Pen().Mode = PenMode::Copy;
}

// A computation in progress: the selection, the interval, the surface and the memo being written.
class TRun {
public:
    TRun(const TFuncs& selection, Real a, Real b, TMasshImage& image, std::vector<std::string>& memo)
        : m_sel(selection), m_a(a), m_b(b), m_image(image), m_canvas(image.Canvas()), m_memo(memo) {}

    void IntegralOrVolume(TIntegralMode mode);
    void ArcLength();
    void IntervalMeans(int n);
    void Darboux(int n);
    // The warning line, after the results, when some integral did not settle.
    void Warn() {
        if (m_unsettled) m_memo.push_back(Msg(msg::IntegralUnsettled));
    }

private:
    // The integral of the object over its own part of [a, b]; 0 when they do not meet.
    Real ClippedIntegral(const TFn& f, int mode, Real a, Real b) {
        const Real lo = std::max(a, f.RangeA.Value()), hi = std::min(b, f.RangeB.Value());
        if (!(lo < hi)) return 0;
        const TIntegration r = IntegrateChecked(f, mode, lo, hi);
        m_unsettled = m_unsettled || r.Unsettled;
        return r.Value;
    }
    void BoundsLines() {
        m_memo.push_back("A=" + PlainNumberText(m_a) + ",");
        m_memo.push_back("B=" + PlainNumberText(m_b) + ",");
    }
    // Each integrable object's line, and their integrals over [A, B] summed (no hatching).
    Real ObjectLinesAndTotal() {
        Real total = 0;
        for (const TFn* f : m_sel.Items)
            if (f->IsIntegrable()) {
                m_memo.push_back(f->FormulaLine());
                total += ClippedIntegral(*f, IntegrateFunction, m_a, m_b);
            }
        return total;
    }
    void HLine(Real q, Real r, Real y, TColor color) {
        ConstructionPen(m_canvas, color);
        m_canvas.Line(m_image.XToScr(q), m_image.YToScr(y), m_image.XToScr(r), m_image.YToScr(y));
    }
    void DashedV(Real x, Real y1, Real y2, TColor color) {
        DashedVLine(m_canvas, m_image.XToScr(x), m_image.YToScr(y1), m_image.YToScr(y2), color);
    }
    // The Darboux bounds of one strip: from the extreme extents of every selected object, lowered and raised
    // by the least and greatest values of the integrable objects on their part of the strip.
    void StripBounds(Real q, Real r, Real& lo, Real& hi) const;
    // Darboux: the dashed line from the axis to whichever bound is nearer to it.
    static Real Nearer(Real lo, Real hi) { return std::fabs(lo) > std::fabs(hi) ? hi : lo; }

    const TFuncs& m_sel;
    const Real m_a, m_b;
    TMasshImage& m_image;
    TCanvas& m_canvas;
    std::vector<std::string>& m_memo;
    bool m_unsettled = false;
    Real m_loStart = 0, m_hiStart = 0;
};

void TRun::IntegralOrVolume(TIntegralMode mode) {
    const int code = ModeCode(mode);
    const Real factor = mode == TIntegralMode::Integral ? 1 : Pi;
    Real sum = 0;
    for (TFn* f : m_sel.Items) {
        if (!f->IsIntegrable()) continue;
        if (f->Drawn) f->DrawIntegralArea(code, m_image, m_a, m_b);
        sum += factor * ClippedIntegral(*f, code, m_a, m_b);
        m_memo.push_back(f->FormulaLine());
    }
    BoundsLines();
    m_memo.push_back((mode == TIntegralMode::Integral ? "I=" : "V=") + FloatStr(sum));
    if (mode == TIntegralMode::Integral) return;
    Real surface = 0;
    for (const TFn* f : m_sel.Items)
        if (f->IsIntegrable()) surface += SurfaceArea(*f, code, m_a, m_b); // clips to the object itself
    m_memo.push_back("S=" + FloatStr(surface));
}

void TRun::ArcLength() {
    Real sum = 0;
    for (TFn* f : m_sel.Items) {
        const ObjKind k = f->Kind();
        if (k != ObjKind::Explicit && k != ObjKind::Parametric && k != ObjKind::Polar && k != ObjKind::Table)
            continue;
        if (f->Drawn) f->DrawArcHighlight(m_image, m_a, m_b);
        sum += ::ArcLength(*f, m_a, m_b); // clips to the object itself
        m_memo.push_back(f->FormulaLine());
    }
    BoundsLines();
    m_memo.push_back("L=" + FloatStr(sum));
}

void TRun::IntervalMeans(int n) {
    const Real h = (m_b - m_a) / n;
    const TColor color = m_image.grAddColor;
    Real stripTotal = 0, mean = 0;
    for (int k = 1; k <= n; ++k) {
        const Real q = m_a + (k - 1) * h, r = m_a + k * h;
        Real s = 0;
        for (const TFn* f : m_sel.Items)
            if (f->IsIntegrable()) s += ClippedIntegral(*f, IntegrateFunction, q, r);
        // Over the whole strip, also where an object covers only a part of it.
        mean = s / h;
        stripTotal += s;
        HLine(q, r, mean, color);
        DashedV(q, 0, mean, color);
        DashedV(r, 0, mean, color);
    }
    DashedV(m_b, 0, mean, color);
    const Real total = ObjectLinesAndTotal();
    BoundsLines();
    m_memo.push_back("I=" + FloatStr(total));
    m_memo.push_back("I*=" + FloatStr(stripTotal));
}

void TRun::StripBounds(Real q, Real r, Real& lo, Real& hi) const {
    lo = m_loStart;
    hi = m_hiStart;
    for (const TFn* f : m_sel.Items) {
        if (!f->IsIntegrable()) continue;
        const Real a = std::max(q, f->RangeA.Value()), b = std::min(r, f->RangeB.Value());
        if (!(a < b)) continue;
        // A function undefined on the whole strip gives 0 and 0.
        const TMinMax mm = MinMaxOn(*f, a, b);
        lo = std::min(lo, mm.Min);
        hi = std::max(hi, mm.Max);
    }
}

void TRun::Darboux(int n) {
    // Every selected object's extents count for the start values, also those of objects not integrated. An
    // object with no defined value has none to give; with none at all the bounds start from 0.
    bool any = false;
    for (const TFn* f : m_sel.Items) {
        if (IsUndefined(f->MinY) || IsUndefined(f->MaxY)) continue;
        m_loStart = any ? std::max(m_loStart, f->MaxY) : f->MaxY;
        m_hiStart = any ? std::min(m_hiStart, f->MinY) : f->MinY;
        any = true;
    }
    const Real h = (m_b - m_a) / n;
    const TColor color = m_image.grAddColor, color2 = m_image.grAdd2Color;
    Real lo = 0, hi = 0;
    StripBounds(m_a, m_a + h, lo, hi);
    DashedV(m_a, 0, Nearer(lo, hi), color2);
    Real lower = 0, upper = 0;
    for (int k = 1; k <= n; ++k) {
        const Real q = m_a + (k - 1) * h, r = m_a + k * h;
        StripBounds(q, r, lo, hi);
        lower += lo * h;
        upper += hi * h;
        HLine(q, r, lo, color);
        HLine(q, r, hi, color);
        DashedV(q, lo, hi, color);
        DashedV(r, lo, hi, color);
        DashedV(r, 0, Nearer(lo, hi), color2);
    }
    DashedV(m_b, 0, Nearer(lo, hi), color2);
    const Real total = ObjectLinesAndTotal();
    BoundsLines();
    m_memo.push_back("I=" + FloatStr(total));
    m_memo.push_back("MinI=" + FloatStr(lower));
    m_memo.push_back("MaxI=" + FloatStr(upper));
}

} // namespace

bool UsesSubIntervals(TIntegralMode mode) {
    return mode == TIntegralMode::IntervalMeans || mode == TIntegralMode::Darboux;
}

int IntegralObjectCount(TIntegralMode mode, const TFuncs& selection) {
    return mode == TIntegralMode::ArcLength ? selection.NumCurves : selection.NumFunctionsOfX;
}

TIntegralTexts PreselectedInterval(const TFuncs& selection) {
    TIntegralTexts texts;
    if (selection.Empty()) return texts;
    texts.A = PlainNumberText(selection[0].RangeA.Value());
    texts.B = PlainNumberText(selection[selection.Count() - 1].RangeB.Value());
    return texts;
}

msg::Id TIntegralTool::TakeBox(TIntegralBox box, const std::string& text) {
    TFunc& formula = box == TIntegralBox::RngAEdit   ? m_aFormula
                     : box == TIntegralBox::RngBEdit ? m_bFormula
                                                     : m_nFormula;
    if (!formula.SetFormula(text)) return msg::IntegralExpressionError;
    const Real value = formula.Calc(0, 0);
    switch (box) {
    case TIntegralBox::RngAEdit: m_rngA = value; break;
    case TIntegralBox::RngBEdit: m_rngB = value; break;
    default: {
        const int n = SubIntervalsOf(value);
        if (n == 0) return msg::IntegralCountError;
        m_subIntCount = n;
    }
    }
    return msg::None;
}

void TIntegralTool::MarkParams() const {
    m_aFormula.MarkParams();
    m_bFormula.MarkParams();
    m_nFormula.MarkParams();
}

TIntegralOutcome TIntegralTool::Compute(const TFuncs& selection, const TIntegralTexts& texts,
                                        TMasshImage& image) {
    TIntegralOutcome out;
    const bool strips = UsesSubIntervals(Mode);
    for (const auto& [box, text] :
         {std::pair{TIntegralBox::RngAEdit, &texts.A}, std::pair{TIntegralBox::RngBEdit, &texts.B},
          std::pair{TIntegralBox::SubIntEdit, &texts.N}}) {
        if (box == TIntegralBox::SubIntEdit && !strips) break;
        const msg::Id refusal = TakeBox(box, *text);
        // A count that compiled joins the history even when its value is refused.
        if (refusal != msg::IntegralExpressionError) out.Check.Passed.push_back(box);
        if (refusal != msg::None) {
            out.Result = TIntegralResult::Refused;
            out.Check.Failed = box;
            out.Check.Message = refusal;
            return out;
        }
    }
    // A bound without a value is no interval either.
    if (!(m_rngA < m_rngB) || IsUndefined(m_rngA) || IsUndefined(m_rngB)) {
        out.Result = TIntegralResult::NoInterval;
        image.MasshUpdate();
        return out;
    }
    if (!Calculated) return out;

    out.Result = TIntegralResult::Computed;
    image.MasshUpdate();
    out.Memo.push_back(Msg(Heading(Mode)));
    TRun run(selection, m_rngA, m_rngB, image, out.Memo);
    switch (Mode) {
    case TIntegralMode::Integral:
    case TIntegralMode::VolumeOx:
    case TIntegralMode::VolumeOy: run.IntegralOrVolume(Mode); break;
    case TIntegralMode::ArcLength: run.ArcLength(); break;
    case TIntegralMode::IntervalMeans: run.IntervalMeans(m_subIntCount); break;
    case TIntegralMode::Darboux: run.Darboux(m_subIntCount); break;
    }
    run.Warn();
    return out;
}

TCommandOutcome IntegralCommand(TIntegralMode mode, TCommandContext& context, const TCommandInputs& inputs) {
    const TFuncs& selection = context.Doc.Selection;
    if (IntegralObjectCount(mode, selection) == 0) return {};
    TIntegralTexts texts = PreselectedInterval(selection);
    if (const std::string* a = inputs.Find("A")) texts.A = *a;
    if (const std::string* b = inputs.Find("B")) texts.B = *b;
    if (const std::string* n = inputs.Find("N")) texts.N = *n;

    TIntegralTool tool;
    tool.Mode = mode;
    tool.Calculated = true;
    const TIntegralOutcome outcome = tool.Compute(selection, texts, context.Image);
    TCommandOutcome result;
    if (outcome.Result == TIntegralResult::Refused)
        result.Refusal = Msg(outcome.Check.Message);
    else
        result.Lines = AnswerLines(IntegralCaption, outcome.Memo);
    return result;
}
