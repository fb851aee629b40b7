#pragma once
// The commands of the "Нерівності" menu: they fill the selection with the checked entries, ask for the
// relation and c in the inequality dialog where they need them, and hand the work to the core, which draws
// on the graph; the answers window gets the lines. The hatch of a shaded system is drawn again by every
// redraw of the graph window.
#include <QString>

class QWidget;
class TAns;
class TGr;
class TNerDlg;
struct TDocument;

class TInequalityTools {
public:
    TInequalityTools(TDocument& doc, TGr& gr, TAns& ans, QWidget* dialogParent);

    TNerDlg* NerDlg() const { return m_nerDlg; }

    // "Нерівність y(x)<(>)c...": the dialog keeps whatever heading it shows.
    void SolveInequality();
    // "С-ма нерівностей y(x)<(>)c...": the dialog's heading becomes the system's, and stays.
    void SolveInequalitySystem();
    // "С-ма нерівностей G(x,y)<0" ('<') and ">0" ('>'), under the busy cursor.
    void ShadeGxySystem(char rel);

private:
    // Shows the dialog; false when cancelled.
    bool AskInequality();

    TDocument& m_doc;
    TGr& m_gr;
    TAns& m_ans;
    TNerDlg* m_nerDlg;
};
