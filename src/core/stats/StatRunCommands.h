#pragma once
// The statistics commands as "vorn1 --run" runs them: frequency-table, normal-density and pearson.
#include "core/analysis/CommandRegistry.h"

TCommandOutcome FrequencyTableCommand(TCommandContext& c, const TCommandInputs& inputs);
TCommandOutcome NormalDensityCommand(TCommandContext& c, const TCommandInputs& inputs);
// level= one of the dialog's significance levels, df= whole (clamped as the spinner clamps), theory= 1 or 2.
TCommandOutcome PearsonCommand(TCommandContext& c, const TCommandInputs& inputs);
