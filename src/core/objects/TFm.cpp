#include "core/objects/TFm.h"

#include "core/base/IniFile.h"
#include "core/objects/PolyFit.h"

#include <algorithm>
#include <climits>

namespace {
const char* const NewFormula = "X";

int ReadInt(const IniFile& ini, const std::string& section, const char* key, int def) {
    return static_cast<int>(std::clamp<long long>(ini.ReadInteger(section, key, def), INT_MIN, INT_MAX));
}

std::string Key(const char* name, int i) {
    return name + std::to_string(i);
}
} // namespace

TFm::TFm(TColor color) : TFm(color, "P") {}

TFm::TFm(TColor color, const char* argName) : TFn(NewFormula, "", "", color) {
    ArgName = argName;
}

TFm::TFm(const IniFile& ini, const std::string& section)
    : TFm(static_cast<TColor>(static_cast<unsigned long long>(ini.ReadInteger(section, "Color", 0)))) {
    LocMembers = std::clamp(ReadInt(ini, section, "LocMembers", 0), 0, MaxPolyDegree);
    WLine = std::clamp(ReadInt(ini, section, "WLine", DefaultWLine), 1, MaxWLine);
    GBuild = ini.ReadBool(section, "GBuild", true);
    BuildPoly = ini.ReadBool(section, "BuildPoly", true); // keys are matched without regard to case
    // A count beyond the keys the section holds would only read empty points.
    const long long keys = static_cast<long long>(ini.Keys(section).size());
    const int last = static_cast<int>(std::min<long long>(ini.ReadInteger(section, "MaxXYnum", 0), keys));
    for (int i = 0; i <= last; ++i)
        XYList.AddPointText(ini.ReadString(section, Key("X", i), ""),
                            ini.ReadString(section, Key("Y", i), ""));
}

Real TFm::YOf(Real x) const {
    return m_coeffs.empty() ? TFn::YOf(x) : PolynomialValue(m_coeffs, x);
}

void TFm::MarkParams() const {
    for (int i = 0; i < XYList.Count(); ++i) {
        TFunc(XYList.XText(i)).MarkParams();
        TFunc(XYList.YText(i)).MarkParams();
    }
}

bool TFm::UsesParams() const {
    for (int i = 0; i < XYList.Count(); ++i)
        if (TFunc(XYList.XText(i)).UsesParams() || TFunc(XYList.YText(i)).UsesParams()) return true;
    return false;
}

void TFm::SaveTable(IniFile& ini, const std::string& section) const {
    ini.WriteString(section, "ObjType", ObjType());
    ini.WriteInteger(section, "Color", Color);
    ini.WriteString(section, "A", RangeA.FormulaText());
    ini.WriteString(section, "B", RangeB.FormulaText());
    ini.WriteInteger(section, "MaxXYnum", MaxXYnum());
    ini.WriteInteger(section, "LocMembers", LocMembers);
    ini.WriteInteger(section, "WLine", WLine);
    ini.WriteBool(section, "GBuild", GBuild);
    ini.WriteBool(section, "BuildPoly", BuildPoly);
    for (int i = 0; i < XYList.Count(); ++i) {
        ini.WriteString(section, Key("X", i), XYList.XText(i));
        ini.WriteString(section, Key("Y", i), XYList.YText(i));
    }
}

void TFm::Save(IniFile& ini, const std::string& section) const {
    SaveTable(ini, section);
}

void TFm::EvalPoints() {
    for (int i = 0; i < XYList.Count(); ++i) {
        XYList.EvalX(i);
        XYList.EvalY(i);
    }
}

void TFm::CalcBounds(const TMasshImage& image) {
    EvalPoints();
    const int n = XYList.Count();
    if (n > 0) {
        RangeA = TRng(XYList.XText(0));
        RangeB = TRng(XYList.XText(n - 1));
    }
    // Points without a value (a parameter made a text undefined) take no part.
    std::vector<Real> xs, ys;
    for (int i = 0; i < n; ++i)
        if (!IsUndefined(XYList.X(i)) && !IsUndefined(XYList.Y(i))) {
            xs.push_back(XYList.X(i));
            ys.push_back(XYList.Y(i));
        }
    const int degree = std::min(LocMembers, std::max(DistinctCount(xs) - 1, 0));
    m_coeffs = FitPolynomial(xs, ys, degree);
    // The text is what the user reads ("2x+0.6667"), not a formula to compile; the coefficients are the
    // function.
    static_cast<TFunc&>(*this) = TFunc(PolynomialText(m_coeffs));

    MinX = MinY = ExtentSentinel;
    MaxX = MaxY = -ExtentSentinel;
    TFn::CalcBounds(image);
    for (const Real y : ys) {
        MinY = std::min(MinY, y);
        MaxY = std::max(MaxY, y);
    }
}

void TFm::Draw(TMasshImage& image) {
    if (BuildPoly) TFn::Draw(image);
    TCanvas& canvas = image.Canvas();
    canvas.Pen() = {Color, 1, PenStyle::Solid, PenMode::Copy};
    const TBrush brush = canvas.Brush();
    canvas.Brush().Style = BrushStyle::Clear; // the pixel stays visible inside
    for (int i = 0; i < XYList.Count(); ++i) {
        if (IsUndefined(XYList.X(i)) || IsUndefined(XYList.Y(i))) continue;
        const int x = image.XToScr(XYList.X(i)), y = image.YToScr(XYList.Y(i));
        canvas.SetPixel(x, y, Color);
        canvas.Ellipse(x - PointRadius, y - PointRadius, x + PointRadius + 1, y + PointRadius + 1);
    }
    canvas.Brush() = brush;
    Drawn = true;
}

TTableData TFm::TableData() const {
    TTableData data;
    data.Use = TTableUse::Polynomial;
    for (int i = 0; i < XYList.Count(); ++i)
        data.Rows.push_back({XYList.XText(i), XYList.YText(i)});
    data.Degree = LocMembers;
    data.BuildPoly = BuildPoly;
    data.Color = Color;
    data.WLine = WLine;
    data.GBuild = GBuild;
    return data;
}

TXYList TFm::PointsOf(const TTableData& data) {
    TXYList points;
    for (const TTableRow& row : data.Rows)
        points.AddPointText(row.X, row.Y);
    return points;
}

void TFm::TakeCommonSettings(const TTableData& data) {
    Color = data.Color;
    WLine = std::clamp(data.WLine, 1, MaxWLine);
    GBuild = data.GBuild;
}

bool TFm::TakeTableData(const TTableData& data) {
    TXYList points = PointsOf(data);
    points.Sort();
    if (points.Count() < 1 || !(points.X(points.Count() - 1) > points.X(0))) return false; // all X equal
    XYList = std::move(points);
    LocMembers = std::clamp(data.Degree, 0, MaxPolyDegree);
    BuildPoly = data.BuildPoly;
    TakeCommonSettings(data);
    return true;
}

bool TFm::Edit() {
    TObjectEditor* editor = ObjectEditor();
    if (!editor) return false;
    TTableData data = TableData();
    return editor->RunTableDlg(data) && TakeTableData(data);
}
