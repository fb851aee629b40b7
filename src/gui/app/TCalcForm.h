#pragma once
// The calculator: a stay-on-top window that evaluates one constant expression at a time.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class QWidget;

class TCalcForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int HelpContext = 25900;

    explicit TCalcForm(QWidget* parent = nullptr);

    QLineEdit* Ed() const { return m_ed; }
    QPlainTextEdit* Rez() const { return m_rez; }
    QPushButton* CalcB() const { return m_calcB; }
    QPushButton* ClearButton() const { return m_clearButton; }
    QPushButton* CloseB() const { return m_closeB; }
    QToolButton* SpeedButton41() const { return m_memoButton; }
    QWidget* CalcPanel() const { return m_calcPanel; }

public slots:
    void CalcBClick();
    void ClearButtonClick();
    void SpeedButton41Click(); // "Memo"

protected:
    void showEvent(QShowEvent* e) override;

private:
    QWidget* BuildCalcPanel();
    QLineEdit* FocusedEdit() const;

    QLabel* m_label = nullptr;
    QLineEdit* m_ed = nullptr;
    QPlainTextEdit* m_rez = nullptr;
    QPushButton* m_calcB = nullptr;
    QPushButton* m_clearButton = nullptr;
    QPushButton* m_closeB = nullptr;
    QToolButton* m_memoButton = nullptr;
    QWidget* m_calcPanel = nullptr;
};
