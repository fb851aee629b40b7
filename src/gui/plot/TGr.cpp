#include "gui/plot/TGr.h"

#include "core/document/GraphPicture.h"
#include "core/document/TDocument.h"
#include "core/plot/GraphReadout.h"
#include "core/plot/MasshZoom.h"
#include "core/plot/MouseGesture.h"
#include "core/plot/PointMarks.h"
#include "gui/app/LanguageWalk.h"
#include "gui/app/MessageDlg.h" // Q(), S()
#include "gui/app/TAns.h"
#include "gui/plot/TDLabelDlg.h"
#include "gui/plot/TDistanceTool.h"
#include "gui/plot/TGrSurface.h"
#include "gui/plot/TGraphOps.h"
#include "gui/plot/TGraphTool.h"
#include "gui/plot/TModalLoan.h"
#include "gui/plot/TPointGrid.h"
#include "gui/plot/TValueTool.h"

#include <QAction>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPalette>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

namespace {
constexpr int SidePanelWidth = 3;
constexpr int SGDefaultHeight = 120;
constexpr int OKBtnRightGap = 8;

class TBusyCursor {
public:
    TBusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TBusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    TBusyCursor(const TBusyCursor&) = delete;
    TBusyCursor& operator=(const TBusyCursor&) = delete;
};

QLabel* MakeStatusLine(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setTextInteractionFlags(Qt::NoTextInteraction);
    label->setMinimumHeight(label->fontMetrics().height() + 4);
    label->setMouseTracking(true);
    // Its text is the program's data, not a caption for language files.
    SetComponentKind(label, TComponentKind::StatusBar);
    return label;
}

QAction* AddAction(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}
} // namespace

TGr::TGr(TDocument& doc, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_frameWatch(*this, [this] { FormDeactivate(); }) {
    setObjectName("Gr");
    setWindowTitle("Графік");
    ApplyGraphWindowDefaults(m_image);
    m_image.CanDraw = true;
    m_image.MaxPoints = 0;
    m_image.OnMasshUpdate = [this](TMasshImage&) { IMasshUpdate(); };

    CreateComponents();
    CreateMenus();
    resize(sizeHint());

    TCanvas& canvas = m_surface->Canvas();
    m_image.SetCanvas(&canvas);
    canvas.Pen().Color = m_image.grMouseColor;
    canvas.Brush() = {m_image.grBackColor, BrushStyle::Solid};
    SurfaceResized();
}

TGr::~TGr() {
    // The children outlive this part of the window: nothing they report may reach it any more.
    m_surface->disconnect(this);
    m_sg->disconnect(this);
    m_image.OnMasshUpdate = nullptr;
    m_image.SetCanvas(nullptr);
    if (m_borrowLoop) m_borrowLoop->quit();
}

void TGr::CreateComponents() {
    m_coordStatus = MakeStatusLine(this, "CoordStatus");
    m_masshTopStatus = MakeStatusLine(this, "MasshTopStatus");
    m_masshBotStatus = MakeStatusLine(this, "MasshBotStatus");

    m_panelL = new QWidget(this);
    m_panelL->setObjectName("Panell");
    m_panelR = new QWidget(this);
    m_panelR->setObjectName("PanelR");
    for (QWidget* panel : {m_panelL, m_panelR}) {
        panel->setFixedWidth(SidePanelWidth);
        panel->setAutoFillBackground(true);
        panel->setMouseTracking(true);
    }

    m_splitter = new QSplitter(Qt::Vertical, this);
    m_splitter->setObjectName("Splitter1");
    m_splitter->setChildrenCollapsible(false);
    m_surface = new TGrSurface(m_splitter);
    m_surface->setObjectName("I");
    m_sg = new TPointGrid(m_points, m_splitter);
    m_splitter->addWidget(m_surface);
    m_splitter->addWidget(m_sg);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 0);
    m_splitter->setSizes({DefaultHeight, SGDefaultHeight});
    m_pointListHeight = SGDefaultHeight;

    auto* middle = new QHBoxLayout;
    middle->setContentsMargins(0, 0, 0, 0);
    middle->setSpacing(0);
    middle->addWidget(m_panelL);
    middle->addWidget(m_splitter, 1);
    middle->addWidget(m_panelR);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_coordStatus);
    layout->addWidget(m_masshTopStatus);
    layout->addLayout(middle, 1);
    layout->addWidget(m_masshBotStatus);

    m_okBtn = new QPushButton("O&K", this);
    m_okBtn->setObjectName("OKBtn");
    m_okBtn->adjustSize();
    m_okBtn->hide();
    connect(m_okBtn, &QPushButton::clicked, this, [this] {
        if (m_borrowLoop) m_borrowLoop->quit();
    });

    m_labelDlg = new TDLabelDlg(this);

    // The status lines and the side panels only take the cross away.
    for (QWidget* w : {static_cast<QWidget*>(m_coordStatus), static_cast<QWidget*>(m_masshTopStatus),
                       static_cast<QWidget*>(m_masshBotStatus), m_panelL, m_panelR})
        w->installEventFilter(this);

    connect(m_surface, &TGrSurface::MouseDown, this, &TGr::SurfaceMouseDown);
    connect(m_surface, &TGrSurface::MouseMoved, this, &TGr::SurfaceMouseMove);
    connect(m_surface, &TGrSurface::MouseUp, this, &TGr::SurfaceMouseUp);
    connect(m_surface, &TGrSurface::WheelTurned, this, &TGr::SurfaceWheel);
    connect(m_surface, &TGrSurface::PanStarted, this, &TGr::SurfacePanStarted);
    connect(m_surface, &TGrSurface::PanMoved, this, &TGr::SurfacePanMoved);
    connect(m_surface, &TGrSurface::PanEnded, this, &TGr::SurfacePanEnded);
    connect(m_surface, &TGrSurface::PinchStarted, this, &TGr::BeginLiveMassh);
    connect(m_surface, &TGrSurface::Pinched, this, &TGr::SurfacePinched);
    connect(m_surface, &TGrSurface::PinchEnded, this, &TGr::EndLiveMassh);
    connect(m_surface, &TGrSurface::SizeChanged, this, &TGr::SurfaceResized);
    connect(m_sg, &TPointGrid::Changed, this, &TGr::Redraw);
    connect(m_sg->RecPopup(), &QAction::triggered, this, &TGr::RecPopupClick);
    // The list's height is remembered while it is hidden, and it shows again at that height.
    connect(m_splitter, &QSplitter::splitterMoved, this, [this] {
        if (m_sg->isVisibleTo(m_splitter)) m_pointListHeight = m_splitter->sizes().value(1);
    });
    connect(m_sg->HidePopup(), &QAction::triggered, this, [this](bool hidden) {
        if (!hidden) SetPointListHeight(m_pointListHeight);
    });
}

