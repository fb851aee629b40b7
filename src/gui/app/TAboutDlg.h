#pragma once
// The about box: the program's name, version and purpose. Its texts stay as they are in every language.
#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

class TAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit TAboutDlg(QWidget* parent = nullptr);

    QPlainTextEdit* AboutMemo() const { return m_aboutMemo; }

private:
    QLabel* m_image = nullptr;
    QPushButton* m_okButton = nullptr;
    QPlainTextEdit* m_aboutMemo = nullptr;
};

// The about box's picture: axes with a sine curve.
QPixmap AboutPicture(int size);
