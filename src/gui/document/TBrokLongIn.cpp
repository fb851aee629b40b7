#include "gui/document/TBrokLongIn.h"

#include "gui/document/HistoryBox.h"

#include "core/document/EntryChecks.h"
#include "gui/app/MessageDlg.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace {

constexpr int MinNumber = 1;

// Trailing and doubled blanks are part of the texts.
const std::array<const char*, 6> InfoLines = {
    "Необхідно ввести початковий та кінцевий  номери вершин.",
    "Коли номери співпадають, обчислюється довжина",
    "відповідної замкненої ламаної.",
    "Для незамкненої ламаної ",
    "перший номер не повинен бути більшим за другий, а при",
    "співпаданні номерів довжина буде дорівнювати нулю.",
};

QSpinBox* MakeNumberBox(QWidget* parent, const char* name) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(MinNumber, TBrokLongIn::DefaultMaxNumber);
    box->setValue(MinNumber);
    return box;
}

} // namespace

TBrokLongIn::TBrokLongIn(QWidget* parent) : QDialog(parent) {
    setObjectName("BrokLongIn");
    setWindowTitle("Визначення довжини ламаної");

    m_numbersGroup = new QGroupBox("Номери вершин ламаної:", this);
    m_numbersGroup->setObjectName("GroupBox1");
    m_n1SpinEdit = MakeNumberBox(m_numbersGroup, "N1SpinEdit");
    m_n1Label = MakeLabel(m_numbersGroup, "N1Label", "N1=", m_n1SpinEdit);
    m_n2SpinEdit = MakeNumberBox(m_numbersGroup, "N2SpinEdit");
    m_n2Label = MakeLabel(m_numbersGroup, "N2Label", "N2=", m_n2SpinEdit);
    auto* numbers = new QGridLayout(m_numbersGroup);
    numbers->addWidget(m_n1Label, 0, 0);
    numbers->addWidget(m_n1SpinEdit, 0, 1);
    numbers->addWidget(m_n2Label, 1, 0);
    numbers->addWidget(m_n2SpinEdit, 1, 1);

    auto* info = new QFrame(this);
    info->setObjectName("InfoPanel");
    info->setFrameShape(QFrame::StyledPanel);
    auto* infoLayout = new QVBoxLayout(info);
    infoLayout->setSpacing(0);
    for (int i = 0; i < static_cast<int>(InfoLines.size()); ++i) {
        auto* line = new QLabel(InfoLines[i], info);
        line->setObjectName(QString("InfoLabel%1").arg(i + 1));
        infoLayout->addWidget(line);
    }

    m_okButton = new QPushButton("OK", this);
    m_okButton->setObjectName("OKButton");
    m_okButton->setDefault(true); // Enter in a spinner confirms
    m_cancelButton = new QPushButton("Скасувати", this);
    m_cancelButton->setObjectName("CancelButton");

    auto* top = new QHBoxLayout;
    top->addWidget(m_numbersGroup);
    top->addWidget(info, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_okButton, &QPushButton::clicked, this, &TBrokLongIn::accept);
    connect(m_cancelButton, &QPushButton::clicked, this, &TBrokLongIn::reject);
}

void TBrokLongIn::SetMaxNumber(int vertexCount) {
    const int top = std::max(MinNumber, vertexCount);
    m_n1SpinEdit->setMaximum(top);
    m_n2SpinEdit->setMaximum(top);
}

int TBrokLongIn::N1() const {
    return m_n1SpinEdit->value();
}

int TBrokLongIn::N2() const {
    return m_n2SpinEdit->value();
}

void TBrokLongIn::accept() {
    // Numbers typed but not yet taken by the spinners count as typed.
    m_n1SpinEdit->interpretText();
    m_n2SpinEdit->interpretText();
    const TEntryCheck<TBrokBox> check = CheckBrokLongInput(N1(), N2(), m_closed);
    if (!check.Ok()) {
        (check.Failed == TBrokBox::N2SpinEdit ? m_n2SpinEdit : m_n1SpinEdit)->setFocus(Qt::OtherFocusReason);
        ShowErrorMessage(check.Message, this);
        return;
    }
    QDialog::accept();
}
