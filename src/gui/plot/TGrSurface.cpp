#include "gui/plot/TGrSurface.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>

namespace {
constexpr int EighthsPerNotch = 120;
} // namespace

TGrSurface::TGrSurface(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::CrossCursor);
    // The right button's press and release come here as they are; the graph window opens its menu itself.
    setContextMenuPolicy(Qt::PreventContextMenu);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(1, 1);
}

QPoint TGrSurface::PixelAt(const QPointF& position) {
    // Fractional scale factors give fractional positions: the pixel is the one the position lies in.
    return QPoint(static_cast<int>(std::floor(position.x())), static_cast<int>(std::floor(position.y())));
}

void TGrSurface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_bitmap && !m_bitmap->isNull())
        painter.drawImage(QPoint(0, 0), *m_bitmap);
    else
        painter.fillRect(rect(), Qt::white);
}

void TGrSurface::mousePressEvent(QMouseEvent* e) {
    emit MouseDown(e->button(), PixelAt(e->position()));
}

void TGrSurface::mouseMoveEvent(QMouseEvent* e) {
    emit MouseMoved(PixelAt(e->position()), e->buttons());
}

void TGrSurface::mouseReleaseEvent(QMouseEvent* e) {
    emit MouseUp(e->button(), PixelAt(e->position()));
}

void TGrSurface::wheelEvent(QWheelEvent* e) {
    m_wheelRest += e->angleDelta().y();
    const int notches = m_wheelRest / EighthsPerNotch;
    m_wheelRest -= notches * EighthsPerNotch;
    if (notches != 0) emit WheelTurned(PixelAt(e->position()), notches);
    e->accept();
}

void TGrSurface::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    emit SizeChanged();
}
