#pragma once
// The broken-line commands as "vorn1 --run" runs them: the typed values become the dialogs' inputs, the
// answer block the command's outcome.
#include "core/analysis/CommandRegistry.h"

TCommandOutcome RunPolygonArea(TCommandContext& context, const TCommandInputs& inputs);
TCommandOutcome RunRevolutionOx(TCommandContext& context, const TCommandInputs& inputs);
TCommandOutcome RunRevolutionOy(TCommandContext& context, const TCommandInputs& inputs);
// N1= and N2= (both 1, as the dialog first shows them).
TCommandOutcome RunBrokenLineLength(TCommandContext& context, const TCommandInputs& inputs);
// kind=scale DX= DY=; kind=rotate angle= unit=rad|deg; kind=translate X0= Y0= X= Y= (the boxes' first
// texts). Prints the new entry's caption.
TCommandOutcome RunTransform(TCommandContext& context, const TCommandInputs& inputs);
