#pragma once
// "Інтегрування": the dialog of the six commands of the "Інтеграли" menu. It holds the interval (and the
// count of subintervals for the means and the Darboux sums), runs the core's computation of its mode, shows
// the lines in its memo and copies them to the answers. The parameters can be stepped while it is open; after
// "Обчислити" every change recomputes the result and its picture.
#include "core/analysis/IntegralTool.h"

#include <QDialog>

#include <vector>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class TAns;
class TCoordReadout;
class TGr;
class TNumPanel;
class TObjList;
class TParamPanel;
struct TDocument;

class TRngInputP : public QDialog {
    Q_OBJECT
public:
    static constexpr int HelpContext = 25100;

    TRngInputP(TDocument& doc, TGr& gr, TAns& ans, TObjList* objList, QWidget* parent = nullptr);
    ~TRngInputP() override;

    // The menu command's sequence on a filled selection: the preselected interval, the mode, the mouse
    // readout, the count of subintervals shown for modes 5 and 6; modal until closed.
    void Execute(TIntegralMode mode, const TFuncs& selection);

    // "Обчислити".
    void IButtonClick();
    // The computation of the mode, as "Обчислити" and each parameter change run it.
    void Compute();
    // "Занести у \"Відповіді\"".
    void ToAnsButtonClick();
    // The function keyboard shown or hidden.
    void SpeedButton1Click();

    const TIntegralTool& Tool() const { return m_tool; }
    TIntegralMode Mode() const { return m_tool.Mode; }
    bool Calculated() const { return m_tool.Calculated; }
    QStringList MemoLines() const;

    QComboBox* RngAEdit() const { return m_rngAEdit; }
    QComboBox* RngBEdit() const { return m_rngBEdit; }
    QComboBox* SubIntEdit() const { return m_subIntEdit; }
    QLabel* SubIntLabel() const { return m_subIntLabel; }
    QPushButton* IButton() const { return m_iButton; }
    QPushButton* CancelBtn() const { return m_cancelBtn; }
    QPushButton* ToAnsButton() const { return m_toAnsButton; }
    QPlainTextEdit* Memo1() const { return m_memo; }
    TParamPanel* ParamPanel() const { return m_paramPanel; }
    QToolButton* SpeedButton1() const { return m_keyboardToggle; }
    QWidget* FunctionKeyboard() const { return m_keyboard; }
    TCoordReadout* CoordReadout() const { return m_coordReadout; }

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    QComboBox* Box(TIntegralBox box) const;
    TIntegralTexts Texts() const;
    void ShowMemo(const std::vector<std::string>& lines);
    // Leaving a box: its value is taken, or the error is shown and the focus goes back.
    void BoxExit(TIntegralBox box);
    void FocusChanged(QWidget* old, QWidget* now);
    void Refuse(TIntegralBox box, msg::Id message);
    void FunctionKey(const QString& caption);

    TDocument& m_doc;
    TGr& m_gr;
    TAns& m_ans;
    TObjList* m_objList;
    TIntegralTool m_tool;
    TFuncs m_selection;
    bool m_refusing = false; // an error box of a box is up

    QComboBox* m_rngAEdit = nullptr;
    QComboBox* m_rngBEdit = nullptr;
    QLabel* m_subIntLabel = nullptr;
    QComboBox* m_subIntEdit = nullptr;
    QPushButton* m_iButton = nullptr;
    QPushButton* m_cancelBtn = nullptr;
    QPlainTextEdit* m_memo = nullptr;
    QPushButton* m_toAnsButton = nullptr;
    TNumPanel* m_numPanel = nullptr;
    TParamPanel* m_paramPanel = nullptr;
    QToolButton* m_keyboardToggle = nullptr;
    QWidget* m_keyboard = nullptr;
    TCoordReadout* m_coordReadout = nullptr;
};
