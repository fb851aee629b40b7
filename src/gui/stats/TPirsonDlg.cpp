#include "gui/stats/TPirsonDlg.h"

#include "core/stats/ChiSquareTable.h"
#include "gui/app/MessageDlg.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

TPirsonDlg::TPirsonDlg(QWidget* parent) : QDialog(parent) {
    setObjectName("PirsonDlg");
    setWindowTitle("Критерій Пірсона");

    auto* theory = new QGroupBox("Вибір гіпотетичного розподілу", this);
    theory->setObjectName("TheorRadioGroup");
    auto* theoryLayout = new QVBoxLayout(theory);
    const char* const names[] = {"TheorRadioButton1", "TheorRadioButton2"};
    const char* const initial[] = {"S1", "S2"};
    for (int i = 0; i < 2; ++i) {
        m_theory[i] = new QRadioButton(initial[i], theory);
        m_theory[i]->setObjectName(names[i]);
        theoryLayout->addWidget(m_theory[i]);
        connect(m_theory[i], &QRadioButton::toggled, this, [this](bool on) {
            if (on) TheoryChanged();
        });
    }

    auto* level = new QGroupBox("Рівень значущості", this);
    level->setObjectName("AlphaGroupBox");
    m_alpha = new QComboBox(level);
    m_alpha->setObjectName("AlphaBox");
    for (const char* text : ChiSquareLevelTexts)
        m_alpha->addItem(text);
    m_alpha->setCurrentIndex(0);
    (new QVBoxLayout(level))->addWidget(m_alpha);

    auto* freedom = new QGroupBox("Степені свободи", this);
    freedom->setObjectName("SGroupBox");
    m_df = new QSpinBox(freedom);
    m_df->setObjectName("SSpinEdit");
    m_df->setRange(1, ChiSquareMaxDf);
    (new QVBoxLayout(freedom))->addWidget(m_df);

    auto* classes = new QGroupBox("Кількість інтервалів", this);
    classes->setObjectName("KGroupBox");
    auto* classesLayout = new QHBoxLayout(classes);
    auto* kName = new QLabel("k=", classes);
    kName->setObjectName("KNameLabel");
    m_kLabel = new QLabel("0", classes);
    m_kLabel->setObjectName("KLabel");
    classesLayout->addWidget(kName);
    classesLayout->addWidget(m_kLabel);
    classesLayout->addStretch(1);

    auto* hint = new QFrame(this);
    hint->setObjectName("Panel1");
    hint->setFrameShape(QFrame::Panel);
    auto* hintLayout = new QVBoxLayout(hint);
    int lineNumber = 0;
    for (const char* line : {"К-ть степенів свободи для нормального", "розподілу вибирають k-3.",
                             "В інших випадках доцільно вибрати k-1."}) {
        auto* label = new QLabel(line, hint);
        // Named, so that language files reach it.
        label->setObjectName(QString("HintLabel%1").arg(++lineNumber));
        hintLayout->addWidget(label);
    }

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("OKBtn");
    ok->setDefault(true);
    auto* cancel = new QPushButton("Скасувати", this);
    cancel->setObjectName("CancelBtn");
    connect(ok, &QPushButton::clicked, this, &TPirsonDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &TPirsonDlg::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* numbers = new QHBoxLayout;
    numbers->addWidget(level);
    numbers->addWidget(freedom);
    numbers->addWidget(classes);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(theory);
    layout->addLayout(numbers);
    layout->addWidget(hint);
    layout->addLayout(buttons);
    m_theory[0]->setChecked(true);
}

void TPirsonDlg::Prepare(const std::string& first, const std::string& second, int k1, int k2, bool choice) {
    m_theory[0]->setText(Q(first));
    m_theory[1]->setText(Q(second));
    m_k[0] = k1;
    m_k[1] = k2;
    m_theory[0]->setEnabled(choice);
    m_theory[1]->setEnabled(choice);
    SetTheory(2);
    TheoryChanged();
}

int TPirsonDlg::Theory() const {
    return m_theory[0]->isChecked() ? 1 : 2;
}

void TPirsonDlg::SetTheory(int item) {
    m_theory[item == 1 ? 0 : 1]->setChecked(true);
}

void TPirsonDlg::TheoryChanged() {
    // The classes of the object under test: the other item's object.
    const int k = m_k[Theory() == 1 ? 0 : 1] > 0 ? m_k[Theory() == 1 ? 0 : 1] : m_k[0];
    m_kLabel->setText(QString::number(k));
    // The table stops at 30 degrees of freedom.
    m_df->setMaximum(std::clamp(k - 1, 1, ChiSquareMaxDf));
    m_df->setValue(std::clamp(k - 1, 1, ChiSquareMaxDf));
}

int TPirsonDlg::Level() const {
    return m_alpha->currentIndex() + 1;
}

std::string TPirsonDlg::LevelText() const {
    return S(m_alpha->currentText());
}

int TPirsonDlg::DegreesOfFreedom() const {
    return m_df->value();
}

void TPirsonDlg::showEvent(QShowEvent* e) {
    m_alpha->setCurrentIndex(ChiSquareDefaultLevel - 1);
    QDialog::showEvent(e);
}
