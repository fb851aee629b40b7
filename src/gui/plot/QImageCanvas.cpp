#include "gui/plot/QImageCanvas.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {
constexpr quint32 OpaqueAlpha = 0xFF000000u;
constexpr quint32 RgbMask = 0x00FFFFFFu;
constexpr int ScreenDpi = 96;
constexpr int PointsPerInch = 72;
constexpr int HatchPeriod = 8;

quint32 ToRgb32(TColor c) {
    return OpaqueAlpha | qRgb(RedOf(c), GreenOf(c), BlueOf(c));
}
QColor ToQColor(TColor c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

// On/off runs in pixels of the thin styled pens of the original platform.
struct DashPattern {
    int runs[6];
    int count;
    int period;
};
const DashPattern& PatternOf(PenStyle style) {
    static const DashPattern dash{{18, 6}, 2, 24};
    static const DashPattern dot{{3, 3}, 2, 6};
    static const DashPattern dashDot{{9, 6, 3, 6}, 4, 24};
    static const DashPattern dashDotDot{{9, 3, 3, 3, 3, 3}, 6, 24};
    switch (style) {
    case PenStyle::Dot: return dot;
    case PenStyle::DashDot: return dashDot;
    case PenStyle::DashDotDot: return dashDotDot;
    default: return dash;
    }
}

QPainter::CompositionMode ToComposition(PenMode mode) {
    switch (mode) {
    case PenMode::Xor: return QPainter::RasterOp_SourceXorDestination;
    case PenMode::NotXor: return QPainter::RasterOp_NotSourceXorDestination;
    case PenMode::Copy: break;
    }
    return QPainter::CompositionMode_SourceOver;
}

Qt::PenStyle ToQtStyle(PenStyle style) {
    switch (style) {
    case PenStyle::Solid: return Qt::SolidLine;
    case PenStyle::Dash: return Qt::DashLine;
    case PenStyle::Dot: return Qt::DotLine;
    case PenStyle::DashDot: return Qt::DashDotLine;
    case PenStyle::DashDotDot: return Qt::DashDotDotLine;
    case PenStyle::Clear: return Qt::NoPen;
    }
    return Qt::SolidLine;
}

// Whether a hatch brush covers image pixel (x, y); the pattern is anchored at the bitmap's origin, its
// period and the thickness of its lines are those of a drawing pixel at the given ratio.
bool HatchCovers(BrushStyle style, int x, int y, qreal ratio = 1) {
    const int period = std::max(1, qRound(HatchPeriod * ratio)), thick = std::max(1, qRound(ratio));
    const auto on = [period, thick](int v) { return ((v % period) + period) % period < thick; };
    switch (style) {
    case BrushStyle::Solid: return true;
    case BrushStyle::Clear: return false;
    case BrushStyle::BDiagonal: return on(x + y);
    case BrushStyle::FDiagonal: return on(x - y);
    case BrushStyle::DiagCross: return on(x + y) || on(x - y);
    }
    return false;
}
} // namespace

bool TQImageCanvas::Ready() {
    if (!m_image || m_image->isNull() || m_image->format() != QImage::Format_RGB32) return false;
    // Taken once per primitive: asking the image for a scan line detaches and checks every time.
    m_bits = m_image->bits();
    m_bytesPerLine = m_image->bytesPerLine();
    m_width = m_image->width();
    m_height = m_image->height();
    m_ratio = m_image->devicePixelRatio();
    return true;
}

int TQImageCanvas::Device(int v) const {
    return m_ratio == 1 ? v : static_cast<int>(std::floor(v * m_ratio));
}

void TQImageCanvas::PlotBlock(int x, int y, TColor color, PenMode mode) {
    if (m_ratio == 1) {
        Plot(x, y, color, mode);
        return;
    }
    const int right = Device(x + 1), bottom = Device(y + 1);
    for (int py = Device(y); py < bottom; ++py)
        for (int px = Device(x); px < right; ++px)
            Plot(px, py, color, mode);
}

