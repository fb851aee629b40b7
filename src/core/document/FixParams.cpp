#include "core/document/FixParams.h"

#include "core/base/NumberText.h"
#include "core/document/TDocument.h"
#include "core/objects/TFc.h"
#include "core/objects/TFf.h"
#include "core/objects/TFg.h"
#include "core/objects/TFn.h"
#include "core/objects/TFp.h"

#include <memory>

namespace {
std::unique_ptr<TFn> FixedExplicit(const TFn& f) {
    auto copy = std::make_unique<TFn>(f.FormulaWithParams(), FixedBoundText(f.RangeA.Value()),
                                      FixedBoundText(f.RangeB.Value()), f.Color);
    copy->GBuild = f.GBuild;
    copy->Points = f.Points;
    copy->WLine = f.WLine;
    copy->ByPoints = f.ByPoints;
    return copy;
}

// Explicit, parametric and polar curves take over the same settings.
void TakeCurveSettings(const TFn& f, TFn& copy) {
    copy.GBuild = f.GBuild;
    copy.Points = f.Points;
    copy.WLine = f.WLine;
    copy.ByPoints = f.ByPoints;
}

std::unique_ptr<TFn> FixedParametric(const TFp& f) {
    auto copy =
        std::make_unique<TFp>(f.FormulaWithParams(), f.FuncX.FormulaWithParams(),
                              FixedBoundText(f.RangeA.Value()), FixedBoundText(f.RangeB.Value()), f.Color);
    TakeCurveSettings(f, *copy);
    return copy;
}

std::unique_ptr<TFn> FixedPolar(const TFf& f) {
    auto copy = std::make_unique<TFf>(f.FormulaWithParams(), FixedBoundText(f.RangeA.Value()),
                                      FixedBoundText(f.RangeB.Value()), f.Color);
    TakeCurveSettings(f, *copy);
    return copy;
}

std::unique_ptr<TFn> FixedImplicit(const TFg& f) {
    auto copy = std::make_unique<TFg>(f.FormulaWithParams(), FixedBoundText(f.RangeA.Value()),
                                      FixedBoundText(f.RangeB.Value()), FixedBoundText(f.RangeYA.Value()),
                                      FixedBoundText(f.RangeYB.Value()), f.Color);
    copy->GBuild = f.GBuild;
    copy->ByPoints = f.ByPoints;
    copy->PrecisionGraph = f.PrecisionGraph;
    return copy;
}

// A circle's defining texts with the parameters' values put in, and its page.
std::unique_ptr<TFn> FixedCircle(const TFc& f) {
    auto copy = std::make_unique<TFc>(f.FormulaWithParams(), FixedBoundText(f.RangeA.Value()),
                                      FixedBoundText(f.RangeB.Value()), FixedBoundText(f.RangeYA.Value()),
                                      FixedBoundText(f.RangeYB.Value()), f.Color);
    auto fixed = [](const std::string& text) { return TFunc(text).FormulaWithParams(); };
    copy->X0Text = fixed(f.X0Text);
    copy->Y0Text = fixed(f.Y0Text);
    copy->RText = fixed(f.RText);
    copy->X1Text = fixed(f.X1Text);
    copy->Y1Text = fixed(f.Y1Text);
    copy->X2Text = fixed(f.X2Text);
    copy->Y2Text = fixed(f.Y2Text);
    copy->DataPage = f.DataPage;
    copy->GBuild = f.GBuild;
    copy->WLine = f.WLine;
    return copy;
}

std::unique_ptr<TFn> FixedCopy(const TFn& f) {
    switch (f.Kind()) {
    case ObjKind::Explicit: return FixedExplicit(f);
    case ObjKind::Parametric: return FixedParametric(static_cast<const TFp&>(f));
    case ObjKind::Polar: return FixedPolar(static_cast<const TFf&>(f));
    case ObjKind::Implicit: return FixedImplicit(static_cast<const TFg&>(f));
    case ObjKind::Circle: return FixedCircle(static_cast<const TFc&>(f));
    case ObjKind::Table:
    case ObjKind::Sample:
    case ObjKind::BrokenLine: break; // nothing to fix
    }
    return nullptr;
}
} // namespace

std::string FixedBoundText(Real value) {
    return FormulaNumberText(FloatStr(value));
}

bool FixParams(TDocument& doc, const TMasshImage& image) {
    const TFn* current = doc.Objects.CurrentObject();
    if (!current) return false;
    std::unique_ptr<TFn> copy = FixedCopy(*current);
    if (!copy) return false;
    copy->CalcBounds(image);
    const int keep = doc.Objects.Current();
    doc.Objects.Append(std::move(copy), false);
    doc.Objects.SetCurrent(keep);
    return true;
}
