#pragma once
// The label-text dialog: the text of one label placed at the mouse cross, and whether its point is drawn.
#include <QDialog>

#include <string>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TNumPanel;

class TDLabelDlg : public QDialog {
    Q_OBJECT
public:
    explicit TDLabelDlg(QWidget* parent = nullptr);

    std::string Text() const;
    bool DrawPoint() const;

    QLineEdit* DLabelEdit() const { return m_edit; }
    QCheckBox* PCheckBox() const { return m_point; }
    QPushButton* OKBtn() const { return m_ok; }
    QPushButton* CancelBtn() const { return m_cancel; }

protected:
    void showEvent(QShowEvent* e) override;

private:
    QLabel* m_prompt = nullptr;
    QLineEdit* m_edit = nullptr;
    QCheckBox* m_point = nullptr;
    TNumPanel* m_numPanel = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};
