#pragma once
// "Властивості вікна "Графік"": the graph's world window and scale mode, its coordinate system and axes, the
// axis names and fonts, and its colours, on three pages. The surface changes only when the dialog ends with
// OK and the scale boxes pass their check.
#include "core/plot/GraphOptions.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;
class TColorGrid;
class TMasshImage;
class TNumPanel;

enum class TGraphOpsPage { Massh, Axe, Color };

class TGraphOps : public QDialog {
    Q_OBJECT
public:
    static constexpr int HelpContext = 24800;

    explicit TGraphOps(QWidget* parent = nullptr);

    // The page shown first; each caller sets it before the dialog runs.
    void SetStartPage(TGraphOpsPage page) { m_startPage = page; }
    TGraphOpsPage StartPage() const { return m_startPage; }
    // MasshDialog: fills from the surface, and on OK gives the options back and redraws. True for OK.
    bool Run(TMasshImage& image);

    // Fills the controls from the options, as Run does first.
    void Fill(const TGraphOptions& options);
    // What the controls hold now.
    TGraphOptions Options() const;
    // The working colour of the list's selected item.
    TColor WorkColor() const;

    // The system colour and font dialogs; tests replace them. Each answers false when the user cancels.
    std::function<bool(TColor&)> ChooseColor;
    std::function<bool(TFont&)> ChooseFont;

    QTabWidget* GrOpsPage() const { return m_pages; }
    QLineEdit* ScaleEdit(TScaleBox box) const { return m_scaleEdits[static_cast<int>(box)]; }
    QRadioButton* MasshRadioItem(int i) const { return m_masshRadio[i]; }
    QRadioButton* CoordRadioItem(int i) const { return m_coordRadio[i]; }
    QCheckBox* AxeBuild() const { return m_axeBuild; }
    QCheckBox* MarkBuild() const { return m_markBuild; }
    QGroupBox* AxeGroupBox() const { return m_axeGroupBox; }
    QLineEdit* XEdit() const { return m_xEdit; }
    QLineEdit* YEdit() const { return m_yEdit; }
    QListWidget* ColorListBox() const { return m_colorList; }
    TColorGrid* CG() const { return m_cg; }
    QFrame* Shape1() const { return m_shape; }
    QPushButton* Button1() const { return m_yToX; }
    QPushButton* Button2() const { return m_xToY; }
    QPushButton* Button3() const { return m_otherColor; }
    QPushButton* LabelFontButton() const { return m_labelFontButton; }
    QPushButton* AxeFontButton() const { return m_axeFontButton; }
    QPushButton* OkBut() const { return m_ok; }
    QPushButton* CancelBut() const { return m_cancel; }

public slots:
    void accept() override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    QWidget* BuildMasshSheet();
    QWidget* BuildAxeSheet();
    QWidget* BuildColorSheet();
    void UpdateAxisNames();
    void ShowWorkColor();
    void GridPicked();
    void OtherColor();
    void PickFont(TFont& font);

    TGraphOpsPage m_startPage = TGraphOpsPage::Massh;
    TGraphOptions m_options; // colours and fonts while the dialog is open
    TMassh m_accepted;       // the window the boxes gave when OK passed

    QTabWidget* m_pages = nullptr;
    QLineEdit* m_scaleEdits[ScaleBoxCount] = {};
    QRadioButton* m_masshRadio[2] = {};
    QPushButton* m_yToX = nullptr;
    QPushButton* m_xToY = nullptr;
    TNumPanel* m_numPanel = nullptr;
    QCheckBox* m_axeBuild = nullptr;
    QCheckBox* m_markBuild = nullptr;
    QRadioButton* m_coordRadio[2] = {};
    QGroupBox* m_axeGroupBox = nullptr;
    QLineEdit* m_xEdit = nullptr;
    QLineEdit* m_yEdit = nullptr;
    QPushButton* m_labelFontButton = nullptr;
    QPushButton* m_axeFontButton = nullptr;
    QListWidget* m_colorList = nullptr;
    TColorGrid* m_cg = nullptr;
    QFrame* m_shape = nullptr;
    QPushButton* m_otherColor = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

// The font dialog's view of a surface font and back: "System" and "Small Fonts" show as the desktop's font
// and keep their names when the user leaves the family alone.
QFont DialogFont(const TFont& font);
TFont FromDialogFont(const QFont& chosen, const TFont& before);
