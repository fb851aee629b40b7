#include "gui/document/TParamPanel.h"

#include "core/base/NumberText.h"
#include "core/document/ParamPlay.h"
#include "core/document/ParamStepping.h"
#include "core/formula/ParamTable.h"
#include "gui/app/MessageDlg.h"
#include "gui/document/TParamGrid.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <utility>

namespace {
constexpr int StepButtonWidth = 17;
const char* const PlayText = "▶";
const char* const StopText = "■";
constexpr int BevelMargin = 2;

QString Plain(Real v) {
    return Q(PlainNumberText(v));
}

// Focus that leaves for a message box, a menu or another application is not the user leaving the control.
bool LeavesForGood(const QFocusEvent* e) {
    return e->reason() != Qt::ActiveWindowFocusReason && e->reason() != Qt::PopupFocusReason;
}

// The focus went on to another control of the same window (not to nowhere, as when a window closes).
bool LeftForControlOf(const QWidget* w, const QEvent* e) {
    if (e->type() != QEvent::FocusOut || !LeavesForGood(static_cast<const QFocusEvent*>(e))) return false;
    const QWidget* now = QApplication::focusWidget();
    return now && now->window() == w->window();
}

bool IsEnter(const QEvent* e) {
    if (e->type() != QEvent::KeyPress) return false;
    const int key = static_cast<const QKeyEvent*>(e)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}
} // namespace

TParamPanel::TParamPanel(TParamPanelOptions options, QWidget* parent)
    : QWidget(parent), m_options(std::move(options)) {
    setObjectName("ParamPanel");

    m_grid = new TParamGrid(m_options.ValueColumnWidth, this);
    m_grid->OnEditStart = [this](int row) { ParamSGEditStart(row); };
    m_grid->OnKeyDown = [this](int key) { ParamSGKeyDown(key); };
    connect(m_grid, &QTableWidget::currentCellChanged, this, [this] { ParamSGClick(); });
    connect(m_grid, &QTableWidget::cellClicked, this, [this] { ParamSGClick(); });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        // Focus moving on inside the same window; a modal box or another application is no leaving.
        if (now && now->window() == window() && m_grid->Owns(old) && !m_grid->Owns(now)) ParamSGExit();
    });

    auto makeEdit = [this](const char* label, const char* name, QLabel*& l, QLineEdit*& e, bool& dirty) {
        l = new QLabel(label, this);
        l->setObjectName(QString(name).replace("Edit", "Label"));
        e = new QLineEdit(this);
        e->setObjectName(name);
        l->setBuddy(e);
        e->installEventFilter(this);
        connect(e, &QLineEdit::textEdited, this, [&dirty] { dirty = true; });
    };
    makeEdit("Min=", "MinEdit", m_minLabel, m_minEdit, m_minDirty);
    makeEdit("Max=", "MaxEdit", m_maxLabel, m_maxEdit, m_maxDirty);
    makeEdit("h=", "hEdit", m_hLabel, m_hEdit, m_hDirty);

    auto* bounds = new QGridLayout;
    bounds->setContentsMargins(0, 0, 0, 0);
    bounds->addWidget(m_minLabel, 0, 0);
    bounds->addWidget(m_minEdit, 0, 1);
    bounds->addWidget(m_maxLabel, 1, 0);
    bounds->addWidget(m_maxEdit, 1, 1);
    bounds->addWidget(m_hLabel, 2, 0);
    bounds->addWidget(m_hEdit, 2, 1);

    m_bevel = new QFrame(this);
    m_bevel->setObjectName("BevelParam");
    m_bevel->setFrameShape(QFrame::Box);
    m_bevel->setFrameShadow(QFrame::Sunken);
    m_bevel->hide();

    auto makeButton = [this](const char* caption, const char* name) {
        auto* b = new QToolButton(this);
        b->setObjectName(name);
        b->setText(caption);
        b->setFocusPolicy(Qt::NoFocus); // a speed button: the focus stays where the user left it
        b->setFixedWidth(StepButtonWidth);
        return b;
    };
    m_lButton = makeButton("<", "LSpeedButton");
    m_rButton = makeButton(">", "RSpeedButton");
    connect(m_lButton, &QToolButton::pressed, this, [this] { SpeedButtonDown(-1); });
    connect(m_rButton, &QToolButton::pressed, this, [this] { SpeedButtonDown(1); });
    connect(m_lButton, &QToolButton::released, this, [this] { SpeedButtonUp(); });
    connect(m_rButton, &QToolButton::released, this, [this] { SpeedButtonUp(); });
    connect(m_lButton, &QToolButton::clicked, this, [this] { StepTrack(-1); });
    connect(m_rButton, &QToolButton::clicked, this, [this] { StepTrack(1); });

    m_track = new QSlider(Qt::Horizontal, this);
    m_track->setObjectName("ParamTrack");
    m_track->setFocusPolicy(Qt::StrongFocus);
    m_track->setTickPosition(QSlider::TicksBelow);
    m_track->setRange(0, 0);
    m_track->installEventFilter(this);
    connect(m_track, &QSlider::valueChanged, this, [this](int position) { ParamTrackChange(position); });

    m_playButton = makeButton(PlayText, "PlayButton");
    m_playButton->setToolTip("Програвати параметр від Min до Max і назад");
    m_playButton->setCheckable(true);
    connect(m_playButton, &QToolButton::clicked, this, [this](bool on) { SetPlaying(on); });
    m_playSpeedLabel = new QLabel("Кроків/с:", this);
    m_playSpeedLabel->setObjectName("PlaySpeedLabel");
    m_playSpeed = new QSpinBox(this);
    m_playSpeed->setObjectName("PlaySpeedEdit");
    m_playSpeed->setToolTip("Швидкість програвання, кроків за секунду");
    m_playSpeed->setRange(MinPlaySpeed, MaxPlaySpeed);
    m_playSpeed->setValue(DefaultPlaySpeed);
    m_playSpeedLabel->setBuddy(m_playSpeed);
    m_playTimer = new QTimer(this);
    m_playTimer->setObjectName("PlayTimer");
    m_playTimer->setInterval(PlayInterval(DefaultPlaySpeed));
    connect(m_playTimer, &QTimer::timeout, this, [this] { PlayTimerTimer(); });
    connect(m_playSpeed, &QSpinBox::valueChanged, this,
            [this](int speed) { m_playTimer->setInterval(PlayInterval(speed)); });

    m_timer = new QTimer(this);
    m_timer->setObjectName("Timer");
    m_timer->setInterval(TimerInterval);
    connect(m_timer, &QTimer::timeout, this, [this] { TimerTimer(); });

    // The bevel lies under the buttons and the track bar, framing them while stepping.
    auto* stepping = new QGridLayout;
    stepping->setContentsMargins(0, 0, 0, 0);
    stepping->addWidget(m_bevel, 0, 0, 1, 3);
    auto* row = new QHBoxLayout;
    row->setContentsMargins(BevelMargin, BevelMargin, BevelMargin, BevelMargin);
    row->setSpacing(0);
    row->addWidget(m_lButton);
    row->addWidget(m_track, 1);
    row->addWidget(m_rButton);
    row->addWidget(m_playButton);
    stepping->addLayout(row, 0, 0, 1, 3);
    auto* speed = new QHBoxLayout;
    speed->setContentsMargins(BevelMargin, 0, BevelMargin, 0);
    speed->addWidget(m_playSpeedLabel);
    speed->addWidget(m_playSpeed, 1);
    stepping->addLayout(speed, 1, 0, 1, 3);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_grid);
    layout->addLayout(bounds);
    layout->addLayout(stepping);
    layout->addStretch(1);
    setFixedWidth(m_grid->width());

    SetSteppingVisible(false);
    m_grid->SetReadOnly(true);
}

