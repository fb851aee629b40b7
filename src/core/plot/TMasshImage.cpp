#include "core/plot/TMasshImage.h"

#include "core/plot/BasicStep.h"
#include "core/plot/MasshZoom.h"

#include <cmath>

namespace {
constexpr Real Pi = 3.141592653589793238462643383279502884L;
constexpr int GraphWindowPoints = 400;

// v as a pixel offset: clamped to the screen limit, otherwise rounded half to even (the default rounding
// mode). NaN, which only a fault upstream produces, goes off-screen rather than into an undefined conversion.
int ClampRound(Real v) {
    if (std::isnan(v)) return ScreenLimit;
    if (std::fabs(v) >= ScreenLimit) return v > 0 ? ScreenLimit : -ScreenLimit;
    return static_cast<int>(std::lrint(v)); // as nearbyint in the default mode, without its cost
}

bool IsWindowRange(Real lo, Real hi) {
    return lo < hi && std::isfinite(lo) && std::isfinite(hi) && std::isfinite(hi - lo);
}

bool IsWindow(const TMassh& m) {
    return IsWindowRange(m.XMin, m.XMax) && IsWindowRange(m.YMin, m.YMax);
}
} // namespace

void TMasshImage::SetCoord(CoordType coord) {
    m_coord = coord;
    const bool dec = coord == CoordType::ctDec;
    if (TBDec) TBDec(dec);
    if (TBPolar) TBPolar(!dec);
}

void TMasshImage::SetMasshAuto(bool masshAuto) {
    m_masshAuto = masshAuto;
    if (TBMAuto) TBMAuto(masshAuto);
    if (TBMUser) TBMUser(!masshAuto);
}

void TMasshImage::SetMassh(const TMassh& window) {
    // A copy: "previous scale" passes OldMassh itself, which is overwritten below.
    const TMassh m = window;
    // An infinite range would also never end the search for a step.
    if (!IsWindow(m)) return;
    const TMassh shown = m_equalScale ? EqualScaleMassh(m, m_width, m_height) : m;
    if (!IsWindow(shown)) return;
    m_oldMassh = m_massh;
    m_askedMassh = m;
    ShowMassh(shown);
}

void TMasshImage::ShowMassh(const TMassh& m) {
    m_massh = m;
    m_xBasic = BasicStep(std::fabs(m.XMax - m.XMin));
    m_yBasic = BasicStep(std::fabs(m.YMax - m.YMin));
}

void TMasshImage::SetEqualScale(bool on) {
    m_equalScale = on;
    if (on) SetMassh(m_massh);
}

void TMasshImage::SetBasic(Real xBasic, Real yBasic) {
    m_xBasic = xBasic;
    m_yBasic = yBasic;
}

void TMasshImage::SetSize(int width, int height) {
    m_width = width;
    m_height = height;
    if (m_equalScale) {
        const TMassh m = EqualScaleMassh(m_askedMassh, width, height);
        if (IsWindow(m)) ShowMassh(m);
    }
}

void TMasshImage::SetCanvas(TCanvas* canvas) {
    m_canvas = canvas ? canvas : &m_nullCanvas;
}

int TMasshImage::XToScr(Real x) const {
    const Real v = (x - m_massh.XMin) * m_width / (m_massh.XMax - m_massh.XMin);
    return ClampRound(v);
}

int TMasshImage::YToScr(Real y) const {
    const Real v = (y - m_massh.YMin) * m_height / (m_massh.YMax - m_massh.YMin);
    return m_height - ClampRound(v);
}

Real TMasshImage::ScrToX(int px) const {
    return m_massh.XMin + (m_massh.XMax - m_massh.XMin) * px / m_width;
}

Real TMasshImage::ScrToY(int py) const {
    return m_massh.YMin + (m_massh.YMax - m_massh.YMin) * (m_height - py) / m_height;
}

Real TMasshImage::ScrToR(int px, int py) const {
    const Real x = ScrToX(px);
    const Real y = ScrToY(py);
    return std::sqrt(x * x + y * y);
}

Real TMasshImage::ScrToF(int px, int py) const {
    const Real x = ScrToX(px);
    const Real y = ScrToY(py);
    if (x == 0) {
        if (y == 0) return 0;
        return y > 0 ? Pi / 2 : 3 * Pi / 2;
    }
    const Real a = std::atan(std::fabs(y) / std::fabs(x));
    if (y >= 0) return x > 0 ? a : Pi - a;
    return x > 0 ? 2 * Pi - a : Pi + a;
}

void TMasshImage::MasshUpdate() {
    if (CanDraw && OnMasshUpdate) OnMasshUpdate(*this);
}

void TMasshImage::MasshDialog() {
    if (OnMasshDialog) OnMasshDialog(*this);
}

void ApplyGraphWindowDefaults(TMasshImage& image) {
    image.OsiPoints = true;
    image.GraphPoints = GraphWindowPoints;
    image.SetMasshAuto(true);
    image.SetCoord(CoordType::ctDec);
    image.SetBasic(1.0L, 1.0L);
    image.IsMarkBuild = true;
    image.grTextColor = clBlack;
    image.grBackColor = clWhite;
    image.grMouseColor = clSilver;
    image.grMarkColor = clBlack;
    image.grAxeColor = clBlack;
    image.grAddColor = clSilver;
    image.grXName = "X";
    image.grYName = "Y";
    image.grLabelFont = TFont();
    image.grAxeFont = TFont();
    image.grAdd2Color = clGray;
    image.CanDraw = true;
    image.LinkPoints = 0;
}
