#pragma once
// The widget that shows the graph's bitmap and reports the mouse in the graph's pixels. The bitmap has the
// screen's device pixel ratio: at 200 % each pixel of the graph is 2 x 2 pixels of the bitmap, so lines and
// text are drawn at the screen's own resolution. Everything it reports goes to the graph window, which
// decides what it means.
#include "gui/plot/QImageCanvas.h"
#include "gui/plot/TUpdatingCanvas.h"

#include <QImage>
#include <QWidget>

class TGrSurface : public QWidget {
    Q_OBJECT
public:
    explicit TGrSurface(QWidget* parent = nullptr);

    // The bitmap shown, as large as the widget at the screen's pixel ratio; a new one after every change of
    // size or ratio, white.
    const QImage& Bitmap() const { return m_bitmap; }
    // The size of the graph in its own pixels (the widget's size, at least 1 x 1).
    QSize GraphSize() const { return m_graphSize; }
    // Draws on the bitmap; whatever is drawn shows on the screen without asking for it.
    TCanvas& Canvas() { return m_canvas; }

    // The graph pixel under a position in this widget's logical coordinates.
    static QPoint PixelAt(const QPointF& position);

signals:
    void MouseDown(Qt::MouseButton button, QPoint p);
    void MouseMoved(QPoint p, Qt::MouseButtons buttons);
    void MouseUp(Qt::MouseButton button, QPoint p);
    // Whole notches of the wheel: positive away from the user.
    void WheelTurned(QPoint p, int notches);
    // Moving the graph: the middle button, or the left one with Ctrl, pressed, moved and released. The
    // presses and releases of a move are not reported as MouseDown and MouseUp.
    void PanStarted(QPoint p);
    void PanMoved(QPoint p);
    void PanEnded(QPoint p);
    // A pinch on the touchpad: begins, grows or shrinks by the factor (above 1 spreads the fingers), ends.
    void PinchStarted();
    void Pinched(QPoint p, qreal factor);
    void PinchEnded();
    // The bitmap was made anew at the widget's new size or pixel ratio.
    void SizeChanged();

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    bool FitBitmap();

    QImage m_bitmap;
    QSize m_graphSize;
    TQImageCanvas m_bitmapCanvas;
    TUpdatingCanvas m_canvas;
    int m_wheelRest = 0;                        // eighths of a degree short of a whole notch
    Qt::MouseButton m_panButton = Qt::NoButton; // the button that moves the graph, while it is held
};
