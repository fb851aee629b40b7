#include "gui/plot/TGr.h"

#include "core/base/NumberText.h"
#include "core/document/GraphPicture.h"
#include "core/document/TDocument.h"
#include "core/plot/Osi.h"
#include "gui/app/MessageDlg.h" // Q(), S()
#include "gui/app/TAns.h"
#include "gui/plot/TDLabelDlg.h"
#include "gui/plot/TDistanceTool.h"
#include "gui/plot/TGrSurface.h"
#include "gui/plot/TGraphTool.h"
#include "gui/plot/TValueTool.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPalette>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>
#include <cstdlib>

namespace {
constexpr int SidePanelWidth = 3;
constexpr int SGColumnWidths[TPointList::ColCount] = {64, 113, 111};
constexpr int SGRowHeight = 12;
constexpr int SGDefaultHeight = 120;
constexpr int OKBtnRightGap = 8;

constexpr int CrossArm = 5;     // the mouse cross: x-5 .. x+5
constexpr int MarkArm = 3;      // a point marker: x-3 .. x+3
constexpr int MarkNumberDx = 6; // a point's number right of and above the marker
constexpr int MarkNumberDy = -3;
constexpr int PickRadius = 4;   // a point is picked within 3 pixels, and framed 4 pixels around
constexpr int MinZoomSide = 31; // a smaller rectangle is a slip of the hand, not a zoom
constexpr int ClickSlack = 8;   // press and release this far apart are a drag, not a click
constexpr int DragFarOff = 50;  // LastPos after a drag, so that the release is never taken for a click

constexpr Real WheelShrink =
    0.5L; // one notch away from the user: half the width and height, as "Зменшити масштаб"

// Pen and brush as they were: transient drawing must not change what later drawing inherits.
class TCanvasStateGuard {
public:
    explicit TCanvasStateGuard(TCanvas& canvas)
        : m_canvas(canvas), m_pen(canvas.Pen()), m_brush(canvas.Brush()) {}
    ~TCanvasStateGuard() {
        m_canvas.Pen() = m_pen;
        m_canvas.Brush() = m_brush;
    }
    TCanvasStateGuard(const TCanvasStateGuard&) = delete;
    TCanvasStateGuard& operator=(const TCanvasStateGuard&) = delete;

private:
    TCanvas& m_canvas;
    TPen m_pen;
    TBrush m_brush;
};

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
    return label;
}

// The world window scaled by k about the world point (cx, cy), which stays under the same pixel.
TMassh ScaledAbout(const TMassh& m, Real cx, Real cy, Real k) {
    return {cx + (m.XMin - cx) * k, cx + (m.XMax - cx) * k, cy + (m.YMin - cy) * k, cy + (m.YMax - cy) * k};
}

QRect Spanned(const TPoint& a, const TPoint& b) {
    return QRect(QPoint(std::min(a.x, b.x), std::min(a.y, b.y)),
                 QPoint(std::max(a.x, b.x), std::max(a.y, b.y)));
}
} // namespace

