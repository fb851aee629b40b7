#include "gui/app/ToolIcons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

constexpr qreal Box = 24; // glyphs are drawn in a 24 x 24 box and scaled

const QColor Ink(40, 40, 40);
const QColor Curve(200, 30, 30);
const QColor Accent(30, 90, 200);

void Axes(QPainter& p) {
    p.setPen(QPen(Ink, 1.4));
    p.drawLine(QPointF(3, 12), QPointF(21, 12));
    p.drawLine(QPointF(12, 3), QPointF(12, 21));
}

void Sine(QPainter& p, QColor color, qreal amplitude = 6) {
    QPainterPath path;
    for (int i = 0; i <= 36; ++i) {
        const qreal x = 3 + 18.0 * i / 36;
        const qreal y = 12 - amplitude * std::sin((x - 3) / 18 * 2 * M_PI);
        i == 0 ? path.moveTo(x, y) : path.lineTo(x, y);
    }
    p.setPen(QPen(color, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

void Magnifier(QPainter& p, bool plus) {
    p.setPen(QPen(Ink, 2));
    p.setBrush(QColor(230, 240, 255));
    p.drawEllipse(QPointF(10, 10), 6.5, 6.5);
    p.setPen(QPen(Ink, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(15, 15), QPointF(21, 21));
    p.setPen(QPen(Accent, 2));
    p.drawLine(QPointF(7, 10), QPointF(13, 10));
    if (plus) p.drawLine(QPointF(10, 7), QPointF(10, 13));
}

void Letter(QPainter& p, const QString& text, QRectF box, QColor color) {
    QFont f = p.font();
    f.setPixelSize(static_cast<int>(box.height()));
    f.setBold(true);
    p.setFont(f);
    p.setPen(color);
    p.drawText(box, Qt::AlignCenter, text);
}

void Draw(QPainter& p, ToolGlyph glyph) {
    switch (glyph) {
    case ToolGlyph::BuildGraph:
        Axes(p);
        Sine(p, Curve);
        break;
    case ToolGlyph::ClearGraph:
        Axes(p);
        p.setPen(QPen(Curve, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(5, 5), QPointF(19, 19));
        p.drawLine(QPointF(19, 5), QPointF(5, 19));
        break;
    case ToolGlyph::Cartesian:
        Axes(p);
        p.setPen(QPen(Accent, 1));
        for (int i = 6; i <= 18; i += 6) {
            p.drawLine(QPointF(i, 10.5), QPointF(i, 13.5));
            p.drawLine(QPointF(10.5, i), QPointF(13.5, i));
        }
        break;
    case ToolGlyph::Polar:
        p.setPen(QPen(Ink, 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(12, 12), 9, 9);
        p.drawEllipse(QPointF(12, 12), 5, 5);
        p.setPen(QPen(Accent, 1.6));
        p.drawLine(QPointF(12, 12), QPointF(20, 6));
        break;
    case ToolGlyph::AutoScale:
        p.setPen(QPen(Ink, 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(3, 3, 18, 18));
        Letter(p, "A", QRectF(4, 4, 16, 16), Accent);
        break;
    case ToolGlyph::UserScale:
        p.setPen(QPen(Ink, 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(3, 3, 18, 18));
        p.setPen(QPen(Accent, 1.6));
        for (int i = 0; i < 4; ++i)
            p.drawLine(QPointF(6 + 4 * i, 21), QPointF(6 + 4 * i, i % 2 ? 17 : 14));
        Letter(p, "U", QRectF(6, 3, 12, 11), Accent);
        break;
    case ToolGlyph::PreviousScale: {
        p.setPen(QPen(Accent, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath arc;
        arc.moveTo(7, 9);
        arc.cubicTo(QPointF(12, 3), QPointF(21, 6), QPointF(19, 14));
        arc.cubicTo(QPointF(18, 19), QPointF(12, 21), QPointF(8, 18));
        p.drawPath(arc);
        p.setBrush(Accent);
        p.drawPolygon(QPolygonF({QPointF(3, 6), QPointF(10, 5), QPointF(7, 12)}));
        break;
    }
    case ToolGlyph::InitialScale:
        Axes(p);
        p.setPen(QPen(Accent, 1.6, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(6, 6, 12, 12));
        break;
    case ToolGlyph::ZoomIn: Magnifier(p, true); break;
    case ToolGlyph::ZoomOut: Magnifier(p, false); break;
    case ToolGlyph::NewObject:
        Sine(p, Ink, 4);
        p.setPen(QPen(Curve, 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(17, 13), QPointF(17, 22));
        p.drawLine(QPointF(12.5, 17.5), QPointF(21.5, 17.5));
        break;
    case ToolGlyph::Open:
        p.setPen(QPen(Ink, 1.2));
        p.setBrush(QColor(240, 200, 90));
        p.drawPolygon(QPolygonF(
            {QPointF(2, 6), QPointF(9, 6), QPointF(11, 8), QPointF(20, 8), QPointF(20, 19), QPointF(2, 19)}));
        p.setBrush(QColor(250, 220, 120));
        p.drawPolygon(QPolygonF({QPointF(5, 11), QPointF(22, 11), QPointF(19, 19), QPointF(2, 19)}));
        break;
    case ToolGlyph::Save:
        p.setPen(QPen(Ink, 1.2));
        p.setBrush(Accent);
        p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 3, 10, 7));
        p.setBrush(QColor(220, 220, 220));
        p.drawRect(QRectF(6, 13, 12, 8));
        break;
    }
}

// Paints the glyph at whatever size and device pixel ratio the toolkit asks for.
class GlyphEngine : public QIconEngine {
public:
    explicit GlyphEngine(ToolGlyph glyph) : m_glyph(glyph) {}
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / Box, rect.height() / Box);
        if (mode == QIcon::Disabled) painter->setOpacity(0.35);
        Draw(*painter, m_glyph);
        painter->restore();
    }
    QIconEngine* clone() const override { return new GlyphEngine(m_glyph); }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pm(size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        paint(&p, QRect(QPoint(0, 0), size), mode, state);
        return pm;
    }

private:
    ToolGlyph m_glyph;
};

} // namespace

QIcon ToolIcon(ToolGlyph glyph) {
    return QIcon(new GlyphEngine(glyph));
}
