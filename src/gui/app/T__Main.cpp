#include "gui/app/T__Main.h"

#include <QMdiArea>

namespace {
constexpr int InitialClientWidth = 795;
constexpr int InitialClientHeight = 506;
} // namespace

T__Main::T__Main(QWidget* parent) : QMainWindow(parent) {
    setObjectName("__Main");
    setWindowTitle("Vorn1");
    m_mdiArea = new QMdiArea(this);
    setCentralWidget(m_mdiArea);
    resize(InitialClientWidth, InitialClientHeight);
}