TGr::TGr(TDocument& doc, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_bitmapCanvas(&m_bitmap), m_canvas(m_bitmapCanvas, [this] {
          if (m_surface) m_surface->update();
      }) {
    setObjectName("Gr");
    setWindowTitle("Графік");
    ApplyGraphWindowDefaults(m_image);
    m_image.CanDraw = true;
    m_image.MaxPoints = 0;
    m_image.SetCanvas(&m_canvas);
    m_image.OnMasshUpdate = [this](TMasshImage&) { IMasshUpdate(); };

    CreateComponents();
    CreateMenus();
    resize(sizeHint());

    m_canvas.Pen().Color = m_image.grMouseColor;
    m_canvas.Brush() = {m_image.grBackColor, BrushStyle::Solid};
    SurfaceResized();
}

TGr::~TGr() {
    // The children outlive this part of the window: nothing they report may reach it any more.
    m_surface->disconnect(this);
    m_sg->disconnect(this);
    if (m_watchedFrame) m_watchedFrame->disconnect(this);
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
    m_surface->SetBitmap(&m_bitmap);

    m_sg = new QTableWidget(0, TPointList::ColCount, m_splitter);
    m_sg->setObjectName("SG");
    m_sg->setHorizontalHeaderLabels({"", "X", "Y"});
    m_sg->verticalHeader()->hide();
    m_sg->verticalHeader()->setMinimumSectionSize(SGRowHeight);
    m_sg->verticalHeader()->setDefaultSectionSize(std::max(SGRowHeight, m_sg->fontMetrics().height() + 2));
    for (int c = 0; c < TPointList::ColCount; ++c)
        m_sg->setColumnWidth(c, SGColumnWidths[c]);
    QFont sgFont = m_sg->font();
    sgFont.setBold(true);
    m_sg->setFont(sgFont);
    m_sg->setSelectionMode(QAbstractItemView::SingleSelection);
    m_sg->setContextMenuPolicy(Qt::CustomContextMenu);
    m_sg->installEventFilter(this);
    m_sg->hide();
    m_splitter->addWidget(m_surface);
    m_splitter->addWidget(m_sg);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 0);
    m_splitter->setSizes({DefaultHeight, SGDefaultHeight});

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
    connect(m_surface, &TGrSurface::SizeChanged, this, &TGr::SurfaceResized);
    connect(m_sg, &QTableWidget::currentCellChanged, this,
            [this](int row, int, int, int) { m_points.SetRow(row + 1); });
    connect(m_sg, &QTableWidget::cellChanged, this, &TGr::GridCellEdited);
    connect(m_sg, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { m_sgPopup->exec(m_sg->viewport()->mapToGlobal(at)); });
    SyncGrid();
}

