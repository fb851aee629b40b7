#include "gui/plot/TFrameWatch.h"

#include <QEvent>
#include <QMdiSubWindow>

#include <utility>

TFrameWatch::TFrameWatch(QWidget& window, std::function<void()> deactivated)
    : m_window(window), m_deactivated(std::move(deactivated)) {
    m_window.installEventFilter(this);
    Follow();
}

QMdiSubWindow* TFrameWatch::Frame() const {
    return qobject_cast<QMdiSubWindow*>(m_window.parentWidget());
}

bool TFrameWatch::eventFilter(QObject* watched, QEvent* e) {
    if (watched == &m_window && e->type() == QEvent::ParentChange) Follow();
    return QObject::eventFilter(watched, e);
}

void TFrameWatch::Follow() {
    QMdiSubWindow* frame = Frame();
    if (frame == m_frame) return;
    if (m_frame) m_frame->disconnect(this);
    m_frame = frame;
    if (!frame) return;
    connect(frame, &QMdiSubWindow::windowStateChanged, this,
            [this](Qt::WindowStates old, Qt::WindowStates now) {
                if ((old & Qt::WindowActive) && !(now & Qt::WindowActive)) m_deactivated();
            });
}
