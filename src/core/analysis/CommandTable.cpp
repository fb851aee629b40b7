// The commands of "vorn1 --run": a new command is one row here.
#include "core/analysis/CommandRegistry.h"
#include "core/analysis/FunctionPointsCommands.h"
#include "core/analysis/InequalityCommands.h"
#include "core/stats/StatRunCommands.h"

const std::vector<TCommandInfo>& RunCommands() {
    static const std::vector<TCommandInfo> commands = {
        {"inequality",
         "Нерівність y(x)<(>)c...",
         TSelectionRule::Checked,
         {{"rel", "<"}, {"C", "0"}},
         RunInequalityCommand},
        {"inequality-system",
         "С-ма нерівностей y(x)<(>)c...",
         TSelectionRule::Checked,
         {{"rel", "<"}, {"C", "0"}},
         RunInequalitySystemCommand},
        {"shade", "С-ма нерівностей G(x,y)<0 / >0", TSelectionRule::Checked, {{"rel", "<"}}, RunShadeCommand},
        {"frequency-table", "Частотна таблиця", TSelectionRule::Current, {}, FrequencyTableCommand},
        {"normal-density",
         "Щільність нормального розподілу за вибіркою",
         TSelectionRule::Current,
         {},
         NormalDensityCommand},
        {"pearson",
         "Критерій Пірсона...",
         TSelectionRule::Checked,
         {{"level", "0.95"}, {"df", "k - 1"}, {"theory", "2"}},
         PearsonCommand},
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