QAction* TGr::AddAction(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
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
    connect(m_masshPopup, &QAction::triggered, this, [this] { m_image.MasshDialog(); });

    m_sgPopup = new QMenu(this);
    m_sgPopup->setObjectName("SGPopup");
    m_recPopup = AddAction(m_sgPopup, "RecPopup", "Запис");
    m_recPopup->setCheckable(true);
    m_showNPopup = AddAction(m_sgPopup, "ShowNPopup", "Показувати номери");
    m_showNPopup->setCheckable(true);
    m_showNPopup->setChecked(true);
    m_sgPopup->addSeparator();
    m_delPopup = AddAction(m_sgPopup, "DelPopup", "Вилучити");
    m_clrPopup = AddAction(m_sgPopup, "ClrPopup", "Очистити");
    m_sgPopup->addSeparator();
    m_addPopup = AddAction(m_sgPopup, "AddPopup", "Додавати координати");
    m_insPopup = AddAction(m_sgPopup, "InsPopup", "Вставляти кординати");
    m_modeGroup = new QActionGroup(this);
    for (QAction* a : {m_addPopup, m_insPopup}) {
        a->setCheckable(true);
        m_modeGroup->addAction(a);
    }
    m_addPopup->setChecked(true);
    m_sgPopup->addSeparator();
    m_hidePopup = AddAction(m_sgPopup, "HidePopup", "Сховати список");
    m_hidePopup->setCheckable(true);
    m_hidePopup->setChecked(true);

    connect(m_sgPopup, &QMenu::aboutToShow, this, [this] { m_hidePopup->setChecked(m_sg->isHidden()); });
    connect(m_recPopup, &QAction::triggered, this, &TGr::RecPopupClick);
    connect(m_showNPopup, &QAction::triggered, this, [this] { Redraw(); });
    connect(m_delPopup, &QAction::triggered, this, [this] {
        if (!m_points.DeleteCurrent()) return;
        SyncGrid();
        Redraw();
    });
    connect(m_clrPopup, &QAction::triggered, this, [this] {
        m_points.Clear();
        SyncGrid();
        Redraw();
    });
    connect(m_hidePopup, &QAction::triggered, this, [this](bool hidden) { m_sg->setVisible(!hidden); });
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

void TGr::MasshViewClick() {
    m_masshView->trigger();
}

bool TGr::MasshVisible() const {
    return m_masshView->isChecked();
}

void TGr::CoordFromKeyboard() {
    RunMouseMove(m_crossPos, Qt::NoButton);
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
    m_recPopup->setChecked(checked);
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
    if (m_hitLabel < 0 || m_hitLabel >= m_labels.Count()) return;
    m_labels.Delete(m_hitLabel);
    m_hitLabel = -1;
    m_hitPoint = 0;
    m_delLabelPopup->setEnabled(false);
    Redraw();
}

void TGr::DelCrossPopupClick() {
    Unpick(true);
    // The point under the mouse goes, whatever row of the grid is current.
    if (m_points.PointCount() < 2 || !m_points.IsPointRow(m_hitPoint)) return;
    m_points.SetRow(m_hitPoint);
    m_points.DeleteCurrent();
    SyncGrid();
    Redraw();
}

void TGr::InsCrossPopupClick() {
    m_insPopup->setChecked(true);
    m_points.SetRow(m_hitPoint);
    SyncGrid();
    m_addCrossPopup->setEnabled(true);
}

void TGr::AddCrossPopupClick() {
    m_addPopup->setChecked(true);
    m_addCrossPopup->setEnabled(false);
}

// ---- Drawing ----

bool TGr::IsMinimisedNow() const {
    if (QMdiSubWindow* frame = MdiFrame()) return frame->isMinimized();
    return window()->isMinimized();
}

QMdiSubWindow* TGr::MdiFrame() const {
    return qobject_cast<QMdiSubWindow*>(parentWidget());
}

void TGr::IMasshUpdate() {
    if (IsMinimisedNow()) {
        m_redrawDropped = true;
        return;
    }
    m_redrawDropped = false;
    TBusyCursor busy;
    RunCrossEraser();
    // The repaint takes every transient mark with it.
    m_rectShown = false;
    Unpick(false);
    const TMassh& m = m_image.Massh();
    m_masshTopStatus->setText(Q("MinX=" + FloatStr(m.XMin) + "  MaxY=" + FloatStr(m.YMax)));
    m_masshBotStatus->setText(Q("MinY=" + FloatStr(m.YMin) + "  MaxX=" + FloatStr(m.XMax)));
    m_mouseMode = m_image.Coord() == CoordType::ctDec ? DecCross : PolarCross;
    // The one render path the exported pictures share.
    TGraphPictureOptions options;
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
    DrawGraphPicture(m_image, m_doc, m_labels, options);
    m_surface->update();
}

void TGr::DrawPointMark(int x, int y, bool withNumber, int number) {
    TCanvas& c = m_image.Canvas();
    TCanvasStateGuard guard(c);
    c.Pen() = {m_image.grMouseColor, 1, PenStyle::Solid, PenMode::Xor};
    c.Line(x - MarkArm, y, x + MarkArm + 1, y);
    c.Line(x, y - MarkArm, x, y + MarkArm + 1);
    if (!withNumber || !m_showNPopup->isChecked()) return;
    const std::string text = std::to_string(number);
    const int tx = x + MarkNumberDx, ty = y + MarkNumberDy;
    c.Brush() = {m_image.grBackColor, BrushStyle::Solid};
    c.FillRect(tx, ty, tx + c.TextWidth(text, m_image.grAxeFont), ty + c.TextHeight(text, m_image.grAxeFont));
    c.TextOut(tx, ty, text, m_image.grAxeFont);
}

void TGr::DrawPoints(bool withNumbers) {
    if (m_points.Empty()) return;
    TCanvas& c = m_image.Canvas();
    TCanvasStateGuard guard(c);
    const TPen linkPen{m_image.grMouseColor, 1, PenStyle::Dot, PenMode::NotXor};
    TPoint first, prev;
    bool any = false;
    for (int r = TPointList::FirstPointRow; r <= m_points.RowCount() - 2; ++r) {
        Real x = 0, y = 0;
        // A cell the user typed wrong is no point.
        if (!m_points.ReadPoint(r, x, y)) continue;
        const TPoint p{m_image.XToScr(x), m_image.YToScr(y)};
        if (!any) first = prev = p;
        any = true;
        if (m_image.LinkPoints > 0) {
            c.Pen() = linkPen;
            c.Line(prev.x, prev.y, p.x, p.y);
        }
        DrawPointMark(p.x, p.y, withNumbers, r);
        prev = p;
    }
    if (any && m_image.LinkPoints == 2) {
        c.Pen() = linkPen;
        c.Line(prev.x, prev.y, first.x, first.y);
    }
}

void TGr::DrawCross(const TCrossFigure& f) {
    TCanvas& c = m_image.Canvas();
    TCanvasStateGuard guard(c);
    c.Pen() = {m_image.grMouseColor, 1, PenStyle::Solid, PenMode::Xor};
    const int x = f.Pos.x, y = f.Pos.y;
    c.Line(x - CrossArm, y, x + CrossArm + 1, y);
    c.Line(x, y - CrossArm, x, y + CrossArm + 1);
    if (f.Mode == PolarCross) {
        c.Line(x, y, f.Axes.x, f.Axes.y);
    } else if (f.Mode == DecCross) {
        c.Line(x, y, f.Axes.x, y);
        c.Line(x, y, x, f.Axes.y);
    }
}

void TGr::MoveCross(TPoint p) {
    if (m_crossShown) DrawCross(m_cross);
    m_cross = {p, m_mouseMode, {m_image.XToScr(0), m_image.YToScr(0)}};
    DrawCross(m_cross);
    m_crossPos = p;
    m_crossShown = true;
}

void TGr::EraseCross() {
    m_coordStatus->clear();
    if (m_crossShown) DrawCross(m_cross);
    m_crossShown = false;
}

void TGr::DrawFocusRect(const TPoint& a, const TPoint& b) {
    const QRect r = Spanned(a, b);
    m_image.Canvas().DrawFocusRect(r.left(), r.top(), r.right(), r.bottom());
}

void TGr::SetDragRect(int l, int t, int r, int b) {
    m_dragRect = QRect(QPoint(l, t), QPoint(r, b));
    m_image.Canvas().DrawFocusRect(l, t, r, b);
}

void TGr::Pick() {
    m_dragging = true;
    m_surface->setCursor(Qt::DragMoveCursor);
}

// The frame of the picked point or label goes; a repaint that already took it passes erase false.
void TGr::Unpick(bool erase) {
    if (erase && m_dragging) {
        const QRect& r = m_dragRect;
        m_image.Canvas().DrawFocusRect(r.left(), r.top(), r.right(), r.bottom());
    }
    m_dragging = false;
    m_surface->setCursor(Qt::CrossCursor);
}

QRect TGr::LabelRect(int index, TPoint at) {
    TCanvas& c = m_image.Canvas();
    const std::string& text = m_labels.Text(index);
    const TFont& font = m_image.grLabelFont;
    return QRect(at.x, at.y, c.TextWidth(text, font), c.TextHeight(text, font));
}

void TGr::HitTest(TPoint p) {
    m_hitPoint = 0;
    m_hitLabel = -1;
    m_delCrossPopup->setEnabled(false);
    m_insCrossPopup->setEnabled(false);
    m_delLabelPopup->setEnabled(false);
    for (int r = TPointList::FirstPointRow;
         r < m_points.RowCount() && !m_points.Cell(TPointList::NumberCol, r).empty(); ++r) {
        Real x = 0, y = 0;
        if (!m_points.ReadPoint(r, x, y)) continue;
        const int px = m_image.XToScr(x), py = m_image.YToScr(y);
        if (std::abs(p.x - px) >= PickRadius || std::abs(p.y - py) >= PickRadius) continue;
        m_hitPoint = r;
        m_delCrossPopup->setEnabled(true);
        m_insCrossPopup->setEnabled(true);
        if (!m_dragging) {
            SetDragRect(px - PickRadius, py - PickRadius, px + PickRadius, py + PickRadius);
            Pick();
        }
        break;
    }
    if (m_hitPoint == 0 && m_showLabels)
        for (int i = 0; i < m_labels.Count(); ++i) {
            const QRect r = LabelRect(i, {m_image.XToScr(m_labels.X(i)), m_image.YToScr(m_labels.Y(i))});
            const int dx = p.x - r.left(), dy = p.y - r.top();
            if (dx < 0 || dy < 0 || dx >= r.width() || dy >= r.height()) continue;
            m_hitPoint = LabelHit;
            m_hitLabel = i;
            m_delLabelPopup->setEnabled(true);
            if (!m_dragging) {
                SetDragRect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height());
                Pick();
            }
            break;
        }
    if (m_hitPoint == 0 && m_dragging) Unpick(true);
}