void TGr::CreateMenus() {
    m_graphPopup = new QMenu(this);
    m_graphPopup->setObjectName("GraphPopup");
    m_grBld = AddAction(m_graphPopup, "GrBld", "Побудувати графік");
    m_clr = AddAction(m_graphPopup, "Clr", "Очистити");
    m_graphPopup->addSeparator();
    m_oldMassh = AddAction(m_graphPopup, "OldMassh", "Попередній масштаб");
    m_begMassh = AddAction(m_graphPopup, "BegMassh", "Початковий масштаб");
    m_masshView = AddAction(m_graphPopup, "MasshView", "Показувати масштаб");
    m_masshView->setCheckable(true);
    m_masshView->setChecked(true);
    m_graphPopup->addSeparator();
    m_n1 = AddAction(m_graphPopup, "N1", "Ввести мітку");
    m_delLabelPopup = AddAction(m_graphPopup, "DelLabelPopup", "Вилучити мітку");
    m_graphPopup->addSeparator();
    m_delCrossPopup = AddAction(m_graphPopup, "DelCrossPopup", "Вилучити точку");
    m_insCrossPopup = AddAction(m_graphPopup, "InsCrossPopup", "Вставляти перед точкою з цим номером");
    m_addCrossPopup = AddAction(m_graphPopup, "AddCrossPopup", "Перейти до додавання точок");
    m_graphPopup->addSeparator();
    m_masshPopup = AddAction(m_graphPopup, "Massh", "Параметри вікна \"Графік\"...");
    for (QAction* a : {m_delLabelPopup, m_delCrossPopup, m_insCrossPopup, m_addCrossPopup, m_masshPopup})
        a->setEnabled(false);

    connect(m_graphPopup, &QMenu::aboutToShow, this, [this] { m_grBld->setEnabled(!m_doc.Objects.Empty()); });
    connect(m_grBld, &QAction::triggered, this, &TGr::GrBldClick);
    connect(m_clr, &QAction::triggered, this, &TGr::ClrClick);
    connect(m_oldMassh, &QAction::triggered, this, &TGr::OldMasshClick);
    connect(m_begMassh, &QAction::triggered, this, &TGr::BegMasshClick);
    connect(m_masshView, &QAction::triggered, this, [this](bool shown) {
        m_masshTopStatus->setVisible(shown);
        m_masshBotStatus->setVisible(shown);
    });
    connect(m_n1, &QAction::triggered, this, &TGr::N1Click);
    connect(m_delLabelPopup, &QAction::triggered, this, &TGr::DelLabelPopupClick);
    connect(m_delCrossPopup, &QAction::triggered, this, &TGr::DelCrossPopupClick);
    connect(m_insCrossPopup, &QAction::triggered, this, &TGr::InsCrossPopupClick);
    connect(m_addCrossPopup, &QAction::triggered, this, &TGr::AddCrossPopupClick);
    connect(m_masshPopup, &QAction::triggered, this, [this] {
        if (!m_graphOps) return;
        m_graphOps->SetStartPage(TGraphOpsPage::Axe);
        m_image.MasshDialog();
    });
}

