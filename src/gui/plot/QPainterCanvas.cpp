#include "gui/plot/QPainterCanvas.h"

#include "gui/plot/QImageCanvas.h"

#include <QFontMetrics>
#include <QPainter>

namespace {
QColor ToQColor(TColor c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

Qt::PenStyle ToQtStyle(PenStyle s) {
    switch (s) {
    case PenStyle::Solid: return Qt::SolidLine;
    case PenStyle::Dash: return Qt::DashLine;
    case PenStyle::Dot: return Qt::DotLine;
    case PenStyle::DashDot: return Qt::DashDotLine;
    case PenStyle::DashDotDot: return Qt::DashDotDotLine;
    default: return Qt::NoPen;
    }
}

Qt::BrushStyle ToQtBrush(BrushStyle s) {
    switch (s) {
    case BrushStyle::Solid: return Qt::SolidPattern;
    case BrushStyle::BDiagonal: return Qt::BDiagPattern;
    case BrushStyle::FDiagonal: return Qt::FDiagPattern;
    case BrushStyle::DiagCross: return Qt::DiagCrossPattern;
    default: return Qt::NoBrush;
    }
}

// Pixel (x, y) is the unit square whose centre is (x + 0.5, y + 0.5).
QPointF Centre(int x, int y) {
    return QPointF(x + 0.5, y + 0.5);
}
} // namespace

void TQPainterCanvas::UsePen() {
    QPen pen(ToQColor(Pen().Color));
    pen.setWidthF(Pen().Width < 1 ? 1 : Pen().Width);
    pen.setStyle(ToQtStyle(Pen().Style));
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    m_painter.setPen(pen);
}

void TQPainterCanvas::UseBrush() {
    m_painter.setBrush(QBrush(ToQColor(Brush().Color), ToQtBrush(Brush().Style)));
}

void TQPainterCanvas::Line(int x1, int y1, int x2, int y2) {
    UsePen();
    m_painter.drawLine(Centre(x1, y1), Centre(x2, y2));
}

void TQPainterCanvas::Polyline(const std::vector<TPoint>& points) {
    if (points.size() < 2) return;
    UsePen();
    QPolygonF poly;
    for (const TPoint& p : points)
        poly << Centre(p.x, p.y);
    m_painter.drawPolyline(poly);
}

void TQPainterCanvas::Rectangle(int l, int t, int r, int b) {
    UsePen();
    UseBrush();
    m_painter.drawRect(QRectF(Centre(l, t), Centre(r - 1, b - 1)));
}

void TQPainterCanvas::FillRect(int l, int t, int r, int b) {
    m_painter.fillRect(QRectF(l, t, r - l, b - t), QBrush(ToQColor(Brush().Color), ToQtBrush(Brush().Style)));
}

void TQPainterCanvas::Ellipse(int l, int t, int r, int b) {
    UsePen();
    UseBrush();
    m_painter.drawEllipse(QRectF(Centre(l, t), Centre(r - 1, b - 1)));
}

void TQPainterCanvas::Arc(int l, int t, int r, int b, double startDeg, double spanDeg) {
    UsePen();
    m_painter.drawArc(QRectF(Centre(l, t), Centre(r - 1, b - 1)), qRound(startDeg * 16),
                      qRound(spanDeg * 16));
}

void TQPainterCanvas::SetPixel(int x, int y, TColor color) {
    m_painter.fillRect(QRectF(x, y, 1, 1), ToQColor(color));
}

void TQPainterCanvas::DrawFocusRect(int, int, int, int) {}

void TQPainterCanvas::TextOut(int x, int y, const std::string& text, const TFont& font) {
    const QFont f = TQImageCanvas::ToQFont(font);
    m_painter.setFont(f);
    m_painter.setPen(ToQColor(font.Color));
    m_painter.drawText(QPointF(x, y + QFontMetrics(f).ascent()), QString::fromStdString(text));
}

int TQPainterCanvas::TextWidth(const std::string& text, const TFont& font) {
    return QFontMetrics(TQImageCanvas::ToQFont(font)).horizontalAdvance(QString::fromStdString(text));
}

int TQPainterCanvas::TextHeight(const std::string&, const TFont& font) {
    return QFontMetrics(TQImageCanvas::ToQFont(font)).height();
}
