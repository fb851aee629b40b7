// The commands of "vorn1 --run": a new command is one row here.
#include "core/analysis/CommandRegistry.h"

const std::vector<TCommandInfo>& RunCommands() {
    static const std::vector<TCommandInfo> commands = {};
    return commands;
}
