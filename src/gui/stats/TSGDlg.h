#pragma once
// The point table dialog: "Дані для апроксимування поліномом" for a table with its polynomial, "Координати
// вершин ламаної" for a broken line. The grid holds formula texts; the points may also come from a data file,
// from a Brownian-motion walk, or from clicks on the graph.
#include "core/objects/TTableData.h"

#include <QDialog>
#include <QPointer>

#include <functional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QToolButton;
class TCbStyleLine;
class TColorGrid;
class TDataGrid;
class TGr;
class TNumPanel;
class TRandomDlg;

class TSGDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int MinWLine = 1;
    static constexpr int MaxWLine = 4;

    // The random values dialog is shared with the sample dialog; without one the dialog makes its own.
    explicit TSGDlg(TRandomDlg* random = nullptr, QWidget* parent = nullptr);

    // The window "Дані з екрану" borrows; without one the button is disabled.
    void SetGraphWindow(TGr* gr);
    TGr* GraphWindow() const;
    TRandomDlg* RandomDlg() const { return m_random; }

    // The object's rows (in max(2, N + 1) grid rows) and settings, with the controls of its use shown.
    void Fill(const TTableData& data);
    // What the dialog holds now: every grid row, the settings; the colour is the picked cell's, or the
    // filled colour when none is picked.
    TTableData Values() const;
    // Fill, show modally, and on OK put the confirmed values (trailing empty rows removed) into data.
    bool Run(TTableData& data);

    // The file name for "Дані з файлу" (save false) and "Записати у файл" (save true); empty gives up. Tests
    // replace it; by default the file dialogs.
    std::function<QString(bool save)> ChooseFile;

    // The buttons' commands.
    void FileDataButtonClick();
    void FilesaveButtonClick();
    void XYDataButtonClick();
    void ScrButtonClick();

    TDataGrid* SG() const { return m_sg; }
    QSpinBox* PowerEdit() const { return m_powerEdit; }
    QCheckBox* BuildPolinom() const { return m_buildPolinom; }
    QCheckBox* LCheckBox() const { return m_lCheckBox; }
    QGroupBox* LineStyleGroupBox() const { return m_styleGroup; }
    TCbStyleLine* StyleBox() const { return m_styleBox; }
    QSpinBox* WLineSpinEdit() const { return m_wLineSpinEdit; }
    QCheckBox* BuildCheckBox() const { return m_buildCheckBox; }
    TColorGrid* ColorGrid() const { return m_colorGrid; }
    QPushButton* InsButton() const { return m_insButton; }
    QPushButton* DelButton() const { return m_delButton; }
    QPushButton* ClrButton() const { return m_clrButton; }
    QPushButton* FileDataButton() const { return m_fileDataButton; }
    QPushButton* FilesaveButton() const { return m_filesaveButton; }
    QPushButton* XYDataButton() const { return m_xyDataButton; }
    QPushButton* ScrButton() const { return m_scrButton; }
    QPushButton* OKBtn() const { return m_okBtn; }
    QPushButton* CancelBtn() const { return m_cancelBtn; }
    // "Sin(", "Cos(", "Sqrt(", "Log(".
    QToolButton* FormulaButton(int index) const { return m_formulaButtons[index]; }

public slots:
    // OK: closes only when the rows pass CheckTableData.
    void accept() override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    static constexpr int FormulaButtonCount = 4;

    QString DialogFile(bool save);
    void Refuse(const TTableCheck& check);
    void UpdateStyleBox();

    TTableUse m_use = TTableUse::Polynomial;
    TColor m_filledColor = 0;
    QPointer<TGr> m_gr;
    TRandomDlg* m_random = nullptr;

    TDataGrid* m_sg = nullptr;
    QWidget* m_powerPanel = nullptr;
    QSpinBox* m_powerEdit = nullptr;
    QCheckBox* m_buildPolinom = nullptr;
    QCheckBox* m_lCheckBox = nullptr;
    QGroupBox* m_styleGroup = nullptr;
    TCbStyleLine* m_styleBox = nullptr;
    QGroupBox* m_wLineGroupBox = nullptr;
    QSpinBox* m_wLineSpinEdit = nullptr;
    QCheckBox* m_buildCheckBox = nullptr;
    TColorGrid* m_colorGrid = nullptr;
    TNumPanel* m_numPanel = nullptr;
    QPushButton* m_insButton = nullptr;
    QPushButton* m_delButton = nullptr;
    QPushButton* m_clrButton = nullptr;
    QPushButton* m_fileDataButton = nullptr;
    QPushButton* m_filesaveButton = nullptr;
    QPushButton* m_xyDataButton = nullptr;
    QPushButton* m_scrButton = nullptr;
    QPushButton* m_okBtn = nullptr;
    QPushButton* m_cancelBtn = nullptr;
    QToolButton* m_formulaButtons[FormulaButtonCount] = {};
    QLabel* m_degreeMessage = nullptr; // hidden: the text of the degree refusal, replaceable by name
};
