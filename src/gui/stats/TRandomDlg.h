#pragma once
// "Випадкові значення": how many values, and A and B, for the random data of the sample dialog and, with its
// labels changed to "V=" and "R*M=" and without the A < B check, for the Brownian motion of the point table.
#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class TNumPanel;

class TRandomDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int MinN = 2;
    static constexpr int MaxN = 12000;
    static constexpr int DefaultN = 10;

    explicit TRandomDlg(QWidget* parent = nullptr);

    // OK refuses B <= A while set (at creation).
    void SetCheckOrder(bool check) { m_checkOrder = check; }
    bool CheckOrder() const { return m_checkOrder; }
    // The Brownian motion's run: the labels "V=" and "R*M=" and no A < B check; false puts them back.
    void SetBrownianMode(bool brownian);

    int N() const;
    QString AText() const;
    QString BText() const;
    bool IntegerValues() const;

    QSpinBox* NSpinEdit() const { return m_nSpinEdit; }
    QLineEdit* AEdit() const { return m_aEdit; }
    QLineEdit* BEdit() const { return m_bEdit; }
    QLabel* ALabel() const { return m_aLabel; }
    QLabel* BLabel() const { return m_bLabel; }
    QCheckBox* IntCheckBox() const { return m_intCheckBox; }
    QPushButton* OKBtn() const { return m_okBtn; }
    QPushButton* CancelBtn() const { return m_cancelBtn; }

public slots:
    void accept() override;

private:
    QSpinBox* m_nSpinEdit = nullptr;
    QLineEdit* m_aEdit = nullptr;
    QLineEdit* m_bEdit = nullptr;
    QLabel* m_aLabel = nullptr;
    QLabel* m_bLabel = nullptr;
    QLabel* m_orderMessage = nullptr; // hidden: the text of the A < B refusal, replaceable by name
    QLabel* m_vCaption = nullptr;     // hidden: "V=" and "R*M=" of the Brownian motion
    QLabel* m_rmCaption = nullptr;
    QString m_aCaption, m_bCaption; // the captions the Brownian motion's run put aside
    bool m_brownian = false;
    QCheckBox* m_intCheckBox = nullptr;
    TNumPanel* m_numPanel = nullptr;
    QPushButton* m_okBtn = nullptr;
    QPushButton* m_cancelBtn = nullptr;
    bool m_checkOrder = true;
};
