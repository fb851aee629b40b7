#include "gui/plot/TModalLoan.h"

#include <QMdiSubWindow>
#include <QWidget>

TModalLoan::TModalLoan(QWidget& window)
    : m_window(window), m_frame(qobject_cast<QMdiSubWindow*>(window.parentWidget())) {
    if (m_frame)
        m_frame->showNormal();
    else if (m_window.isMinimized())
        m_window.showNormal();
}

void TModalLoan::Lift() {
    QWidget& w = m_window;
    const QRect onScreen(w.mapToGlobal(QPoint(0, 0)), w.size());
    m_oldParent = w.parentWidget();
    m_oldFlags = w.windowFlags();
    m_oldGeometry = m_frame ? m_frame->geometry() : w.geometry();
    if (m_frame) {
        m_frame->setWidget(nullptr);
        m_frame->hide();
    }
    w.setParent(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                             Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    w.setWindowModality(Qt::ApplicationModal);
    w.setGeometry(onScreen);
    w.setFixedSize(onScreen.size());
}

void TModalLoan::PutBack() {
    QWidget& w = m_window;
    w.hide();
    w.setWindowModality(Qt::NonModal);
    w.setMinimumSize(0, 0);
    w.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    if (m_frame) {
        w.setParent(m_frame, Qt::Widget);
        m_frame->setWidget(&w);
        m_frame->setWindowTitle(w.windowTitle());
        m_frame->setGeometry(m_oldGeometry);
        m_frame->show();
    } else {
        w.setParent(m_oldParent, m_oldFlags);
        w.setGeometry(m_oldGeometry);
    }
    w.show();
}
