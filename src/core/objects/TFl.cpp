#include "core/objects/TFl.h"

#include "core/base/IniFile.h"
#include "core/base/MessageTable.h"
#include "core/base/NumberText.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int MaxLineT = 4;
// The ellipses of a swept body: half width (about Ox) or half height (about Oy) is the radius over these.
constexpr int OxEllipseAspect = 4;
constexpr int OyEllipseAspect = 6;

int Mod(int a, int b) {
    const int r = a % b;
    return r < 0 ? r + b : r;
}

void PenSquare(TCanvas& canvas, TPoint p, int half) {
    canvas.Rectangle(p.x - half, p.y - half, p.x + half + 1, p.y + half + 1);
}
} // namespace

TFl::TFl(TColor color) : TFm(color, "B") {}

TFl::TFl(const IniFile& ini, const std::string& section) : TFm(ini, section) {
    ArgName = "B";
    Locked = ini.ReadBool(section, "Locked", true);
    LineT = static_cast<int>(std::clamp<long long>(ini.ReadInteger(section, "LineT", 0), 0, MaxLineT));
}

void TFl::Save(IniFile& ini, const std::string& section) const {
    SaveTable(ini, section);
    ini.WriteBool(section, "Locked", Locked);
    ini.WriteInteger(section, "LineT", LineT);
}

bool TFl::Defined(int i) const {
    return !IsUndefined(XYList.X(i)) && !IsUndefined(XYList.Y(i));
}

void TFl::CalcBounds(const TMasshImage&) {
    EvalPoints();
    bool any = false;
    Real minX = 0, maxX = 0, minY = 0, maxY = 0;
    for (int i = 0; i < VertexCount(); ++i) {
        if (!Defined(i)) continue;
        const Real x = XYList.X(i), y = XYList.Y(i);
        minX = any ? std::min(minX, x) : x;
        maxX = any ? std::max(maxX, x) : x;
        minY = any ? std::min(minY, y) : y;
        maxY = any ? std::max(maxY, y) : y;
        any = true;
    }
    if (!any) return;
    MinX = minX;
    MaxX = maxX;
    MinY = minY;
    MaxY = maxY;
    // Written as the user sees them, in a form the formula language reads back ("1.235E+04").
    RangeA = TRng(FormulaNumberText(FloatStr(minX)));
    RangeB = TRng(FormulaNumberText(FloatStr(maxX)));
}

std::string TFl::Caption() const {
    return Msg(msg::BrokenCaption) + std::to_string(VertexCount()) + Msg(msg::BrokenVertexCount);
}

std::vector<std::pair<int, int>> TFl::Segments(bool withClosing) const {
    std::vector<std::pair<int, int>> segments;
    const int n = VertexCount();
    for (int i = 0; i + 1 < n; ++i)
        segments.emplace_back(i, i + 1);
    if (withClosing && n >= 2) segments.emplace_back(n - 1, 0);
    return segments;
}

void TFl::Draw(TMasshImage& image) {
    TCanvas& canvas = image.Canvas();
    canvas.Pen() = {Color, WLine, static_cast<PenStyle>(std::clamp(LineT, 0, MaxLineT)), PenMode::Copy};
    // Runs of defined vertices; a vertex without a value breaks the line.
    std::vector<TPoint> run;
    auto flush = [&] {
        if (run.size() > 1) canvas.Polyline(run);
        run.clear();
    };
    const int n = VertexCount();
    const int last = Locked && n >= 2 ? n : n - 1;
    for (int k = 0; k <= last; ++k) {
        const int i = k % std::max(n, 1);
        if (n == 0 || !Defined(i)) {
            flush();
            continue;
        }
        run.push_back({image.XToScr(XYList.X(i)), image.YToScr(XYList.Y(i))});
    }
    flush();
    Drawn = true;
}

TTableData TFl::TableData() const {
    TTableData data = TFm::TableData();
    data.Use = TTableUse::BrokenLine;
    data.Locked = Locked;
    data.LineT = LineT;
    return data;
}

