#include "core/analysis/BrokenLineRun.h"

#include "core/analysis/BrokenLineCommands.h"
#include "core/analysis/BrokenLineTransform.h"
#include "core/base/MessageTable.h"
#include "core/objects/TFl.h"

#include <cmath>

namespace {
TCommandOutcome Outcome(const TAnswerBlock& answer) {
    TCommandOutcome outcome;
    outcome.Lines = answer.Lines;
    if (answer.Refused()) outcome.Refusal = Msg(answer.Refusal);
    return outcome;
}

std::string Value(const TCommandInputs& inputs, const char* name, const char* def) {
    const std::string* v = inputs.Find(name);
    return v ? *v : def;
}

// A vertex number as a spinner takes it: a whole number; 0 (refused as a number) otherwise.
int VertexNumber(const TCommandInputs& inputs, const char* name) {
    const Real v = EntryValue(Value(inputs, name, "1"));
    if (IsUndefined(v) || v != std::floor(v) || std::fabs(v) > 1e9L) return 0;
    return static_cast<int>(v);
}
} // namespace

TCommandOutcome RunPolygonArea(TCommandContext& context, const TCommandInputs&) {
    return Outcome(PolygonArea(context.Doc.Selection, context.Image));
}

TCommandOutcome RunRevolutionOx(TCommandContext& context, const TCommandInputs&) {
    return Outcome(RevolutionBrokenLines(context.Doc.Selection, RevolveVolumeOx, context.Image));
}

TCommandOutcome RunRevolutionOy(TCommandContext& context, const TCommandInputs&) {
    return Outcome(RevolutionBrokenLines(context.Doc.Selection, RevolveVolumeOy, context.Image));
}

TCommandOutcome RunBrokenLineLength(TCommandContext& context, const TCommandInputs& inputs) {
    return Outcome(BrokenLineLength(context.Doc.Selection, VertexNumber(inputs, "N1"),
                                    VertexNumber(inputs, "N2"), context.Image));
}

TCommandOutcome RunTransform(TCommandContext& context, const TCommandInputs& inputs) {
    TCommandOutcome outcome;
    TTransformInputs in;
    const std::string kind = Value(inputs, "kind", "scale"), unit = Value(inputs, "unit", "rad");
    if (kind == "scale")
        in.Kind = TTransformKind::Scale;
    else if (kind == "rotate")
        in.Kind = TTransformKind::Rotate;
    else if (kind == "translate")
        in.Kind = TTransformKind::Translate;
    else {
        outcome.Refusal = "vorn1: kind= takes scale, rotate or translate";
        return outcome;
    }
    if (unit != "rad" && unit != "deg") {
        outcome.Refusal = "vorn1: unit= takes rad or deg";
        return outcome;
    }
    in.Degrees = unit == "deg";
    in.DX = Value(inputs, "DX", "1");
    in.DY = Value(inputs, "DY", "1");
    in.Angle = Value(inputs, "angle", "0");
    in.X0 = Value(inputs, "X0", "0");
    in.Y0 = Value(inputs, "Y0", "0");
    in.X = Value(inputs, "X", "1");
    in.Y = Value(inputs, "Y", "1");
    TEntryCheck<TTransformBox> check;
    const int index = AppendTransformedLine(context.Doc, in, context.Image, &check);
    if (!check.Ok()) {
        outcome.Refusal = Msg(check.Message);
        return outcome;
    }
    if (index < 0) return outcome;
    outcome.Lines.push_back(context.Doc.Objects[index].Caption);
    outcome.DocumentChanged = true;
    context.Image.MasshUpdate(); // the graph as the window shows it after the command
    return outcome;
}
