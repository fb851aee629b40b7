// The graph window's answers to the mouse on its surface: the coordinate readout and the cross, picking and
// dragging points and labels, recording clicks, the zoom rectangle, the wheel, and the pan and pinch
// gestures.
#include "gui/plot/TGr.h"

#include "core/plot/GraphReadout.h"
#include "core/plot/MasshZoom.h"
#include "core/plot/MouseGesture.h"
#include "gui/app/MessageDlg.h" // Q()
#include "gui/plot/TGrSurface.h"
#include "gui/plot/TGraphTool.h"
#include "gui/plot/TPointGrid.h"

#include <QAction>
#include <QLabel>
#include <QMenu>

// Picking points and labels.

void TGr::HitTest(TPoint p) {
    m_picker.Hover(m_image, m_points, m_labels, m_showLabels, p);
    const THit& hit = m_picker.Hit();
    const bool point = hit.Any() && hit.Point != LabelHit;
    m_delCrossPopup->setEnabled(point);
    m_insCrossPopup->setEnabled(point);
    m_delLabelPopup->setEnabled(hit.Point == LabelHit);
    UpdateCursor();
}

// The frame of the picked point or label goes; a repaint that already took it passes erase false.
void TGr::Unpick(bool erase) {
    m_picker.LetGo(m_image.Canvas(), erase);
    UpdateCursor();
}

void TGr::UpdateCursor() {
    m_surface->setCursor(m_picker.Dragging() ? Qt::DragMoveCursor : Qt::CrossCursor);
}

// The mouse.

bool TGr::CoordStatusMouseMove(TPoint p, Qt::MouseButtons buttons) {
    if (buttons & Qt::RightButton) {
        HitTest(p);
        return false;
    }
    m_coordStatus->setText(Q(CoordReadout(m_image, p)));
    if (m_mouseMode != LeftButtonHeld) {
        HitTest(p);
        MoveCross(p);
    } else if (m_picker.Dragging()) {
        m_picker.DragTo(m_image, m_points, m_labels, p);
        if (HitPoint() != LabelHit) m_sg->Sync();
        UpdateCursor();
        m_lastPos = {m_downPos.x + DragFarOff, m_downPos.y + DragFarOff};
    } else {
        m_zoomFrame.Show(m_image.Canvas(), Spanned(m_downPos, p));
        m_lastPos = p;
    }
    return true;
}

void TGr::IClick() {
    if (!m_sg->RecPopup()->isChecked() || !IsClick(m_downPos, m_lastPos)) return;
    const Real x = m_image.ScrToX(m_downPos.x), y = m_image.ScrToY(m_downPos.y);
    if (m_sg->AddPopup()->isChecked())
        m_points.Add(x, y, m_image.MaxPoints);
    else
        m_points.Insert(x, y);
    m_sg->Sync();
    Redraw();
}

void TGr::SurfaceMouseDown(Qt::MouseButton button, QPoint p) {
    Handlers().EraseCross(*this);
    if (button == Qt::LeftButton) {
        m_mouseMode = LeftButtonHeld;
        m_downPos = m_lastPos = {p.x(), p.y()};
    } else if (button == Qt::RightButton) {
        m_mouseMode = NoCross;
    }
}

void TGr::SurfaceMouseMove(QPoint p, Qt::MouseButtons buttons) {
    Handlers().MouseMove(*this, {p.x(), p.y()}, buttons);
}

void TGr::SurfaceMouseUp(Qt::MouseButton button, QPoint p) {
    // A click counts when the button comes up over the surface, and before the release itself is handled.
    if (button == Qt::LeftButton && m_surface->rect().contains(p)) Handlers().Click(*this);

    if (m_picker.Dragging()) {
        if (m_picker.Drop(m_image, m_points, m_labels, {p.x(), p.y()}, button == Qt::LeftButton))
            m_sg->Sync();
        UpdateCursor();
        Redraw();
    } else if (m_zoomFrame.Shown()) {
        m_zoomFrame.Hide(m_image.Canvas());
        // Released right of or below the surface, the rectangle is dropped.
        const bool inside = p.x() < m_image.Width() && p.y() < m_image.Height();
        if (inside && m_mouseMode == LeftButtonHeld && IsZoomRect(m_downPos, m_lastPos))
            SetMasshAndRedraw(SpannedMassh(m_image, m_downPos, m_lastPos));
    }
    m_mouseMode = RestingMouseMode(m_image.Coord());

    if (button == Qt::RightButton) m_graphPopup->exec(m_surface->mapToGlobal(p));
}

void TGr::SurfaceWheel(QPoint p, int notches) {
    // Not while a rectangle is being dragged: it belongs to the old window.
    if (m_mouseMode == LeftButtonHeld) return;
    SetMasshAndRedraw(WheelMassh(m_image.Massh(), m_image.ScrToX(p.x()), m_image.ScrToY(p.y()), notches));
    Handlers().MouseMove(*this, {p.x(), p.y()}, Qt::NoButton);
}

void TGr::BeginLiveMassh() {
    if (m_live) return;
    Handlers().EraseCross(*this);
    m_live = true;
    m_liveStart = m_image.Massh();
}

void TGr::ShowLiveMassh(const TMassh& m) {
    if (!m_live) BeginLiveMassh();
    m_image.SetMassh(m);
    Redraw();
}

void TGr::EndLiveMassh() {
    if (!m_live) return;
    m_live = false;
    const TMassh end = m_image.Massh();
    if (end == m_liveStart) return;
    // The windows in between were no steps of their own.
    m_image.SetMassh(m_liveStart);
    m_image.SetMassh(end);
    emit MasshChanged();
}

void TGr::SurfacePanStarted(QPoint p) {
    // Not while a rectangle is being dragged: it belongs to the window as it is.
    if (m_mouseMode == LeftButtonHeld) return;
    BeginLiveMassh();
    m_panFrom = {p.x(), p.y()};
    m_surface->setCursor(Qt::ClosedHandCursor);
}

void TGr::SurfacePanMoved(QPoint p) {
    if (m_live) ShowLiveMassh(DraggedMassh(m_image, m_liveStart, m_panFrom, {p.x(), p.y()}));
}

void TGr::SurfacePanEnded(QPoint p) {
    if (!m_live) return;
    SurfacePanMoved(p);
    EndLiveMassh();
    UpdateCursor();
    Handlers().MouseMove(*this, {p.x(), p.y()}, Qt::NoButton);
}

void TGr::SurfacePinched(QPoint p, qreal factor) {
    if (m_mouseMode == LeftButtonHeld || !(factor > 0)) return;
    // Spreading the fingers shows less of the plane, larger.
    ShowLiveMassh(
        ScaledMassh(m_image.Massh(), m_image.ScrToX(p.x()), m_image.ScrToY(p.y()), 1 / Real(factor)));
}
