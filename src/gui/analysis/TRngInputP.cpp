#include "gui/analysis/TRngInputP.h"

#include "core/analysis/AnswerLines.h"
#include "core/document/TDocument.h"
#include "gui/analysis/TCoordReadout.h"
#include "gui/analysis/ToolResults.h"
#include "gui/app/Keypad.h"
#include "gui/app/MessageDlg.h"
#include "gui/app/TAns.h"
#include "gui/app/TNumPanel.h"
#include "gui/document/FormulaCaret.h"
#include "gui/document/HistoryBox.h"
#include "gui/document/TObjList.h"
#include "gui/document/TParamPanel.h"
#include "gui/plot/TGr.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr auto T = TKeypadAction::Type;

// The function keyboard: one column beside the parameters, shown by SpeedButton1.
const TKeypadKey FunctionKeys[] = {
    {"SpeedButton2", "Sin(", T, 0, 0, false},   {"SpeedButton3", "Cos(", T, 1, 0, false},
    {"SpeedButton4", "Tg(", T, 2, 0, false},    {"SpeedButton5", "ASin(", T, 3, 0, false},
    {"SpeedButton6", "ACos(", T, 4, 0, false},  {"SpeedButton7", "ATg(", T, 5, 0, false},
    {"SpeedButton8", "Exp(", T, 6, 0, false},   {"SpeedButton9", "Ln(", T, 7, 0, false},
    {"SpeedButton10", "Log(", T, 8, 0, false},  {"SpeedButton11", "Sqrt(", T, 9, 0, false},
    {"SpeedButton12", "Int(", T, 10, 0, false}, {"SpeedButton13", "Pi", T, 11, 0, false},
    {"SpeedButton14", "CTg(", T, 12, 0, false}, {"SpeedButton15", "ACtg(", T, 13, 0, false},
    {"SpeedButton16", "Abs(", T, 14, 0, false}, {"SpeedButton17", ",", T, 15, 0, false},
    {"SpeedButton18", "^", T, 16, 0, false},
};
constexpr TKeypadShape FunctionKeyboardShape{44, 20, 0, -1, 0, false};

// SpeedButton1 shows where a click moves the dialog's edge.
const char* const ShowKeyboardCaption = ">";
const char* const HideKeyboardCaption = "<";

QComboBox* MakeBoundBox(QWidget* parent, const char* name, const QString& text, bool bold) {
    QComboBox* box = MakeHistoryBox(parent, name, text);
    if (bold) {
        QFont font = box->font();
        font.setBold(true);
        box->setFont(font);
    }
    return box;
}

bool Within(const QWidget* w, const QWidget* area) {
    return w && (w == area || area->isAncestorOf(w));
}
} // namespace

