#include "core/analysis/Shading.h"

#include "core/base/WorkerPool.h"
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
// Below this many pixels a pass is not worth sharing out; parts per thread even out the work of the bands.
constexpr long long ParallelPixels = 100000;
constexpr int PartsPerThread = 4;

// The point test: every G on the right side of 0 (G = 0 satisfies both relations), or some G undefined.
enum : int { Outside = 0, Inside = 1, NoValue = 2 };

bool InShading(const TFn* f) {
    return (f->Kind() == ObjKind::Implicit || f->Kind() == ObjKind::Circle) && f->Drawn;
}

int Residue(int v) {
    return ((v % HatchPeriod) + HatchPeriod) % HatchPeriod;
}

// One pass over the region. Pixel column k lies at x0 + k·w and pixel row j at y1 − j·h; the coarse cells'
// corners are every tenth of them, so a corner's test serves the pixels as well. The corners are tested
// first, all of them; then the bands of cells are shared out in runs, each keeping the tests of the eleven
// pixel rows of its current band, tagged with their row, so the row shared with the band above is taken
// over and nothing needs clearing. Every run lists its pixels, and they are painted run after run, as one
// pass from the top would paint them.
class TShadeScan {
public:
    TShadeScan(const std::vector<TFn*>& objects, char rel, TMasshImage& image)
        : m_less(rel != ShadeGreater), m_image(image) {
        for (const TFn* f : objects)
            m_objects.push_back(static_cast<const TFg*>(f));
    }

    long long Run() {
        if (!Region()) return 0;
        TWorkerPool& pool = TWorkerPool::Instance();
        const bool shared =
            pool.Threads() > 1 &&
            static_cast<long long>(m_cols) * m_rows * CellPixels * CellPixels >= ParallelPixels;
        const int parts = shared ? std::min(m_rows, pool.Threads() * PartsPerThread) : 1;
        std::vector<TPart> runs(parts);
        for (TPart& p : runs)
            p.Memo.assign(static_cast<std::size_t>(CellPixels + 1) * m_stride, -1);

        // The corners, by rows of them.
        const int cornerRows = m_rows + 1, cornerCols = m_cols + 1;
        m_corners.resize(static_cast<std::size_t>(cornerRows) * cornerCols);
        pool.Run(parts, [&](int p) {
            for (int r = cornerRows * p / parts; r < cornerRows * (p + 1) / parts; ++r)
                for (int c = 0; c < cornerCols; ++c)
                    m_corners[static_cast<std::size_t>(r) * cornerCols + c] =
                        static_cast<std::int8_t>(PointTest(X(c * CellPixels), Y(r * CellPixels), runs[p]));
        });
        pool.Run(parts, [&](int p) {
            for (int r = m_rows * p / parts; r < m_rows * (p + 1) / parts; ++r)
                Band(r, runs[p]);
        });

        const TColor color = m_image.grAddColor;
        TCanvas& canvas = m_image.Canvas();
        long long tests = 0;
        for (const TPart& p : runs) {
            tests += p.Tests;
            for (const TPoint& pixel : p.Pixels)
                canvas.SetPixel(pixel.x, pixel.y, color);
        }
        return tests;
    }

private:
    // What one run keeps: the tests of its current band's pixel rows, its pixels and its count of tests. Each
    // on cache lines of its own, as the threads write them all the time.
    struct alignas(64) TPart {
        std::vector<std::int32_t> Memo;
        std::vector<TPoint> Pixels;
        long long Tests = 0;
    };

    // The cells of band r with a corner in the region, tested pixel by pixel.
    void Band(int r, TPart& part) const {
        const int j0 = r * CellPixels;
        // The corners' tests serve the pixels of the band's first and last rows.
        for (const int j : {j0, j0 + CellPixels})
            for (int c = 0; c <= m_cols; ++c)
                Keep(part, c * CellPixels, j, Corner(j / CellPixels, c));
        for (int c = 0; c < m_cols; ++c) {
            if (Corner(r, c) != Inside && Corner(r, c + 1) != Inside && Corner(r + 1, c) != Inside &&
                Corner(r + 1, c + 1) != Inside)
                continue;
            const int k0 = c * CellPixels;
            const int kEnd = std::min(k0 + CellPixels - 1, m_lastCol);
            for (int j = j0; j < j0 + CellPixels && j <= m_lastRow; ++j) {
                const int wanted = Residue(-m_rowScr[j]);
                for (int k = k0; k <= kEnd; ++k) {
                    if (m_colResidue[k] != wanted || At(k, j, part) != Inside ||
                        At(k + 1, j, part) == NoValue || At(k, j + 1, part) == NoValue)
                        continue;
                    part.Pixels.push_back({m_colScr[k], m_rowScr[j]});
                }
            }
        }
    }

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
        return true;
    }

    Real X(int k) const { return m_x0 + k * m_w; }
    Real Y(int j) const { return m_y1 - j * m_h; }

    int Corner(int r, int c) const { return m_corners[static_cast<std::size_t>(r) * (m_cols + 1) + c]; }

    std::int32_t& Kept(TPart& part, int k, int j) const {
        return part.Memo[static_cast<std::size_t>(j % (CellPixels + 1)) * m_stride + k];
    }
    void Keep(TPart& part, int k, int j, int t) const {
        Kept(part, k, j) = static_cast<std::int32_t>(j) << 2 | t;
    }

    int At(int k, int j, TPart& part) const {
        const std::int32_t kept = Kept(part, k, j);
        if (kept >= 0 && (kept >> 2) == j) return kept & 3;
        const int t = PointTest(X(k), Y(j), part);
        Keep(part, k, j, t);
        return t;
    }

    int PointTest(Real x, Real y, TPart& part) const {
        ++part.Tests;
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
    std::vector<std::int8_t> m_corners; // the tests at the cells' corners, by rows of corners
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
