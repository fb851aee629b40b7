#pragma once
// "Нерівності": the relation and right-hand side of an inequality Y(X) < C or Y(X) > C for the inequality
// tools. OK keeps the dialog open until the right-hand side compiles.
#include <QDialog>

#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TNerDlg : public QDialog {
    Q_OBJECT
public:
    enum Relation { Less = 0, Greater = 1 }; // the items of NerComboBox

    explicit TNerDlg(QWidget* parent = nullptr);

    Relation SelectedRelation() const;
    std::string RightSide() const;

    // The heading: "Розв'язування нерівностей виду:" until a tool sets its own.
    QLabel* HeadLabel() const { return m_headLabel; }
    QLabel* NerLabel() const { return m_nerLabel; }
    QComboBox* NerComboBox() const { return m_nerComboBox; }
    QLineEdit* NerEdit() const { return m_nerEdit; }
    QPushButton* OKButton() const { return m_okButton; }
    QPushButton* CancelButton() const { return m_cancelButton; }

public slots:
    void accept() override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    QLabel* m_headLabel = nullptr;
    QLabel* m_nerLabel = nullptr;
    QComboBox* m_nerComboBox = nullptr;
    QLineEdit* m_nerEdit = nullptr;
    QPushButton* m_okButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
};