TRngInputP::TRngInputP(TDocument& doc, TGr& gr, TAns& ans, TObjList* objList, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_gr(gr), m_ans(ans), m_objList(objList) {
    setObjectName(IntegralFormName);
    setWindowTitle(IntegralCaption);

    m_rngAEdit = MakeBoundBox(this, "RngAEdit", QString(), true);
    m_rngBEdit = MakeBoundBox(this, "RngBEdit", QString(), true);
    m_subIntEdit = MakeBoundBox(this, "SubIntEdit", "1", false);
    QLabel* aLabel = MakeLabel(this, "RngALabel", "A=", m_rngAEdit);
    QLabel* bLabel = MakeLabel(this, "RngBLabel", "B=", m_rngBEdit);
    m_subIntLabel = MakeLabel(this, "SubIntLabel", "Інтервали", m_subIntEdit);
    m_subIntLabel->hide();
    m_subIntEdit->hide();

    m_iButton = new QPushButton("Обчислити", this);
    m_iButton->setObjectName("IButton");
    m_iButton->setDefault(true);
    m_cancelBtn = new QPushButton("Скасувати", this);
    m_cancelBtn->setObjectName("CancelBtn");
    const TToolResults results = MakeToolResults(this);
    m_memo = results.Memo;
    m_toAnsButton = results.ToAnsButton;
    m_numPanel = results.NumPanel;

    TParamPanelOptions params;
    params.ValueColumnWidth = TParamPanelOptions::ToolValueWidth;
    params.MarkParams = [this] {
        m_doc.Objects.MarkParams();
        m_tool.MarkParams();
    };
    params.Unused = TUnusedParams::Keep;
    params.ValueChanged = [this] { Compute(); };
    m_paramPanel = new TParamPanel(std::move(params), this);

    m_keyboardToggle = new QToolButton(this);
    m_keyboardToggle->setObjectName("SpeedButton1");
    m_keyboardToggle->setText(ShowKeyboardCaption);
    m_keyboardToggle->setFocusPolicy(Qt::NoFocus);
    m_keyboardToggle->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    m_keyboard = new QWidget(this);
    m_keyboard->setObjectName("FunctionKeyboard");
    BuildKeypad(m_keyboard, FunctionKeyboardShape, FunctionKeys,
                [this](TKeypadAction, const QString& caption) { FunctionKey(caption); });
    m_keyboard->hide();

    auto* bounds = new QGridLayout;
    bounds->addWidget(aLabel, 0, 0);
    bounds->addWidget(m_rngAEdit, 0, 1);
    bounds->addWidget(bLabel, 1, 0);
    bounds->addWidget(m_rngBEdit, 1, 1);
    bounds->addWidget(m_subIntLabel, 2, 0);
    bounds->addWidget(m_subIntEdit, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_iButton);
    buttons->addWidget(m_cancelBtn);
    auto* left = new QVBoxLayout;
    left->addLayout(bounds);
    left->addLayout(buttons);
    left->addWidget(m_memo, 1);
    left->addWidget(m_toAnsButton);
    left->addWidget(m_numPanel, 0, Qt::AlignHCenter);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addWidget(m_paramPanel);
    layout->addWidget(m_keyboardToggle);
    layout->addWidget(m_keyboard, 0, Qt::AlignTop);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    FitToolMemo(results, *m_paramPanel);

    m_coordReadout = new TCoordReadout(gr, this);

    connect(m_iButton, &QPushButton::clicked, this, &TRngInputP::IButtonClick);
    connect(m_cancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_toAnsButton, &QPushButton::clicked, this, &TRngInputP::ToAnsButtonClick);
    connect(m_keyboardToggle, &QToolButton::clicked, this, &TRngInputP::SpeedButton1Click);
    connect(qApp, &QApplication::focusChanged, this, &TRngInputP::FocusChanged);
}

void TRngInputP::Execute(TIntegralMode mode, const TFuncs& selection) {
    m_selection = selection;
    const TIntegralTexts texts = PreselectedInterval(selection);
    m_rngAEdit->setEditText(Q(texts.A));
    m_rngBEdit->setEditText(Q(texts.B));
    m_tool.Mode = mode;
    m_coordReadout->Start();
    const bool strips = UsesSubIntervals(mode);
    m_subIntLabel->setVisible(strips);
    m_subIntEdit->setVisible(strips);
    exec();
    m_subIntLabel->hide();
    m_subIntEdit->hide();
    m_coordReadout->Stop();
}

QComboBox* TRngInputP::Box(TIntegralBox box) const {
    switch (box) {
    case TIntegralBox::RngBEdit: return m_rngBEdit;
    case TIntegralBox::SubIntEdit: return m_subIntEdit;
    default: return m_rngAEdit;
    }
}

TIntegralTexts TRngInputP::Texts() const {
    TIntegralTexts texts;
    texts.A = S(m_rngAEdit->currentText());
    texts.B = S(m_rngBEdit->currentText());
    texts.N = S(m_subIntEdit->currentText());
    return texts;
}

QStringList TRngInputP::MemoLines() const {
    return MemoTextLines(*m_memo);
}

void TRngInputP::ShowMemo(const std::vector<std::string>& lines) {
    SetMemoTextLines(*m_memo, lines);
}

void TRngInputP::IButtonClick() {
    m_tool.Calculated = true;
    Compute();
}

void TRngInputP::Compute() {
    const TIntegralOutcome outcome = m_tool.Compute(m_selection, Texts(), m_gr.I());
    for (TIntegralBox box : outcome.Check.Passed)
        RememberText(Box(box));
    switch (outcome.Result) {
    case TIntegralResult::Refused: Refuse(outcome.Check.Failed, outcome.Check.Message); break;
    case TIntegralResult::NoInterval: ShowMemo({}); break;
    case TIntegralResult::NotCalculated: break;
    case TIntegralResult::Computed:
        m_paramPanel->Refresh();
        ShowMemo(outcome.Memo);
        break;
    }
}

void TRngInputP::Refuse(TIntegralBox box, msg::Id message) {
    QComboBox* edit = Box(box);
    m_refusing = true;
    ShowErrorMessage(message, this);
    m_refusing = false;
    edit->setFocus(Qt::OtherFocusReason);
    edit->lineEdit()->selectAll();
    if (message == msg::IntegralExpressionError) PutCaretAtFormulaError(edit->lineEdit());
}

void TRngInputP::BoxExit(TIntegralBox box) {
    const msg::Id message = m_tool.TakeBox(box, S(Box(box)->currentText()));
    if (message == msg::None)
        m_paramPanel->Refresh();
    else
        Refuse(box, message);
}

void TRngInputP::FocusChanged(QWidget* old, QWidget* now) {
    // Only the focus going on to another control of this dialog leaves a box: not an error box, a drop-down
    // list or another window. "Обчислити" evaluates the boxes itself, and "Скасувати" takes nothing.
    if (m_refusing || !isVisible() || !now || now->window() != this) return;
    if (now == m_iButton || now == m_cancelBtn) return;
    for (TIntegralBox box : {TIntegralBox::RngAEdit, TIntegralBox::RngBEdit, TIntegralBox::SubIntEdit}) {
        QComboBox* edit = Box(box);
        if (Within(old, edit) && !Within(now, edit)) {
            BoxExit(box);
            return;
        }
    }
}

void TRngInputP::FunctionKey(const QString& caption) {
    QWidget* focused = QApplication::focusWidget();
    for (QComboBox* edit : {m_rngAEdit, m_rngBEdit, m_subIntEdit})
        if (Within(focused, edit)) KeypadEdit(edit->lineEdit(), TKeypadAction::Type, caption);
}

void TRngInputP::SpeedButton1Click() {
    const bool show = m_keyboard->isHidden();
    m_keyboard->setVisible(show);
    m_keyboardToggle->setText(show ? HideKeyboardCaption : ShowKeyboardCaption);
}

void TRngInputP::ToAnsButtonClick() {
    std::vector<std::string> memo;
    for (const QString& line : MemoLines())
        memo.push_back(S(line));
    for (const std::string& line : AnswerLines(S(windowTitle()), memo))
        m_ans.AnsAdd(line);
}

void TRngInputP::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    m_paramPanel->Refresh();
    m_tool.Calculated = false;
    m_paramPanel->Activate();
    m_memo->clear();
    m_rngAEdit->setFocus(Qt::OtherFocusReason);
    m_rngAEdit->lineEdit()->selectAll();
}

void TRngInputP::hideEvent(QHideEvent* e) {
    HandBackParams(*m_paramPanel, m_objList);
    QDialog::hideEvent(e);
}

// The application's focus signal reaches this object while QWidget's destructor
// runs, after our own members are gone; cut the connection first.
TRngInputP::~TRngInputP() {
    disconnect(qApp, nullptr, this, nullptr);
}
