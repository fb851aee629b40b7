// The commands of "vorn1 --run": a new command is one row here.
#include "core/analysis/CommandRegistry.h"
#include "core/analysis/FunctionPointsCommands.h"

const std::vector<TCommandInfo>& RunCommands() {
    static const std::vector<TCommandInfo> commands = {
        {"roots", FunctionPointTexts::RootsItem, TSelectionRule::Current, {}, RunRootsCommand},
        {"extrema", FunctionPointTexts::ExtremaItem, TSelectionRule::Current, {}, RunExtremaCommand},
        {"intersections",
         FunctionPointTexts::CrossItem,
         TSelectionRule::Checked,
         {},
         RunIntersectionsCommand},
    };
    return commands;
}
