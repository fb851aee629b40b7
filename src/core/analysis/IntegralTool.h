#pragma once
// The tools of the "Інтеграли" menu: one computation over the selected objects and an interval [A, B] in six
// modes - the integral, the volume and surface of a body of revolution about Ox or Oy, the arc length, the
// means over subintervals and the Darboux sums. It draws its construction on the graph and gives the lines of
// the memo; the dialog "Інтегрування" and "vorn1 --run" both call it.
#include "core/analysis/CommandRegistry.h"
#include "core/document/EntryChecks.h"
#include "core/document/TFuncs.h"
#include "core/formula/TFunc.h"

#include <string>
#include <vector>

enum class TIntegralMode : int {
    Integral = 1,  // "Інтеграл..."
    VolumeOx = 2,  // "Об'єм та площа поверхні тіла обертання, вісь Ox..."
    VolumeOy = 3,  // "... вісь Oy..."
    ArcLength = 4, // "Довжина дуги..."
    IntervalMeans = 5, // "Усереднення за інтервалами..."
    Darboux = 6,       // "Суми Дарбу..."
};

// The dialog's caption: the first line of what it copies to the answers.
extern const char* const IntegralCaption;

// Modes 5 and 6 split [A, B] into subintervals.
bool UsesSubIntervals(TIntegralMode mode);
// The counter of the selection that enables the mode's menu command: NumCurves for the arc length,
// NumFunctionsOfX for the others. A command whose counter is 0 does nothing.
int IntegralObjectCount(TIntegralMode mode, const TFuncs& selection);

// The boxes of the dialog that hold formulas, in the order a computation evaluates them.
enum class TIntegralBox { None, RngAEdit, RngBEdit, SubIntEdit };

struct TIntegralTexts {
    std::string A;
    std::string B;
    std::string N = "1"; // subintervals, modes 5 and 6 only
};
// What the menu command puts into the boxes: A of the first selected object and B of the last, as plain
// numbers.
TIntegralTexts PreselectedInterval(const TFuncs& selection);

enum class TIntegralResult {
    Refused,       // a box refused its text: Check names it and the message
    NoInterval,    // not A < B: the memo is emptied and the graph redrawn, without a message
    NotCalculated, // "Обчислити" has not been pressed since the dialog was shown
    Computed,      // the graph was redrawn with the construction, Memo holds the lines
};

struct TIntegralOutcome {
    TIntegralResult Result = TIntegralResult::NotCalculated;
    TEntryCheck<TIntegralBox> Check; // the boxes whose texts compiled join their histories
    std::vector<std::string> Memo;
};

class TIntegralTool {
public:
    // The most subintervals modes 5 and 6 take: a strip per pixel column of the widest graph, and a bound on
    // the time a typed count can cost.
    static constexpr int MaxSubIntervals = 16384;

    TIntegralMode Mode = TIntegralMode::Integral;
    // Set by "Обчислити" and cleared when the dialog is shown: a parameter change recomputes only while set.
    bool Calculated = false;

    // Leaving a box: its text becomes the box's formula and its value is kept. Answers the message to show
    // when the text does not compile, or for the count when it rounds below 1 or above MaxSubIntervals;
    // msg::None when taken.
    msg::Id TakeBox(TIntegralBox box, const std::string& text);
    // The parameters the three formulas use (the dialog's parameter area marks the objects' as well).
    void MarkParams() const;

    // The computation of the mode, as "Обчислити" and every parameter change run it: the texts are evaluated
    // (bounds with parameters follow them), then the graph is redrawn and the construction drawn on it.
    TIntegralOutcome Compute(const TFuncs& selection, const TIntegralTexts& texts, TMasshImage& image);

    // The values last taken.
    Real RngA() const { return m_rngA; }
    Real RngB() const { return m_rngB; }
    int SubIntCount() const { return m_subIntCount; }

private:
    TFunc m_aFormula;
    TFunc m_bFormula;
    TFunc m_nFormula;
    Real m_rngA = 0;
    Real m_rngB = 0;
    int m_subIntCount = 0;
};

// "vorn1 --run integral|volume-ox|...": the tool on the command's selection with A, B and N typed as in the
// dialog (the preselected interval and one subinterval when not given), computed at once; the lines
// "Занести у \"Відповіді\"" appends.
TCommandOutcome IntegralCommand(TIntegralMode mode, TCommandContext& context, const TCommandInputs& inputs);