int TParamPanel::CurrentRow() const {
    const int row = m_grid->currentRow();
    return row < 0 ? 0 : row;
}

TParam& TParamPanel::CurrentParam() const {
    return ParamTable()[CurrentRow() + 1];
}

void TParamPanel::Refresh() {
    if (m_options.MarkParams) {
        ParamTable().ClearUsed();
        m_options.MarkParams();
    }
    RefreshUnusedParams(ParamTable(), m_options.Unused);
    ShowValues();
}

void TParamPanel::ShowValues() {
    m_curParam = -1;
    for (int r = 0; r < TParamGrid::ParamCount; ++r) {
        const TParam& p = ParamTable()[r + 1];
        m_grid->SetCellText(r, p.Used ? Plain(p.Value) : QString());
    }
    ParamSGClick();
}

bool TParamPanel::CommitRow(int row) {
    Real value = 0;
    if (!ReadNumber(S(m_grid->CellText(row)), value)) {
        m_committing = true;
        ShowErrorMessage(msg::ParamNumberError, this);
        m_committing = false;
        // The text the edit started from; a row not being edited gets its stored value back.
        m_grid->SetCellText(row,
                            row == m_editStartRow ? m_editStartText : Plain(ParamTable()[row + 1].Value));
        return false;
    }
    TParam& p = ParamTable()[row + 1];
    CommitParamValue(p, value);
    ShowBounds(p);
    SetupTrack(p);
    return true;
}

