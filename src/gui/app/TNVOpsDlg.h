#pragma once
// "Параметри програми": the two program-wide options, the number precision and the interface language.
#include <QDialog>

#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

class TNVOpsDlg : public QDialog {
    Q_OBJECT
public:
    explicit TNVOpsDlg(QWidget* parent = nullptr);

    // Offers the languages and shows the current choices; true when the user pressed OK.
    bool Run(const std::vector<std::string>& languages, const std::string& language, int digits);
    std::string Language() const;
    int Digits() const;

    QSpinBox* PointsEdit() const { return m_pointsEdit; }
    QComboBox* LangCombo() const { return m_langCombo; }
    QPushButton* OKBtn() const { return m_ok; }
    QPushButton* CancelBtn() const { return m_cancel; }

protected:
    void showEvent(QShowEvent* e) override;

private:
    QLabel* m_label1 = nullptr;
    QSpinBox* m_pointsEdit = nullptr;
    QLabel* m_label2 = nullptr;
    QComboBox* m_langCombo = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};
