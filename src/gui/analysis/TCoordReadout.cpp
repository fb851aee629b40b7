#include "gui/analysis/TCoordReadout.h"

#include "core/base/NumberText.h"
#include "gui/plot/TGr.h"
#include "gui/plot/TGrSurface.h"

#include <QCursor>
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
    const TGrSurface* surface = m_gr.Surface();
    const QPoint local = surface->mapFromGlobal(global);
    const bool overGraph = surface->isVisible() && surface->rect().contains(local);
    if (!overGraph || m_dialog->frameGeometry().contains(global)) {
        m_gr.SetCoordStatusText({});
        return;
    }
    const QPoint p = TGrSurface::PixelAt(local);
    const TMasshImage& image = m_gr.I();
    m_gr.SetCoordStatusText("X=" + FloatStr(image.ScrToX(p.x())) + "  Y=" + FloatStr(image.ScrToY(p.y())));
}
