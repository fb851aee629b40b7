#include "core/analysis/Shading.h"

#include "core/document/TDocument.h"
#include "core/objects/TFg.h"
#include "core/plot/TMasshImage.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {
constexpr int CellPixels = 10; // the coarse cells' side
constexpr int HatchPeriod = 5; // the hatch's diagonals lie this many pixels apart

// The point test: every G on the right side of 0 (G = 0 satisfies both relations), or some G undefined.
enum : int { Outside = 0, Inside = 1, NoValue = 2 };

bool InShading(const TFn* f) {
    return (f->Kind() == ObjKind::Implicit || f->Kind() == ObjKind::Circle) && f->Drawn;
}

int Residue(int v) {
    return ((v % HatchPeriod) + HatchPeriod) % HatchPeriod;
}

// One pass over the region. Pixel column k lies at x0 + k·w and pixel row j at y1 − j·h; the coarse cells'
// corners are every tenth of them, so a corner's test serves the pixels as well. Tests are kept for the
// eleven pixel rows of the current band of cells, each tagged with its row, so the row shared with the band
// above is taken over and nothing needs clearing.
class TShadeScan {
public:
    TShadeScan(const std::vector<TFn*>& objects, char rel, TMasshImage& image)
        : m_less(rel != ShadeGreater), m_image(image) {
        for (const TFn* f : objects)
            m_objects.push_back(static_cast<const TFg*>(f));
    }

    long long Run() {
        if (!Region()) return 0;
        const TColor color = m_image.grAddColor;
        TCanvas& canvas = m_image.Canvas();
        for (int r = 0; r < m_rows; ++r) {
            const int j0 = r * CellPixels;
            for (int c = 0; c < m_cols; ++c) {
                const int k0 = c * CellPixels;
                if (At(k0, j0) != Inside && At(k0 + CellPixels, j0) != Inside &&
                    At(k0, j0 + CellPixels) != Inside && At(k0 + CellPixels, j0 + CellPixels) != Inside)
                    continue;
                const int kEnd = std::min(k0 + CellPixels - 1, m_lastCol);
                for (int j = j0; j < j0 + CellPixels && j <= m_lastRow; ++j) {
                    const int wanted = Residue(-m_rowScr[j]);
                    for (int k = k0; k <= kEnd; ++k) {
                        if (m_colResidue[k] != wanted || At(k, j) != Inside || At(k + 1, j) == NoValue ||
                            At(k, j + 1) == NoValue)
                            continue;
                        canvas.SetPixel(m_colScr[k], m_rowScr[j], color);
                    }
                }
            }
        }
        return m_tests;
    }

private:
    // The window narrowed to every rectangle, its pixel sizes and the cells over it; false when nothing of
    // it is left to scan.
    bool Region() {
        const TMassh& window = m_image.Massh();
        Real x0 = window.XMin, x1 = window.XMax, y0 = window.YMin, y1 = window.YMax;
        for (const TFg* g : m_objects) {
            x0 = std::max(x0, g->RangeA.Value());
            x1 = std::min(x1, g->RangeB.Value());
            y0 = std::max(y0, g->RangeYA.Value());
            y1 = std::min(y1, g->RangeYB.Value());
        }
        if (!(x0 < x1) || !(y0 < y1)) return false;
        const int left = m_image.XToScr(x0), right = m_image.XToScr(x1);
        const int top = m_image.YToScr(y1), bottom = m_image.YToScr(y0);
        const int spanX = std::abs(right - left), spanY = std::abs(bottom - top);
        if (spanX == 0 || spanY == 0) return false;
        m_x0 = x0;
        m_y1 = y1;
        m_w = (x1 - x0) / spanX;
        m_h = (y1 - y0) / spanY;
        // Cells while their left edge is within the region, rows of cells while their top is.
        const int maxCols = spanX / CellPixels + 1, maxRows = spanY / CellPixels + 1;
        while (m_cols < maxCols && m_x0 + Real(m_cols + 1) * CellPixels * m_w <= x1)
            ++m_cols;
        while (m_rows < maxRows && m_y1 - Real(m_rows + 1) * CellPixels * m_h >= y0)
            ++m_rows;
        ++m_cols;
        ++m_rows;

        const int columns = m_cols * CellPixels + 1, rows = m_rows * CellPixels + 1;
        m_colScr.resize(columns);
        m_colResidue.resize(columns);
        for (int k = 0; k < columns; ++k) {
            m_colScr[k] = m_image.XToScr(X(k));
            m_colResidue[k] = Residue(m_colScr[k]);
        }
        m_rowScr.resize(rows);
        for (int j = 0; j < rows; ++j)
            m_rowScr[j] = m_image.YToScr(Y(j));
        // The last cells reach past the region: their pixels beyond its right and lower edges stay bare.
        m_lastCol = columns - 1;
        while (m_lastCol > 0 && m_colScr[m_lastCol] > right)
            --m_lastCol;
        m_lastRow = rows - 1;
        while (m_lastRow > 0 && m_rowScr[m_lastRow] > bottom)
            --m_lastRow;
        m_stride = columns;
        m_memo.assign(static_cast<std::size_t>(CellPixels + 1) * columns, -1);
        return true;
    }

