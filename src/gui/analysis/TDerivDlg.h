#pragma once
// "Похідна": the derivative tool's dialog on one explicit function. The point X and the increment dX are
// formulas; "Побудова" draws the secant and the tangent the boxes ask for and lists dX, dY, dY/dX and y'(X);
// traces of earlier constructions stay on the graph. Every parameter change builds again.
#include "core/analysis/DerivativeTool.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class TAns;
class TCoordReadout;
class TFn;
class TGr;
class TNumPanel;
class TObjList;
class TParamPanel;
struct TDocument;

class TDerivDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int HelpContext = 25500;

    TDerivDlg(TDocument& doc, TGr& gr, TAns& ans, TObjList* objList, QWidget* parent = nullptr);
    ~TDerivDlg() override;

    // The tool on the object, modal until closed, with the mouse readout running meanwhile.
    void Execute(TFn& object);

    // "Побудова", "Залишити слід", "Очистити сліди", "Занести у \"Відповіді\"".
    void BButtonClick();
    void SBuildClick();
    void SClearClick();
    void ToAnsButtonClick();

    const TDerivativeTool& Tool() const { return m_tool; }
    QStringList MemoLines() const;

    QLabel* FnLabel() const { return m_fnLabel; }
    QLineEdit* XEdit() const { return m_xEdit; }
    QLineEdit* DXEdit() const { return m_dxEdit; }
    QCheckBox* KCheckBox() const { return m_kCheckBox; }
    QCheckBox* DCheckBox() const { return m_dCheckBox; }
    QPushButton* BButton() const { return m_bButton; }
    QPushButton* SBuild() const { return m_sBuild; }
    QPushButton* SClear() const { return m_sClear; }
    QPushButton* ToAnsButton() const { return m_toAnsButton; }
    QPushButton* OKBtn() const { return m_okBtn; }
    QPlainTextEdit* Memo1() const { return m_memo; }
    TParamPanel* ParamPanel() const { return m_paramPanel; }
    TCoordReadout* CoordReadout() const { return m_coordReadout; }

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    TDerivInputs Inputs() const;
    // The messages in the order they arose, each box given the focus it asks for; then the memo, the trace
    // buttons and the parameters as the tool left them.
    void Show(const std::vector<TDerivMessage>& messages);
    void XEditExit();
    void FocusChanged(QWidget* old, QWidget* now);

    TDocument& m_doc;
    TGr& m_gr;
    TAns& m_ans;
    TObjList* m_objList;
    TDerivativeTool m_tool;
    TFn* m_object = nullptr;
    bool m_reporting = false; // a message box of the tool is up

    QLabel* m_fnLabel = nullptr;
    QLineEdit* m_xEdit = nullptr;
    QLineEdit* m_dxEdit = nullptr;
    QCheckBox* m_kCheckBox = nullptr;
    QCheckBox* m_dCheckBox = nullptr;
    QPushButton* m_bButton = nullptr;
    QPlainTextEdit* m_memo = nullptr;
    QPushButton* m_toAnsButton = nullptr;
    QPushButton* m_sBuild = nullptr;
    QPushButton* m_sClear = nullptr;
    QPushButton* m_okBtn = nullptr;
    TNumPanel* m_numPanel = nullptr;
    TParamPanel* m_paramPanel = nullptr;
    TCoordReadout* m_coordReadout = nullptr;
};
