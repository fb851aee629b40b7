#include "gui/stats/TRandomDlg.h"

#include "core/stats/RandomData.h"
#include "gui/app/MessageDlg.h"
#include "gui/app/TNumPanel.h"
#include "gui/document/FormulaCaret.h"
#include "gui/document/HistoryBox.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
const char* const ACaption = "A=";
const char* const BCaption = "B=";
const char* const VCaption = "V=";
const char* const RMCaption = "R*M=";
// Four blanks before and six after are part of the text.
const char* const OrderMessage = "    A>=B!      ";

QLabel* MakeText(QWidget* parent, const char* name, const char* caption) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

QLineEdit* MakeEdit(QWidget* parent, const char* name, const char* text) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    return edit;
}
} // namespace

TRandomDlg::TRandomDlg(QWidget* parent) : QDialog(parent) {
    setObjectName("RandomDlg");
    setWindowTitle("Випадкові значення");

    m_nSpinEdit = new QSpinBox(this);
    m_nSpinEdit->setObjectName("NSpinEdit");
    m_nSpinEdit->setRange(MinN, MaxN);
    m_nSpinEdit->setValue(DefaultN);
    m_aEdit = MakeEdit(this, "AEdit", "-1");
    m_bEdit = MakeEdit(this, "BEdit", "1");
    m_aLabel = MakeLabel(this, "ALabel", ACaption, m_aEdit);
    m_bLabel = MakeLabel(this, "BLabel", BCaption, m_bEdit);
    m_orderMessage = MakeText(this, "OrderLabel", OrderMessage);
    m_orderMessage->hide();
    m_vCaption = MakeText(this, "VLabel", VCaption);
    m_vCaption->hide();
    m_rmCaption = MakeText(this, "RMLabel", RMCaption);
    m_rmCaption->hide();
    m_intCheckBox = new QCheckBox("Цілі значення", this);
    m_intCheckBox->setObjectName("IntCheckBox");
    m_numPanel = new TNumPanel(this);
    m_okBtn = new QPushButton("OK", this);
    m_okBtn->setObjectName("OKBtn");
    m_okBtn->setDefault(true);
    m_cancelBtn = new QPushButton("Cancel", this);
    m_cancelBtn->setObjectName("CancelBtn");

    auto* grid = new QGridLayout;
    grid->addWidget(MakeText(this, "NNameLabel", "Кількість значень"), 0, 0);
    grid->addWidget(MakeLabel(this, "NLabel", "N=", m_nSpinEdit), 0, 1);
    grid->addWidget(m_nSpinEdit, 0, 2);
    grid->addWidget(MakeText(this, "MinLabel", "Мінімальне значення"), 1, 0);
    grid->addWidget(m_aLabel, 1, 1);
    grid->addWidget(m_aEdit, 1, 2);
    grid->addWidget(MakeText(this, "MaxLabel", "Максимальне значення"), 2, 0);
    grid->addWidget(m_bLabel, 2, 1);
    grid->addWidget(m_bEdit, 2, 2);
    grid->addWidget(m_intCheckBox, 3, 0, 1, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_okBtn);
    buttons->addWidget(m_cancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(m_numPanel);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_okBtn, &QPushButton::clicked, this, &TRandomDlg::accept);
    connect(m_cancelBtn, &QPushButton::clicked, this, &TRandomDlg::reject);
}

void TRandomDlg::SetBrownianMode(bool brownian) {
    m_checkOrder = !brownian;
    if (brownian == m_brownian) return;
    m_brownian = brownian;
    // The captions as the language shows them are put aside and given back.
    if (brownian) {
        m_aCaption = m_aLabel->text();
        m_bCaption = m_bLabel->text();
        m_aLabel->setText(m_vCaption->text());
        m_bLabel->setText(m_rmCaption->text());
    } else {
        m_aLabel->setText(m_aCaption);
        m_bLabel->setText(m_bCaption);
    }
}

int TRandomDlg::N() const {
    return m_nSpinEdit->value();
}

QString TRandomDlg::AText() const {
    return m_aEdit->text();
}

QString TRandomDlg::BText() const {
    return m_bEdit->text();
}

bool TRandomDlg::IntegerValues() const {
    return m_intCheckBox->isChecked();
}

void TRandomDlg::accept() {
    m_nSpinEdit->interpretText();
    const TRandomCheck check = CheckRandomInput(S(AText()), S(BText()), m_checkOrder);
    if (!check.Ok()) {
        QLineEdit* box = check.Failed == TRandomBox::AEdit ? m_aEdit : m_bEdit;
        box->setFocus(Qt::OtherFocusReason);
        if (check.Message != msg::None) {
            PutCaretAtFormulaError(box);
            ShowErrorMessage(check.Message, this);
        } else {
            MessageDlg(S(m_orderMessage->text()), TMsgDlgType::mtError, mbOKOnly, 0, this);
        }
        return;
    }
    QDialog::accept();
}
