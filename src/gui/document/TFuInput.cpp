#include "gui/document/TFuInput.h"

#include "core/document/EntryChecks.h"
#include "core/plot/TGlobColors.h"
#include "gui/app/Keypad.h"
#include "gui/app/MessageDlg.h"
#include "gui/document/FormulaCaret.h"
#include "gui/document/HistoryBox.h"
#include "gui/document/TColorGrid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr auto T = TKeypadAction::Type;

// The formula keyboard: functions in columns 0..3, digits and operators in columns 4..7, the editing keys
// beneath. The argument keys take their captions from the object.
const TKeypadKey Keys[] = {
    {"SpeedButton1", "Sin(", T, 0, 0, false},
    {"SpeedButton2", "Cos(", T, 0, 1, false},
    {"SpeedButton3", "Tg(", T, 0, 2, false},
    {"SpeedButton4", "(", T, 0, 3, false},
    {"SpeedButton5", "ASin(", T, 1, 0, false},
    {"SpeedButton8", "ACos(", T, 1, 1, false},
    {"SpeedButton9", "ATg(", T, 1, 2, false},
    {"SpeedButton10", ")", T, 1, 3, false},
    {"SpeedButton11", "Ln(", T, 2, 0, false},
    {"SpeedButton12", "Log(", T, 2, 1, false},
    {"SpeedButton6", "Exp(", T, 2, 2, false},
    {"SpeedButton7", ".", T, 2, 3, false},
    {"SpeedButton13", "Sqrt(", T, 3, 0, false},
    {"SpeedButton14", "Int(", T, 3, 1, false},
    {"SpeedButton15", "Pi", T, 3, 2, false},
    {"SpeedButton35", "E", T, 3, 3, false},
    {"SpeedButton16", "CTg(", T, 4, 0, false},
    {"SpeedButton17", "ACTg(", T, 4, 1, false},
    {"SpeedButton18", "Abs(", T, 4, 2, false},
    {"ArgSpeedButton", "X", T, 4, 3, false},
    {"YSpeedButton", "", T, 4, 5, false},
    {"SpeedButton20", "1", T, 2, 4, false},
    {"SpeedButton21", "0", T, 3, 4, false},
    {"SpeedButton22", "2", T, 2, 5, false},
    {"SpeedButton23", "3", T, 2, 6, false},
    {"SpeedButton24", "4", T, 1, 4, false},
    {"SpeedButton25", "5", T, 1, 5, false},
    {"SpeedButton26", "9", T, 0, 6, false},
    {"SpeedButton27", "8", T, 0, 5, false},
    {"SpeedButton28", "7", T, 0, 4, false},
    {"SpeedButton29", "6", T, 1, 6, false},
    {"SpeedButton30", "*", T, 1, 7, false},
    {"SpeedButton31", "/", T, 0, 7, false},
    {"SpeedButton32", "+", T, 3, 7, false},
    {"SpeedButton33", "-", T, 2, 7, false},
    {"SpeedButton34", "^", T, 3, 6, false},
    {"SpeedButton39", ",", T, 4, 4, false},
    {"SpeedButton40", "P", T, 3, 5, false},
    {"SpeedButton19", "<--", TKeypadAction::Backspace, 5, 0, true},
    {"SpeedButton36", "Del", TKeypadAction::Delete, 5, 1, true},
    {"SpeedButton37", "Home", TKeypadAction::Home, 5, 2, true},
    {"SpeedButton38", "End", TKeypadAction::End, 5, 3, true},
};

// The box shows its text from the start, as after a click into it.
void FocusBox(QComboBox* box) {
    box->setFocus(Qt::OtherFocusReason);
    box->lineEdit()->selectAll();
}

} // namespace