void TGr::MoveLabel(int index, Real x, Real y) {
    // The list keeps its records as they were added: a moved label is the same label at a new anchor.
    TGList moved;
    for (int i = 0; i < m_labels.Count(); ++i)
        moved.AddLabel(i == index ? x : m_labels.X(i), i == index ? y : m_labels.Y(i), m_labels.Text(i),
                       m_labels.PointFlag(i));
    m_labels = moved;
}

// ---- Mouse ----

bool TGr::CoordStatusMouseMove(TPoint p, Qt::MouseButtons buttons) {
    if (buttons & Qt::RightButton) {
        HitTest(p);
        return false;
    }
    if (m_image.Coord() == CoordType::ctDec) {
        m_coordStatus->setText(
            Q("X=" + FloatStr(m_image.ScrToX(p.x)) + "  Y=" + FloatStr(m_image.ScrToY(p.y))));
    } else {
        constexpr Real DegreesPerRadian = 180 / 3.141592653589793238462643383279502884L;
        const Real r = m_image.ScrToR(p.x, p.y), f = m_image.ScrToF(p.x, p.y);
        m_coordStatus->setText(
            Q("R=" + FloatStr(r) + "  F=" + FloatStr(f) + " (" + FloatStr(f * DegreesPerRadian) + "°" + ")"));
    }
    if (m_mouseMode != LeftButtonHeld) {
        HitTest(p);
        MoveCross(p);
        return true;
    }
    if (m_dragging) {
        if (m_hitPoint == LabelHit) {
            Unpick(true);
            if (m_hitLabel >= 0 && m_hitLabel < m_labels.Count()) {
                const QRect r = LabelRect(m_hitLabel, p);
                SetDragRect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height());
            }
            Pick();
        } else {
            Unpick(true);
            SetDragRect(p.x - PickRadius, p.y - PickRadius, p.x + PickRadius, p.y + PickRadius);
            Pick();
            DrawPoints(false);
            m_points.SetXYPlain(m_hitPoint, m_image.ScrToX(p.x), m_image.ScrToY(p.y));
            DrawPoints(false);
            SyncGrid();
        }
        m_lastPos = {m_downPos.x + DragFarOff, m_downPos.y + DragFarOff};
    } else {
        if (m_rectShown) DrawFocusRect(m_downPos, m_lastPos);
        DrawFocusRect(m_downPos, p);
        m_rectShown = true;
        m_lastPos = p;
    }
    return true;
}