bool TFl::TakeTableData(const TTableData& data) {
    XYList = PointsOf(data);
    Locked = data.Locked;
    LineT = std::clamp(data.LineT, 0, MaxLineT);
    TakeCommonSettings(data);
    return true;
}

Real TFl::EnclosedArea(TMasshImage& image) const {
    Real sum = 0;
    for (const auto& [i, j] : Segments(true))
        if (Defined(i) && Defined(j)) sum += (XYList.X(j) - XYList.X(i)) * (XYList.Y(i) + XYList.Y(j)) / 2;
    if (Drawn) {
        TCanvas& canvas = image.Canvas();
        canvas.Pen() = {image.grAddColor, 1, PenStyle::Solid, PenMode::Xor};
        const int r0 = image.YToScr(0);
        for (const auto& [i, j] : Segments(true)) {
            if (!Defined(i) || !Defined(j)) continue;
            const TPoint a{image.XToScr(XYList.X(i)), image.YToScr(XYList.Y(i))};
            const TPoint b{image.XToScr(XYList.X(j)), image.YToScr(XYList.Y(j))};
            if (a.x == b.x) continue; // a vertical segment crosses no column
            // Each column once per segment (the left end in, the right end out), so that strokes of the two
            // segments meeting at a vertex do not cancel there.
            const int lo = std::max(std::min(a.x, b.x), 0), hi = std::min(std::max(a.x, b.x), image.Width());
            for (int col = lo + Mod(-lo, HatchPitch); col < hi; col += HatchPitch) {
                const Real t = static_cast<Real>(col - a.x) / (b.x - a.x);
                const int row = static_cast<int>(std::lround(a.y + t * (b.y - a.y)));
                canvas.Line(col, row + 1, col, r0);
            }
        }
        canvas.Pen().Mode = PenMode::Copy;
    }
    return std::fabs(sum);
}

bool TFl::CrossesAxis(int mode) const {
    bool below = false, above = false;
    for (int i = 0; i < VertexCount(); ++i) {
        const Real v = RevolvesAboutOx(mode) ? XYList.Y(i) : XYList.X(i);
        below = below || v < 0;
        above = above || v > 0;
    }
    return below && above;
}

Real TFl::RevolutionVolume(int mode) const {
    Real sum = 0;
    for (const auto& [i, j] : Segments(Locked && VertexCount() >= 3)) {
        if (!Defined(i) || !Defined(j)) continue;
        const Real xi = XYList.X(i), yi = XYList.Y(i), xj = XYList.X(j), yj = XYList.Y(j);
        if (RevolvesAboutOx(mode))
            sum += (yi * yi + yi * yj + yj * yj) * (xj - xi);
        else
            sum += (xi * xi + xi * xj + xj * xj) * (yj - yi);
    }
    return std::fabs(sum) * Pi / 3;
}

Real TFl::RevolutionSurface(int mode) const {
    Real sum = 0;
    for (const auto& [i, j] : Segments(Locked && VertexCount() >= 3)) {
        if (!Defined(i) || !Defined(j)) continue;
        const Real xi = XYList.X(i), yi = XYList.Y(i), xj = XYList.X(j), yj = XYList.Y(j);
        const Real length = std::hypot(xj - xi, yj - yi);
        const Real radii = RevolvesAboutOx(mode) ? yi + yj : xi + xj;
        sum += std::fabs(length * radii);
    }
    return sum * Pi;
}

