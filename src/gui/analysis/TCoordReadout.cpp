#include "gui/analysis/TCoordReadout.h"

#include "core/base/NumberText.h"
#include "gui/app/MessageDlg.h"
#include "gui/plot/TGr.h"
#include "gui/plot/TGrSurface.h"

#include <QCursor>
#include <QLabel>
#include <QTimer>

TCoordReadout::TCoordReadout(TGr& gr, QWidget* dialog)
    : QObject(dialog), m_gr(gr), m_dialog(dialog), m_timer(new QTimer(this)) {
    m_timer->setObjectName("CoordTimer");
    m_timer->setInterval(Interval);
    connect(m_timer, &QTimer::timeout, this, [this] { ShowAt(QCursor::pos()); });
}

void TCoordReadout::Start() {
    m_timer->start();
}

void TCoordReadout::Stop() {
    m_timer->stop();
}

void TCoordReadout::ShowAt(const QPoint& global) {
    // The graph window's own readout line, found by its component name: the window offers no setter for it.
    auto* status = m_gr.findChild<QLabel*>("CoordStatus");
    if (!status) return;
    const TGrSurface* surface = m_gr.Surface();
    const QPoint local = surface->mapFromGlobal(global);
    const bool overGraph = surface->isVisible() && surface->rect().contains(local);
    if (!overGraph || m_dialog->frameGeometry().contains(global)) {
        status->clear();
        return;
    }
    const QPoint p = TGrSurface::PixelAt(local);
    const TMasshImage& image = m_gr.I();
    status->setText(Q("X=" + FloatStr(image.ScrToX(p.x())) + "  Y=" + FloatStr(image.ScrToY(p.y()))));
}
