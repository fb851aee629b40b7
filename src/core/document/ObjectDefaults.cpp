#include "core/document/ObjectDefaults.h"

#include "core/objects/TFc.h"
#include "core/objects/TFf.h"
#include "core/objects/TFg.h"
#include "core/objects/TFn.h"
#include "core/objects/TFp.h"
#include "core/objects/TFs.h"

namespace {
// Formula texts and ranges of a new object; a kind whose class exists makes its object from these.
struct TKindDefaults {
    const char* Formula;  // Y(X), X(T), R(F) or G(X,Y)
    const char* Formula2; // Y(T) of a parametric curve
    const char* A;        // argument range, lower
    const char* B;        //                 upper
    const char* Ay;       // y range of implicit curves and circles
    const char* By;
};

// Tables, samples and broken lines start from their colour alone.
constexpr TKindDefaults Defaults[ObjKindCount] = {
    {"X", "", "-5", "5", "", ""},            // explicit
    {"T", "T", "-5", "5", "", ""},           // parametric
    {"F", "", "0", "2*Pi", "", ""},          // polar
    {"X", "", "-5", "5", "-5", "5"},         // implicit
    {"", "", "", "", "", ""},                // table
    {"", "", "", "", "", ""},                // sample
    {"", "", "", "", "", ""},                // broken line
    {"X*X+Y*Y-1", "", "-1", "1", "-1", "1"}, // circle
};
} // namespace

std::unique_ptr<TFn> CreateDefaultObject(ObjKind kind, TColor color) {
    const TKindDefaults& d = Defaults[KindCode(kind)];
    switch (kind) {
    case ObjKind::Explicit: return std::make_unique<TFn>(d.Formula, d.A, d.B, color);
    case ObjKind::Parametric: return std::make_unique<TFp>(d.Formula2, d.Formula, d.A, d.B, color);
    case ObjKind::Polar: return std::make_unique<TFf>(d.Formula, d.A, d.B, color);
    case ObjKind::Implicit: return std::make_unique<TFg>(d.Formula, d.A, d.B, d.Ay, d.By, color);
    case ObjKind::Circle: return std::make_unique<TFc>(d.Formula, d.A, d.B, d.Ay, d.By, color);
    case ObjKind::Sample: return std::make_unique<TFs>(color);
    // Tables and broken lines join here as their classes are written.
    case ObjKind::Table:
    case ObjKind::BrokenLine: break;
    }
    return nullptr;
}

bool CanCreateObject(ObjKind kind) {
    return CreateDefaultObject(kind, clBlack) != nullptr;
}