// ---- Commands ----

void TGr::GrBldClick() {
    const TMassh massh = m_image.Massh(), oldMassh = m_image.OldMassh();
    AutoMassh(m_doc.Objects, m_doc.DrawList, m_image);
    if (m_image.Massh() != massh || m_image.OldMassh() != oldMassh) emit MasshChanged();
    m_graphBuilt = true;
    m_doc.Selection.ShadeRel = 'N';
    Redraw();
}

void TGr::ClrClick() {
    for (int i = 0; i < m_doc.Objects.Count(); ++i)
        m_doc.Objects.Object(i).Drawn = false;
    m_graphBuilt = false;
    m_doc.Selection.ShadeRel = 'N';
    m_showLabels = false;
    Redraw();
}

void TGr::OldMasshClick() {
    SetMasshAndRedraw(m_image.OldMassh());
}

void TGr::BegMasshClick() {
    SetMasshAndRedraw(InitialMassh);
}

void TGr::SetEqualScale(bool on) {
    m_image.SetEqualScale(on);
    emit MasshChanged();
    Redraw();
}

void TGr::MasshViewClick() {
    m_masshView->trigger();
}

bool TGr::MasshVisible() const {
    return m_masshView->isChecked();
}

void TGr::SetMasshVisible(bool visible) {
    if (visible != MasshVisible()) m_masshView->trigger();
}

void TGr::SetGraphOps(TGraphOps* graphOps) {
    m_graphOps = graphOps;
    m_masshPopup->setEnabled(graphOps != nullptr);
}

int TGr::PointListHeight() const {
    return m_sg->isVisibleTo(m_splitter) ? m_splitter->sizes().value(1) : m_pointListHeight;
}

void TGr::SetPointListHeight(int height) {
    m_pointListHeight = height;
    if (!m_sg->isVisibleTo(m_splitter)) return;
    const QList<int> sizes = m_splitter->sizes();
    m_splitter->setSizes({std::max(1, sizes.value(0) + sizes.value(1) - height), height});
}

void TGr::HidePointList() {
    if (m_sg->isVisibleTo(m_splitter)) m_pointListHeight = m_splitter->sizes().value(1);
    m_sg->hide();
    m_sg->HidePopup()->setChecked(true);
}

void TGr::CoordFromKeyboard() {
    Handlers().MouseMove(*this, m_crossPos, Qt::NoButton);
    m_surface->setFocus();
}

void TGr::RedrawKeepingMouseMode() {
    const int mode = m_mouseMode;
    Redraw();
    m_mouseMode = mode;
}

void TGr::SetMasshAndRedraw(const TMassh& m) {
    m_image.SetMassh(m);
    emit MasshChanged();
    Redraw();
}

void TGr::RecPopupClick(bool checked) {
    m_sg->RecPopup()->setChecked(checked);
    m_addCrossPopup->setEnabled(false);
}