void TParamPanel::ShowBounds(const TParam& p) {
    m_minEdit->setText(Plain(p.Min));
    m_maxEdit->setText(Plain(p.Max));
    m_hEdit->setText(Plain(p.h));
    m_minDirty = m_maxDirty = m_hDirty = false;
}

void TParamPanel::SetupTrack(const TParam& p) {
    // Setting the range and position is no step of the user's.
    const QSignalBlocker block(m_track);
    m_numSteps = ParamNumSteps(p);
    m_track->setRange(0, m_numSteps);
    m_track->setTickInterval(1);
    m_track->setSingleStep(1);
    m_track->setValue(ParamTrackPosition(p, m_numSteps));
}

void TParamPanel::SetSteppingVisible(bool visible) {
    if (!visible) {
        m_minDirty = m_maxDirty = m_hDirty = false; // nothing of a hidden edit is taken later
        SetPlaying(false);
    }
    for (QWidget* w :
         {static_cast<QWidget*>(m_minLabel), static_cast<QWidget*>(m_maxLabel),
          static_cast<QWidget*>(m_hLabel), static_cast<QWidget*>(m_minEdit), static_cast<QWidget*>(m_maxEdit),
          static_cast<QWidget*>(m_hEdit), static_cast<QWidget*>(m_track), static_cast<QWidget*>(m_lButton),
          static_cast<QWidget*>(m_rButton), static_cast<QWidget*>(m_playButton),
          static_cast<QWidget*>(m_playSpeedLabel), static_cast<QWidget*>(m_playSpeed)})
        w->setVisible(visible);
    m_bevel->setVisible(visible && m_trackActive);
}

void TParamPanel::SetTrackActive(bool active) {
    m_trackActive = active;
    m_bevel->setVisible(active && !m_track->isHidden());
}

void TParamPanel::ParamSGClick() {
    if (m_committing) return;
    if (m_curParam != -1) {
        const int row = std::exchange(m_curParam, -1);
        if (CommitRow(row)) NotifyValueChanged();
    }
    const bool used = CurrentParam().Used;
    if (CurrentRow() != m_playRow) SetPlaying(false); // another parameter was chosen
    SetSteppingVisible(used);
    m_grid->SetReadOnly(!used);
    if (used) CommitRow(CurrentRow());
}

void TParamPanel::ParamSGExit() {
    if (m_committing) return;
    ParamSGClick();
    NotifyFixScale();
}

void TParamPanel::Activate() {
    m_curParam = -1;
    ParamSGClick();
}

void TParamPanel::FocusGrid() {
    QWidget* focused = QApplication::focusWidget();
    m_grid->setFocus(Qt::OtherFocusReason);
    if (QApplication::focusWidget() != focused) return; // the edit's focus-out took it
    // Without an active window no focus event arrives: take a typed bound here.
    if (focused == m_minEdit && m_minDirty) MinEditExit();
    if (focused == m_maxEdit && m_maxDirty) MaxEditExit();
    if (focused == m_hEdit && m_hDirty) hEditExit();
}

void TParamPanel::CommitPending() {
    if (m_committing) return;
    if (m_minDirty) MinEditExit();
    if (m_maxDirty) MaxEditExit();
    if (m_hDirty) hEditExit();
    if (m_curParam == -1) return;
    const int row = std::exchange(m_curParam, -1);
    if (CommitRow(row)) NotifyValueChanged();
}

void TParamPanel::NotifyValueChanged() {
    if (m_options.ValueChanged) m_options.ValueChanged();
}

void TParamPanel::NotifyFixScale() {
    if (m_options.FixScale) m_options.FixScale();
}

void TParamPanel::ParamSGEditStart(int row) {
    SetPlaying(false);
    m_editStartText = m_grid->CellText(row);
    m_editStartRow = row;
    m_curParam = row;
}

void TParamPanel::ParamSGKeyDown(int key) {
    if (key == Qt::Key_Escape) {
        if (m_curParam != -1) m_grid->SetCellText(m_curParam, m_editStartText);
        m_curParam = -1;
        return;
    }
    // Enter, Up and Down take the current row's value at once.
    if (!CurrentParam().Used || !CommitRow(CurrentRow())) return;
    m_curParam = -1;
    NotifyFixScale();
    NotifyValueChanged();
}

void TParamPanel::ValueFollowedBound(const TParam& p) {
    m_grid->SetCellText(CurrentRow(), Plain(p.Value));
    NotifyFixScale();
    NotifyValueChanged();
}

void TParamPanel::BoundEditExit(QLineEdit* edit) {
    if (edit == m_minEdit) MinEditExit();
    if (edit == m_maxEdit) MaxEditExit();
    if (edit == m_hEdit) hEditExit();
}

