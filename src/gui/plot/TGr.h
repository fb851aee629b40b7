#pragma once
// The graph window: the plot surface with its bitmap, the mouse readout, zoom by a dragged rectangle, the
// point list recorded by clicks, the labels, and the modal loan of the window to tools that pick points.
#include "core/document/GraphPicture.h"
#include "core/plot/FocusFrame.h"
#include "core/plot/GraphPicker.h"
#include "core/plot/MouseCross.h"
#include "core/plot/TMasshImage.h"
#include "core/plot/TPointList.h"
#include "core/stats/TGList.h"
#include "gui/plot/TFrameWatch.h"
#include "gui/plot/TGraphTool.h"
#include "gui/plot/TPointGrid.h"

#include <QImage>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

class QAction;
class QEventLoop;
class QLabel;
class QMenu;
class QPushButton;
class QSplitter;
class TAns;
class TDLabelDlg;
class TFunc;
class TGrSurface;
class TGraphOps;
struct TDocument;

class TGr : public QWidget {
    Q_OBJECT
public:
    static constexpr int HelpContext = 12000;
    static constexpr int DefaultWidth = 350;
    static constexpr int DefaultHeight = 420;
    // HitPoint() when a label, not a point, is under the mouse.
    static constexpr int LabelHit = ::LabelHit;

    // MouseMode(): what the mouse is doing on the surface.
    static constexpr int NoCross = MouseNoCross;
    static constexpr int PolarCross = MousePolarCross;
    static constexpr int DecCross = MouseDecCross;
    static constexpr int LeftButtonHeld = MouseLeftButtonHeld;

    explicit TGr(TDocument& doc, QWidget* parent = nullptr);
    ~TGr() override;

    // The window's size when the frame first shows it.
    QSize sizeHint() const override { return QSize(DefaultWidth, DefaultHeight); }

    // ---- What the window shows ----

    // The plot surface: everything on the graph draws on I().Canvas(), which shows on the screen at once.
    TMasshImage& I() { return m_image; }
    const TMasshImage& I() const { return m_image; }
    TGrSurface* Surface() const { return m_surface; }
    QImage Bitmap() const;
    // The graph's size in its own pixels.
    QSize GraphSize() const;
    // The picture the window shows, drawn anew on another canvas at width x height pixels (the saved
    // pictures and the printout): the redraw's own render path, without the transient marks. With equal
    // scale on, the window is widened for that size as it would be on the screen.
    void DrawPicture(TCanvas& canvas, int width, int height);

    // The point list. After changing it from outside, PointsChanged shows it in the grid.
    TPointList& Points() { return m_points; }
    void PointsChanged();
    TGList& Labels() { return m_labels; }
    bool HasLabels() const { return !m_labels.Empty(); }
    // "Відображати мітки": labels are drawn and picked only while it is on. On at start.
    bool ShowLabels() const { return m_showLabels; }
    void SetShowLabels(bool show) { m_showLabels = show; }

    // Where the tools write their results; may stay unset.
    void SetAns(TAns* ans) { m_ans = ans; }
    TAns* Ans() const { return m_ans; }
    // Shades the pending G(x,y) system again in every redraw, with the relation last shaded ('<' or '>').
    void SetShadeHook(std::function<void(char relation)> hook) { m_shadeHook = std::move(hook); }

    // ---- Commands ----

    void GrBldClick();
    void ClrClick();
    void OldMasshClick();
    void BegMasshClick();
    // "Рівний масштаб": a unit as long on both axes from now on (see TMasshImage::SetEqualScale), redrawn.
    void SetEqualScale(bool on);
    void MasshViewClick();
    bool MasshVisible() const;
    // The readout and cross at the cross position, and the keyboard to the surface.
    void CoordFromKeyboard();
    // The full redraw: coordinate system, objects, pending shading, points, labels.
    void Redraw() { m_image.MasshUpdate(); }
    // A redraw that leaves MouseMode as it was (a tool's click comes before the button's release).
    void RedrawKeepingMouseMode();

    // The point list's popup (also in the main window's menu) and the surface's popup.
    QAction* RecPopup() const { return m_sg->RecPopup(); }
    QAction* ShowNPopup() const { return m_sg->ShowNPopup(); }
    QAction* DelPopup() const { return m_sg->DelPopup(); }
    QAction* ClrPopup() const { return m_sg->ClrPopup(); }
    QAction* AddPopup() const { return m_sg->AddPopup(); }
    QAction* InsPopup() const { return m_sg->InsPopup(); }
    QAction* HidePopup() const { return m_sg->HidePopup(); }
    QMenu* SGPopup() const { return m_sg->Popup(); }
    QMenu* GraphPopup() const { return m_graphPopup; }
    // "Параметри вікна "Графік"...": the graph options dialog on its "Графік" page; disabled until the
    // dialog is given.
    QAction* MasshPopup() const { return m_masshPopup; }
    void SetGraphOps(TGraphOps* graphOps);
    // "Показувати масштаб": the two scale lines.
    void SetMasshVisible(bool visible);
    // The point list's height, kept while the list is hidden; it shows again at that height.
    int PointListHeight() const;
    void SetPointListHeight(int height);
    void HidePointList();
    TDLabelDlg* DLabelDlg() const { return m_labelDlg; }
    // Shown only while the window is borrowed.
    QPushButton* OKBtn() const { return m_okBtn; }

