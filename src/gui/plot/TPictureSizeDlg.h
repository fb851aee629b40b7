#pragma once
// "Розмір малюнка": the width and height in pixels of a picture of the graph about to be saved, starting
// from the graph's own size.
#include <QDialog>

class QSpinBox;

class TPictureSizeDlg : public QDialog {
    Q_OBJECT
public:
    explicit TPictureSizeDlg(QWidget* parent = nullptr);

    void SetPictureSize(QSize size);
    QSize PictureSize() const;
    QSpinBox* WidthEdit() const { return m_width; }
    QSpinBox* HeightEdit() const { return m_height; }

private:
    QSpinBox* m_width = nullptr;
    QSpinBox* m_height = nullptr;
};
