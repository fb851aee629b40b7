#include "core/plot/GraphOptions.h"

#include "core/base/NumberText.h"
#include "core/formula/TFunc.h"

namespace {

std::array<Real, ScaleBoxCount> Values(const TMassh& m) {
    return {m.XMin, m.XMax, m.YMin, m.YMax};
}

} // namespace

TGraphOptions ReadGraphOptions(const TMasshImage& image) {
    TGraphOptions o;
    o.Filled = image.Massh();
    const auto values = Values(o.Filled);
    for (int i = 0; i < ScaleBoxCount; ++i)
        o.ScaleTexts[i] = FloatStr(values[i]);
    o.AutoScale = image.MasshAuto();
    o.Polar = image.Coord() == CoordType::ctPolar;
    o.Axes = image.OsiPoints;
    o.Marks = image.IsMarkBuild;
    o.Color(TWorkColor::Back) = image.grBackColor;
    o.Color(TWorkColor::Axe) = image.grAxeColor;
    o.Color(TWorkColor::Mark) = image.grMarkColor;
    o.Color(TWorkColor::Mouse) = image.grMouseColor;
    o.Color(TWorkColor::Add) = image.grAddColor;
    o.Color(TWorkColor::Add2) = image.grAdd2Color;
    o.XName = image.grXName;
    o.YName = image.grYName;
    o.LabelFont = image.grLabelFont;
    o.AxeFont = image.grAxeFont;
    return o;
}

TScaleCheck CheckScale(const TGraphOptions& options) {
    TScaleCheck check;
    const auto filled = Values(options.Filled);
    std::array<Real, ScaleBoxCount> v{};
    for (int i = 0; i < ScaleBoxCount; ++i) {
        const std::string& text = options.ScaleTexts[i];
        if (text == FloatStr(filled[i])) {
            v[i] = filled[i];
            continue;
        }
        TFunc f("0");
        if (!f.SetFormula(text)) {
            check.Failed = static_cast<TScaleBox>(i);
            check.Message = msg::GraphOpsExpressionError;
            return check;
        }
        v[i] = f.Calc(0, 0);
    }
    check.Massh = {v[0], v[1], v[2], v[3]};
    for (Real x : v)
        if (IsUndefined(x)) check.Message = msg::GraphOpsScale;
    if (!(v[0] < v[1] && v[3] > v[2])) check.Message = msg::GraphOpsScale;
    return check;
}

void ApplyGraphOptions(const TGraphOptions& o, const TMassh& massh, TMasshImage& image) {
    if (massh != image.Massh()) image.SetMassh(massh);
    image.SetCoord(o.Polar ? CoordType::ctPolar : CoordType::ctDec);
    image.SetMasshAuto(o.AutoScale);
    image.OsiPoints = o.Axes;
    image.IsMarkBuild = o.Marks;
    image.grBackColor = o.Color(TWorkColor::Back);
    image.grAxeColor = o.Color(TWorkColor::Axe);
    image.grMarkColor = o.Color(TWorkColor::Mark);
    image.grMouseColor = o.Color(TWorkColor::Mouse);
    image.grAddColor = o.Color(TWorkColor::Add);
    image.grAdd2Color = o.Color(TWorkColor::Add2);
    image.grXName = o.XName;
    image.grYName = o.YName;
    image.grLabelFont = o.LabelFont;
    image.grAxeFont = o.AxeFont;
}
