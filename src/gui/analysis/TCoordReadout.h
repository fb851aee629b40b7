#pragma once
// The mouse readout of the graph window while a modal tool dialog holds the input ("CoordTimer"): every
// 100 ms the cursor's place is looked at, and over the graph's surface, outside the dialog, the graph
// window's coordinate status line shows its world coordinates; anywhere else the line is emptied.
#include <QObject>
#include <QPoint>

class QTimer;
class QWidget;
class TGr;

class TCoordReadout : public QObject {
    Q_OBJECT
public:
    static constexpr int Interval = 100; // ms

    TCoordReadout(TGr& gr, QWidget* dialog);

    QTimer* Timer() const { return m_timer; }
    void Start();
    void Stop();
    // One look at a cursor at the given screen position.
    void ShowAt(const QPoint& global);

private:
    TGr& m_gr;
    QWidget* m_dialog;
    QTimer* m_timer;
};
