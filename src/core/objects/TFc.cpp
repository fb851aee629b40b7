#include "core/objects/TFc.h"

#include "core/base/IniFile.h"
#include "core/base/MessageTable.h"
#include "core/base/NumberText.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr Real NoRadiusHalfSide = 1; // the square around a circle of radius 0

// A constant text's value; a text that does not compile has none (a hand-edited document).
Real TextValue(const std::string& text) {
    return TFunc(text).Calc(0, 0);
}

// A number as the user sees it, in a form the formula language reads: "1.235E04" needs its exponent's sign.
std::string FormulaNumber(Real x) {
    std::string text = FloatStr(x);
    const std::string::size_type e = text.find('E');
    if (e != std::string::npos && e + 1 < text.size() && text[e + 1] != '-') text.insert(e + 1, "+");
    return text;
}

// "-c" or "+|c|", so that (y-c)^2 reads as the distance from c.
std::string Shift(Real c) {
    return c >= 0 ? "-" + FormulaNumber(c) : "+" + FormulaNumber(std::fabs(c));
}
} // namespace

TFc::TFc(const std::string& func, const std::string& a, const std::string& b, const std::string& ya,
         const std::string& yb, TColor color)
    : TFg(func, a, b, ya, yb, color) {}

TFc::TFc(const IniFile& ini, const std::string& section)
    : TFg(ini, section), X0Text(ini.ReadString(section, "x0", "0")),
      Y0Text(ini.ReadString(section, "y0", "0")), RText(ini.ReadString(section, "r", "1")),
      X1Text(ini.ReadString(section, "x1", "0")), Y1Text(ini.ReadString(section, "y1", "0")),
      X2Text(ini.ReadString(section, "x2", "1")), Y2Text(ini.ReadString(section, "y2", "0")),
      DataPage(ini.ReadInteger(section, "DataPage", CirclePageRadius) == CirclePagePoint ? CirclePagePoint
                                                                                         : CirclePageRadius) {
}

std::vector<const std::string*> TFc::PageTexts() const {
    if (DataPage == CirclePagePoint) return {&X1Text, &Y1Text, &X2Text, &Y2Text};
    return {&X0Text, &Y0Text, &RText};
}

void TFc::MarkParams() const {
    for (const std::string* text : PageTexts())
        TFunc(*text).MarkParams();
}

bool TFc::UsesParams() const {
    const std::vector<const std::string*> texts = PageTexts();
    return std::any_of(texts.begin(), texts.end(),
                       [](const std::string* t) { return TFunc(*t).UsesParams(); });
}

void TFc::Save(IniFile& ini, const std::string& section) const {
    TFg::Save(ini, section);
    ini.WriteString(section, "x0", X0Text);
    ini.WriteString(section, "y0", Y0Text);
    ini.WriteString(section, "r", RText);
    ini.WriteString(section, "x1", X1Text);
    ini.WriteString(section, "y1", Y1Text);
    ini.WriteString(section, "x2", X2Text);
    ini.WriteString(section, "y2", Y2Text);
    ini.WriteInteger(section, "DataPage", DataPage);
}

TFc::TGeometry TFc::Geometry() const {
    TGeometry g;
    if (DataPage == CirclePagePoint) {
        g.Cx = TextValue(X1Text);
        g.Cy = TextValue(Y1Text);
        const Real x2 = TextValue(X2Text), y2 = TextValue(Y2Text);
        g.R = IsUndefined(x2) || IsUndefined(y2) ? UndefinedValue : std::hypot(x2 - g.Cx, y2 - g.Cy);
    } else {
        g.Cx = TextValue(X0Text);
        g.Cy = TextValue(Y0Text);
        g.R = TextValue(RText);
    }
    return g;
}

void TFc::Rebuild() {
    const TGeometry g = Geometry();
    SetFormula("(y" + Shift(g.Cy) + ")^2+(x" + Shift(g.Cx) + ")^2-" + FormulaNumber(std::fabs(g.R)) + "^2");
    // A negative radius turns the square inside out, and the inequality tools skip it.
    const Real q = g.R != 0 ? g.R : NoRadiusHalfSide;
    RangeA.SetFormula(FormulaNumber(g.Cx - q));
    RangeB.SetFormula(FormulaNumber(g.Cx + q));
    RangeYA.SetFormula(FormulaNumber(g.Cy - q));
    RangeYB.SetFormula(FormulaNumber(g.Cy + q));
}

void TFc::CalcBounds(const TMasshImage&) {
    Rebuild();
    TakeRectangleBounds();
}

std::string TFc::Caption() const {
    if (DataPage == CirclePagePoint)
        return Msg(msg::CircleCentre) + X1Text + "," + Y1Text + Msg(msg::CirclePoint) + X2Text + "," +
               Y2Text + ")";
    return Msg(msg::CircleCentre) + X0Text + "," + Y0Text + Msg(msg::CircleRadius) + " " + RText;
}

std::string TFc::FormulaLine() const {
    const TGeometry g = Geometry();
    return Msg(msg::CircleCentre) + FloatStr(g.Cx) + "," + FloatStr(g.Cy) + Msg(msg::CircleRadius) + " " +
           FloatStr(g.R);
}

void TFc::Draw(TMasshImage& image) {
    const TGeometry g = Geometry();
    if (!g.Defined() || g.R < 0) return;
    TCanvas& canvas = image.Canvas();
    if (g.R == 0) {
        canvas.SetPixel(image.XToScr(g.Cx), image.YToScr(g.Cy), Color);
    } else {
        canvas.Pen().Color = Color;
        canvas.Pen().Width = WLine;
        canvas.Pen().Style = PenStyle::Solid;
        canvas.Pen().Mode = PenMode::Copy;
        // An outline: the graphs drawn before stay visible inside.
        const TBrush brush = canvas.Brush();
        canvas.Brush().Style = BrushStyle::Clear;
        canvas.Ellipse(image.XToScr(g.Cx - g.R), image.YToScr(g.Cy + g.R), image.XToScr(g.Cx + g.R),
                       image.YToScr(g.Cy - g.R));
        canvas.Brush() = brush;
    }
    Drawn = true;
}

TCircleData TFc::DialogData() const {
    TCircleData data;
    data.X0Text = X0Text;
    data.Y0Text = Y0Text;
    data.RText = RText;
    data.X1Text = X1Text;
    data.Y1Text = Y1Text;
    data.X2Text = X2Text;
    data.Y2Text = Y2Text;
    data.DataPage = DataPage;
    data.GBuild = GBuild;
    data.WLine = WLine;
    data.Color = Color;
    return data;
}

bool TFc::Edit() {
    TObjectEditor* editor = ObjectEditor();
    if (!editor) return false;
    TCircleData data = DialogData();
    if (!editor->RunNewCircle(data)) return false;
    GBuild = data.GBuild;
    WLine = std::clamp(data.WLine, 1, MaxWLine);
    // The other page keeps its texts for the next time the dialog shows it.
    DataPage = data.DataPage == CirclePagePoint ? CirclePagePoint : CirclePageRadius;
    if (DataPage == CirclePagePoint) {
        X1Text = data.X1Text;
        Y1Text = data.Y1Text;
        X2Text = data.X2Text;
        Y2Text = data.Y2Text;
    } else {
        X0Text = data.X0Text;
        Y0Text = data.Y0Text;
        RText = data.RText;
    }
    Color = data.Color;
    Rebuild();
    TakeRectangleBounds();
    return true;
}
