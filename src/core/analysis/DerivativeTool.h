#pragma once
// The derivative tool on one explicit function: for a point X and an increment dX, the secant through
// (X, y(X)) and (X+dX, y(X+dX)) with dX, dY and dY/dX, and the tangent at X with y'(X). Traces of earlier
// secants and tangents stay on the graph and follow the parameters. The dialog "Похідна" and
// "vorn1 --run derivative" both drive it.
#include "core/analysis/CommandRegistry.h"
#include "core/base/MessageIds.h"
#include "core/formula/TFunc.h"

#include <string>
#include <vector>

class TFn;
class TMasshImage;
class TObjectList;

enum class TDerivBox { None, XEdit, DXEdit };

// A message the construction shows, and the box that gets the focus (None: the focus stays where it is).
struct TDerivMessage {
    msg::Id Message = msg::None;
    TDerivBox Focus = TDerivBox::None;
};

// What the dialog holds when a button is pressed.
struct TDerivInputs {
    std::string X = "1";
    std::string DX = "0.1";
    bool Secant = false;  // "Будувати січну"
    bool Tangent = false; // "Будувати дотичну"
};

// A point and an increment; an increment of 0 marks a tangent.
struct TDerivTrace {
    Real A = 0;
    Real B = 0;
};

class TDerivativeTool {
public:
    // Opening the dialog on the object: no point accepted yet, no traces, an empty memo.
    void Start(TFn& object);
    TFn* Object() const { return m_object; }

    // Leaving XEdit, and the first step of every construction and trace: the X formula, the parameters
    // refreshed, y at the new point, and the drawing interval L..R (the object's range within the visible x
    // range). A text that does not compile or gives no number, and a point where y is undefined, are refused
    // and the point last accepted stays.
    TDerivMessage AcceptX(const std::string& text, const TObjectList& list, const TMasshImage& image);
    // "Побудова": the graph redrawn with the traces, then the secant and the tangent the boxes ask for, each
    // with its memo lines. Messages come in the order they arose; the construction goes on after a refused X
    // (with the point last accepted) and stops at a dX that does not compile.
    std::vector<TDerivMessage> Build(const TDerivInputs& in, const TObjectList& list, TMasshImage& image);
    // "Залишити слід": remembers the secant and the tangent the boxes ask for at the accepted point; they
    // are drawn from the next construction on.
    std::vector<TDerivMessage> LeaveTrace(const TDerivInputs& in, const TObjectList& list,
                                          const TMasshImage& image);
    // "Очистити сліди": forgets the traces and builds again.
    std::vector<TDerivMessage> ClearTraces(const TDerivInputs& in, const TObjectList& list,
                                           TMasshImage& image);

    // The dialog's own refresh of the parameters: every object and the two formulas mark the ones they use;
    // those not in use start again from their new-document values.
    void RefreshParams(const TObjectList& list) const;
    // The parameters the X and dX formulas use.
    void MarkParams() const;

    const std::vector<std::string>& Memo() const { return m_memo; }
    const std::vector<TDerivTrace>& Traces() const { return m_traces; }
    // The trace buttons work from the first construction on.
    bool TracesEnabled() const { return m_tracesEnabled; }
    Real X() const { return m_x; }
    Real Y() const { return m_y; }
    // What "Занести у \"Відповіді\"" appends: the object's formula line, the memo and the separator; nothing
    // for an empty memo.
    std::vector<std::string> AnswerLines() const;

private:
    bool HasPoint() const;
    void DrawTraces(TMasshImage& image) const;
    // The line y = y0 + k (x - x0) from x = from to x = to.
    void SlopeLine(TMasshImage& image, Real x0, Real y0, Real k, Real from, Real to) const;

    TFn* m_object = nullptr;
    TFunc m_xFormula;
    TFunc m_dxFormula;
    Real m_x = UndefinedValue, m_y = UndefinedValue;
    Real m_x2 = UndefinedValue, m_y2 = UndefinedValue;
    Real m_dx = UndefinedValue;
    Real m_k = 0;
    Real m_l = 0, m_r = 0;
    std::vector<TDerivTrace> m_traces;
    std::vector<std::string> m_memo;
    bool m_tracesEnabled = false;
};

// "vorn1 --run derivative": the tool on the current entry (an explicit function whose graph is drawn), which
// is checked while it runs, with X, DX, secant and tangent as typed (1, 0.1, 1, 1 when not given); the lines
// "Занести у \"Відповіді\"" appends. A message of the construction is the command's refusal.
TCommandOutcome DerivativeCommand(TCommandContext& context, const TCommandInputs& inputs);
