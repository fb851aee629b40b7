#pragma once
// How an object's Edit reaches its entry dialog without core knowing any window. The gui implements
// TObjectEditor and installs it at start-up; the object fills a TFuInputData, the editor shows the dialog
// modally and, on OK, hands back what the user confirmed (already checked: every visible formula compiles,
// A < B, Ay < By). The object then takes the values over. Without an editor, Edit answers false.
//
// Kinds with dialogs of their own (circle, tables, samples) will add a virtual here each, with a default that
// answers false, so an editor written before them keeps compiling.
#include "core/objects/TCircleData.h"
#include "core/plot/Colors.h"

#include <string>

struct TSampleEntry;

// The object-related controls of the shared entry dialog "Введення виразу залежності".
struct TFuInputData {
    std::string ArgName = "X"; // caption of the argument button
    std::string YArgName;      // caption of the second argument button: "Y" for implicit curves, else empty

    std::string FyLabel = "Y(X)="; // first formula row
    std::string FyText = "X";
    bool FxVisible = false; // second formula row, parametric curves only
    std::string FxLabel = "X(T)=";
    std::string FxText = "T";

    std::string AText = "-5"; // argument interval
    std::string BText = "5";
    bool AyByVisible = false; // y interval, implicit curves only
    std::string AyText = "-5";
    std::string ByText = "5";

    bool QualityVisible = true; // "К-ть тт побудови"
    std::string QualityText = "100";
    bool PrecisionVisible = false; // "Якість побудови графіка", implicit curves only
    int Precision = 6;             // 1..6
    bool LineWidthVisible = true;  // "Товщина лінії"
    int WLine = 1;                 // 1..4

    bool ByPoints = false; // "Графік точками"
    bool GBuild = true;    // "Будувати графік"
    // The colour grid selects the palette cell of this colour (ColorIndex); a colour outside the palette
    // selects none and comes back unchanged unless the user picks a cell.
    TColor Color = clBlack;
};

class TObjectEditor {
public:
    virtual ~TObjectEditor() = default;
    // Shows the shared entry dialog filled from data. True on OK, with data holding the confirmed values;
    // false on anything else, data then being of no interest.
    virtual bool RunFuInput(TFuInputData& data) = 0;
    // The circle's dialog "Коло" filled from data; true on an OK, with data holding the confirmed page's
    // texts (checked with CheckNewCircle) and DataPage that page.
    virtual bool RunNewCircle(TCircleData& data) { return false; }
    // The sample's data dialog and its interval dialog, filled from entry; true when the user confirmed,
    // with entry holding the confirmed settings and data.
    virtual bool RunSample(TSampleEntry& entry) { return false; }
};

// Not owned; nullptr removes it.
void SetObjectEditor(TObjectEditor* editor);
TObjectEditor* ObjectEditor();
