// The commands of "vorn1 --run": a new command is one row here.
#include "core/analysis/CommandRegistry.h"
#include "core/analysis/DerivativeTool.h"
#include "core/analysis/FunctionPointsCommands.h"
#include "core/analysis/InequalityCommands.h"
#include "core/analysis/IntegralTool.h"
#include "core/stats/StatRunCommands.h"

namespace {
// The integral tools' command for one mode, as a plain function the table can point at.
template <TIntegralMode Mode> TCommandOutcome RunIntegralMode(TCommandContext& c, const TCommandInputs& in) {
    return IntegralCommand(Mode, c, in);
}

const TCommandField A{"A", "A of the first object"};
const TCommandField B{"B", "B of the last object"};
const TCommandField N{"N", "1"};
} // namespace

const std::vector<TCommandInfo>& RunCommands() {
    using M = TIntegralMode;
    static const std::vector<TCommandInfo> commands = {
        {"integral", "Інтеграл...", TSelectionRule::Checked, {A, B}, RunIntegralMode<M::Integral>},
        {"volume-ox",
         "Об'єм та площа поверхні тіла обертання, вісь Ox...",
         TSelectionRule::Checked,
         {A, B},
         RunIntegralMode<M::VolumeOx>},
        {"volume-oy",
         "Об'єм та площа поверхні тіла обертання, вісь Oy...",
         TSelectionRule::Checked,
         {A, B},
         RunIntegralMode<M::VolumeOy>},
        {"arc-length", "Довжина дуги...", TSelectionRule::Checked, {A, B}, RunIntegralMode<M::ArcLength>},
        {"interval-means",
         "Усереднення за інтервалами...",
         TSelectionRule::Checked,
         {A, B, N},
         RunIntegralMode<M::IntervalMeans>},
        {"darboux", "Суми Дарбу...", TSelectionRule::Checked, {A, B, N}, RunIntegralMode<M::Darboux>},
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
        {"derivative",
         "Похідна...",
         TSelectionRule::Current,
         {{"X", "1"}, {"DX", "0.1"}, {"secant", "1"}, {"tangent", "1"}},
         DerivativeCommand},
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
