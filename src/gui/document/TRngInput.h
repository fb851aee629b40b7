#pragma once
// "Введення відрізку інтегрування": an interval [A, B] for the tools that need one. OK keeps the dialog open
// until both bounds compile and B > A. The bound boxes remember the texts accepted in them.
#include <QDialog>

#include <string>

class QComboBox;
class QLabel;
class QPushButton;
enum class TRngBox;

class TRngInput : public QDialog {
    Q_OBJECT
public:
    explicit TRngInput(QWidget* parent = nullptr);

    // The bounds as the tools put them in and read them back.
    void SetBounds(const std::string& a, const std::string& b);
    std::string AText() const;
    std::string BText() const;

    QComboBox* RngAEdit() const { return m_rngAEdit; }
    QComboBox* RngBEdit() const { return m_rngBEdit; }
    QPushButton* OKButton() const { return m_okButton; }
    QPushButton* CancelButton() const { return m_cancelButton; }

public slots:
    void accept() override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    QComboBox* Box(TRngBox box) const;

    QLabel* m_rngALabel = nullptr;
    QComboBox* m_rngAEdit = nullptr;
    QLabel* m_rngBLabel = nullptr;
    QComboBox* m_rngBEdit = nullptr;
    QPushButton* m_okButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
};
