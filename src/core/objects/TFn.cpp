#include "core/objects/TFn.h"

#include "core/base/IniFile.h"
#include "core/base/NumberText.h"
#include "core/objects/PoleTest.h"
#include "core/objects/TStroke.h"
#include "core/objects/WalkLattice.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {
const char* const DefaultQuality = "100";

int ReadInt(const IniFile& ini, const std::string& section, const char* key, int def) {
    const long long v = ini.ReadInteger(section, key, def);
    return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
}

// A colour is the low 32 bits of whatever integer the document holds.
TColor ReadColor(const IniFile& ini, const std::string& section) {
    return static_cast<TColor>(static_cast<unsigned long long>(ini.ReadInteger(section, "Color", 0)));
}
} // namespace

TFn::TFn(const std::string& func, const std::string& a, const std::string& b, TColor color)
    : TFunc(func), RangeA(a), RangeB(b), Quality(DefaultQuality), Color(color) {}

TFn::TFn(const IniFile& ini, const std::string& section)
    : TFn(ini.ReadString(section, "Func", ""), ini.ReadString(section, "A", ""),
          ini.ReadString(section, "B", ""), ReadColor(ini, section)) {
    // Constructed, not SetFormula: a text that does not compile is kept and saved back as it was.
    Quality = TRngBGP(ini.ReadString(section, "BGP", DefaultQuality));
    Points = ReadInt(ini, section, "Points", DefaultPoints);
    ByPoints = ini.ReadBool(section, "ByPoints", false);
    GBuild = ini.ReadBool(section, "GBuild", true);
    // The dialog offers 1..4; a document may hold anything, and a width beyond any screen would only overflow
    // the pixel arithmetic.
    WLine = std::clamp(ReadInt(ini, section, "WLine", DefaultWLine), 1, MaxWLine);
}

void TFn::MarkParams() const {
    Quality.MarkParams();
    RangeA.MarkParams();
    RangeB.MarkParams();
    TFunc::MarkParams();
}

void TFn::Save(IniFile& ini, const std::string& section) const {
    ini.WriteString(section, "ObjType", ObjType());
    ini.WriteString(section, "Func", FormulaText());
    ini.WriteString(section, "A", RangeA.FormulaText());
    ini.WriteString(section, "B", RangeB.FormulaText());
    ini.WriteInteger(section, "Color", Color);
    ini.WriteString(section, "BGP", Quality.FormulaText());
    ini.WriteInteger(section, "Points", Points);
    ini.WriteBool(section, "ByPoints", ByPoints);
    ini.WriteBool(section, "GBuild", GBuild);
    ini.WriteInteger(section, "WLine", WLine);
}

void TFn::CalcBounds(const TMasshImage&) {
    const Real a = RangeA.Value(), b = RangeB.Value();
    if (!(a < b)) return;
    int n = RoundedSteps(Quality);
    if (n <= 0) n = static_cast<int>(TRngBGP::DefaultSteps);
    const TWalkLattice lattice{a, b - a, n};
    std::vector<TCurvePoint> points;
    points.reserve(static_cast<std::size_t>(n) + 2);
    for (int k = 0; k <= n; ++k) {
        const Real t = lattice.At(k);
        if (!(t <= b)) break;
        points.push_back(CurvePointAt(*this, t));
    }
    points.push_back(CurvePointAt(*this, b));

    // The values beside a pole are whatever the lattice happened to meet there: they would flatten the
    // automatic scale (TG(X): 80 beside 3*PI/2). The values beside a jump or a hole in the domain count.
    std::vector<bool> beside(points.size(), false);
    for (std::size_t i = 1; i < points.size(); ++i) {
        const TCurvePoint &p = points[i - 1], &q = points[i];
        const bool pole =
            (!IsUndefined(p.X) && !IsUndefined(q.X) && PoleBetween(*this, &TFn::XOf, p.T, p.X, q.T, q.X)) ||
            (!IsUndefined(p.Y) && !IsUndefined(q.Y) && PoleBetween(*this, &TFn::YOf, p.T, p.Y, q.T, q.Y));
        if (pole) beside[i - 1] = beside[i] = true;
    }

    MinX = MinY = ExtentSentinel;
    MaxX = MaxY = -ExtentSentinel;
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (beside[i]) continue;
        const TCurvePoint& p = points[i];
        if (!IsUndefined(p.X)) {
            MinX = std::min(MinX, p.X);
            MaxX = std::max(MaxX, p.X);
        }
        if (!IsUndefined(p.Y)) {
            MinY = std::min(MinY, p.Y);
            MaxY = std::max(MaxY, p.Y);
        }
    }
}

std::string TFn::Caption() const {
    return Prefix() + FormulaText();
}

std::string TFn::FormulaLine() const {
    return Prefix() + FormulaWithParams();
}

bool TFn::Edit() {
    TObjectEditor* editor = ObjectEditor();
    if (!editor) return false;
    TFuInputData data = FuInputData();
    if (!editor->RunFuInput(data)) return false;
    TakeFuInput(data);
    return true;
}

void TFn::ShowInfo(std::vector<std::string>& lines) const {
    lines.push_back(FormulaLine());
    lines.push_back("A=" + FloatStr(RangeA.Value()));
    lines.push_back("B=" + FloatStr(RangeB.Value()));
    if (!IsUndefined(MinY)) lines.push_back("MinY=" + FloatStr(MinY));
    if (!IsUndefined(MaxY)) lines.push_back("MaxY=" + FloatStr(MaxY));
}

TFuInputData TFn::FuInputData() const {
    TFuInputData data;
    data.ArgName = ArgName;
    data.FyLabel = Prefix();
    data.FyText = FormulaText();
    data.AText = RangeA.FormulaText();
    data.BText = RangeB.FormulaText();
    data.QualityText = Quality.FormulaText();
    data.Color = Color;
    data.WLine = WLine;
    data.ByPoints = ByPoints;
    data.GBuild = GBuild;
    data.FxVisible = false;
    data.AyByVisible = false;
    data.PrecisionVisible = false;
    data.QualityVisible = true;
    data.LineWidthVisible = true;
    return data;
}

void TFn::TakeFuInput(const TFuInputData& data) {
    SetFormula(data.FyText);
    RangeA.SetFormula(data.AText);
    RangeB.SetFormula(data.BText);
    Quality.SetFormula(data.QualityText);
    Color = data.Color;
    Points = RoundedSteps(Quality);
    ByPoints = data.ByPoints;
    WLine = data.WLine;
    GBuild = data.GBuild;
}