    // ---- Lending the window to a tool ----
    //
    // A tool that needs the user to pick points on the graph borrows the window (see TGraphTool): the window
    // leaves its frame for a bordered modal window at the same place with an O&K button, the tool's handlers
    // take the surface's mouse moves and clicks and the erasing of the cross, and the window goes back into
    // its frame when the user presses O&K or closes it. The handlers build on the window's own below and may
    // read the state of the mouse (MouseMode, DownPos, RectShown). Dialogs that stay open while the window is
    // borrowed read the readout with CoordStatusText.

    // Returns when the window is back in its place; a loan asked for while one runs is ignored.
    void Borrow(TGraphTool& tool);
    bool Borrowed() const { return m_tool != nullptr; }
    // "Відстань до точки" and "Значення виразу G(x,y)": borrow the window with their tools.
    void StartDistanceTool();
    void StartValueTool(const TFunc& g, const std::string& formulaText);

    // The readout of the mouse position ("X=… Y=…", or "R=… F=… (…°)" in polar mode), the cross, and picking
    // and dragging points and labels. With the right button held it only picks, and returns false: the
    // readout stays as it was.
    bool CoordStatusMouseMove(TPoint p, Qt::MouseButtons buttons);
    // The readout as it stands, with whatever the tool appended to it.
    std::string CoordStatusText() const;
    void AppendCoordStatus(const std::string& text);
    // Records a point at DownPos when "Запис" is on and the press and release were a click.
    void IClick();
    // Takes the cross away and empties the readout.
    void EraseCross();
    // The XOR point markers: drawn twice they are gone (their numbers are not). A number is shown only when
    // withNumber is set and "Показувати номери" is on.
    void DrawPointMark(int x, int y, bool withNumber, int number);
    void DrawPoints(bool withNumbers);

    // ---- State of the mouse on the surface ----

    int MouseMode() const { return m_mouseMode; }
    TPoint CrossPos() const { return m_crossPos; }
    bool CrossShown() const { return m_cross.Shown(); }
    bool RectShown() const { return m_zoomFrame.Shown(); }
    TPoint DownPos() const { return m_downPos; }
    TPoint LastPos() const { return m_lastPos; }
    int HitPoint() const { return m_picker.Hit().Point; }
    int HitLabel() const { return m_picker.Hit().Label; }

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
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void CreateComponents();
    void CreateMenus();

    void IMasshUpdate();
    // What the redraw draws besides the coordinate system; the side panels only for the screen.
    TGraphPictureOptions PictureOptions(bool screen);
    void MoveCross(TPoint p);
    void HitTest(TPoint p);
    void Unpick(bool erase);
    void UpdateCursor();
    void SetMasshAndRedraw(const TMassh& m);

    // The surface's events.
    void SurfaceMouseDown(Qt::MouseButton button, QPoint p);
    void SurfaceMouseMove(QPoint p, Qt::MouseButtons buttons);
    void SurfaceMouseUp(Qt::MouseButton button, QPoint p);
    void SurfaceWheel(QPoint p, int notches);
    // Moving the graph with the mouse and zooming with a pinch show each new window at once; the window
    // before the gesture becomes the one "Попередній масштаб" returns to.
    void SurfacePanStarted(QPoint p);
    void SurfacePanMoved(QPoint p);
    void SurfacePanEnded(QPoint p);
    void SurfacePinched(QPoint p, qreal factor);
    void BeginLiveMassh();
    void ShowLiveMassh(const TMassh& m);
    void EndLiveMassh();
    void SurfaceResized();
    // The current tool's handlers, or the window's own.
    TGraphTool& Handlers() { return m_tool ? *m_tool : m_ownHandlers; }

    bool IsMinimisedNow() const;
    // Switching to another window of the frame ends recording.
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
    TPointGrid* m_sg = nullptr;
    QPushButton* m_okBtn = nullptr;
    TDLabelDlg* m_labelDlg = nullptr;
    TGraphOps* m_graphOps = nullptr;
    int m_pointListHeight = 0;

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

    // State of the mouse on the surface.
    int m_mouseMode = DecCross;
    TPoint m_downPos;
    TPoint m_lastPos;
    TFocusFrame m_zoomFrame; // the zoom rectangle spanned by m_downPos and m_lastPos
    TGraphPicker m_picker;   // the point or label under the mouse, picked up to be dragged
    TPoint m_crossPos;       // where keyboard moves start and "Ввести мітку" puts a label
    TMouseCross m_cross;
    bool m_graphBuilt = false;
    bool m_redrawDropped = false; // a redraw came while minimised: repaint when shown again
    bool m_live = false;          // a gesture is changing the window
    TMassh m_liveStart;           // the window before it
    TPoint m_panFrom;             // where the graph was taken by the mouse

    TFrameWatch m_frameWatch; // switching to another window of the frame ends recording

    // While borrowed; m_borrowing from the first step of the loan to the last.
    bool m_borrowing = false;
    TGraphTool* m_tool = nullptr;
    TGraphTool m_ownHandlers; // the defaults are the window's own handlers
    QEventLoop* m_borrowLoop = nullptr;
};
