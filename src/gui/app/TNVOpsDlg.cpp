#include "gui/app/TNVOpsDlg.h"
#include "gui/app/DialogButtons.h"

#include "core/app/ProgramSettings.h"
#include "gui/app/LanguageWalk.h"
#include "gui/app/MessageDlg.h" // Q(), S()

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>

TNVOpsDlg::TNVOpsDlg(QWidget* parent) : QDialog(parent) {
    setObjectName("NVOpsDlg");
    setWindowTitle("Параметри програми");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    m_pointsEdit = new QSpinBox(this);
    m_pointsEdit->setObjectName("PointsEdit");
    m_pointsEdit->setRange(0, MaxDigitsSetting);
    m_pointsEdit->setValue(DefaultDigitsSetting);
    // Chosen with the arrows only.
    m_pointsEdit->findChild<QLineEdit*>()->setReadOnly(true);
    m_label1 = new QLabel("Кількість десяткових знаків:", this);
    m_label1->setObjectName("Label1");
    m_label1->setBuddy(m_pointsEdit);

    m_langCombo = new QComboBox(this);
    m_langCombo->setObjectName("LangCombo");
    // Each language is offered by its own name, in every language.
    SetComponentKind(m_langCombo, TComponentKind::Panel);
    m_label2 = new QLabel("Мова інтерфейсу:", this);
    m_label2->setObjectName("Label2");
    m_label2->setBuddy(m_langCombo);

    const TDialogButtons okCancel = MakeDialogButtons(this);
    m_ok = okCancel.Ok;
    m_cancel = okCancel.Cancel;

    auto* grid = new QGridLayout;
    grid->addWidget(m_label1, 0, 0);
    grid->addWidget(m_pointsEdit, 0, 1);
    grid->addWidget(m_label2, 1, 0);
    grid->addWidget(m_langCombo, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool TNVOpsDlg::Run(const std::vector<std::string>& languages, const std::string& language, int digits) {
    m_langCombo->clear();
    for (const std::string& name : languages)
        m_langCombo->addItem(Q(name));
    m_langCombo->setCurrentIndex(std::max(0, m_langCombo->findText(Q(language))));
    m_pointsEdit->setValue(digits);
    return exec() == QDialog::Accepted;
}

std::string TNVOpsDlg::Language() const {
    return S(m_langCombo->currentText());
}

int TNVOpsDlg::Digits() const {
    return m_pointsEdit->value();
}

void TNVOpsDlg::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    // Centred on the screen, not on the main window.
    if (QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());
    m_pointsEdit->setFocus();
}
