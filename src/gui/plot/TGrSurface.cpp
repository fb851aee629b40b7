#include "gui/plot/TGrSurface.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>

namespace {
constexpr int EighthsPerNotch = 120;
} // namespace

TGrSurface::TGrSurface(QWidget* parent)
    : QWidget(parent), m_bitmapCanvas(&m_bitmap), m_canvas(m_bitmapCanvas, [this] { update(); }) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::CrossCursor);
    // The right button's press and release come here as they are; the graph window opens its menu itself.
    setContextMenuPolicy(Qt::PreventContextMenu);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(1, 1);
    FitBitmap();
}

bool TGrSurface::FitBitmap() {
    const QSize fit = size().expandedTo(QSize(1, 1));
    if (m_bitmap.size() == fit) return false;
    m_bitmap = QImage(fit, QImage::Format_RGB32);
    m_bitmap.fill(Qt::white);
    return true;
}

QPoint TGrSurface::PixelAt(const QPointF& position) {
    // Fractional scale factors give fractional positions: the pixel is the one the position lies in.
    return QPoint(static_cast<int>(std::floor(position.x())), static_cast<int>(std::floor(position.y())));
}

void TGrSurface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), m_bitmap);
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
    if (FitBitmap()) emit SizeChanged();
}
