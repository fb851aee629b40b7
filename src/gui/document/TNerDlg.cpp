#include "gui/document/TNerDlg.h"

#include "core/document/EntryChecks.h"
#include "gui/app/MessageDlg.h"
#include "gui/document/FormulaCaret.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TNerDlg::TNerDlg(QWidget* parent) : QDialog(parent) {
    setObjectName("NerDlg");
    setWindowTitle("Нерівності");

    m_headLabel = new QLabel("Розв'язування нерівностей виду:", this);
    m_headLabel->setObjectName("HeadLabel");
    m_nerLabel = new QLabel("Y(X)", this);
    m_nerLabel->setObjectName("NerLabel");
    m_nerComboBox = new QComboBox(this);
    m_nerComboBox->setObjectName("NerComboBox");
    m_nerComboBox->addItems({"<", ">"});
    m_nerComboBox->setCurrentIndex(Less);
    m_nerEdit = new QLineEdit("0", this);
    m_nerEdit->setObjectName("NerEdit");

    m_okButton = new QPushButton("OK", this);
    m_okButton->setObjectName("OKButton");
    m_okButton->setDefault(true);
    m_cancelButton = new QPushButton("Скасувати", this);
    m_cancelButton->setObjectName("CancelButton");

    auto* inequality = new QHBoxLayout;
    inequality->addWidget(m_nerLabel);
    inequality->addWidget(m_nerComboBox);
    inequality->addWidget(m_nerEdit, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_headLabel);
    layout->addLayout(inequality);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_okButton, &QPushButton::clicked, this, &TNerDlg::accept);
    connect(m_cancelButton, &QPushButton::clicked, this, &TNerDlg::reject);
}

TNerDlg::Relation TNerDlg::SelectedRelation() const {
    return m_nerComboBox->currentIndex() == Greater ? Greater : Less;
}

std::string TNerDlg::RightSide() const {
    return S(m_nerEdit->text());
}

void TNerDlg::accept() {
    const TEntryCheck<TNerBox> check = CheckNerInput(RightSide());
    if (!check.Ok()) {
        m_nerEdit->setFocus(Qt::OtherFocusReason);
        PutCaretAtFormulaError(m_nerEdit);
        ShowErrorMessage(check.Message, this);
        return;
    }
    QDialog::accept();
}

void TNerDlg::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    m_nerComboBox->setCurrentIndex(Less);
    m_nerEdit->setFocus(Qt::OtherFocusReason);
    m_nerEdit->selectAll();
}
