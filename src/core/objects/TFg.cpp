#include "core/objects/TFg.h"

#include "core/base/IniFile.h"
#include "core/base/NumberText.h"
#include "core/base/WorkerPool.h"

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

// The scan of the visible part of the rectangle: cells of n pixels, each one with a sign change scanned again
// with cells half as large, down to the pixels that are set. Pixel column c lies at x0 + c·px and pixel row r
// at y1 − r·py, computed from the indices: a corner has the same value in every cell and every part of the
// scan that meets it, so the parts can be scanned apart and give the pixels one scan would.
class TCellScan {
public:
    TCellScan(const TFunc& g, const TMasshImage& image, Real x0, Real y1, Real px, Real py, int columns,
              int rows)
        : m_g(g), m_image(image), m_x0(x0), m_y1(y1), m_px(px), m_py(py), m_halfPx(px / 2), m_halfPy(py / 2),
          m_columns(columns), m_rows(rows) {}

    // Bands of cells of n pixels from row r0 while above rEnd, each band's cells from column c0 while left
    // of cEnd, neither beyond the visible rectangle; level numbers the cell sizes from the first. The
    // pixels to set go to the part, in the order they are found.
    void Scan(int n, int r0, int rEnd, int c0, int cEnd, int level, TFg::TScanPart& part) const {
        cEnd = std::min(cEnd, m_columns);
        rEnd = std::min(rEnd, m_rows);
        if (c0 >= cEnd || r0 >= rEnd) return;
        const int cells = (cEnd - c0 + n - 1) / n;
        std::vector<std::int8_t>& row = part.Rows[level];
        if (row.size() < static_cast<std::size_t>(cells) + 1) row.resize(cells + 1);
        const Real yTop = Y(r0);
        for (int i = 0; i <= cells; ++i)
            row[i] = SignOf(m_g.Calc(X(c0 + i * n), yTop));
        for (int r = r0; r < rEnd; r += n) {
            const Real yb = Y(r + n);
            std::int8_t bottomLeft = SignOf(m_g.Calc(X(c0), yb));
            for (int i = 0, c = c0; i < cells; ++i, c += n) {
                const std::int8_t topLeft = row[i], topRight = row[i + 1];
                const std::int8_t bottomRight = SignOf(m_g.Calc(X(c + n), yb));
                row[i] = bottomLeft; // the top row of the next band
                if (Crossed(topLeft, topRight, bottomLeft, bottomRight)) {
                    const Real centre =
                        m_g.Calc(m_x0 + Real(2 * c + n) * m_halfPx, m_y1 - Real(2 * r + n) * m_halfPy);
                    if (std::fabs(centre) < PoleLimit) {
                        if (n == 1)
                            part.Pixels.push_back({m_image.XToScr(X(c)), m_image.YToScr(Y(r))});
                        else
                            Scan(n / 2, r, r + n, c, c + n, level + 1, part);
                    }
                }
                bottomLeft = bottomRight;
            }
            row[cells] = bottomLeft;
        }
    }

private:
    Real X(int c) const { return m_x0 + Real(c) * m_px; }
    Real Y(int r) const { return m_y1 - Real(r) * m_py; }

    // A cell may hold the curve unless a corner other than the bottom right one is undefined, or all four
    // have the same sign other than zero (zeros are the curve itself, as on the axes of X*Y).
    static bool Crossed(std::int8_t tl, std::int8_t tr, std::int8_t bl, std::int8_t br) {
        if (tl == Undefined || tr == Undefined || bl == Undefined) return false;
        return !(tl == tr && tl == bl && tl == br && tl != Zero);
    }

    const TFunc& m_g;
    const TMasshImage& m_image;
    Real m_x0, m_y1; // the top left corner of the visible rectangle
    Real m_px, m_py, m_halfPx, m_halfPy;
    int m_columns, m_rows; // the visible rectangle in pixels: no cell starts beyond it
};

// Below this many pixels a scan is not worth sharing out.
constexpr long long ParallelPixels = 100000;
// Parts per thread: parts of a curve's rows differ much in work, smaller parts even it out.
constexpr int PartsPerThread = 4;

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
        const TCellScan scan(*this, image, x0, y1, (x1 - x0) / columns, (y1 - y0) / rows, columns, rows);
        const int n = CellPixels(PrecisionGraph);
        // The bands of the first cells are shared out in runs; every run finds its own pixels, and they are
        // set here, run after run, as one scan from the top would set them.
        const int bands = (rows + n - 1) / n;
        TWorkerPool& pool = TWorkerPool::Instance();
        const bool shared = pool.Threads() > 1 && static_cast<long long>(columns) * rows >= ParallelPixels;
        const int parts = shared ? std::min(bands, pool.Threads() * PartsPerThread) : 1;
        if (m_parts.size() < static_cast<std::size_t>(parts)) m_parts.resize(parts);
        pool.Run(parts, [&](int k) {
            TScanPart& part = m_parts[k];
            part.Pixels.clear();
            const long long first = static_cast<long long>(bands) * k / parts;
            const long long last = static_cast<long long>(bands) * (k + 1) / parts;
            scan.Scan(n, static_cast<int>(first * n), static_cast<int>(last * n), 0, columns, 0, part);
        });
        TCanvas& canvas = image.Canvas();
        for (int k = 0; k < parts; ++k)
            for (const TPoint& p : m_parts[k].Pixels)
                canvas.SetPixel(p.x, p.y, Color);
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
