#pragma once
// "Введення виразу залежності": the one dialog in which the user types an object's formulas, bounds and
// plotting options. Each kind fills it with its own rows shown (Fill), runs it, and takes the confirmed
// values back (Values). OK keeps the dialog open, with the offending box focused, until every shown box
// compiles and the intervals are proper. The editable boxes remember the texts accepted in them during the
// run.
#include "core/objects/ObjectEditor.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QSpinBox;
class QToolButton;
class QWidget;
class TColorGrid;
enum class TFuBox;

class TFuInput : public QDialog {
    Q_OBJECT
public:
    static constexpr int MinWLine = 1;
    static constexpr int MaxWLine = 4;
    static constexpr int MinPrecision = 1;
    static constexpr int MaxPrecision = 6;

    explicit TFuInput(QWidget* parent = nullptr);

    // Texts, captions, the shown rows and the options of an object.
    void Fill(const TFuInputData& data);
    // What the dialog holds now. The colour is the picked cell's, or the filled colour when no cell is
    // picked.
    TFuInputData Values() const;
    // Fill, show modally, and on OK put the confirmed values into data. False on anything but OK.
    bool Run(TFuInputData& data);

    QLabel* FyLabel() const { return m_fyLabel; }
    QComboBox* FyEdit() const { return m_fyEdit; }
    QLabel* FxLabel() const { return m_fxLabel; }
    QComboBox* FxEdit() const { return m_fxEdit; }
    QComboBox* AxEdit() const { return m_axEdit; }
    QComboBox* BxEdit() const { return m_bxEdit; }
    QFrame* AByPanel() const { return m_abyPanel; }
    QComboBox* AyEdit() const { return m_ayEdit; }
    QComboBox* ByEdit() const { return m_byEdit; }
    QGroupBox* NBuilds() const { return m_nBuilds; }
    QComboBox* BGPEdit() const { return m_bgpEdit; }
    QCheckBox* GrByPoints() const { return m_grByPoints; }
    QSlider* Precision() const { return m_precision; }
    QLabel* PrecisionLabel() const { return m_precisionLabel; }
    QGroupBox* WLineGroupBox() const { return m_wLineGroupBox; }
    QSpinBox* WLineSpinEdit() const { return m_wLineSpinEdit; }
    QCheckBox* BuildCheckBox() const { return m_buildCheckBox; }
    TColorGrid* FuColorGrid() const { return m_fuColorGrid; }
    QPushButton* OKButton() const { return m_okButton; }
    QPushButton* CancelButton() const { return m_cancelButton; }
    QWidget* CalcPanel() const { return m_calcPanel; }
    QToolButton* ArgSpeedButton() const { return m_argSpeedButton; }
    QToolButton* YSpeedButton() const { return m_ySpeedButton; }

    // The box of a checked field.
    QComboBox* Box(TFuBox box) const;

public slots:
    // OK: closes only when the check passes.
    void accept() override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    QWidget* BuildCalcPanel();
    // The line editor of the focused combo box or spinner; nullptr when neither has the focus.
    QLineEdit* FocusedEditor() const;

    QLabel* m_fyLabel = nullptr;
    QComboBox* m_fyEdit = nullptr;
    QLabel* m_fxLabel = nullptr;
    QComboBox* m_fxEdit = nullptr;
    QLabel* m_axLabel = nullptr;
    QComboBox* m_axEdit = nullptr;
    QLabel* m_bxLabel = nullptr;
    QComboBox* m_bxEdit = nullptr;
    QFrame* m_abyPanel = nullptr;
    QLabel* m_ayLabel = nullptr;
    QComboBox* m_ayEdit = nullptr;
    QLabel* m_byLabel = nullptr;
    QComboBox* m_byEdit = nullptr;
    QGroupBox* m_nBuilds = nullptr;
    QComboBox* m_bgpEdit = nullptr;
    QCheckBox* m_grByPoints = nullptr;
    QSlider* m_precision = nullptr;
    QLabel* m_precisionLabel = nullptr;
    QGroupBox* m_wLineGroupBox = nullptr;
    QSpinBox* m_wLineSpinEdit = nullptr;
    QCheckBox* m_buildCheckBox = nullptr;
    TColorGrid* m_fuColorGrid = nullptr;
    QPushButton* m_okButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    QWidget* m_calcPanel = nullptr;
    QToolButton* m_argSpeedButton = nullptr;
    QToolButton* m_ySpeedButton = nullptr;

    TColor m_filledColor = 0; // given back when the user picks no cell
};
