#pragma once
// The widget that shows the graph's bitmap one bitmap pixel per logical pixel and reports the mouse in bitmap
// pixels. Everything it reports goes to the graph window, which decides what it means.
#include "gui/plot/QImageCanvas.h"
#include "gui/plot/TUpdatingCanvas.h"

#include <QImage>
#include <QWidget>

class TGrSurface : public QWidget {
    Q_OBJECT
public:
    explicit TGrSurface(QWidget* parent = nullptr);

    // The bitmap shown, as large as the widget; a new one after every change of size, white.
    const QImage& Bitmap() const { return m_bitmap; }
    // Draws on the bitmap; whatever is drawn shows on the screen without asking for it.
    TCanvas& Canvas() { return m_canvas; }

    // The bitmap pixel under a position in this widget's logical coordinates.
    static QPoint PixelAt(const QPointF& position);

signals:
    void MouseDown(Qt::MouseButton button, QPoint p);
    void MouseMoved(QPoint p, Qt::MouseButtons buttons);
    void MouseUp(Qt::MouseButton button, QPoint p);
    // Whole notches of the wheel: positive away from the user.
    void WheelTurned(QPoint p, int notches);
    // The bitmap was made anew at the widget's new size.
    void SizeChanged();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    bool FitBitmap();

    QImage m_bitmap;
    TQImageCanvas m_bitmapCanvas;
    TUpdatingCanvas m_canvas;
    int m_wheelRest = 0; // eighths of a degree short of a whole notch (touchpads turn in small steps)
};