void TGr::IClick() {
    if (!m_recPopup->isChecked()) return;
    if (std::abs(m_downPos.x - m_lastPos.x) >= ClickSlack ||
        std::abs(m_downPos.y - m_lastPos.y) >= ClickSlack)
        return;
    const Real x = m_image.ScrToX(m_downPos.x), y = m_image.ScrToY(m_downPos.y);
    if (m_addPopup->isChecked())
        m_points.Add(x, y, m_image.MaxPoints);
    else
        m_points.Insert(x, y);
    SyncGrid();
    Redraw();
}

void TGr::RunMouseMove(TPoint p, Qt::MouseButtons buttons) {
    if (m_tool)
        m_tool->MouseMove(*this, p, buttons);
    else
        CoordStatusMouseMove(p, buttons);
}

void TGr::RunClick() {
    if (m_tool)
        m_tool->Click(*this);
    else
        IClick();
}

void TGr::RunCrossEraser() {
    if (m_tool)
        m_tool->EraseCross(*this);
    else
        EraseCross();
}

void TGr::SurfaceMouseDown(Qt::MouseButton button, QPoint p) {
    RunCrossEraser();
    if (button == Qt::LeftButton) {
        m_mouseMode = LeftButtonHeld;
        m_downPos = m_lastPos = {p.x(), p.y()};
    } else if (button == Qt::RightButton) {
        m_mouseMode = NoCross;
    }
}

