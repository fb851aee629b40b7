#include "core/stats/StatRunCommands.h"

#include "core/base/MessageTable.h"
#include "core/base/NumberText.h"
#include "core/stats/ChiSquareTable.h"
#include "core/stats/StatCommands.h"

#include <algorithm>
#include <cmath>

TCommandOutcome FrequencyTableCommand(TCommandContext& c, const TCommandInputs&) {
    TCommandOutcome outcome;
    for (const std::vector<std::string>& row : FrequencyTable(c.Doc.Selection)) {
        if (std::all_of(row.begin(), row.end(), [](const std::string& cell) { return cell.empty(); }))
            continue;
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i)
            line += (i ? "\t" : "") + row[i];
        outcome.Lines.push_back(line);
    }
    return outcome;
}

TCommandOutcome NormalDensityCommand(TCommandContext& c, const TCommandInputs&) {
    TCommandOutcome outcome;
    const int index = NormalDensity(c.Doc.Selection, c.Doc.Objects, c.Image);
    if (index < 0) return outcome;
    outcome.Lines.push_back(c.Doc.Objects[index].Caption);
    outcome.DocumentChanged = true;
    return outcome;
}

namespace {
// The degrees of freedom as the dialog's spinner takes a typed number: whole, within 1..min(k - 1, 30).
bool ReadDegrees(const std::string& text, int k, int& df) {
    Real v = 0;
    if (!ReadNumber(text, v) || v != std::trunc(v)) return false;
    const int most = std::clamp(k - 1, 1, ChiSquareMaxDf);
    df = static_cast<int>(std::clamp<Real>(v, 1, most));
    return true;
}
} // namespace

TCommandOutcome PearsonCommand(TCommandContext& c, const TCommandInputs& inputs) {
    TCommandOutcome outcome;
    const TPearsonSetup setup = PreparePearson(c.Doc.Selection);
    if (setup.Message != msg::None) {
        outcome.Refusal = Msg(setup.Message) + setup.Detail;
        return outcome;
    }
    if (!setup.Ready()) return outcome;
    TPearsonInputs run;
    if (const std::string* theory = inputs.Find("theory")) {
        if (*theory != "1" && *theory != "2") {
            outcome.Refusal = "theory= takes 1 or 2, not \"" + *theory + "\"";
            return outcome;
        }
        run.Theory = *theory == "1" ? 1 : 2;
        if (run.Theory == 1 && !setup.TIsSample) {
            outcome.Refusal = "theory=1 needs two samples: a function is always the theory";
            return outcome;
        }
    }
    if (const std::string* level = inputs.Find("level")) {
        run.Level = ChiSquareLevelOf(level->c_str());
        if (run.Level == 0) {
            outcome.Refusal =
                "level= takes one of 0.01 0.02 0.05 0.1 0.2 0.3 0.5 0.7 0.8 0.9 0.95 0.98 0.99 0.999, "
                "not \"" +
                *level + "\"";
            return outcome;
        }
    }
    // The classes shown for the chosen theory's partner, as the dialog shows them.
    const int k = run.Theory == 1 ? setup.KE : (setup.TIsSample ? setup.KT : setup.KE);
    run.DegreesOfFreedom = std::clamp(k - 1, 1, ChiSquareMaxDf);
    if (const std::string* df = inputs.Find("df"))
        if (!ReadDegrees(*df, k, run.DegreesOfFreedom)) {
            outcome.Refusal = "df= takes a whole number, not \"" + *df + "\"";
            return outcome;
        }
    outcome.Lines = RunPearson(setup, run).Lines;
    return outcome;
}
