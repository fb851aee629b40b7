#pragma once
// The graph window: the plot surface with its bitmap, the mouse readout, zoom by a dragged rectangle, the
// point list recorded by clicks, the labels, and the modal loan of the window to tools that pick points.
#include "core/plot/TMasshImage.h"
#include "core/plot/TPointList.h"
#include "core/stats/TGList.h"
#include "gui/plot/QImageCanvas.h"
#include "gui/plot/TUpdatingCanvas.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <string>

class QAction;
class QActionGroup;
class QEventLoop;
class QLabel;
class QMdiSubWindow;
class QMenu;
class QPushButton;
class QSplitter;
class QTableWidget;
class TAns;
class TDLabelDlg;
class TFunc;
class TGraphTool;
class TGrSurface;
struct TDocument;

class TGr : public QWidget {
    Q_OBJECT
public:
    static constexpr int HelpContext = 12000;
    static constexpr int DefaultWidth = 350;
    static constexpr int DefaultHeight = 420;
    // HitPoint when a label, not a point, is under the mouse.
    static constexpr int LabelHit = 7777;

    // MouseMode: what the mouse is doing on the surface.
    static constexpr int NoCross = 0;        // after a right-button press
    static constexpr int PolarCross = 1;     // cross with a line to the origin
    static constexpr int DecCross = 2;       // cross with lines to both axes
    static constexpr int LeftButtonHeld = 3; // zoom rectangle or dragging

    explicit TGr(TDocument& doc, QWidget* parent = nullptr);
    ~TGr() override;

    // The window's size when the frame first shows it.
    QSize sizeHint() const override { return QSize(DefaultWidth, DefaultHeight); }

    TMasshImage& I() { return m_image; }
    const TMasshImage& I() const { return m_image; }
    TGrSurface* Surface() const { return m_surface; }
    QImage Bitmap() const { return m_bitmap; }

    // After changing the points from outside, PointsChanged shows them in the grid.
    TPointList& Points() { return m_points; }
    void PointsChanged();
    TGList& Labels() { return m_labels; }
    bool HasLabels() const { return !m_labels.Empty(); }
    // "Відображати мітки": labels are drawn and picked only while it is on.
    bool ShowLabels() const { return m_showLabels; }
    void SetShowLabels(bool show) { m_showLabels = show; }

    // Where the tools write their results; may stay unset.
    void SetAns(TAns* ans) { m_ans = ans; }
    TAns* Ans() const { return m_ans; }
    // Shades the pending G(x,y) system again in every redraw, with the relation last shaded ('<' or '>').
    void SetShadeHook(std::function<void(char relation)> hook) { m_shadeHook = std::move(hook); }

    // The commands of the menus.
    void GrBldClick();
    void ClrClick();
    void OldMasshClick();
    void BegMasshClick();
    void MasshViewClick();
    bool MasshVisible() const;
    // The readout and cross at the cross position, and the keyboard to the surface.
    void CoordFromKeyboard();
    void Redraw() { m_image.MasshUpdate(); }
    // A redraw that leaves MouseMode as it was (a tool's click comes before the button's release).
    void RedrawKeepingMouseMode();

    QAction* RecPopup() const { return m_recPopup; }
    QAction* ShowNPopup() const { return m_showNPopup; }
    QAction* DelPopup() const { return m_delPopup; }
    QAction* ClrPopup() const { return m_clrPopup; }
    QAction* AddPopup() const { return m_addPopup; }
    QAction* InsPopup() const { return m_insPopup; }
    QAction* HidePopup() const { return m_hidePopup; }
    // "Параметри вікна "Графік"...": disabled until the options dialog exists.
    QAction* MasshPopup() const { return m_masshPopup; }
    QMenu* GraphPopup() const { return m_graphPopup; }
    QMenu* SGPopup() const { return m_sgPopup; }
    TDLabelDlg* DLabelDlg() const { return m_labelDlg; }
    QPushButton* OKBtn() const { return m_okBtn; }

    // The window as a modal window of its own while the tool takes the mouse; back into its place when the
    // user presses O&K or closes it. Returns then.
    void Borrow(TGraphTool& tool);
    bool Borrowed() const { return m_tool != nullptr; }
    // "Відстань до точки" and "Значення виразу G(x,y)": borrow the window with their tools.
    void StartDistanceTool();
    void StartValueTool(const TFunc& g, const std::string& formulaText);

    // The window's own handlers, which the tools fall back on. The mouse move returns whether it wrote the
    // readout (not while the right button is held).
    bool CoordStatusMouseMove(TPoint p, Qt::MouseButtons buttons);
    void IClick();
    void EraseCross();
    // Point markers are XOR marks: drawn twice they are gone. Their numbers are not.
    void DrawPointMark(int x, int y, bool withNumber, int number);
    void DrawPoints(bool withNumbers);

    std::string CoordStatusText() const;
    void AppendCoordStatus(const std::string& text);
    int MouseMode() const { return m_mouseMode; }
    TPoint CrossPos() const { return m_crossPos; }
    bool CrossShown() const { return m_crossShown; }
    bool RectShown() const { return m_rectShown; }
    TPoint DownPos() const { return m_downPos; }
    TPoint LastPos() const { return m_lastPos; }
    int HitPoint() const { return m_hitPoint; }
    int HitLabel() const { return m_hitLabel; }