TFuInput::TFuInput(QWidget* parent) : QDialog(parent) {
    setObjectName("FuInput");
    setWindowTitle("Введення виразу залежності");

    m_fyEdit = MakeHistoryBox(this, "FyEdit", "X");
    m_fyLabel = MakeLabel(this, "FyLabel", "Y(X)=", m_fyEdit);
    m_fxEdit = MakeHistoryBox(this, "FxEdit", "T");
    m_fxLabel = MakeLabel(this, "FxLabel", "X(T)=", m_fxEdit);
    m_axEdit = MakeHistoryBox(this, "AxEdit", "-5");
    m_axLabel = MakeLabel(this, "AxLabel", "A=", m_axEdit);
    m_bxEdit = MakeHistoryBox(this, "BxEdit", "5");
    m_bxLabel = MakeLabel(this, "BxLabel", "B=", m_bxEdit);

    m_abyPanel = new QFrame(this);
    m_abyPanel->setObjectName("AByPanel");
    m_ayEdit = MakeHistoryBox(m_abyPanel, "AyEdit", "-5");
    m_ayLabel = MakeLabel(m_abyPanel, "AyLabel", "Ay=", m_ayEdit);
    m_byEdit = MakeHistoryBox(m_abyPanel, "ByEdit", "5");
    m_byLabel = MakeLabel(m_abyPanel, "ByLabel", "By=", m_byEdit);
    auto* abyLayout = new QHBoxLayout(m_abyPanel);
    abyLayout->setContentsMargins(0, 0, 0, 0);
    abyLayout->addWidget(m_ayLabel);
    abyLayout->addWidget(m_ayEdit, 1);
    abyLayout->addWidget(m_byLabel);
    abyLayout->addWidget(m_byEdit, 1);

    m_nBuilds = new QGroupBox("К-ть тт побудови", this);
    m_nBuilds->setObjectName("NBuilds");
    m_bgpEdit = MakeHistoryBox(m_nBuilds, "BGPEdit", "100");
    (new QVBoxLayout(m_nBuilds))->addWidget(m_bgpEdit);

    m_grByPoints = new QCheckBox("Графік точками", this);
    m_grByPoints->setObjectName("GrByPoints");

    m_precision = new QSlider(Qt::Horizontal, this);
    m_precision->setObjectName("Precision");
    m_precision->setRange(MinPrecision, MaxPrecision);
    m_precision->setPageStep(1);
    m_precision->setTickPosition(QSlider::TicksBelow);
    m_precision->setValue(MaxPrecision);
    m_precisionLabel = MakeLabel(this, "PrecisionLabel", "Якість побудови графіка", m_precision);

    m_wLineGroupBox = new QGroupBox("Товщина лінії", this);
    m_wLineGroupBox->setObjectName("WLineGroupBox");
    m_wLineSpinEdit = new QSpinBox(m_wLineGroupBox);
    m_wLineSpinEdit->setObjectName("WLineSpinEdit");
    m_wLineSpinEdit->setRange(MinWLine, MaxWLine);
    m_wLineSpinEdit->setValue(MinWLine);
    (new QVBoxLayout(m_wLineGroupBox))->addWidget(m_wLineSpinEdit);

    m_buildCheckBox = new QCheckBox("Будувати графік", this);
    m_buildCheckBox->setObjectName("BuildCheckBox");
    m_buildCheckBox->setChecked(true);

    m_fuColorGrid = new TColorGrid(this);
    m_fuColorGrid->setObjectName("FuColorGrid");

    m_okButton = new QPushButton("OK", this);
    m_okButton->setObjectName("OKButton");
    m_okButton->setDefault(true);
    m_cancelButton = new QPushButton("Скасувати", this);
    m_cancelButton->setObjectName("CancelButton");

    m_calcPanel = BuildCalcPanel();

    // Rows of other kinds start hidden: Fill shows what the object needs.
    m_fxLabel->hide();
    m_fxEdit->hide();
    m_abyPanel->hide();
    m_precision->hide();
    m_precisionLabel->hide();

    auto* formulas = new QGridLayout;
    formulas->addWidget(m_fyLabel, 0, 0);
    formulas->addWidget(m_fyEdit, 0, 1, 1, 3);
    formulas->addWidget(m_fxLabel, 1, 0);
    formulas->addWidget(m_fxEdit, 1, 1, 1, 3);
    formulas->addWidget(m_axLabel, 2, 0);
    formulas->addWidget(m_axEdit, 2, 1);
    formulas->addWidget(m_bxLabel, 2, 2);
    formulas->addWidget(m_bxEdit, 2, 3);
    formulas->addWidget(m_abyPanel, 3, 0, 1, 4);
    formulas->setColumnStretch(1, 1);
    formulas->setColumnStretch(3, 1);

    auto* checks = new QVBoxLayout;
    checks->addWidget(m_grByPoints);
    checks->addWidget(m_buildCheckBox);
    checks->addWidget(m_precisionLabel);
    checks->addWidget(m_precision);
    checks->addStretch(1);

    auto* options = new QHBoxLayout;
    options->addWidget(m_nBuilds);
    options->addWidget(m_wLineGroupBox);
    options->addLayout(checks, 1);
    options->addWidget(m_fuColorGrid, 0, Qt::AlignTop);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(formulas);
    layout->addLayout(options);
    layout->addWidget(m_calcPanel);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_okButton, &QPushButton::clicked, this, &TFuInput::accept);
    connect(m_cancelButton, &QPushButton::clicked, this, &TFuInput::reject);
}

QWidget* TFuInput::BuildCalcPanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName("CalcPanel");
    BuildKeypad(panel, FormulaKeyboardShape, Keys, [this](TKeypadAction action, const QString& caption) {
        KeypadEdit(FocusedEditor(), action, caption);
    });
    m_argSpeedButton = panel->findChild<QToolButton*>("ArgSpeedButton");
    m_ySpeedButton = panel->findChild<QToolButton*>("YSpeedButton");
    return panel;
}

