#include "gui/stats/TASDlg.h"

#include "gui/app/MessageDlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

TASDlg::TASDlg(QWidget* parent) : QDialog(parent) {
    setObjectName("ASDlg");
    setWindowTitle("Додатково");
    auto button = [this](const char* name, const char* caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        return b;
    };

    auto* bounds = new QGroupBox("Відрізок задання", this);
    bounds->setObjectName("ABGroupBox");
    auto* grid = new QGridLayout(bounds);
    m_a = new QLineEdit("1", bounds);
    m_a->setObjectName("AEdit");
    m_b = new QLineEdit("10", bounds);
    m_b->setObjectName("BEdit");
    grid->addWidget(new QLabel("A=", bounds), 0, 0);
    grid->addWidget(m_a, 0, 1);
    grid->addWidget(new QLabel("B=", bounds), 1, 0);
    grid->addWidget(m_b, 1, 1);
    QPushButton* ab = button("ABButton", "Відрізок за вибіркою");
    grid->addWidget(ab, 2, 0, 1, 2);

    auto* count = new QGroupBox("К-ть інтервалів", this);
    count->setObjectName("KGroupBox");
    auto* k = new QGridLayout(count);
    m_k = new QSpinBox(count);
    m_k->setObjectName("KSpinEdit");
    m_k->setRange(SampleIntervalsMin, SampleIntervalsMax);
    k->addWidget(new QLabel("K=", count), 0, 0);
    k->addWidget(m_k, 0, 1);
    QPushButton* sturges = button("StrButton", "Застосувати формулу  Стерджеса");
    QPushButton* byCount = button("NButton", "По к-ті різних значень вибірки");
    byCount->setVisible(false);
    k->addWidget(sturges, 1, 0, 1, 2);
    k->addWidget(byCount, 2, 0, 1, 2);

    QPushButton* ok = button("OKBtn", "OK");
    ok->setDefault(true);
    QPushButton* back = button("PrevButton", "<--- Назад");
    QPushButton* cancel = button("CancelBtn", "Скасувати");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bounds);
    layout->addWidget(count);
    layout->addLayout(buttons);

    connect(ab, &QPushButton::clicked, this, &TASDlg::SampleBounds);
    connect(sturges, &QPushButton::clicked, this, &TASDlg::Sturges);
    connect(byCount, &QPushButton::clicked, this, &TASDlg::ByVariantCount);
    connect(ok, &QPushButton::clicked, this, &TASDlg::accept);
    connect(back, &QPushButton::clicked, this, [this] { done(BackResult); });
    connect(cancel, &QPushButton::clicked, this, &TASDlg::reject);
}

QPushButton* TASDlg::Button(const char* name) const {
    return findChild<QPushButton*>(name);
}

void TASDlg::Prepare(const TIntervalProposal& proposal) {
    m_proposal = proposal;
    m_a->setText(Q(proposal.AText));
    m_b->setText(Q(proposal.BText));
    m_k->setValue(proposal.K);
    for (QWidget* w : std::initializer_list<QWidget*>{m_k, Button("StrButton"), Button("NButton")})
        w->setEnabled(proposal.IntervalControls);
}

std::string TASDlg::AText() const {
    return S(m_a->text());
}

std::string TASDlg::BText() const {
    return S(m_b->text());
}

int TASDlg::K() const {
    return m_k->value();
}

void TASDlg::SampleBounds() {
    ApplySampleBounds(m_proposal);
    m_a->setText(Q(m_proposal.AText));
    m_b->setText(Q(m_proposal.BText));
}

void TASDlg::Sturges() {
    m_k->setValue(SturgesIntervals(m_proposal.N));
}

void TASDlg::ByVariantCount() {
    m_k->setValue(m_proposal.VariantCount);
}

void TASDlg::accept() {
    m_k->interpretText();
    const TIntervalCheck check = CheckIntervalInput(AText(), BText(), m_proposal.Smallest, m_proposal.Largest,
                                                    m_proposal.AText, m_proposal.BText);
    if (!check.Ok()) {
        QLineEdit* box = check.Failed == TIntervalBox::BEdit ? m_b : m_a;
        box->setFocus(Qt::OtherFocusReason);
        box->selectAll();
        MessageDlg(check.Message, TMsgDlgType::mtError, mbOKOnly, 0, this);
        return;
    }
    QDialog::accept();
}
