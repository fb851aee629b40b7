#pragma once
// The inequality commands as the command line runs them: the values of the inequality dialog ("rel" < or >,
// "C" an expression) in place of the dialog, on the selection the menu command fills.
#include "core/analysis/CommandRegistry.h"

// "Нерівність y(x)<(>)c...": only when every selected object is an explicit function.
TCommandOutcome RunInequalityCommand(TCommandContext& context, const TCommandInputs& inputs);
// "С-ма нерівностей y(x)<(>)c...": only when every selected object is a drawn explicit function or table.
TCommandOutcome RunInequalitySystemCommand(TCommandContext& context, const TCommandInputs& inputs);
// "С-ма нерівностей G(x,y)<0" or ">0": only when every selected object is a drawn implicit curve or circle.
// Its result is the hatch alone.
TCommandOutcome RunShadeCommand(TCommandContext& context, const TCommandInputs& inputs);
