#include "core/analysis/InequalityCommands.h"

#include "core/analysis/InequalitySystem.h"
#include "core/analysis/Shading.h"
#include "core/base/MessageTable.h"
#include "core/document/EntryChecks.h"

namespace {
const char* const RelationRefusal = "rel= takes < or >";

// False when the value given is neither "<" nor ">".
bool ReadRelation(const TCommandInputs& inputs, TRelation& rel) {
    const std::string* text = inputs.Find("rel");
    rel = TRelation::Less;
    if (!text || *text == RelationText(TRelation::Less)) return true;
    rel = TRelation::Greater;
    return *text == RelationText(TRelation::Greater);
}

// The relation and c as the dialog gives them; a refusal in the outcome when they are not acceptable.
bool ReadInequality(const TCommandInputs& inputs, TRelation& rel, Real& c, TCommandOutcome& outcome) {
    if (!ReadRelation(inputs, rel)) {
        outcome.Refusal = RelationRefusal;
        return false;
    }
    const std::string* given = inputs.Find("C");
    const std::string text = given ? *given : "0";
    const TEntryCheck<TNerBox> check = CheckNerInput(text);
    if (!check.Ok()) {
        outcome.Refusal = Msg(check.Message);
        return false;
    }
    c = EntryValue(text);
    return true;
}
} // namespace

TCommandOutcome RunInequalityCommand(TCommandContext& context, const TCommandInputs& inputs) {
    TCommandOutcome outcome;
    TRelation rel;
    Real c = 0;
    if (!ReadInequality(inputs, rel, c, outcome) || context.Doc.Selection.NumExplicit == 0) return outcome;
    outcome.Lines = SolveInequality(context.Doc.Selection, rel, c, context.Image);
    return outcome;
}

TCommandOutcome RunInequalitySystemCommand(TCommandContext& context, const TCommandInputs& inputs) {
    TCommandOutcome outcome;
    TRelation rel;
    Real c = 0;
    if (!ReadInequality(inputs, rel, c, outcome) || context.Doc.Selection.NumDrawnYx == 0) return outcome;
    outcome.Lines = SolveInequalitySystem(context.Doc.Selection, rel, c, context.Image);
    return outcome;
}

TCommandOutcome RunShadeCommand(TCommandContext& context, const TCommandInputs& inputs) {
    TCommandOutcome outcome;
    TRelation rel;
    if (!ReadRelation(inputs, rel)) {
        outcome.Refusal = RelationRefusal;
        return outcome;
    }
    if (context.Doc.Selection.NumDrawnGxy == 0) return outcome;
    outcome.ShownOnGraph =
        ShadeCommand(context.Doc, context.Image, rel == TRelation::Less ? ShadeLess : ShadeGreater).Shaded;
    return outcome;
}
