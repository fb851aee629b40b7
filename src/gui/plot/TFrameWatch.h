#pragma once
// Tells when the MDI frame around a window stops being the active window of the frame (the window's
// deactivation), following the window as it is put into a frame and taken out again.
#include <QObject>
#include <QPointer>

#include <functional>

class QMdiSubWindow;
class QWidget;

class TFrameWatch : public QObject {
public:
    TFrameWatch(QWidget& window, std::function<void()> deactivated);

    // The frame the window is in, or nullptr.
    QMdiSubWindow* Frame() const;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void Follow();

    QWidget& m_window;
    std::function<void()> m_deactivated;
    QPointer<QObject> m_frame; // QObject: the frame may be mid-destruction when the window leaves it
};
