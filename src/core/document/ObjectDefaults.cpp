#include "document/ObjectDefaults.h"

#include "objects/TFn.h"

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
    // The other kinds join here as their classes are written.
    case ObjKind::Parametric:
    case ObjKind::Polar:
    case ObjKind::Implicit:
    case ObjKind::Table:
    case ObjKind::Sample:
    case ObjKind::BrokenLine:
    case ObjKind::Circle: break;
    }
    return nullptr;
}

bool CanCreateObject(ObjKind kind) {
    return CreateDefaultObject(kind, clBlack) != nullptr;
}
