#pragma once
// "Визначення довжини ламаної": the first and last vertex numbers of the stretch of a broken line whose
// length is wanted. An open line is walked forwards, so OK (or Enter) refuses N2 < N1; a closed one accepts
// any pair.
#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;

class TBrokLongIn : public QDialog {
    Q_OBJECT
public:
    static constexpr int DefaultMaxNumber = 100;

    explicit TBrokLongIn(QWidget* parent = nullptr);

    // The number of vertices: the largest number both spinners allow.
    void SetMaxNumber(int vertexCount);
    // Whether the broken line is closed.
    void SetClosed(bool closed) { m_closed = closed; }
    bool Closed() const { return m_closed; }

    int N1() const;
    int N2() const;

    QSpinBox* N1SpinEdit() const { return m_n1SpinEdit; }
    QSpinBox* N2SpinEdit() const { return m_n2SpinEdit; }
    QPushButton* OKButton() const { return m_okButton; }
    QPushButton* CancelButton() const { return m_cancelButton; }

public slots:
    void accept() override;

private:
    QGroupBox* m_numbersGroup = nullptr;
    QLabel* m_n1Label = nullptr;
    QSpinBox* m_n1SpinEdit = nullptr;
    QLabel* m_n2Label = nullptr;
    QSpinBox* m_n2SpinEdit = nullptr;
    QPushButton* m_okButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    bool m_closed = false;
};
