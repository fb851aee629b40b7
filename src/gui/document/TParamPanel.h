#pragma once
// The parameter area: the grid of p1..p9 (one value column), the Min, Max and h of the current row, and the
// track bar with "<" and ">" that steps its value, framed while the track bar has the focus. The area edits
// the global ParamTable; the object list window and the tools that show the parameters each own one and
// differ only in the options below. The rules that compute (commit, bounds, steps, track position) are the
// core's (ParamStepping). "▶" beside the track bar plays the current parameter: it steps to and fro between
// Min and Max at the speed chosen beside it, as the track bar would, until pressed again.
#include "core/document/ParamStepping.h"

#include <QWidget>

#include <functional>

class QFrame;
class QLabel;
class QLineEdit;
class QSlider;
class QSpinBox;
class QTimer;
class QToolButton;
class TParamGrid;

// How an owner's parameter area behaves. The owners set them so:
// - the object list window: value column 90; the objects mark; Keep; ValueChanged recalculates the objects,
//   redraws and describes the current object again; FixScale fixes the graph's scale, track steps too;
// - the derivative tool: 70; the objects and its X and dX formulas mark; Reset; ValueChanged runs the
//   construction; FixScale fixes the graph's scale, track steps do not;
// - the integral dialog: 70; the objects and its A, B and count formulas mark; Keep; ValueChanged computes
//   the mode again; no FixScale.
struct TParamPanelOptions {
    static constexpr int ObjListValueWidth = 90;
    static constexpr int ToolValueWidth = 70;

    // Width of the grid's value column.
    int ValueColumnWidth = ObjListValueWidth;
    // Marks every parameter that the owner's formulas use (the Used flags are cleared before). Run by
    // Refresh; without it Refresh shows the marks as they are.
    std::function<void()> MarkParams;
    // What Refresh does to the parameters no formula uses.
    TUnusedParams Unused = TUnusedParams::Keep;
    // Runs after a parameter took a new value: a typed value committed (by Enter, Up, Down, choosing another
    // row or leaving the grid), a track bar step, a bound edit that moved the value into the new range.
    std::function<void()> ValueChanged;
    // Switches the graph to the fixed scale. Called on leaving the grid, on Enter, Up or Down in it and when
    // a bound edit moved the value; empty: the scale is never touched.
    std::function<void()> FixScale;
    // Whether track bar steps (also by "<", ">" and their auto-repeat) call FixScale too.
    bool TrackFixesScale = true;
};

class TParamPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int TimerInterval = 200; // auto-repeat of a held step button, ms

    explicit TParamPanel(TParamPanelOptions options, QWidget* parent = nullptr);
    ~TParamPanel() override;

    // The marks anew (options' MarkParams), the parameters not in use as the options say, then ShowValues.
    void Refresh();
    // Column 1 from the table: the value of each parameter in use and nothing for the others; no edit is
    // pending afterwards; then the click handling. The Used marks are taken as they are.
    void ShowValues();
    // The grid's click handling: commits a pending edit, then shows the stepping controls for the current
    // row's parameter when it is in use (else hides them and makes the grid read-only).
    void ParamSGClick();
    // Leaving the grid: the click handling, then FixScale.
    void ParamSGExit();
    // The owner's window became active: no edit pending, then the click handling.
    void Activate();
    // Takes a bound edit that still has the focus, then gives the focus to the grid.
    void FocusGrid();
    // Takes what was typed and not yet taken, as the owner's window hides: the bound edits, then a pending
    // cell edit (which runs ValueChanged). The focus stays where it is.
    void CommitPending();

    const TParamPanelOptions& Options() const { return m_options; }

    TParamGrid* ParamSG() const { return m_grid; }
    QLineEdit* MinEdit() const { return m_minEdit; }
    QLineEdit* MaxEdit() const { return m_maxEdit; }
    QLineEdit* hEdit() const { return m_hEdit; }
    QSlider* ParamTrack() const { return m_track; }
    QToolButton* LSpeedButton() const { return m_lButton; }
    QToolButton* RSpeedButton() const { return m_rButton; }
    QToolButton* PlayButton() const { return m_playButton; }
    QSpinBox* PlaySpeedEdit() const { return m_playSpeed; }
    QTimer* PlayTimer() const { return m_playTimer; }
    bool Playing() const;
    // Starts or stops playing the current parameter (as "▶" does).
    void SetPlaying(bool on);
    QFrame* BevelParam() const { return m_bevel; }
    QTimer* Timer() const { return m_timer; }
    int CurParam() const { return m_curParam; }
    int NumSteps() const { return m_numSteps; }
    int StepDir() const { return m_stepDir; }
    bool TrackActive() const { return m_trackActive; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

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
    void NotifyValueChanged();
    void NotifyFixScale();

    void ParamSGEditStart(int row);
    void ParamSGKeyDown(int key);
    void MinEditExit();
    void MaxEditExit();
    void hEditExit();
    void BoundEditExit(QLineEdit* edit);
    void ParamTrackChange(int position);
    // The value at the track position goes to the current parameter and the owner reacts.
    void TakeTrackPosition(int position);
    void PlayTimerTimer();
    void SpeedButtonDown(int dir);
    void SpeedButtonUp();
    void StepTrack(int dir);
    void TimerTimer();

    TParamPanelOptions m_options;
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
    QToolButton* m_playButton = nullptr;
    QSpinBox* m_playSpeed = nullptr;
    QLabel* m_playSpeedLabel = nullptr;
    QTimer* m_playTimer = nullptr;

    int m_curParam = -1; // row whose cell is being edited
    QString m_editStartText;
    int m_editStartRow = -1;
    int m_numSteps = 0;
    int m_stepDir = 0;
    int m_playDir = 1;
    int m_playRow = -1; // the row being played
    bool m_trackActive = false;
    bool m_committing = false; // a message box of a commit is open
    // Bound edits typed into since they were last shown or taken; leaving an untouched edit changes nothing.
    bool m_minDirty = false;
    bool m_maxDirty = false;
    bool m_hDirty = false;
};
