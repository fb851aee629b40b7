#pragma once
// The program's frame: an MDI window holding the graph, object list and answers windows.
#include <QMainWindow>

class QMdiArea;

class T__Main : public QMainWindow {
    Q_OBJECT
public:
    explicit T__Main(QWidget* parent = nullptr);

    QMdiArea* MdiArea() const { return m_mdiArea; }

private:
    QMdiArea* m_mdiArea = nullptr;
};
