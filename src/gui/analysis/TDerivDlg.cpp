#include "gui/analysis/TDerivDlg.h"

#include "core/document/TDocument.h"
#include "gui/analysis/TCoordReadout.h"
#include "gui/analysis/ToolResults.h"
#include "gui/app/MessageDlg.h"
#include "gui/app/TAns.h"
#include "gui/app/TNumPanel.h"
#include "gui/document/FormulaCaret.h"
#include "gui/document/HistoryBox.h"
#include "gui/document/TObjList.h"
#include "gui/document/TParamPanel.h"
#include "gui/plot/TGr.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const char* const StartX = "1";
const char* const StartDX = "0.1";
} // namespace

TDerivDlg::TDerivDlg(TDocument& doc, TGr& gr, TAns& ans, TObjList* objList, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_gr(gr), m_ans(ans), m_objList(objList) {
    setObjectName("DerivDlg");
    setWindowTitle("Похідна");

    m_fnLabel = new QLabel(this);
    m_fnLabel->setObjectName("FnLabel");
    m_xEdit = new QLineEdit(StartX, this);
    m_xEdit->setObjectName("XEdit");
    m_dxEdit = new QLineEdit(StartDX, this);
    m_dxEdit->setObjectName("DXEdit");
    QLabel* xLabel = MakeLabel(this, "XLabel", "X=", m_xEdit);
    // Delta and chi: the increment of X.
    QLabel* dxLabel = MakeLabel(this, "DXLabel", "ΔΧ=", m_dxEdit);
    m_kCheckBox = new QCheckBox("Будувати січну", this);
    m_kCheckBox->setObjectName("KCheckBox");
    m_dCheckBox = new QCheckBox("Будувати дотичну", this);
    m_dCheckBox->setObjectName("DCheckBox");
    m_bButton = new QPushButton("Побудова", this);
    m_bButton->setObjectName("BButton");
    m_bButton->setDefault(true);
    const TToolResults results = MakeToolResults(this);
    m_memo = results.Memo;
    m_toAnsButton = results.ToAnsButton;
    m_numPanel = results.NumPanel;
    m_sBuild = new QPushButton("Залишити слід", this);
    m_sBuild->setObjectName("SBuild");
    m_sClear = new QPushButton("Очистити сліди", this);
    m_sClear->setObjectName("SClear");
    m_okBtn = new QPushButton("Вихід", this);
    m_okBtn->setObjectName("OKBtn");

    TParamPanelOptions params;
    params.ValueColumnWidth = TParamPanelOptions::ToolValueWidth;
    params.MarkParams = [this] {
        m_doc.Objects.MarkParams();
        m_tool.MarkParams();
    };
    params.Unused = TUnusedParams::Reset;
    params.ValueChanged = [this] { BButtonClick(); };
    params.FixScale = [this] { m_gr.I().SetMasshAuto(false); };
    params.TrackFixesScale = false;
    m_paramPanel = new TParamPanel(std::move(params), this);

    auto* edits = new QGridLayout;
    edits->addWidget(xLabel, 0, 0);
    edits->addWidget(m_xEdit, 0, 1);
    edits->addWidget(dxLabel, 1, 0);
    edits->addWidget(m_dxEdit, 1, 1);
    auto* traces = new QHBoxLayout;
    traces->addWidget(m_sBuild);
    traces->addWidget(m_sClear);
    auto* left = new QVBoxLayout;
    left->addWidget(m_fnLabel);
    left->addLayout(edits);
    left->addWidget(m_kCheckBox);
    left->addWidget(m_dCheckBox);
    left->addWidget(m_bButton);
    left->addWidget(m_memo, 1);
    left->addWidget(m_toAnsButton);
    left->addLayout(traces);
    left->addWidget(m_numPanel, 0, Qt::AlignHCenter);
    left->addWidget(m_okBtn);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addWidget(m_paramPanel);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    FitToolMemo(results, *m_paramPanel);

    m_coordReadout = new TCoordReadout(gr, this);

    connect(m_bButton, &QPushButton::clicked, this, &TDerivDlg::BButtonClick);
    connect(m_sBuild, &QPushButton::clicked, this, &TDerivDlg::SBuildClick);
    connect(m_sClear, &QPushButton::clicked, this, &TDerivDlg::SClearClick);
    connect(m_toAnsButton, &QPushButton::clicked, this, &TDerivDlg::ToAnsButtonClick);
    connect(m_okBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(qApp, &QApplication::focusChanged, this, &TDerivDlg::FocusChanged);
}

void TDerivDlg::Execute(TFn& object) {
    m_object = &object;
    m_fnLabel->setText(Q(object.Caption()));
    m_coordReadout->Start();
    exec();
    m_coordReadout->Stop();
}

TDerivInputs TDerivDlg::Inputs() const {
    TDerivInputs in;
    in.X = S(m_xEdit->text());
    in.DX = S(m_dxEdit->text());
    in.Secant = m_kCheckBox->isChecked();
    in.Tangent = m_dCheckBox->isChecked();
    return in;
}

QStringList TDerivDlg::MemoLines() const {
    return MemoTextLines(*m_memo);
}

void TDerivDlg::Show(const std::vector<TDerivMessage>& messages) {
    for (const TDerivMessage& m : messages) {
        m_reporting = true;
        ShowErrorMessage(m.Message, this);
        m_reporting = false;
        QLineEdit* box = m.Focus == TDerivBox::XEdit    ? m_xEdit
                         : m.Focus == TDerivBox::DXEdit ? m_dxEdit
                                                        : nullptr;
        if (!box) continue;
        box->setFocus(Qt::OtherFocusReason);
        if (m.Message == msg::DerivXError || m.Message == msg::DerivDxError) PutCaretAtFormulaError(box);
    }
    SetMemoTextLines(*m_memo, m_tool.Memo());
    m_sBuild->setEnabled(m_tool.TracesEnabled());
    m_sClear->setEnabled(m_tool.TracesEnabled());
    m_paramPanel->ShowValues();
}

void TDerivDlg::BButtonClick() {
    Show(m_tool.Build(Inputs(), m_doc.Objects, m_gr.I()));
}

void TDerivDlg::SBuildClick() {
    Show(m_tool.LeaveTrace(Inputs(), m_doc.Objects, m_gr.I()));
}

void TDerivDlg::SClearClick() {
    Show(m_tool.ClearTraces(Inputs(), m_doc.Objects, m_gr.I()));
}

void TDerivDlg::ToAnsButtonClick() {
    for (const std::string& line : m_tool.AnswerLines())
        m_ans.AnsAdd(line);
}

void TDerivDlg::XEditExit() {
    const TDerivMessage m = m_tool.AcceptX(S(m_xEdit->text()), m_doc.Objects, m_gr.I());
    if (m.Message == msg::None)
        m_paramPanel->ShowValues();
    else
        Show({m});
}

void TDerivDlg::FocusChanged(QWidget* old, QWidget* now) {
    // Leaving XEdit for another control of this dialog accepts X; the buttons that accept it themselves, and
    // "Вихід", do not ask twice.
    if (m_reporting || !isVisible() || old != m_xEdit || !now || now->window() != this) return;
    if (now == m_bButton || now == m_sBuild || now == m_sClear || now == m_okBtn) return;
    XEditExit();
}

void TDerivDlg::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    m_xEdit->setText(StartX);
    m_dxEdit->setText(StartDX);
    m_kCheckBox->setChecked(false);
    m_dCheckBox->setChecked(false);
    if (m_object) m_tool.Start(*m_object);
    m_memo->clear();
    m_sBuild->setEnabled(false);
    m_sClear->setEnabled(false);
    m_tool.RefreshParams(m_doc.Objects);
    m_paramPanel->ShowValues();
    m_xEdit->setFocus(Qt::OtherFocusReason);
    m_xEdit->selectAll();
}

void TDerivDlg::hideEvent(QHideEvent* e) {
    HandBackParams(*m_paramPanel, m_objList);
    QDialog::hideEvent(e);
}

// The application's focus signal reaches this object while QWidget's destructor
// runs, after our own members are gone; cut the connection first.
TDerivDlg::~TDerivDlg() {
    disconnect(qApp, nullptr, this, nullptr);
}