void TQImageCanvas::Plot(int x, int y, TColor color, PenMode mode) {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return;
    quint32& p = reinterpret_cast<quint32*>(m_bits + static_cast<qsizetype>(y) * m_bytesPerLine)[x];
    const quint32 src = ToRgb32(color);
    switch (mode) {
    case PenMode::Copy: p = src; break;
    case PenMode::Xor: p = ((p ^ src) & RgbMask) | OpaqueAlpha; break;
    case PenMode::NotXor: p = (~(p ^ src) & RgbMask) | OpaqueAlpha; break;
    }
}

bool TQImageCanvas::StyleOn(int phase) const {
    const PenStyle style = Pen().Style;
    if (style == PenStyle::Solid) return true;
    if (style == PenStyle::Clear) return false;
    const DashPattern& pattern = PatternOf(style);
    int at = phase % pattern.period;
    for (int i = 0; i < pattern.count; ++i) {
        if (at < pattern.runs[i]) return i % 2 == 0;
        at -= pattern.runs[i];
    }
    return false;
}

void TQImageCanvas::ScaledThinLine(int x1, int y1, int x2, int y2, int& phase) {
    const int sx = x1 <= x2 ? 1 : -1, sy = y1 <= y2 ? 1 : -1;
    // Each end at the first image pixel of its block seen in the direction of travel, so that a line along
    // an axis covers its blocks exactly and ends where the block of its end begins.
    const auto anchor = [this](int v, int dir) { return dir > 0 ? Device(v) : Device(v + 1) - 1; };
    const int X1 = anchor(x1, sx), X2 = anchor(x2, sx), Y1 = anchor(y1, sy), Y2 = anchor(y2, sy);
    const int dx = std::abs(X2 - X1), dy = std::abs(Y2 - Y1);
    const int steps = std::max(dx, dy);
    if ((X1 < 0 && X2 < 0) || (Y1 < 0 && Y2 < 0) || (X1 >= m_width && X2 >= m_width) ||
        (Y1 >= m_height && Y2 >= m_height)) {
        phase += steps;
        return;
    }
    const int thick = std::max(1, qRound(m_ratio));
    const bool xMajor = dx >= dy;
    int x = X1, y = Y1;
    int err = (dx > dy ? dx : -dy) / 2;
    for (int i = 0; i < steps; ++i) {
        // The dash pattern is measured in drawing pixels.
        if (StyleOn(static_cast<int>(phase / m_ratio)))
            for (int j = 0; j < thick; ++j)
                Plot(xMajor ? x : x + j * sx, xMajor ? y + j * sy : y, Pen().Color, Pen().Mode);
        ++phase;
        const int e = err;
        if (e > -dx) {
            err -= dy;
            x += (X1 <= X2 ? 1 : -1);
        }
        if (e < dy) {
            err += dx;
            y += (Y1 <= Y2 ? 1 : -1);
        }
    }
}

void TQImageCanvas::ThinLine(int x1, int y1, int x2, int y2, int& phase) {
    if (m_ratio != 1) {
        ScaledThinLine(x1, y1, x2, y2, phase);
        return;
    }
    const int w = m_image->width();
    const int h = m_image->height();
    // Wholly beyond one edge: nothing to plot, only the dash phase moves on.
    if ((x1 < 0 && x2 < 0) || (y1 < 0 && y2 < 0) || (x1 >= w && x2 >= w) || (y1 >= h && y2 >= h)) {
        phase += std::max(std::abs(x2 - x1), std::abs(y2 - y1));
        return;
    }
    const int dx = std::abs(x2 - x1);
    const int dy = std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1;
    const int sy = y1 < y2 ? 1 : -1;
    const int steps = std::max(dx, dy);
    int x = x1;
    int y = y1;
    int err = (dx > dy ? dx : -dy) / 2;
    for (int i = 0; i < steps; ++i) {
        if (StyleOn(phase)) Plot(x, y, Pen().Color, Pen().Mode);
        ++phase;
        const int e = err;
        if (e > -dx) {
            err -= dy;
            x += sx;
        }
        if (e < dy) {
            err += dx;
            y += sy;
        }
    }
}