void TGr::N1Click() {
    if (m_labelDlg->exec() != QDialog::Accepted) return;
    std::string text = m_labelDlg->Text();
    // An empty label could never be seen or picked again.
    if (text.empty()) text = " ";
    m_showLabels = true;
    m_labels.AddLabel(m_image.ScrToX(m_crossPos.x), m_image.ScrToY(m_crossPos.y), text,
                      m_labelDlg->DrawPoint());
    Redraw();
}

void TGr::DelLabelPopupClick() {
    Unpick(true);
    const int label = HitLabel();
    if (label < 0 || label >= m_labels.Count()) return;
    m_labels.Delete(label);
    m_picker.ForgetHit();
    m_delLabelPopup->setEnabled(false);
    Redraw();
}

void TGr::DelCrossPopupClick() {
    Unpick(true);
    // The point under the mouse goes, whatever row of the grid is current.
    m_sg->DeletePoint(HitPoint());
}

void TGr::InsCrossPopupClick() {
    m_sg->InsertBefore(HitPoint());
    m_addCrossPopup->setEnabled(true);
}

void TGr::AddCrossPopupClick() {
    m_sg->AddPopup()->setChecked(true);
    m_addCrossPopup->setEnabled(false);
}

// ---- Drawing ----

bool TGr::IsMinimisedNow() const {
    if (QMdiSubWindow* frame = m_frameWatch.Frame()) return frame->isMinimized();
    return window()->isMinimized();
}

void TGr::IMasshUpdate() {
    if (IsMinimisedNow()) {
        m_redrawDropped = true;
        return;
    }
    m_redrawDropped = false;
    TBusyCursor busy;
    Handlers().EraseCross(*this);
    // The repaint takes every transient mark with it.
    m_zoomFrame.Forget();
    Unpick(false);
    m_masshTopStatus->setText(Q(MasshTopText(m_image.Massh())));
    m_masshBotStatus->setText(Q(MasshBotText(m_image.Massh())));
    m_mouseMode = RestingMouseMode(m_image.Coord());
    // The one render path the exported pictures share.
    DrawGraphPicture(m_image, m_doc, m_labels, PictureOptions(true));
    m_surface->update();
}

TGraphPictureOptions TGr::PictureOptions(bool screen) {
    TGraphPictureOptions options;
    if (screen)
        options.PaintSidePanels = [this](TColor c) {
            QPalette palette;
            palette.setColor(QPalette::Window, QColor(RedOf(c), GreenOf(c), BlueOf(c)));
            m_panelL->setPalette(palette);
            m_panelR->setPalette(palette);
        };
    options.GraphBuilt = m_graphBuilt;
    options.ShowLabels = m_showLabels;
    options.DrawPendingShading = [this] {
        TFuncs& selection = m_doc.Selection;
        selection.Items = m_doc.ShadeList.Items;
        if (m_shadeHook) {
            try {
                m_shadeHook(selection.ShadeRel);
            } catch (...) {
                // A system that no longer shades leaves the rest of the picture as it is.
            }
        }
    };
    options.DrawPoints = [this] { DrawPoints(true); };
    return options;
}

void TGr::DrawPicture(TCanvas& canvas, int width, int height) {
    const int shownWidth = m_image.Width(), shownHeight = m_image.Height();
    m_image.SetCanvas(&canvas);
    m_image.SetSize(width, height);
    DrawGraphPicture(m_image, m_doc, m_labels, PictureOptions(false));
    m_image.SetSize(shownWidth, shownHeight);
    m_image.SetCanvas(&m_surface->Canvas());
}

QSize TGr::GraphSize() const {
    return QSize(m_image.Width(), m_image.Height());
}

void TGr::DrawPointMark(int x, int y, bool withNumber, int number) {
    ::DrawPointMark(m_image, {x, y}, withNumber && m_sg->ShowNPopup()->isChecked(), number);
}

void TGr::DrawPoints(bool withNumbers) {
    ::DrawPoints(m_image, m_points, withNumbers && m_sg->ShowNPopup()->isChecked());
}

void TGr::MoveCross(TPoint p) {
    m_cross.Move(m_image, p, CrossLinesOf(m_mouseMode));
    m_crossPos = p;
}

void TGr::EraseCross() {
    m_coordStatus->clear();
    m_cross.Erase(m_image);
}

