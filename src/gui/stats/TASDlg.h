#pragma once
// "Додатково": the interval [A, B] that the sample's intervals divide and their number K, with the bounds
// taken from the data and Sturges' formula. "<--- Назад" returns to the data dialog.
#include "core/stats/SampleEntry.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class QSpinBox;

class TASDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int HelpContext = 22130;
    static constexpr int BackResult = 7; // the modal result of "<--- Назад"

    explicit TASDlg(QWidget* parent = nullptr);

    void Prepare(const TIntervalProposal& proposal);
    std::string AText() const;
    std::string BText() const;
    int K() const;

    // "Відрізок за вибіркою", "Застосувати формулу  Стерджеса", "По к-ті різних значень вибірки".
    void SampleBounds();
    void Sturges();
    void ByVariantCount();

    QLineEdit* AEdit() const { return m_a; }
    QLineEdit* BEdit() const { return m_b; }
    QSpinBox* KSpinEdit() const { return m_k; }
    QPushButton* Button(const char* name) const;

public slots:
    void accept() override;

private:
    QLineEdit* m_a = nullptr;
    QLineEdit* m_b = nullptr;
    QSpinBox* m_k = nullptr;
    TIntervalProposal m_proposal;
};
