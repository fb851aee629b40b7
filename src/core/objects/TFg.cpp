#include "core/objects/TFg.h"

#include "core/base/IniFile.h"
#include "core/base/NumberText.h"

#include <algorithm>
#include <cmath>

namespace {
// Where G at the centre of a cell with a sign change is this large, the change goes through a pole (as that
// of 1/X) and is no curve.
constexpr Real PoleLimit = 10;

// The sign of G at a corner; Undefined where G has no value.
enum Sign : std::int8_t { Negative = -1, Zero = 0, Positive = 1, Undefined = 2 };

inline std::int8_t SignOf(Real g) {
    if (!(std::fabs(g) < UndefinedValue)) return Undefined;
    return g > 0 ? Positive : g < 0 ? Negative : Zero;
}

// One scan of the visible part of the rectangle: cells of n pixels, each one with a sign change scanned
// again with cells half as large, down to the pixels that are set.
class TCellScan {
public:
    TCellScan(const TFunc& g, TMasshImage& image, TColor color, Real px, Real py, Real x1, Real y0,
              std::array<std::vector<std::int8_t>, TFg::MaxPrecision>& rows)
        : m_g(g), m_image(image), m_canvas(image.Canvas()), m_color(color), m_px(px), m_py(py), m_x1(x1),
          m_y0(y0), m_rows(rows) {}

    // Cells of n pixels over [xLeft, xRight] from yTop down to yBottom; level numbers the cell sizes from
    // the first.
    void Scan(int n, Real yTop, Real yBottom, Real xRight, Real xLeft, int level) {
        const Real hx = n * m_px, hy = n * m_py;
        // The corners' x are accumulated as the cells are walked, the same way for every row of corners.
        int cells = 0;
        for (Real x = xLeft; x < xRight && x < m_x1; x += hx) {
            ++cells;
            if (x + hx == x) break; // a step lost in the magnitude of x would never end the row
        }
        if (cells == 0) return;
        std::vector<std::int8_t>& row = m_rows[level];
        if (row.size() < static_cast<std::size_t>(cells) + 1) row.resize(cells + 1);
        {
            Real x = xLeft;
            for (int i = 0; i <= cells; ++i, x += hx)
                row[i] = SignOf(m_g.Calc(x, yTop));
        }
        for (Real y = yTop; y > yBottom && y > m_y0;) {
            const Real yb = y - hy;
            Real x = xLeft;
            std::int8_t bottomLeft = SignOf(m_g.Calc(x, yb));
            for (int i = 0; i < cells; ++i) {
                const Real xr = x + hx;
                const std::int8_t topLeft = row[i], topRight = row[i + 1];
                const std::int8_t bottomRight = SignOf(m_g.Calc(xr, yb));
                row[i] = bottomLeft; // the top row of the next band
                if (Crossed(topLeft, topRight, bottomLeft, bottomRight)) {
                    const Real centre = m_g.Calc(x + hx / 2, y - hy / 2);
                    if (std::fabs(centre) < PoleLimit) {
                        if (n == 1)
                            m_canvas.SetPixel(m_image.XToScr(x), m_image.YToScr(y), m_color);
                        else
                            Scan(n / 2, y, yb, xr, x, level + 1);
                    }
                }
                bottomLeft = bottomRight;
                x = xr;
            }
            row[cells] = bottomLeft;
            if (yb == y) break;
            y = yb;
        }
    }

private:
    // A cell may hold the curve unless a corner other than the bottom right one is undefined, or all four
    // have the same sign other than zero (zeros are the curve itself, as on the axes of X*Y).
    static bool Crossed(std::int8_t tl, std::int8_t tr, std::int8_t bl, std::int8_t br) {
        if (tl == Undefined || tr == Undefined || bl == Undefined) return false;
        return !(tl == tr && tl == bl && tl == br && tl != Zero);
    }

    const TFunc& m_g;
    TMasshImage& m_image;
    TCanvas& m_canvas;
    TColor m_color;
    Real m_px, m_py;
    Real m_x1, m_y0; // the visible rectangle's right and lower edges: no cell starts beyond them
    std::array<std::vector<std::int8_t>, TFg::MaxPrecision>& m_rows;
};

int ClampPrecision(long long p) {
    return static_cast<int>(std::clamp<long long>(p, TFg::MinPrecision, TFg::MaxPrecision));
}
} // namespace

