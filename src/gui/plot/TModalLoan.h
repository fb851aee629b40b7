#pragma once
// A child window of the frame lent out as a modal window of its own: it leaves its MDI frame for a bordered
// window of fixed size at the same place on the screen, and goes back into the frame at its old position and
// size. Without a frame the window keeps its own parent and flags, and gets them back the same way.
#include <QPointer>
#include <QRect>
#include <Qt>

class QMdiSubWindow;
class QWidget;

class TModalLoan {
public:
    // Brings the window (or its frame) back from the minimised state; it stays in its place.
    explicit TModalLoan(QWidget& window);

    // Out of the frame into the modal window; not shown yet.
    void Lift();
    // Hidden, back into the frame (or to its old parent) at the remembered place, and shown.
    void PutBack();

private:
    QWidget& m_window;
    QPointer<QMdiSubWindow> m_frame;
    QWidget* m_oldParent = nullptr;
    Qt::WindowFlags m_oldFlags;
    QRect m_oldGeometry;
};
