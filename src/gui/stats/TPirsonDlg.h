#pragma once
// "Критерій Пірсона": the hypothetical distribution, the significance level and the degrees of freedom of
// Pearson's test.
#include <QDialog>

#include <string>

class QComboBox;
class QLabel;
class QRadioButton;
class QSpinBox;

class TPirsonDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int HelpContext = 25320;

    explicit TPirsonDlg(QWidget* parent = nullptr);

    // The captions of the two objects, the classes of each, and whether the first may be chosen as the
    // theory; the second is chosen.
    void Prepare(const std::string& first, const std::string& second, int k1, int k2, bool choice);

    int Theory() const; // 1 or 2
    void SetTheory(int item);
    int Level() const; // 1..14
    std::string LevelText() const;
    int DegreesOfFreedom() const;

    QRadioButton* TheoryButton(int item) const { return m_theory[item - 1]; }
    QComboBox* AlphaBox() const { return m_alpha; }
    QSpinBox* SSpinEdit() const { return m_df; }
    QLabel* KLabel() const { return m_kLabel; }

protected:
    void showEvent(QShowEvent* e) override;

private:
    void TheoryChanged();

    QRadioButton* m_theory[2] = {};
    QComboBox* m_alpha = nullptr;
    QSpinBox* m_df = nullptr;
    QLabel* m_kLabel = nullptr;
    int m_k[2] = {0, 0};
};
