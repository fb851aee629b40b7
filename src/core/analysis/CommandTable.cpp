// The commands of "vorn1 --run": a new command is one row here.
#include "core/analysis/BrokenLineRun.h"
#include "core/analysis/CommandRegistry.h"

const std::vector<TCommandInfo>& RunCommands() {
    static const std::vector<TCommandInfo> commands = {
        {"polygon-area", "Площа многокутника", TSelectionRule::Checked, {}, RunPolygonArea},
        {"revolution-ox",
         "Об'єм та площа поверхні тіла обертання, вісь Ox",
         TSelectionRule::Checked,
         {},
         RunRevolutionOx},
        {"revolution-oy",
         "Об'єм та площа поверхні тіла обертання, вісь Оy",
         TSelectionRule::Checked,
         {},
         RunRevolutionOy},
        {"broken-line-length",
         "Довжина ламаної...",
         TSelectionRule::Current,
         {{"N1", "1"}, {"N2", "1"}},
         RunBrokenLineLength},
        {"transform",
         "Перетворення ламаної...",
         TSelectionRule::Current,
         {{"kind", "scale, rotate or translate; scale"},
          {"DX", "1"},
          {"DY", "1"},
          {"angle", "0"},
          {"unit", "rad or deg; rad"},
          {"X0", "0"},
          {"Y0", "0"},
          {"X", "1"},
          {"Y", "1"}},
         RunTransform},
    };
    return commands;
}
