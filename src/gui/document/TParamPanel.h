#pragma once
// The parameter panel: the grid of p1..p9 with the Min, Max and h of the current row and the track bar that
// steps its value, as the object list window and the tools that show parameters use it. The panel edits the
// global ParamTable; what a new value means (recomputing objects, redrawing, a construction) is the owner's,
// told through ValueChanged.
#include <QWidget>

class QFrame;
class QLabel;
class QLineEdit;
class QSlider;
class QTimer;
class QToolButton;
class TParamGrid;
struct TParam;

class TParamPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int ObjListValueWidth = 90;
    static constexpr int TimerInterval = 200; // auto-repeat of a held step button, ms

    explicit TParamPanel(int valueColumnWidth = ObjListValueWidth, QWidget* parent = nullptr);

    // Column 1 from the table: the value of each parameter in use and nothing for the others; no edit is
    // pending afterwards; then the click handling. The owner marks the parameters in use first.
    void ShowValues();
    // The grid's click handling: commits a pending edit, then shows the stepping controls for the current
    // row's parameter when it is in use (else hides them and makes the grid read-only).
    void ParamSGClick();
    // Leaving the grid: the click handling, then the request for the fixed scale.
    void ParamSGExit();
    // The owner's window became active: no edit pending, then the click handling.
    void Activate();
    // Takes a bound edit that still has the focus, then gives the focus to the grid.
    void FocusGrid();
    // The object list window fixes the scale on track bar changes; the tools do not.
    void SetTrackFixesScale(bool on) { m_trackFixesScale = on; }

    TParamGrid* ParamSG() const { return m_grid; }
    QLineEdit* MinEdit() const { return m_minEdit; }
    QLineEdit* MaxEdit() const { return m_maxEdit; }
    QLineEdit* hEdit() const { return m_hEdit; }
    QSlider* ParamTrack() const { return m_track; }
    QToolButton* LSpeedButton() const { return m_lButton; }
    QToolButton* RSpeedButton() const { return m_rButton; }
    QFrame* BevelParam() const { return m_bevel; }
    QTimer* Timer() const { return m_timer; }
    int CurParam() const { return m_curParam; }
    int NumSteps() const { return m_numSteps; }
    int StepDir() const { return m_stepDir; }
    bool TrackActive() const { return m_trackActive; }

signals:
    // A parameter took a new value: recompute what follows it, redraw, describe it again.
    void ValueChanged();
    // The graph is to keep its scale from now on.
    void ScaleFixRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int CurrentRow() const;
    TParam& CurrentParam() const;
    // Steps 1 to 4 of committing row's value: read the cell (refusing a text that is no number), widen the
    // bounds, show them, set up the track bar. False when refused.
    bool CommitRow(int row);
    void ShowBounds(const TParam& p);
    void SetupTrack(const TParam& p);
    void SetSteppingVisible(bool visible);
    void SetTrackActive(bool active);
    void ValueFollowedBound(const TParam& p);

    void ParamSGEditStart(int row);
    void ParamSGKeyDown(int key);
    void MinEditExit();
    void MaxEditExit();
    void hEditExit();
    void BoundEditExit(QLineEdit* edit);
    void ParamTrackChange(int position);
    void SpeedButtonDown(int dir);
    void SpeedButtonUp();
    void StepTrack(int dir);
    void TimerTimer();

    TParamGrid* m_grid = nullptr;
    QLabel* m_minLabel = nullptr;
    QLabel* m_maxLabel = nullptr;
    QLabel* m_hLabel = nullptr;
    QLineEdit* m_minEdit = nullptr;
    QLineEdit* m_maxEdit = nullptr;
    QLineEdit* m_hEdit = nullptr;
    QSlider* m_track = nullptr;
    QToolButton* m_lButton = nullptr;
    QToolButton* m_rButton = nullptr;
    QFrame* m_bevel = nullptr;
    QTimer* m_timer = nullptr;

    int m_curParam = -1; // row whose cell is being edited
    QString m_editStartText;
    int m_editStartRow = -1;
    int m_numSteps = 0;
    int m_stepDir = 0;
    bool m_trackActive = false;
    bool m_trackFixesScale = true;
    bool m_committing = false; // a message box of a commit is open
    // Bound edits typed into since they were last shown or taken; leaving an untouched edit changes nothing.
    bool m_minDirty = false;
    bool m_maxDirty = false;
    bool m_hDirty = false;
};