void TFl::DrawRevolution(int mode, TMasshImage& image) const {
    if (!Drawn) return;
    TCanvas& canvas = image.Canvas();
    canvas.Pen() = {image.grAddColor, 1, PenStyle::Solid, PenMode::Copy};
    const TBrush brush = canvas.Brush();
    canvas.Brush().Style = BrushStyle::Clear;
    const int r0 = image.YToScr(0), c0 = image.XToScr(0);
    for (const auto& [i, j] : Segments(Locked && VertexCount() >= 3)) {
        if (!Defined(i) || !Defined(j)) continue;
        const TPoint a{image.XToScr(XYList.X(i)), image.YToScr(XYList.Y(i))};
        const TPoint b{image.XToScr(XYList.X(j)), image.YToScr(XYList.Y(j))};
        const int steps = std::max(1, static_cast<int>(std::hypot(b.x - a.x, b.y - a.y)) / RevolutionPitch);
        for (int k = 0; k <= steps; ++k) {
            const int x = static_cast<int>(std::lround(a.x + static_cast<Real>(k) * (b.x - a.x) / steps));
            const int y = static_cast<int>(std::lround(a.y + static_cast<Real>(k) * (b.y - a.y) / steps));
            if (RevolvesAboutOx(mode)) {
                const int dy = std::abs(r0 - y), w = dy / OxEllipseAspect;
                canvas.Pen().Color = image.grAddColor;
                canvas.Arc(x - w, r0 - dy, x + w, r0 + dy, 90, 180); // the front: left half
                canvas.Pen().Color = image.grAdd2Color;
                canvas.Arc(x - w, r0 - dy, x + w, r0 + dy, 270, 180);
            } else {
                const int r = std::abs(x - c0), e = r / OyEllipseAspect;
                canvas.Pen().Color = image.grAddColor;
                canvas.Arc(c0 - r, y - e, c0 + r, y + e, 180, 180); // the front: lower half
                canvas.Pen().Color = image.grAdd2Color;
                canvas.Arc(c0 - r, y - e, c0 + r, y + e, 0, 180);
            }
        }
    }
    canvas.Brush() = brush;
}

std::vector<int> TFl::PathVertices(int i1, int i2) const {
    const int n = VertexCount();
    std::vector<int> path;
    if (i1 < 0 || i2 < 0 || i1 >= n || i2 >= n) return path;
    if (i1 < i2) {
        for (int i = i1; i <= i2; ++i)
            path.push_back(i);
    } else if (i1 > i2) {
        // Only a closed line goes round; the dialog refuses this for an open one.
        for (int i = i1; i < n; ++i)
            path.push_back(i);
        for (int i = 0; i <= i2; ++i)
            path.push_back(i);
    } else if (Locked) {
        for (int i = 0; i < n; ++i)
            path.push_back(i);
        path.push_back(0);
    } else {
        path.push_back(i1);
    }
    return path;
}

Real TFl::PathLength(int n1, int n2) const {
    const std::vector<int> path = PathVertices(n1 - 1, n2 - 1);
    Real length = 0;
    for (std::size_t k = 1; k < path.size(); ++k) {
        const int i = path[k - 1], j = path[k];
        if (Defined(i) && Defined(j))
            length += std::sqrt((XYList.X(j) - XYList.X(i)) * (XYList.X(j) - XYList.X(i)) +
                                (XYList.Y(j) - XYList.Y(i)) * (XYList.Y(j) - XYList.Y(i)));
    }
    return length;
}

void TFl::DrawPath(int n1, int n2, TMasshImage& image) const {
    if (!Drawn) return;
    const std::vector<int> path = PathVertices(n1 - 1, n2 - 1);
    if (path.empty()) return;
    TCanvas& canvas = image.Canvas();
    canvas.Pen() = {image.grAddColor, WLine + PathExtraWidth, PenStyle::Solid, PenMode::Copy};
    std::vector<TPoint> run;
    auto flush = [&] {
        if (run.size() > 1) canvas.Polyline(run);
        run.clear();
    };
    for (const int i : path) {
        if (!Defined(i)) {
            flush();
            continue;
        }
        run.push_back({image.XToScr(XYList.X(i)), image.YToScr(XYList.Y(i))});
    }
    flush();
    // The whole perimeter has no ends to mark.
    if (n1 == n2 && Locked) return;
    const TBrush brush = canvas.Brush();
    canvas.Brush().Style = BrushStyle::Clear;
    canvas.Pen().Width = 1;
    for (const int i : {path.front(), path.back()})
        if (Defined(i))
            PenSquare(canvas, {image.XToScr(XYList.X(i)), image.YToScr(XYList.Y(i))}, PathEndMarkHalf);
    canvas.Brush() = brush;
}
