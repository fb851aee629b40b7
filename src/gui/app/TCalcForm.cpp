#include "gui/app/TCalcForm.h"

#include "core/app/Calculator.h"
#include "gui/app/Keypad.h"
#include "gui/app/MessageDlg.h"
#include "gui/document/FormulaCaret.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int ResultLines = 6;

constexpr auto T = TKeypadAction::Type;

// The keys, named in the order of their captions: functions in columns 0..3, digits and operators in
// columns 4..7, the editing keys beneath.
const TKeypadKey Keys[] = {
    {"SpeedButton1", "Sin(", T, 0, 0, false},
    {"SpeedButton2", "Cos(", T, 0, 1, false},
    {"SpeedButton3", "Tg(", T, 0, 2, false},
    {"SpeedButton4", "(", T, 0, 3, false},
    {"SpeedButton5", "ASin(", T, 1, 0, false},
    {"SpeedButton6", "ACos(", T, 1, 1, false},
    {"SpeedButton7", "ATg(", T, 1, 2, false},
    {"SpeedButton8", ")", T, 1, 3, false},
    {"SpeedButton9", "Exp(", T, 2, 0, false},
    {"SpeedButton10", "Ln(", T, 2, 1, false},
    {"SpeedButton11", "Log(", T, 2, 2, false},
    {"SpeedButton12", ".", T, 2, 3, false},
    {"SpeedButton13", "Sqrt(", T, 3, 0, false},
    {"SpeedButton14", "Int(", T, 3, 1, false},
    {"SpeedButton15", "Pi", T, 3, 2, false},
    {"SpeedButton16", "E", T, 3, 3, false},
    {"SpeedButton17", "CTg(", T, 4, 0, false},
    {"SpeedButton18", "ACTg(", T, 4, 1, false},
    {"SpeedButton19", "Abs(", T, 4, 2, false},
    {"SpeedButton20", ",", T, 4, 3, false},
    {"SpeedButton21", "P", T, 3, 5, false},
    {"SpeedButton22", "0", T, 3, 4, false},
    {"SpeedButton23", "1", T, 2, 4, false},
    {"SpeedButton24", "2", T, 2, 5, false},
    {"SpeedButton25", "3", T, 2, 6, false},
    {"SpeedButton26", "4", T, 1, 4, false},
    {"SpeedButton27", "5", T, 1, 5, false},
    {"SpeedButton28", "6", T, 1, 6, false},
    {"SpeedButton29", "7", T, 0, 4, false},
    {"SpeedButton30", "8", T, 0, 5, false},
    {"SpeedButton31", "9", T, 0, 6, false},
    {"SpeedButton32", "*", T, 1, 7, false},
    {"SpeedButton33", "/", T, 0, 7, false},
    {"SpeedButton34", "+", T, 3, 7, false},
    {"SpeedButton35", "-", T, 2, 7, false},
    {"SpeedButton36", "^", T, 3, 6, false},
    {"SpeedButton37", "<--", TKeypadAction::Backspace, 5, 0, true},
    {"SpeedButton38", "Del", TKeypadAction::Delete, 5, 1, true},
    {"SpeedButton39", "Home", TKeypadAction::Home, 5, 2, true},
    {"SpeedButton40", "End", TKeypadAction::End, 5, 3, true},
};

} // namespace

TCalcForm::TCalcForm(QWidget* parent) : QDialog(parent) {
    setObjectName("CalcForm");
    setWindowTitle("Калькулятор");
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setModal(false);

    m_label = new QLabel("Вираз:", this);
    m_label->setObjectName("Label1");
    m_ed = new QLineEdit(this);
    m_ed->setObjectName("Ed");
    m_label->setBuddy(m_ed);
    m_rez = new QPlainTextEdit(this);
    m_rez->setObjectName("Rez");
    m_rez->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_rez->setFixedHeight(m_rez->fontMetrics().lineSpacing() * ResultLines);

    m_calcB = new QPushButton("Обчислити", this);
    m_calcB->setObjectName("CalcB");
    m_calcB->setDefault(true);
    m_clearButton = new QPushButton("Очистити", this);
    m_clearButton->setObjectName("ClearButton");
    m_closeB = new QPushButton("Закрити", this);
    m_closeB->setObjectName("CloseB");
    m_memoButton = new QToolButton(this);
    m_memoButton->setObjectName("SpeedButton41");
    m_memoButton->setText("Memo");
    m_memoButton->setFocusPolicy(Qt::NoFocus);
    m_memoButton->setFixedHeight(FormulaKeyboardShape.KeyHeight);

    m_calcPanel = BuildCalcPanel();

    auto* editRow = new QHBoxLayout;
    editRow->addWidget(m_label);
    editRow->addWidget(m_ed, 1);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(m_calcB);
    buttonRow->addWidget(m_clearButton);
    buttonRow->addWidget(m_closeB);
    buttonRow->addStretch(1);
    buttonRow->addWidget(m_memoButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(editRow);
    layout->addWidget(m_rez);
    layout->addLayout(buttonRow);
    layout->addWidget(m_calcPanel);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_calcB, &QPushButton::clicked, this, &TCalcForm::CalcBClick);
    connect(m_clearButton, &QPushButton::clicked, this, &TCalcForm::ClearButtonClick);
    connect(m_closeB, &QPushButton::clicked, this, &QWidget::hide);
    connect(m_memoButton, &QToolButton::clicked, this, &TCalcForm::SpeedButton41Click);
}

QWidget* TCalcForm::BuildCalcPanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName("CalcPanel");
    BuildKeypad(panel, FormulaKeyboardShape, Keys, [this](TKeypadAction action, const QString& caption) {
        KeypadEdit(FocusedEdit(), action, caption);
    });
    return panel;
}

QLineEdit* TCalcForm::FocusedEdit() const {
    return qobject_cast<QLineEdit*>(focusWidget());
}

void TCalcForm::CalcBClick() {
    m_rez->appendPlainText(Q(CalculatorLine(S(m_ed->text()))));
    m_ed->setFocus();
    PutCaretAtFormulaError(m_ed);
}

void TCalcForm::ClearButtonClick() {
    m_rez->clear();
    m_ed->clear();
    m_ed->setFocus();
}

void TCalcForm::SpeedButton41Click() {
    QLineEdit* edit = FocusedEdit();
    if (!edit) return;
    QStringList lines = m_rez->toPlainText().split(QChar('\n'));
    // A final line break does not start a line of its own.
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    if (!lines.isEmpty()) edit->setText(lines.last());
}

void TCalcForm::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    m_ed->setFocus();
}