void TParamPanel::MinEditExit() {
    Real v = 0;
    if (!ReadNumber(S(m_minEdit->text()), v)) {
        ShowErrorMessage(msg::ParamNumberError, this);
        m_minEdit->setFocus();
        return;
    }
    m_minDirty = false;
    TParam& p = CurrentParam();
    const bool valueMoved = SetParamMin(p, v);
    m_maxEdit->setText(Plain(p.Max));
    m_maxDirty = false;
    if (valueMoved) ValueFollowedBound(p);
    SetupTrack(p);
}

void TParamPanel::MaxEditExit() {
    Real v = 0;
    if (!ReadNumber(S(m_maxEdit->text()), v)) {
        ShowErrorMessage(msg::ParamNumberError, this);
        m_maxEdit->setFocus();
        return;
    }
    m_maxDirty = false;
    TParam& p = CurrentParam();
    const bool valueMoved = SetParamMax(p, v);
    m_minEdit->setText(Plain(p.Min));
    m_minDirty = false;
    if (valueMoved) ValueFollowedBound(p);
    SetupTrack(p);
}

void TParamPanel::hEditExit() {
    Real v = 0;
    TParam& p = CurrentParam();
    if (!ReadNumber(S(m_hEdit->text()), v) || !SetParamStep(p, v)) {
        ShowErrorMessage(msg::ParamNumberError, this);
        m_hEdit->setFocus();
        return;
    }
    m_hDirty = false;
    if (v < 0) m_hEdit->setText(Plain(p.h));
    SetupTrack(p);
}

void TParamPanel::ParamTrackChange(int position) {
    if (m_trackActive) TakeTrackPosition(position);
}

void TParamPanel::TakeTrackPosition(int position) {
    TParam& p = CurrentParam();
    p.Value = ParamValueAt(p, position);
    m_grid->SetCellText(CurrentRow(), Plain(p.Value));
    if (m_options.TrackFixesScale) NotifyFixScale();
    NotifyValueChanged();
}

bool TParamPanel::Playing() const {
    return m_playTimer && m_playTimer->isActive();
}

void TParamPanel::SetPlaying(bool on) {
    if (!m_playTimer) return; // still being built
    on = on && !m_track->isHidden() && m_numSteps > 0;
    m_playButton->setChecked(on);
    m_playButton->setText(on ? StopText : PlayText);
    if (!on) {
        m_playTimer->stop();
        m_playRow = -1;
        return;
    }
    if (m_playTimer->isActive()) return;
    m_playRow = CurrentRow();
    m_playDir = m_track->value() >= m_numSteps ? -1 : 1;
    m_playTimer->setInterval(PlayInterval(m_playSpeed->value()));
    m_playTimer->start();
}

// Each tick takes the next position whether or not the track bar has the focus: the user may look at the
// graph, or work elsewhere, while the parameter plays.
void TParamPanel::PlayTimerTimer() {
    const TPlayStep next = ParamPlayStep(m_track->value(), m_playDir, m_numSteps);
    m_playDir = next.Dir;
    {
        const QSignalBlocker block(m_track);
        m_track->setValue(next.Position);
    }
    TakeTrackPosition(next.Position);
}

void TParamPanel::hideEvent(QHideEvent* event) {
    SetPlaying(false);
    QWidget::hideEvent(event);
}

void TParamPanel::SpeedButtonDown(int dir) {
    SetTrackActive(true);
    m_stepDir = dir;
    m_timer->start();
}

void TParamPanel::SpeedButtonUp() {
    m_stepDir = 0;
    m_timer->stop();
}

void TParamPanel::StepTrack(int dir) {
    SetTrackActive(true);
    m_track->setValue(ParamSteppedPosition(m_track->value(), dir, m_numSteps));
}

void TParamPanel::TimerTimer() {
    if (m_stepDir != 0) StepTrack(m_stepDir);
}

bool TParamPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_track) {
        if (event->type() == QEvent::FocusIn) SetTrackActive(true);
        if (event->type() == QEvent::FocusOut && LeavesForGood(static_cast<QFocusEvent*>(event)))
            SetTrackActive(false);
        return false;
    }
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (edit && (edit == m_minEdit || edit == m_maxEdit || edit == m_hEdit)) {
        if (IsEnter(event)) {
            BoundEditExit(edit);
            return true;
        }
        if (LeftForControlOf(edit, event)) {
            const bool dirty = (edit == m_minEdit && m_minDirty) || (edit == m_maxEdit && m_maxDirty) ||
                               (edit == m_hEdit && m_hDirty);
            if (dirty) BoundEditExit(edit);
        }
    }
    return false;
}

// The application's focus signal reaches this object while QWidget's destructor
// runs, after our own members are gone; cut the connection first.
TParamPanel::~TParamPanel() { disconnect(qApp, nullptr, this, nullptr); }