QLineEdit* TFuInput::FocusedEditor() const {
    for (QWidget* w = focusWidget(); w && w != this; w = w->parentWidget()) {
        if (auto* box = qobject_cast<QComboBox*>(w)) return box->lineEdit();
        if (auto* spin = qobject_cast<QSpinBox*>(w)) return spin->findChild<QLineEdit*>();
    }
    return nullptr;
}

void TFuInput::Fill(const TFuInputData& data) {
    m_argSpeedButton->setText(Q(data.ArgName));
    m_ySpeedButton->setText(Q(data.YArgName));

    m_fyLabel->setText(Q(data.FyLabel));
    m_fyEdit->setEditText(Q(data.FyText));
    m_fxLabel->setText(Q(data.FxLabel));
    m_fxEdit->setEditText(Q(data.FxText));
    m_fxLabel->setVisible(data.FxVisible);
    m_fxEdit->setVisible(data.FxVisible);

    m_axEdit->setEditText(Q(data.AText));
    m_bxEdit->setEditText(Q(data.BText));
    m_ayEdit->setEditText(Q(data.AyText));
    m_byEdit->setEditText(Q(data.ByText));
    m_abyPanel->setVisible(data.AyByVisible);

    m_bgpEdit->setEditText(Q(data.QualityText));
    m_nBuilds->setVisible(data.QualityVisible);
    // Drawing by points goes with the plotting quality: kinds without steps have neither.
    m_grByPoints->setVisible(data.QualityVisible);
    m_grByPoints->setChecked(data.ByPoints);
    m_precision->setValue(data.Precision);
    m_precision->setVisible(data.PrecisionVisible);
    m_precisionLabel->setVisible(data.PrecisionVisible);
    m_wLineSpinEdit->setValue(data.WLine);
    m_wLineGroupBox->setVisible(data.LineWidthVisible);

    m_buildCheckBox->setChecked(data.GBuild);
    m_filledColor = data.Color;
    m_fuColorGrid->SetForegroundIndex(GlobColors().ColorIndex(data.Color));
}

TFuInputData TFuInput::Values() const {
    TFuInputData data;
    data.ArgName = S(m_argSpeedButton->text());
    data.YArgName = S(m_ySpeedButton->text());
    data.FyLabel = S(m_fyLabel->text());
    data.FyText = S(m_fyEdit->currentText());
    data.FxVisible = !m_fxEdit->isHidden();
    data.FxLabel = S(m_fxLabel->text());
    data.FxText = S(m_fxEdit->currentText());
    data.AText = S(m_axEdit->currentText());
    data.BText = S(m_bxEdit->currentText());
    data.AyByVisible = !m_abyPanel->isHidden();
    data.AyText = S(m_ayEdit->currentText());
    data.ByText = S(m_byEdit->currentText());
    data.QualityVisible = !m_nBuilds->isHidden();
    data.QualityText = S(m_bgpEdit->currentText());
    data.PrecisionVisible = !m_precision->isHidden();
    data.Precision = m_precision->value();
    data.LineWidthVisible = !m_wLineGroupBox->isHidden();
    data.WLine = m_wLineSpinEdit->value();
    data.ByPoints = m_grByPoints->isChecked();
    data.GBuild = m_buildCheckBox->isChecked();
    data.Color = m_fuColorGrid->ForegroundColor(m_filledColor);
    return data;
}

bool TFuInput::Run(TFuInputData& data) {
    Fill(data);
    if (exec() != QDialog::Accepted) return false;
    data = Values();
    return true;
}

QComboBox* TFuInput::Box(TFuBox box) const {
    switch (box) {
    case TFuBox::FyEdit: return m_fyEdit;
    case TFuBox::FxEdit: return m_fxEdit;
    case TFuBox::AxEdit: return m_axEdit;
    case TFuBox::BxEdit: return m_bxEdit;
    case TFuBox::AyEdit: return m_ayEdit;
    case TFuBox::ByEdit: return m_byEdit;
    case TFuBox::BGPEdit: return m_bgpEdit;
    case TFuBox::None: break;
    }
    return nullptr;
}

void TFuInput::accept() {
    // A width typed but not yet taken by the spinner counts as typed.
    m_wLineSpinEdit->interpretText();
    const TEntryCheck<TFuBox> check = CheckFuInput(Values());
    for (TFuBox box : check.Passed)
        RememberText(Box(box));
    if (!check.Ok()) {
        FocusBox(Box(check.Failed));
        PutCaretAtFormulaError(Box(check.Failed)->lineEdit());
        ShowErrorMessage(check.Message, this);
        return;
    }
    QDialog::accept();
}

void TFuInput::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    FocusBox(m_fyEdit);
}
