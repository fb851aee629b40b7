#include "gui/app/TCalcForm.h"

#include "core/app/Calculator.h"
#include "gui/app/MessageDlg.h"
#include "gui/document/FormulaCaret.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <array>

namespace {

constexpr int KeyWidth = 44;
constexpr int KeyHeight = 22;
constexpr int KeyColumns = 4;
constexpr int ResultLines = 6;
const QColor EditingKeyColor(Qt::blue);

// The keys that insert their caption, in the order of their names SpeedButton1, SpeedButton2, ...
// The first twenty form the function block, the rest the number block.
const std::array<const char*, 36> InsertKeys = {
    "Sin(",  "Cos(", "Tg(", "(", "ASin(", "ACos(", "ATg(", ")", "Exp(", "Ln(", "Log(", ".",
    "Sqrt(", "Int(", "Pi",  "E", "CTg(",  "ACTg(", "Abs(", ",", "P",    "0",   "1",    "2",
    "3",     "4",    "5",   "6", "7",     "8",     "9",    "*", "/",    "+",   "-",    "^",
};
constexpr int FunctionKeyCount = 20;

// Where each key of the number block sits, row by row: 7 8 9 / | 4 5 6 * | 1 2 3 - | 0 P ^ +.
const std::array<const char*, 16> NumberBlock = {
    "7", "8", "9", "/", "4", "5", "6", "*", "1", "2", "3", "-", "0", "P", "^", "+",
};

struct TEditingKey {
    const char* Caption;
    void (*Apply)(QLineEdit*);
};
const std::array<TEditingKey, 4> EditingKeys = {{
    {"<--", [](QLineEdit* e) { e->backspace(); }},
    {"Del", [](QLineEdit* e) { e->del(); }},
    {"Home", [](QLineEdit* e) { e->home(false); }},
    {"End", [](QLineEdit* e) { e->end(false); }},
}};

QToolButton* MakeKey(QWidget* parent, int index, const QString& caption) {
    auto* key = new QToolButton(parent);
    key->setObjectName(QString("SpeedButton%1").arg(index + 1));
    key->setText(caption);
    // The caret stays in the edit the key types into.
    key->setFocusPolicy(Qt::NoFocus);
    key->setFixedSize(KeyWidth, KeyHeight);
    return key;
}

int IndexOfInsertKey(const char* caption) {
    for (int i = 0; i < static_cast<int>(InsertKeys.size()); ++i)
        if (QString(InsertKeys[i]) == caption) return i;
    return -1;
}

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
    m_memoButton->setFixedHeight(KeyHeight);

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
    auto* functions = new QGridLayout;
    auto* numbers = new QGridLayout;
    functions->setSpacing(1);
    numbers->setSpacing(1);

    const auto insertCaption = [this](const QString& caption) {
        if (QLineEdit* edit = FocusedEdit()) edit->insert(caption);
    };
    for (int i = 0; i < FunctionKeyCount; ++i) {
        QToolButton* key = MakeKey(panel, i, InsertKeys[i]);
        functions->addWidget(key, i / KeyColumns, i % KeyColumns);
        connect(key, &QToolButton::clicked, this,
                [insertCaption, caption = key->text()] { insertCaption(caption); });
    }
    for (int cell = 0; cell < static_cast<int>(NumberBlock.size()); ++cell) {
        const int index = IndexOfInsertKey(NumberBlock[cell]);
        QToolButton* key = MakeKey(panel, index, NumberBlock[cell]);
        numbers->addWidget(key, cell / KeyColumns, cell % KeyColumns);
        connect(key, &QToolButton::clicked, this,
                [insertCaption, caption = key->text()] { insertCaption(caption); });
    }
    auto* editing = new QHBoxLayout;
    editing->setSpacing(1);
    for (int i = 0; i < static_cast<int>(EditingKeys.size()); ++i) {
        QToolButton* key = MakeKey(panel, static_cast<int>(InsertKeys.size()) + i, EditingKeys[i].Caption);
        QPalette palette = key->palette();
        palette.setColor(QPalette::ButtonText, EditingKeyColor);
        key->setPalette(palette);
        editing->addWidget(key);
        const auto apply = EditingKeys[i].Apply;
        connect(key, &QToolButton::clicked, this, [this, apply] {
            if (QLineEdit* edit = FocusedEdit()) apply(edit);
        });
    }
    editing->addStretch(1);

    auto* blocks = new QHBoxLayout;
    blocks->addLayout(functions);
    blocks->addSpacing(KeyWidth / 2);
    blocks->addLayout(numbers);
    blocks->addStretch(1);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(blocks);
    layout->addLayout(editing);
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