TFg::TFg(const std::string& func, const std::string& a, const std::string& b, const std::string& ya,
         const std::string& yb, TColor color)
    : TFn(func, a, b, color), RangeYA(ya), RangeYB(yb) {}

TFg::TFg(const IniFile& ini, const std::string& section)
    : TFn(ini, section), RangeYA(ini.ReadString(section, "YA", "")),
      RangeYB(ini.ReadString(section, "YB", "")),
      PrecisionGraph(ClampPrecision(ini.ReadInteger(section, "PrecisionGraph", DefaultPrecision))) {}

void TFg::MarkParams() const {
    RangeYA.MarkParams();
    RangeYB.MarkParams();
    TFn::MarkParams();
}

void TFg::Save(IniFile& ini, const std::string& section) const {
    TFn::Save(ini, section);
    ini.WriteString(section, "YA", RangeYA.FormulaText());
    ini.WriteString(section, "YB", RangeYB.FormulaText());
    ini.WriteInteger(section, "PrecisionGraph", PrecisionGraph);
}

void TFg::TakeRectangleBounds() {
    const Real a = RangeA.Value(), b = RangeB.Value(), ya = RangeYA.Value(), yb = RangeYB.Value();
    if (!(a < b && ya < yb)) return;
    MinX = a;
    MaxX = b;
    MinY = ya;
    MaxY = yb;
}

void TFg::CalcBounds(const TMasshImage&) {
    TakeRectangleBounds();
}

int TFg::CellPixels(int precision) {
    return 1 << (MaxPrecision - ClampPrecision(precision));
}

void TFg::Draw(TMasshImage& image) {
    const Real a = RangeA.Value(), b = RangeB.Value(), ya = RangeYA.Value(), yb = RangeYB.Value();
    if (!(a < b && ya < yb)) return;
    const TMassh& m = image.Massh();
    const Real x0 = std::max(a, m.XMin), x1 = std::min(b, m.XMax);
    const Real y0 = std::max(ya, m.YMin), y1 = std::min(yb, m.YMax);
    // A rectangle outside the window, or narrower than a pixel, has nothing to scan (and the pixel size
    // would divide by zero).
    const int columns = std::abs(image.XToScr(x1) - image.XToScr(x0));
    const int rows = std::abs(image.YToScr(y0) - image.YToScr(y1));
    if (x0 < x1 && y0 < y1 && columns > 0 && rows > 0) {
        const Real px = (x1 - x0) / columns, py = (y1 - y0) / rows;
        TCellScan scan(*this, image, Color, px, py, x1, y0, m_cornerRows);
        scan.Scan(CellPixels(PrecisionGraph), y1, y0, x1, x0, 0);
    }
    Drawn = true;
}

void TFg::ShowInfo(std::vector<std::string>& lines) const {
    lines.push_back(FormulaLine());
    lines.push_back("Ax=" + FloatStr(RangeA.Value()));
    lines.push_back("Bx=" + FloatStr(RangeB.Value()));
    lines.push_back("Ay=" + FloatStr(RangeYA.Value()));
    lines.push_back("By=" + FloatStr(RangeYB.Value()));
}

TFuInputData TFg::FuInputData() const {
    TFuInputData data = TFn::FuInputData();
    data.YArgName = YArgName;
    data.AyByVisible = true;
    data.AyText = RangeYA.FormulaText();
    data.ByText = RangeYB.FormulaText();
    data.QualityVisible = false;
    data.LineWidthVisible = false;
    data.PrecisionVisible = true;
    data.Precision = PrecisionGraph;
    return data;
}

void TFg::TakeFuInput(const TFuInputData& data) {
    SetFormula(data.FyText);
    RangeA.SetFormula(data.AText);
    RangeB.SetFormula(data.BText);
    RangeYA.SetFormula(data.AyText);
    RangeYB.SetFormula(data.ByText);
    Color = data.Color;
    PrecisionGraph = ClampPrecision(data.Precision);
    GBuild = data.GBuild;
}