void TQImageCanvas::SetUpPainter(QPainter& painter, bool withBrush) const {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(ToComposition(Pen().Mode));
    if (Pen().Style == PenStyle::Clear) {
        painter.setPen(Qt::NoPen);
    } else {
        QPen pen(ToQColor(Pen().Color));
        pen.setStyle(ToQtStyle(Pen().Style));
        // Width 0 is Qt's one-pixel cosmetic pen; on a scaled image a thin pen is one drawing pixel wide.
        pen.setWidth(Pen().Width > 1 || m_ratio != 1 ? std::max(1, Pen().Width) : 0);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        painter.setPen(pen);
    }
    if (!withBrush || Brush().Style == BrushStyle::Clear) {
        painter.setBrush(Qt::NoBrush);
        return;
    }
    Qt::BrushStyle style = Qt::SolidPattern;
    if (Brush().Style == BrushStyle::BDiagonal)
        style = Qt::BDiagPattern;
    else if (Brush().Style == BrushStyle::FDiagonal)
        style = Qt::FDiagPattern;
    else if (Brush().Style == BrushStyle::DiagCross)
        style = Qt::DiagCrossPattern;
    painter.setBrush(QBrush(ToQColor(Brush().Color), style));
}

void TQImageCanvas::Line(int x1, int y1, int x2, int y2) {
    if (!Ready() || Pen().Style == PenStyle::Clear) return;
    if (Pen().Width <= 1) {
        int phase = 0;
        ThinLine(x1, y1, x2, y2, phase);
        return;
    }
    QPainter painter(m_image);
    SetUpPainter(painter, false);
    painter.drawLine(x1, y1, x2, y2);
}

void TQImageCanvas::Polyline(const std::vector<TPoint>& points) {
    if (!Ready() || Pen().Style == PenStyle::Clear || points.size() < 2) return;
    if (Pen().Width <= 1) {
        int phase = 0;
        for (size_t i = 1; i < points.size(); ++i)
            ThinLine(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y, phase);
        return;
    }
    QPolygon polygon;
    for (const TPoint& p : points)
        polygon << QPoint(p.x, p.y);
    QPainter painter(m_image);
    SetUpPainter(painter, false);
    painter.drawPolyline(polygon);
}

void TQImageCanvas::FillBox(int l, int t, int r, int b, const TBrush& brush, PenMode mode) {
    l = Device(l);
    t = Device(t);
    r = Device(r);
    b = Device(b);
    l = std::max(l, 0);
    t = std::max(t, 0);
    r = std::min(r, m_image->width());
    b = std::min(b, m_image->height());
    if (brush.Style == BrushStyle::Clear) return;
    if (brush.Style == BrushStyle::Solid && l < r) {
        // The background of every redraw: whole rows at a time.
        const quint32 src = ToRgb32(brush.Color);
        for (int y = t; y < b; ++y) {
            quint32* row = reinterpret_cast<quint32*>(m_image->scanLine(y));
            if (mode == PenMode::Copy) {
                std::fill(row + l, row + r, src);
                continue;
            }
            for (int x = l; x < r; ++x)
                row[x] = mode == PenMode::Xor ? ((row[x] ^ src) & RgbMask) | OpaqueAlpha
                                              : (~(row[x] ^ src) & RgbMask) | OpaqueAlpha;
        }
        return;
    }
    for (int y = t; y < b; ++y)
        for (int x = l; x < r; ++x)
            if (HatchCovers(brush.Style, x, y, m_ratio)) Plot(x, y, brush.Color, mode);
}

void TQImageCanvas::Rectangle(int l, int t, int r, int b) {
    if (!Ready()) return;
    if (r < l) std::swap(l, r);
    if (b < t) std::swap(t, b);
    if (r == l || b == t) return;
    // The outline lies inside the box, one ring per pixel of pen width; the inside is what is left.
    int ring = Pen().Style == PenStyle::Clear ? 0 : std::max(1, Pen().Width);
    ring = std::min({ring, (r - l + 1) / 2, (b - t + 1) / 2});
    FillBox(l + ring, t + ring, r - ring, b - ring, Brush(), Pen().Mode);
    for (int k = 0; k < ring; ++k) {
        const int L = l + k, T = t + k, R = r - 1 - k, B = b - 1 - k;
        if (R == L || B == T) {
            // A ring one pixel thin: each of its pixels once, so XOR still cancels.
            for (int y = T; y <= B; ++y)
                for (int x = L; x <= R; ++x)
                    PlotBlock(x, y, Pen().Color, Pen().Mode);
            continue;
        }
        int phase = 0;
        ThinLine(L, T, R, T, phase);
        ThinLine(R, T, R, B, phase);
        ThinLine(R, B, L, B, phase);
        ThinLine(L, B, L, T, phase);
    }
}

