// The main window's arrangement of its three working windows: the initial layout, the automatic arrangement
// after a resize, and closing a working window, which only minimises it.
#include "gui/app/T__Main.h"

#include "gui/app/TAns.h"
#include "gui/document/TObjList.h"
#include "gui/plot/TGr.h"
#include "gui/plot/TGrSurface.h"

#include <QAction>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTimer>
#include <QToolBar>

#include <algorithm>

// The initial client area holds the toolbar and the MDI area; the working windows' initial layout needs the
// MDI area at least as wide as the original's, whose toolbar was narrower than ours.
void T__Main::resizeToInitialClientArea() {
    const int toolbar = findChild<QToolBar*>("ToolBar1")->sizeHint().width();
    const int width = std::max(InitialClientWidth, toolbar + InitialClientWidth - OriginalToolbarWidth);
    resize(width, InitialClientHeight + menuBar()->sizeHint().height());
}

TWindowLayout T__Main::currentLayout() const {
    auto rect = [](const QMdiSubWindow* s) {
        const QRect g = s->geometry();
        return TWinRect{g.x(), g.y(), g.width(), g.height()};
    };
    return {rect(m_grSub), rect(m_objListSub), rect(m_ansSub)};
}

void T__Main::applyLayout(const TWindowLayout& l) {
    m_arranging = true;
    for (const auto& [sub, r] :
         {std::pair{m_grSub, l.Graph}, {m_objListSub, l.ObjList}, {m_ansSub, l.Answers}}) {
        if (sub->isMinimized() || sub->isMaximized()) sub->showNormal();
        sub->setGeometry(r.Left, r.Top, r.Width, r.Height);
    }
    m_arranging = false;
}

void T__Main::InitialWindowLayout() {
    showNormal();
    move(InitialMainLeft, InitialMainTop);
    resizeToInitialClientArea();
    applyLayout(InitialLayout());
}

void T__Main::ToggleAutoArrange() {
    QAction* item = Action("AutoWinItem");
    if (!item->isChecked()) return;
    applyLayout(ArrangeWindows(m_mdiArea->width(), m_mdiArea->height(), currentLayout()));
    m_gr->WasResized = m_objList->WasResized = m_ans->WasResized = false;
    ResizeHandling();
}

void T__Main::ResizeHandling() {
    if (m_arranging || !Action("AutoWinItem")->isChecked()) return;
    const TResizedFlags flags{m_gr->WasResized, m_objList->WasResized, m_ans->WasResized};
    applyLayout(AutoArrange(m_mdiArea->width(), m_mdiArea->height(), currentLayout(), flags));
    m_gr->WasResized = m_objList->WasResized = m_ans->WasResized = false;
}

bool T__Main::eventFilter(QObject* watched, QEvent* e) {
    // Every redraw repaints the surface: the objects' drawn flags may have changed.
    if (watched == m_gr->Surface() && e->type() == QEvent::Paint) updateActions();
    auto* sub = qobject_cast<QMdiSubWindow*>(watched);
    if (sub && (sub == m_grSub || sub == m_objListSub || sub == m_ansSub)) {
        if (e->type() == QEvent::Close && isVisible()) {
            // Closing a working window only minimises it.
            e->ignore();
            QTimer::singleShot(0, sub, [sub] { sub->showMinimized(); });
            return true;
        }
        if ((e->type() == QEvent::Resize || e->type() == QEvent::Move) && !m_arranging && sub->isVisible()) {
            if (e->type() == QEvent::Resize) {
                if (sub == m_grSub) m_gr->WasResized = true;
                if (sub == m_objListSub) m_objList->WasResized = true;
                if (sub == m_ansSub) m_ans->WasResized = true;
            }
            QTimer::singleShot(0, this, [this] { ResizeHandling(); });
        }
    }
    return QMainWindow::eventFilter(watched, e);
}

void T__Main::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    QTimer::singleShot(0, this, [this] { ResizeHandling(); });
}
