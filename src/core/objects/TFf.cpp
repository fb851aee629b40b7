#include "core/objects/TFf.h"

#include "core/objects/CurveWalk.h"

#include <cmath>

TFf::TFf(const std::string& func, const std::string& a, const std::string& b, TColor color)
    : TFn(func, a, b, color) {
    ArgName = "F";
}

TFf::TFf(const IniFile& ini, const std::string& section) : TFn(ini, section) {
    ArgName = "F";
}

Real TFf::XOf(Real t) const {
    const Real r = Calc(t, 0);
    return IsUndefined(r) ? UndefinedValue : r * std::cos(t);
}

Real TFf::YOf(Real t) const {
    const Real r = Calc(t, 0);
    return IsUndefined(r) ? UndefinedValue : r * std::sin(t);
}

void TFf::Draw(TMasshImage& image) {
    DrawCurve(*this, image);
}
