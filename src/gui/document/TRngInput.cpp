#include "gui/document/TRngInput.h"

#include "core/document/EntryChecks.h"
#include "gui/app/MessageDlg.h"
#include "gui/document/FormulaCaret.h"
#include "gui/document/HistoryBox.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TRngInput::TRngInput(QWidget* parent) : QDialog(parent) {
    setObjectName("RngInput");
    setWindowTitle("Введення відрізку інтегрування");

    m_rngAEdit = MakeHistoryBox(this, "RngAEdit", QString());
    m_rngALabel = MakeLabel(this, "RngALabel", "A=", m_rngAEdit);
    m_rngBEdit = MakeHistoryBox(this, "RngBEdit", QString());
    m_rngBLabel = MakeLabel(this, "RngBLabel", "B=", m_rngBEdit);

    m_okButton = new QPushButton("OK", this);
    m_okButton->setObjectName("OKButton");
    m_okButton->setDefault(true);
    m_cancelButton = new QPushButton("Скасувати", this);
    m_cancelButton->setObjectName("CancelButton");

    auto* bounds = new QGridLayout;
    bounds->addWidget(m_rngALabel, 0, 0);
    bounds->addWidget(m_rngAEdit, 0, 1);
    bounds->addWidget(m_rngBLabel, 1, 0);
    bounds->addWidget(m_rngBEdit, 1, 1);
    bounds->setColumnMinimumWidth(1, m_rngAEdit->fontMetrics().averageCharWidth() * 24);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bounds);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_okButton, &QPushButton::clicked, this, &TRngInput::accept);
    connect(m_cancelButton, &QPushButton::clicked, this, &TRngInput::reject);
}

void TRngInput::SetBounds(const std::string& a, const std::string& b) {
    m_rngAEdit->setEditText(Q(a));
    m_rngBEdit->setEditText(Q(b));
}

std::string TRngInput::AText() const {
    return S(m_rngAEdit->currentText());
}

std::string TRngInput::BText() const {
    return S(m_rngBEdit->currentText());
}

QComboBox* TRngInput::Box(TRngBox box) const {
    return box == TRngBox::RngBEdit ? m_rngBEdit : m_rngAEdit;
}

void TRngInput::accept() {
    const TEntryCheck<TRngBox> check = CheckRngInput(AText(), BText());
    for (TRngBox box : check.Passed)
        RememberText(Box(box));
    if (!check.Ok()) {
        Box(check.Failed)->setFocus(Qt::OtherFocusReason);
        Box(check.Failed)->lineEdit()->selectAll();
        PutCaretAtFormulaError(Box(check.Failed)->lineEdit());
        ShowErrorMessage(check.Message, this);
        return;
    }
    QDialog::accept();
}

void TRngInput::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    m_rngAEdit->setFocus(Qt::OtherFocusReason);
    m_rngAEdit->lineEdit()->selectAll();
}
