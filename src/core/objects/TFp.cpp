#include "core/objects/TFp.h"

#include "core/base/IniFile.h"
#include "core/objects/CurveWalk.h"

namespace {
const char* const XPrefix = "X(T)=";
const char* const YSeparator = ", ";
} // namespace

TFp::TFp(const std::string& func, const std::string& funcX, const std::string& a, const std::string& b,
         TColor color)
    : TFn(func, a, b, color), FuncX(funcX) {
    ArgName = "T";
}

TFp::TFp(const IniFile& ini, const std::string& section)
    : TFn(ini, section), FuncX(ini.ReadString(section, "FuncX", "")) {
    ArgName = "T";
}

void TFp::MarkParams() const {
    TFn::MarkParams();
    FuncX.MarkParams();
}

bool TFp::UsesParams() const {
    return TFn::UsesParams() || FuncX.UsesParams();
}

void TFp::Save(IniFile& ini, const std::string& section) const {
    TFn::Save(ini, section);
    ini.WriteString(section, "FuncX", FuncX.FormulaText());
}

std::string TFp::Caption() const {
    return XPrefix + FuncX.FormulaText() + YSeparator + Prefix() + FormulaText();
}

std::string TFp::FormulaLine() const {
    return XPrefix + FuncX.FormulaWithParams() + YSeparator + Prefix() + FormulaWithParams();
}

void TFp::Draw(TMasshImage& image) {
    DrawCurve(*this, image);
}

TFuInputData TFp::FuInputData() const {
    TFuInputData data = TFn::FuInputData();
    data.FyLabel = XPrefix;
    data.FyText = FuncX.FormulaText();
    data.FxVisible = true;
    data.FxLabel = Prefix();
    data.FxText = FormulaText();
    return data;
}

void TFp::TakeFuInput(const TFuInputData& data) {
    TFuInputData own = data;
    own.FyText = data.FxText; // the base takes the object's formula, Y(T), from the first row
    TFn::TakeFuInput(own);
    FuncX.SetFormula(data.FyText);
}
