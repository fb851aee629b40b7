#include "core/stats/StatCommands.h"

#include "core/base/MessageTable.h"
#include "core/base/NumberText.h"
#include "core/document/TObjectList.h"
#include "core/objects/NumericOps.h"
#include "core/objects/TFs.h"
#include "core/plot/TGlobColors.h"
#include "core/stats/ChiSquareTable.h"

#include <cmath>
#include <memory>

namespace {
constexpr int TableDigits = 4; // the frequency table's numbers, whatever the Digits setting
constexpr Real IntegralMin = 0.9L, IntegralMax = 1.1L;
// An integral within the integration's own accuracy of a limit is at the limit.
constexpr Real IntegralSlack = 1e-9L;

std::string TableNumber(Real x) {
    return FloatStr(x, TableDigits);
}

std::string Formula(Real x) {
    return FormulaNumberText(FloatStr(x));
}

bool IsSample(const TFn* f) {
    return f && f->Kind() == ObjKind::Sample;
}

TPearsonSetup Refuse(TPearsonSetup& setup, msg::Id message, std::string detail = {}) {
    setup.Message = message;
    setup.Detail = std::move(detail);
    return setup;
}

int Classes(const TFs& s) {
    return s.Smodel == SampleByIntervals ? s.Intervals() : s.Variants.Count();
}
} // namespace

TFs* SelectedSample(const TFuncs& selection) {
    if (selection.Empty() || !IsSample(selection.Items[0])) return nullptr;
    return static_cast<TFs*>(selection.Items[0]);
}

std::vector<std::vector<std::string>> FrequencyTable(const TFuncs& selection) {
    std::vector<std::vector<std::string>> rows;
    const TFs* s = SelectedSample(selection);
    if (!s) return rows;
    const bool byIntervals = s->Intervals() > 0;
    rows.push_back({byIntervals ? Msg(msg::FreqInterval) : "x", "n", Msg(msg::FreqCumulativeCount), "Pn*",
                    Msg(msg::FreqCumulativeFrequency)});
    const Real n = s->N > 0 ? s->N : 1;
    long long cumulative = 0;
    if (byIntervals) {
        const Real a = s->RangeA.Value();
        for (int i = 1; i <= s->Intervals(); ++i) {
            const int count = s->IntervalCount(i);
            cumulative += count;
            rows.push_back({TableNumber(a + (i - 1) * s->H) + " - " + TableNumber(a + i * s->H),
                            TableNumber(count), TableNumber(cumulative), TableNumber(count / n),
                            TableNumber(cumulative / n)});
        }
    } else {
        for (int i = 0; i < s->Variants.Count(); ++i) {
            const int f = s->Variants.VariantCount(i);
            cumulative += f;
            rows.push_back({TableNumber(s->Variants.VariantValue(i)), TableNumber(f), TableNumber(cumulative),
                            TableNumber(f / n), TableNumber(cumulative / n)});
        }
    }
    rows.emplace_back(5);
    return rows;
}

std::string NormalDensityFormula(const TFs& sample) {
    const std::string m = Formula(sample.M), s = Formula(sample.S);
    return "1/(Sqrt(2*Pi)*" + s + ")*Exp(-(x-(" + m + "))^2/(2*(" + s + ")^2))";
}

int NormalDensity(const TFuncs& selection, TObjectList& list, TMasshImage& image) {
    const TFs* s = SelectedSample(selection);
    if (!s) return -1;
    auto density = std::make_unique<TFn>(NormalDensityFormula(*s), Formula(s->RangeA.Value()),
                                         Formula(s->RangeB.Value()), GlobColors().NextColor());
    density->CalcBounds(image);
    const int current = list.Current();
    const int index = list.Append(std::move(density), true);
    list.SetCurrent(current);
    list.Modified = true;
    return index;
}

