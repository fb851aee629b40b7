#include "gui/plot/TGrSurface.h"

#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QPainter>
#include <QTimer>
#include <QWheelEvent>

#include <cmath>

namespace {
constexpr int EighthsPerNotch = 120;
// A pinch event's value is the change of scale; one that would turn the picture inside out is ignored.
constexpr qreal SmallestPinch = -0.9;
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
    const qreal ratio = devicePixelRatioF();
    const QSize pixels(static_cast<int>(std::ceil(fit.width() * ratio)),
                       static_cast<int>(std::ceil(fit.height() * ratio)));
    if (m_graphSize == fit && m_bitmap.size() == pixels && m_bitmap.devicePixelRatio() == ratio) return false;
    m_graphSize = fit;
    m_bitmap = QImage(pixels, QImage::Format_RGB32);
    m_bitmap.setDevicePixelRatio(ratio);
    m_bitmap.fill(Qt::white);
    return true;
}

QPoint TGrSurface::PixelAt(const QPointF& position) {
    // Fractional scale factors give fractional positions: the pixel is the one the position lies in.
    return QPoint(static_cast<int>(std::floor(position.x())), static_cast<int>(std::floor(position.y())));
}

bool TGrSurface::event(QEvent* e) {
    if (e->type() == QEvent::NativeGesture) {
        const auto* g = static_cast<QNativeGestureEvent*>(e);
        switch (g->gestureType()) {
        case Qt::BeginNativeGesture: emit PinchStarted(); break;
        case Qt::ZoomNativeGesture:
            if (g->value() > SmallestPinch) emit Pinched(PixelAt(g->position()), 1 + g->value());
            break;
        case Qt::EndNativeGesture: emit PinchEnded(); break;
        default: break;
        }
        return true;
    }
    return QWidget::event(e);
}

void TGrSurface::paintEvent(QPaintEvent*) {
    // Moved to a screen of another scale: the next repaint comes at the new resolution.
    if (m_bitmap.devicePixelRatio() != devicePixelRatioF())
        QTimer::singleShot(0, this, [this] {
            if (FitBitmap()) emit SizeChanged();
        });
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), m_bitmap);
}

void TGrSurface::mousePressEvent(QMouseEvent* e) {
    const QPoint p = PixelAt(e->position());
    const bool pan = e->button() == Qt::MiddleButton ||
                     (e->button() == Qt::LeftButton && (e->modifiers() & Qt::ControlModifier));
    if (m_panButton == Qt::NoButton && pan) {
        m_panButton = e->button();
        emit PanStarted(p);
        return;
    }
    if (m_panButton == Qt::NoButton) emit MouseDown(e->button(), p);
}

void TGrSurface::mouseMoveEvent(QMouseEvent* e) {
    if (m_panButton != Qt::NoButton)
        emit PanMoved(PixelAt(e->position()));
    else
        emit MouseMoved(PixelAt(e->position()), e->buttons());
}

void TGrSurface::mouseReleaseEvent(QMouseEvent* e) {
    if (m_panButton == Qt::NoButton) {
        emit MouseUp(e->button(), PixelAt(e->position()));
    } else if (e->button() == m_panButton) {
        m_panButton = Qt::NoButton;
        emit PanEnded(PixelAt(e->position()));
    }
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