void TQImageCanvas::FillRect(int l, int t, int r, int b) {
    if (!Ready()) return;
    if (r < l) std::swap(l, r);
    if (b < t) std::swap(t, b);
    FillBox(l, t, r, b, Brush(), PenMode::Copy);
}

void TQImageCanvas::Ellipse(int l, int t, int r, int b) {
    if (!Ready() || r - l < 1 || b - t < 1) return;
    QPainter painter(m_image);
    SetUpPainter(painter, true);
    // QPainter's outline covers width + 1 pixels; on a scaled image the outline runs through the middle of
    // the edge blocks.
    if (m_ratio == 1)
        painter.drawEllipse(QRect(l, t, r - l - 1, b - t - 1));
    else
        painter.drawEllipse(QRectF(l + 0.5, t + 0.5, r - l - 1, b - t - 1));
}

void TQImageCanvas::Arc(int l, int t, int r, int b, double startDeg, double spanDeg) {
    if (!Ready() || r - l < 1 || b - t < 1 || Pen().Style == PenStyle::Clear) return;
    constexpr int QtAngleUnits = 16;
    QPainter painter(m_image);
    SetUpPainter(painter, false);
    const int start = qRound(startDeg * QtAngleUnits), span = qRound(spanDeg * QtAngleUnits);
    if (m_ratio == 1)
        painter.drawArc(QRect(l, t, r - l - 1, b - t - 1), start, span);
    else
        painter.drawArc(QRectF(l + 0.5, t + 0.5, r - l - 1, b - t - 1), start, span);
}

void TQImageCanvas::SetPixel(int x, int y, TColor color) {
    if (Ready()) PlotBlock(x, y, color, PenMode::Copy);
}

void TQImageCanvas::DrawFocusRect(int l, int t, int r, int b) {
    if (!Ready() || r - l < 1 || b - t < 1) return;
    // Every other pixel of the border inverted; each pixel exactly once, so a second call restores it.
    const auto invert = [this](int x, int y) {
        if ((x + y) % 2 == 0) PlotBlock(x, y, clWhite, PenMode::Xor);
    };
    for (int x = l; x < r; ++x) {
        invert(x, t);
        if (b - 1 > t) invert(x, b - 1);
    }
    for (int y = t + 1; y < b - 1; ++y) {
        invert(l, y);
        if (r - 1 > l) invert(r - 1, y);
    }
}

QFont TQImageCanvas::ToQFont(const TFont& font) {
    const QString family = QString::fromStdString(font.Name);
    QFont result;
    if (IsDesktopFontName(font.Name))
        result.setFamily(QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
    else if (QFontDatabase::families().contains(family, Qt::CaseInsensitive))
        result.setFamily(family);
    else
        result.setStyleHint(QFont::SansSerif);
    // Sizes are whole points; the pixel size is that of the same size on a 96 dpi screen.
    result.setPixelSize(std::max(1, (font.Size * ScreenDpi + PointsPerInch / 2) / PointsPerInch));
    result.setBold(font.Bold);
    result.setItalic(font.Italic);
    result.setStyleStrategy(QFont::NoAntialias);
    return result;
}

const QFont& TQImageCanvas::CachedFont(const TFont& font) {
    if (!m_fontCache || m_fontCache->first != font) m_fontCache.emplace(font, ToQFont(font));
    return m_fontCache->second;
}

void TQImageCanvas::TextOut(int x, int y, const std::string& text, const TFont& font) {
    if (!Ready() || text.empty()) return;
    const QFont& qfont = CachedFont(font);
    QPainter painter(m_image);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(qfont);
    painter.setPen(ToQColor(font.Color));
    painter.drawText(QPoint(x, y + QFontMetrics(qfont).ascent()), QString::fromStdString(text));
}

int TQImageCanvas::TextWidth(const std::string& text, const TFont& font) {
    return QFontMetrics(CachedFont(font)).horizontalAdvance(QString::fromStdString(text));
}

int TQImageCanvas::TextHeight(const std::string& text, const TFont& font) {
    return QFontMetrics(CachedFont(font)).height();
}