TPearsonSetup PreparePearson(const TFuncs& selection) {
    TPearsonSetup setup;
    if (selection.Count() != 2) return setup;
    TFn* first = selection.Items[0];
    TFn* second = selection.Items[1];
    if (!IsSample(first)) std::swap(first, second);
    if (!IsSample(first)) return setup;
    if (!IsSample(second) && second->Kind() != ObjKind::Explicit) return setup;
    auto* e = static_cast<TFs*>(first);
    setup.E = e;
    setup.T = second;
    setup.TIsSample = IsSample(second);
    setup.KE = Classes(*e);
    if (setup.TIsSample) {
        const auto* t = static_cast<const TFs*>(second);
        setup.KT = Classes(*t);
        if (e->Smodel != t->Smodel) return Refuse(setup, msg::PearsonModelsDiffer);
        if (e->Smodel == SampleByPoints) {
            if (e->Variants.Count() != t->Variants.Count())
                return Refuse(setup, msg::PearsonVariantCountsDiffer);
            for (int i = 0; i < e->Variants.Count(); ++i)
                if (e->Variants.VariantValue(i) != t->Variants.VariantValue(i))
                    return Refuse(setup, msg::PearsonVariantsDiffer);
        } else {
            if (e->K != t->K) return Refuse(setup, msg::PearsonIntervalCountsDiffer);
            if (e->RangeA.Value() != t->RangeA.Value() || e->RangeB.Value() != t->RangeB.Value())
                return Refuse(setup, msg::PearsonRangesDiffer);
        }
        return setup;
    }
    if (e->Smodel != SampleByIntervals) return Refuse(setup, msg::PearsonDiscreteVsContinuous);
    const Real ta = second->RangeA.Value(), tb = second->RangeB.Value();
    if (!(ta <= e->RangeA.Value() && tb >= e->RangeB.Value())) return Refuse(setup, msg::PearsonRangesDiffer);
    const Real integral = Integrate(*second, IntegrateFunction, ta, tb);
    if (!(integral >= IntegralMin - IntegralSlack && integral <= IntegralMax + IntegralSlack))
        return Refuse(setup, msg::PearsonIntegralNotOne, " (" + FloatStr(integral) + ")");
    return setup;
}

Real PearsonChiSquare(const TFs& e, const TFn& t, bool tIsSample) {
    const TFs* ts = tIsSample ? static_cast<const TFs*>(&t) : nullptr;
    const Real ne = e.N, nt = ts ? ts->N : 0;
    auto term = [](Real p, Real q) {
        const Real d = (p - q) * (p - q);
        if (q != 0) return d / q;
        if (p != 0) return d / p;
        return d;
    };
    Real sum = 0;
    if (e.Smodel == SampleByIntervals) {
        const Real h = e.H, lower = e.RangeA.Value();
        for (int i = 1; i <= e.Intervals(); ++i) {
            const Real m = lower + h / 2 + (i - 1) * h;
            const Real p = ne > 0 ? e.IntervalCount(i) / ne : 0;
            const Real q = ts ? (nt > 0 ? ts->IntervalCount(i) / nt : 0)
                              : std::fabs(Integrate(t, IntegrateFunction, m - h / 2, m + h / 2));
            sum += term(p, q);
        }
    } else {
        for (int i = 0; i < e.Variants.Count(); ++i) {
            const Real p = ne > 0 ? e.Variants.VariantCount(i) / ne : 0;
            const Real q = ts && i < ts->Variants.Count() && nt > 0 ? ts->Variants.VariantCount(i) / nt : 0;
            sum += term(p, q);
        }
    }
    return ne * sum;
}

TAnswerBlock RunPearson(const TPearsonSetup& setup, const TPearsonInputs& inputs) {
    TAnswerBlock answer;
    if (!setup.Ready()) return answer;
    const Real critical = ChiSquareCritical(inputs.DegreesOfFreedom, inputs.Level);
    if (IsUndefined(critical)) return answer;
    const TFs* e = setup.E;
    const TFn* t = setup.T;
    bool tIsSample = setup.TIsSample;
    // The first item names E as the theory: the two samples change roles.
    if (inputs.Theory == 1 && setup.TIsSample) {
        e = static_cast<const TFs*>(setup.T);
        t = setup.E;
    }
    const Real chi = PearsonChiSquare(*e, *t, tIsSample);
    answer.Lines = {Msg(msg::PearsonTitle),
                    Msg(msg::PearsonSignificance) + ChiSquareLevelTexts[inputs.Level - 1],
                    Msg(msg::PearsonDegreesOfFreedom) + std::to_string(inputs.DegreesOfFreedom),
                    Msg(msg::PearsonChiExperimental) + FloatStr(chi),
                    Msg(msg::PearsonChiTheoretical) + FloatStr(critical),
                    Msg(chi < critical ? msg::PearsonHypothesisHolds : msg::PearsonHypothesisFails),
                    AnswerSeparatorLine};
    return answer;
}