void TGr::SurfaceMouseMove(QPoint p, Qt::MouseButtons buttons) {
    RunMouseMove({p.x(), p.y()}, buttons);
}

void TGr::SurfaceMouseUp(Qt::MouseButton button, QPoint p) {
    // A click counts when the button comes up over the surface, and before the release itself is handled.
    if (button == Qt::LeftButton && m_surface->rect().contains(p)) RunClick();

    if (m_dragging) {
        Unpick(true);
        if (m_hitPoint != LabelHit) {
            m_points.SetXY(m_hitPoint, m_image.ScrToX(p.x()), m_image.ScrToY(p.y()));
            SyncGrid();
        } else if (button == Qt::LeftButton && m_hitLabel >= 0 && m_hitLabel < m_labels.Count()) {
            MoveLabel(m_hitLabel, m_image.ScrToX(p.x()), m_image.ScrToY(p.y()));
        }
        Redraw();
    } else if (m_rectShown) {
        DrawFocusRect(m_downPos, m_lastPos);
        m_rectShown = false;
        const bool inside = p.x() < m_image.Width() && p.y() < m_image.Height();
        if (inside && m_mouseMode == LeftButtonHeld && std::abs(m_downPos.x - m_lastPos.x) >= MinZoomSide &&
            std::abs(m_downPos.y - m_lastPos.y) >= MinZoomSide) {
            const Real x1 = m_image.ScrToX(m_downPos.x), x2 = m_image.ScrToX(m_lastPos.x);
            const Real y1 = m_image.ScrToY(m_downPos.y), y2 = m_image.ScrToY(m_lastPos.y);
            SetMasshAndRedraw({std::min(x1, x2), std::max(x1, x2), std::min(y1, y2), std::max(y1, y2)});
        }
    }
    m_mouseMode = m_image.Coord() == CoordType::ctDec ? DecCross : PolarCross;

    if (button == Qt::RightButton) m_graphPopup->exec(m_surface->mapToGlobal(p));
}

void TGr::SurfaceWheel(QPoint p, int notches) {
    // Not while a rectangle is being dragged: it belongs to the old window.
    if (m_mouseMode == LeftButtonHeld) return;
    const Real k = std::pow(WheelShrink, static_cast<Real>(notches));
    SetMasshAndRedraw(ScaledAbout(m_image.Massh(), m_image.ScrToX(p.x()), m_image.ScrToY(p.y()), k));
    RunMouseMove({p.x(), p.y()}, Qt::NoButton);
}

void TGr::SurfaceResized() {
    const QSize size = m_surface->size().expandedTo(QSize(1, 1));
    if (m_bitmap.size() == size) return;
    m_bitmap = QImage(size, QImage::Format_RGB32);
    m_bitmap.fill(Qt::white);
    m_image.SetSize(size.width(), size.height());
    // The old marks were on the old bitmap.
    m_crossShown = false;
    m_rectShown = false;
    Unpick(false);
    RunCrossEraser();
    Redraw();
}

// ---- Keyboard, grid, window ----

void TGr::keyPressEvent(QKeyEvent* e) {
    TPoint p = m_crossPos;
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        // Both ends of the "gesture" at the cross, so that a keyboard click always counts as one.
        m_downPos = m_lastPos = m_crossPos;
        RunClick();
        return;
    case Qt::Key_Left: --p.x; break;
    case Qt::Key_Right: ++p.x; break;
    case Qt::Key_Up: --p.y; break;
    case Qt::Key_Down: ++p.y; break;
    case Qt::Key_Delete: DeletePointKey(); return;
    default: QWidget::keyPressEvent(e); return;
    }
    const int w = m_image.Width(), h = m_image.Height();
    if (p.x < 0) p.x = w;
    if (p.x > w) p.x = 0;
    if (p.y < 0) p.y = h;
    if (p.y > h) p.y = 0;
    m_crossPos = p;
    RunMouseMove(p, Qt::NoButton);
}