    // Set when the user resized the window; the main window's arrangement reads and clears it.
    bool WasResized = false;

signals:
    void Resized();
    // After every change of the world window made here.
    void MasshChanged();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // The mouse cross as drawn, so that it is erased exactly even when the window changed meanwhile.
    struct TCrossFigure {
        TPoint Pos;
        int Mode = DecCross;
        TPoint Axes; // (XToScr(0), YToScr(0)) when drawn
    };

    void CreateComponents();
    void CreateMenus();
    QAction* AddAction(QMenu* menu, const char* name, const QString& caption);

    void IMasshUpdate();
    void DrawCross(const TCrossFigure& figure);
    void MoveCross(TPoint p);
    void DrawFocusRect(const TPoint& a, const TPoint& b);
    void SetDragRect(int l, int t, int r, int b);
    void HitTest(TPoint p);
    void Pick();
    void Unpick(bool erase);
    QRect LabelRect(int index, TPoint at);
    void MoveLabel(int index, Real x, Real y);
    void SetMasshAndRedraw(const TMassh& m);

    // The surface's events, and the handlers the current tool may replace.
    void SurfaceMouseDown(Qt::MouseButton button, QPoint p);
    void SurfaceMouseMove(QPoint p, Qt::MouseButtons buttons);
    void SurfaceMouseUp(Qt::MouseButton button, QPoint p);
    void SurfaceWheel(QPoint p, int notches);
    void SurfaceResized();
    void RunMouseMove(TPoint p, Qt::MouseButtons buttons);
    void RunClick();
    void RunCrossEraser();

    void DeletePointKey();
    void SyncGrid();
    void GridCellEdited(int row, int col);
    bool IsMinimisedNow() const;
    QMdiSubWindow* MdiFrame() const;
    // Switching to another window of the frame ends recording.
    void WatchFrame();
    void FormDeactivate();
    void PlaceOKBtn();
    void AnsLines(const std::vector<std::string>& lines);

    void N1Click();
    void DelLabelPopupClick();
    void DelCrossPopupClick();
    void InsCrossPopupClick();
    void AddCrossPopupClick();
    void RecPopupClick(bool checked);

    TDocument& m_doc;
    TMasshImage m_image;
    QImage m_bitmap;
    TQImageCanvas m_bitmapCanvas;
    TUpdatingCanvas m_canvas;
    TPointList m_points;
    TGList m_labels;
    bool m_showLabels = true; // "Відображати мітки" is on at start
    TAns* m_ans = nullptr;
    std::function<void(char)> m_shadeHook;

    // Components.
    QLabel* m_coordStatus = nullptr;
    QLabel* m_masshTopStatus = nullptr;
    QLabel* m_masshBotStatus = nullptr;
    QWidget* m_panelL = nullptr;
    QWidget* m_panelR = nullptr;
    TGrSurface* m_surface = nullptr;
    QSplitter* m_splitter = nullptr;
    QTableWidget* m_sg = nullptr;
    QPushButton* m_okBtn = nullptr;
    TDLabelDlg* m_labelDlg = nullptr;

    QMenu* m_graphPopup = nullptr;
    QAction* m_grBld = nullptr;
    QAction* m_clr = nullptr;
    QAction* m_oldMassh = nullptr;
    QAction* m_begMassh = nullptr;
    QAction* m_masshView = nullptr;
    QAction* m_n1 = nullptr;
    QAction* m_delLabelPopup = nullptr;
    QAction* m_delCrossPopup = nullptr;
    QAction* m_insCrossPopup = nullptr;
    QAction* m_addCrossPopup = nullptr;
    QAction* m_masshPopup = nullptr;

    QMenu* m_sgPopup = nullptr;
    QAction* m_recPopup = nullptr;
    QAction* m_showNPopup = nullptr;
    QAction* m_delPopup = nullptr;
    QAction* m_clrPopup = nullptr;
    QAction* m_addPopup = nullptr;
    QAction* m_insPopup = nullptr;
    QAction* m_hidePopup = nullptr;
    QActionGroup* m_modeGroup = nullptr;

    // State of the mouse on the surface.
    int m_mouseMode = DecCross;
    bool m_rectShown = false;
    TPoint m_downPos;
    TPoint m_lastPos;
    QRect m_dragRect;
    bool m_dragging = false;
    bool m_crossShown = false;
    TPoint m_crossPos;
    TCrossFigure m_cross;
    bool m_graphBuilt = false;
    int m_hitPoint = 0;
    int m_hitLabel = -1;
    bool m_redrawDropped = false; // a redraw came while minimised: repaint when shown again

    QPointer<QObject>
        m_watchedFrame; // the frame whose activation ends recording (QObject: it may be mid-destruction)

    // While borrowed; m_borrowing from the first step of the loan to the last.
    bool m_borrowing = false;
    TGraphTool* m_tool = nullptr;
    QEventLoop* m_borrowLoop = nullptr;
};