// ---- Picking points and labels ----

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

// ---- Mouse ----

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

void TGr::SurfaceResized() {
    const QSize size = m_surface->GraphSize();
    m_image.SetSize(size.width(), size.height());
    // The old marks were on the old bitmap.
    m_cross.Forget();
    m_zoomFrame.Forget();
    Unpick(false);
    Handlers().EraseCross(*this);
    Redraw();
}

QImage TGr::Bitmap() const {
    return m_surface->Bitmap();
}

// ---- Keyboard and window ----

void TGr::keyPressEvent(QKeyEvent* e) {
    TPoint p = m_crossPos;
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        // Both ends of the "gesture" at the cross, so that a keyboard click always counts as one.
        m_downPos = m_lastPos = m_crossPos;
        Handlers().Click(*this);
        return;
    case Qt::Key_Left: --p.x; break;
    case Qt::Key_Right: ++p.x; break;
    case Qt::Key_Up: --p.y; break;
    case Qt::Key_Down: ++p.y; break;
    case Qt::Key_Delete: m_sg->DeleteCurrentOrLast(); return;
    default: QWidget::keyPressEvent(e); return;
    }
    m_crossPos = WrapToSurface(p, m_image.Width(), m_image.Height());
    Handlers().MouseMove(*this, m_crossPos, Qt::NoButton);
}

bool TGr::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::MouseMove) Handlers().EraseCross(*this);
    return QWidget::eventFilter(watched, e);
}

void TGr::PointsChanged() {
    m_sg->Sync();
}
void TGr::closeEvent(QCloseEvent* e) {
    e->ignore();
    if (m_borrowLoop) {
        m_borrowLoop->quit();
        return;
    }
    // The graph window lives as long as the program: closing it only minimises it.
    Handlers().EraseCross(*this);
    if (QMdiSubWindow* frame = m_frameWatch.Frame())
        frame->showMinimized();
    else if (isWindow())
        showMinimized();
}

void TGr::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    PlaceOKBtn();
    // The size given before the window is first shown, and the loan's, are the program's, not the user's.
    if (!isVisible() || m_borrowing) return;
    WasResized = true;
    emit Resized();
}

void TGr::FormDeactivate() {
    // The loan itself takes the window out of its frame; a tool may want recording on.
    if (m_borrowing) return;
    if (RecPopup()->isChecked()) RecPopupClick(false);
}

void TGr::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (m_redrawDropped) Redraw();
}

void TGr::PlaceOKBtn() {
    m_okBtn->move(width() - m_okBtn->width() - OKBtnRightGap, 0);
}

std::string TGr::CoordStatusText() const {
    return S(m_coordStatus->text());
}

void TGr::AppendCoordStatus(const std::string& text) {
    m_coordStatus->setText(m_coordStatus->text() + Q(text));
}

void TGr::AnsLines(const std::vector<std::string>& lines) {
    if (!m_ans) return;
    for (const std::string& line : lines)
        m_ans->AnsAdd(line);
}

// ---- Tools ----

void TGr::Borrow(TGraphTool& tool) {
    if (m_borrowing) return;
    m_borrowing = true;
    tool.Begin(*this);
    TModalLoan loan(*this);
    AnsLines(tool.OpeningLines());
    m_image.CanDraw = false;
    loan.Lift();
    PlaceOKBtn();
    m_okBtn->show();
    m_okBtn->raise();

    m_tool = &tool;
    m_image.CanDraw = true;
    show();
    raise();
    activateWindow();
    Redraw();
    QEventLoop loop;
    m_borrowLoop = &loop;
    loop.exec(QEventLoop::DialogExec);
    m_borrowLoop = nullptr;

    m_tool = nullptr;
    m_cross.Forget(); // the tool's cross goes with the repaint below
    m_okBtn->hide();
    tool.End(*this);
    loan.PutBack();
    m_image.CanDraw = true;
    m_borrowing = false;
    Redraw();
    AnsLines(tool.ClosingLines());
}

void TGr::StartDistanceTool() {
    TDistanceTool tool;
    Borrow(tool);
}

void TGr::StartValueTool(const TFunc& g, const std::string& formulaText) {
    TValueTool tool(g, formulaText);
    Borrow(tool);
}