void TGr::DeletePointKey() {
    if (!m_points.DeleteCurrentOrLast()) return;
    SyncGrid();
    Redraw();
}

bool TGr::eventFilter(QObject* watched, QEvent* e) {
    if (watched == m_sg) {
        if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Delete) {
            DeletePointKey();
            return true;
        }
        return QWidget::eventFilter(watched, e);
    }
    if (e->type() == QEvent::MouseMove) RunCrossEraser();
    return QWidget::eventFilter(watched, e);
}

void TGr::PointsChanged() {
    SyncGrid();
}

void TGr::SyncGrid() {
    const QSignalBlocker block(m_sg);
    const int rows = m_points.RowCount() - 1;
    m_sg->setRowCount(rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < TPointList::ColCount; ++c) {
            QTableWidgetItem* item = m_sg->item(r, c);
            if (!item) {
                item = new QTableWidgetItem;
                m_sg->setItem(r, c, item);
            }
            item->setText(Q(m_points.Cell(c, r + 1)));
            Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
            // The user may correct a point, not its number nor the row kept for the next one.
            if (c != TPointList::NumberCol && m_points.IsPointRow(r + 1)) flags |= Qt::ItemIsEditable;
            item->setFlags(flags);
        }
    const int column = std::max(m_sg->currentColumn(), TPointList::XCol);
    m_sg->setCurrentCell(m_points.Row() - 1, column);
}

void TGr::GridCellEdited(int row, int col) {
    const QTableWidgetItem* item = m_sg->item(row, col);
    if (!item) return;
    m_points.SetCell(col, row + 1, S(item->text()));
    Redraw();
}

void TGr::closeEvent(QCloseEvent* e) {
    e->ignore();
    if (m_borrowLoop) {
        m_borrowLoop->quit();
        return;
    }
    // The graph window lives as long as the program: closing it only minimises it.
    RunCrossEraser();
    if (QMdiSubWindow* frame = MdiFrame())
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

bool TGr::event(QEvent* e) {
    if (e->type() == QEvent::ParentChange) WatchFrame();
    return QWidget::event(e);
}

void TGr::WatchFrame() {
    QMdiSubWindow* frame = MdiFrame();
    if (frame == m_watchedFrame) return;
    if (m_watchedFrame) m_watchedFrame->disconnect(this);
    m_watchedFrame = frame;
    if (!frame) return;
    connect(frame, &QMdiSubWindow::windowStateChanged, this,
            [this](Qt::WindowStates old, Qt::WindowStates now) {
                if ((old & Qt::WindowActive) && !(now & Qt::WindowActive)) FormDeactivate();
            });
}

void TGr::FormDeactivate() {
    // The loan itself takes the window out of its frame; a tool may want recording on.
    if (m_borrowing) return;
    if (m_recPopup->isChecked()) RecPopupClick(false);
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
    QPointer<QMdiSubWindow> frame = MdiFrame();
    if (frame)
        frame->showNormal();
    else if (isMinimized())
        showNormal();
    AnsLines(tool.OpeningLines());
    m_image.CanDraw = false;

    // The window leaves its frame for a window of its own at the same place on the screen.
    const QRect onScreen(mapToGlobal(QPoint(0, 0)), size());
    QWidget* const oldParent = parentWidget();
    const Qt::WindowFlags oldFlags = windowFlags();
    const QRect oldGeometry = frame ? frame->geometry() : geometry();
    if (frame) {
        frame->setWidget(nullptr);
        frame->hide();
    }
    setParent(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowModality(Qt::ApplicationModal);
    setGeometry(onScreen);
    setFixedSize(onScreen.size());
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
    m_crossShown = false; // the tool's cross goes with the repaint below
    m_okBtn->hide();
    tool.End(*this);
    hide();
    setWindowModality(Qt::NonModal);
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    if (frame) {
        setParent(frame, Qt::Widget);
        frame->setWidget(this);
        frame->setWindowTitle(windowTitle());
        frame->setGeometry(oldGeometry);
        frame->show();
        show();
    } else {
        setParent(oldParent, oldFlags);
        setGeometry(oldGeometry);
        show();
    }
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