    Real X(int k) const { return m_x0 + k * m_w; }
    Real Y(int j) const { return m_y1 - j * m_h; }

    int At(int k, int j) {
        std::int32_t& kept = m_memo[static_cast<std::size_t>(j % (CellPixels + 1)) * m_stride + k];
        if (kept >= 0 && (kept >> 2) == j) return kept & 3;
        const int t = PointTest(X(k), Y(j));
        kept = static_cast<std::int32_t>(j) << 2 | t;
        return t;
    }

    int PointTest(Real x, Real y) {
        ++m_tests;
        int t = Inside;
        for (const TFg* g : m_objects) {
            const Real v = g->Calc(x, y);
            if (m_less ? v > 0 : v < 0) t = Outside;
            if (IsUndefined(v)) t = NoValue;
        }
        return t;
    }

    std::vector<const TFg*> m_objects;
    bool m_less;
    TMasshImage& m_image;
    Real m_x0 = 0, m_y1 = 0, m_w = 0, m_h = 0;
    int m_cols = 0, m_rows = 0;
    int m_lastCol = 0, m_lastRow = 0;
    std::vector<int> m_colScr, m_colResidue, m_rowScr;
    std::size_t m_stride = 0;
    std::vector<std::int32_t> m_memo;
    long long m_tests = 0;
};
} // namespace

TShadeResult ShadeGxySystem(TFuncs& selection, char rel, TMasshImage& image) {
    std::vector<TFn*>& items = selection.Items;
    items.erase(std::remove_if(items.begin(), items.end(), [](const TFn* f) { return !InShading(f); }),
                items.end());
    TShadeResult result;
    if (items.empty()) return result;
    result.Shaded = true;
    result.PointTests = TShadeScan(items, rel, image).Run();
    selection.ShadeRel = rel;
    return result;
}

void ShadePendingSystem(TMasshImage& image, TDocument& doc) {
    TFuncs& selection = doc.Selection;
    selection.Items.clear();
    for (TFn* f : doc.ShadeList.Items)
        for (int i = 0; i < doc.Objects.Count(); ++i)
            if (&doc.Objects.Object(i) == f) {
                selection.Items.push_back(f);
                break;
            }
    ShadeGxySystem(selection, selection.ShadeRel, image);
}

TShadeResult ShadeCommand(TDocument& doc, TMasshImage& image, char rel) {
    // The redraw takes the old hatch off only when it is no longer pending.
    if (doc.Selection.ShadeRel != ShadeNone) {
        doc.Selection.ShadeRel = ShadeNone;
        image.MasshUpdate();
    }
    FillSelection(doc.Objects, doc.Selection, true);
    const TShadeResult result = ShadeGxySystem(doc.Selection, rel, image);
    doc.ShadeList.ShadeRel = rel;
    FillSelection(doc.Objects, doc.ShadeList, true);
    return result;
}
