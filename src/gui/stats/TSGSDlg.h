#pragma once
// "Дані статистичної вибірки": the data of a sample in one of three layouts (frequencies, relative
// frequencies, values one by one), its model and graph type, the subinterval lines, the style of F*(x), the
// colour and the line. "Далі --->" closes only when the grid makes a sample.
#include "core/stats/SampleEntry.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class TCbStyleLine;
class TColorGrid;
class TNumPanel;
class TDataGrid;

// What "Випадкові дані" asks for.
struct TRandomRequest {
    int N = 10;
    std::string AText = "-1", BText = "1";
    bool WholeNumbers = false;
};

class TSGSDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int HelpContext = 22130;
    static constexpr int MinWLine = 1;
    static constexpr int MaxWLine = 4;

    explicit TSGSDlg(QWidget* parent = nullptr);

    // Step 1 of the entry: the settings of the object and its data in the layout it was entered in.
    void Prepare(const TSampleEntry& entry);
    // The settings as the dialog holds them (data not included).
    void ReadSettings(TSampleEntry& entry) const;
    // The sample built by the last "Далі --->"; the caller takes it.
    TSampleBuild& Result() { return m_result; }

    TSampleEntryType EntryType() const;
    void SetEntryType(TSampleEntryType type);
    int Model() const;
    void SetModel(int smodel);

    // The file dialogs: the name chosen to open (save = false) or to save; empty gives up. Tests replace it.
    std::function<QString(bool save)> ChooseFile;
    // The random values dialog; unset, "Випадкові дані" is disabled.
    void SetRandomDialog(std::function<bool(TRandomRequest&)> run);
    // Uniform values in [0, 1) for random data; tests replace it.
    std::function<Real()> Uniform;

    void ReadFile();
    void WriteFile();
    void RandomData();

    TDataGrid* Grid() const { return m_grid; }
    QRadioButton* DataTypeButton(TSampleEntryType type) const;
    QSpinBox* SampleSizeEdit() const { return m_sampleSize; }
    QRadioButton* ModelButton(int smodel) const { return m_model[smodel]; }
    QRadioButton* GraphButton(int item) const { return m_graph[item]; }
    QRadioButton* FxButton(int style) const { return m_fx[style]; }
    QCheckBox* BuildCheckBox() const { return m_build; }
    QCheckBox* IntRozpCheckBox() const { return m_intRozp; }
    QLineEdit* IntDivEdit() const { return m_intDiv; }
    QSpinBox* WLineSpinEdit() const { return m_wLine; }
    TCbStyleLine* LineStyleBox() const { return m_lineStyle; }
    TColorGrid* ColorGrid() const { return m_colors; }
    QPushButton* Button(const char* name) const;

public slots:
    void accept() override;

private:
    QPushButton* AddButton(const char* name, const char* caption);
    void DataTypeChanged(TSampleEntryType type);
    void ModelChanged();
    void FocusGridCell(int row, int column);

    TDataGrid* m_grid = nullptr;
    QRadioButton* m_type[3] = {};
    QLabel* m_sizeLabel = nullptr;
    QSpinBox* m_sampleSize = nullptr;
    QRadioButton* m_model[2] = {};
    QRadioButton* m_graph[2] = {};
    QCheckBox* m_build = nullptr;
    QCheckBox* m_intRozp = nullptr;
    QLineEdit* m_intDiv = nullptr;
    QGroupBox* m_fxGroup = nullptr;
    QRadioButton* m_fx[3] = {};
    QSpinBox* m_wLine = nullptr;
    TCbStyleLine* m_lineStyle = nullptr;
    TColorGrid* m_colors = nullptr;
    TNumPanel* m_numPanel = nullptr;
    std::function<bool(TRandomRequest&)> m_runRandom;

    TSampleEntryType m_shownType = TSampleEntryType::None;
    TXYList m_objectVariants; // the grid is refilled from these on a change of layout
    TXList m_objectSample;
    TColor m_filledColor = 0;
    TSampleBuild m_result;
};
