#include "document/FixParams.h"

#include "base/NumberText.h"
#include "document/TDocument.h"
#include "objects/TFn.h"

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

std::unique_ptr<TFn> FixedCopy(const TFn& f) {
    switch (f.Kind()) {
    case ObjKind::Explicit: return FixedExplicit(f);
    // Parametric and polar curves, implicit curves and circles join here as their classes are written.
    case ObjKind::Parametric:
    case ObjKind::Polar:
    case ObjKind::Implicit:
    case ObjKind::Circle: break;
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
