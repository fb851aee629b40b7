// Arbitrary bytes as a data file of the point table or of the sample dialogs, taken the whole way a user
// takes them: read into the grid, checked by the dialog's OK, made into the object, drawn, described, saved
// and read back, and the statistics and table commands run on it. No crash, no hang, no sanitizer report.
//
// Input: byte 0 picks the dialog (its top bit) and its settings, byte 1 the degree or the sample's N, byte 2
// more settings of the sample; the rest is the file.
#include "core/analysis/CommandRegistry.h"
#include "core/base/IniFile.h"
#include "core/formula/ParamTable.h"
#include "core/objects/ObjectFactory.h"
#include "core/objects/TFl.h"
#include "core/objects/TFm.h"
#include "core/plot/NullCanvas.h"
#include "core/plot/TMasshImage.h"
#include "core/stats/SampleEntry.h"
#include "core/stats/TGList.h"

#include <cstdint>
#include <memory>
#include <string>

namespace {

constexpr std::size_t HeaderBytes = 3;

// The grid's two columns as the table dialog reads them.
std::vector<TTableRow> TableRows(const TGridRows& grid) {
    std::vector<TTableRow> rows;
    for (const std::vector<std::string>& r : grid)
        rows.push_back({r[0], r[1]});
    return rows;
}

// The object drawn, described, saved and read back, then the commands run on it as the only entry.
void UseObject(std::unique_ptr<TFn> object, std::initializer_list<const char*> commands) {
    TMasshImage image;
    ApplyGraphWindowDefaults(image);
    image.SetSize(160, 120);
    TNullCanvas canvas;
    image.SetCanvas(&canvas);
    image.CanDraw = true;
    object->CalcBounds(image);
    object->Draw(image);
    std::vector<std::string> lines;
    object->ShowInfo(lines);
    IniFile ini;
    object->Save(ini, "Obj1");
    const std::unique_ptr<TFn> back = ReadObject(ini, "Obj1");
    if (!back) __builtin_trap(); // what was saved must read
    back->CalcBounds(image);

    TDocument doc;
    TGList labels;
    doc.Objects.Append(std::move(object), true);
    TCommandContext context{doc, image, labels};
    for (const char* name : commands)
        if (const TCommandInfo* command = FindRunCommand(name)) (void)RunCommand(*command, context, {});
    image.SetCanvas(nullptr);
}

void TableFile(const std::string& text, std::uint8_t settings, std::uint8_t degree) {
    TGridRows grid = TokensToRows(DataFileTokens(text, TableFileTokens), 2);
    TTableData data;
    data.Use = settings & 1 ? TTableUse::BrokenLine : TTableUse::Polynomial;
    data.Rows = TableRows(grid);
    data.Degree = degree % 8;
    data.BuildPoly = (settings & 2) != 0;
    data.Locked = (settings & 4) != 0;
    data.LineT = settings >> 3 & 3;
    RemoveTrailingEmptyRows(data.Rows);
    if (!CheckTableData(data).Ok()) return;
    if (data.Use == TTableUse::BrokenLine) {
        auto line = std::make_unique<TFl>(clBlack);
        if (!line->TakeTableData(data)) return;
        UseObject(std::move(line), {"broken-line-length", "polygon-area", "revolution-ox", "transform"});
    } else {
        auto table = std::make_unique<TFm>(clBlack);
        if (!table->TakeTableData(data)) return;
        UseObject(std::move(table), {"integral", "roots", "extrema"});
    }
}

void SampleFile(const std::string& text, std::uint8_t settings, std::uint8_t size, std::uint8_t more) {
    const auto type = static_cast<TSampleEntryType>((settings & 3) % 3);
    TGridRows grid = TokensToRows(DataFileTokens(text, SampleFileTokens), SampleGridColumns(type));
    // The grid written back to a file reads as the same cells.
    if (TokensToRows(DataFileTokens(DataFileText(grid), SampleFileTokens), SampleGridColumns(type)) != grid)
        __builtin_trap();
    TSampleBuild build = BuildSampleFromGrid(grid, type, SampleSizeMin + size * 10);
    if (!build.Ok()) return;

    TSampleEntry entry;
    entry.Smodel = settings >> 2 & 1 ? SampleByIntervals : SampleByPoints;
    entry.GraphType = (settings >> 3 & 3) % 3;
    entry.FxPlain = (settings >> 5 & 3) % 3;
    entry.IntRozp = (more & 1) != 0;
    entry.IntDivText = std::to_string(1 + (more >> 1 & 3));
    entry.EntryType = type;
    SpreadGroupedData(build, entry.Smodel, type);
    TIntervalProposal proposal = ProposeInterval(entry, build, entry.Smodel, type);
    if (proposal.Show) {
        // The interval dialog confirmed as proposed, or with "Відрізок за вибіркою" and Sturges' formula.
        if (more & 8) {
            ApplySampleBounds(proposal);
            proposal.K = SturgesIntervals(proposal.N);
        }
        if (!CheckIntervalInput(proposal.AText, proposal.BText, proposal.Smallest, proposal.Largest,
                                proposal.AText, proposal.BText)
                 .Ok())
            return;
    }
    entry.AText = proposal.AText;
    entry.BText = proposal.BText;
    entry.K = proposal.K;
    TakeSampleResult(entry, std::move(build));
    auto sample = std::make_unique<TFs>(clBlack);
    sample->TakeEntry(std::move(entry));
    UseObject(std::move(sample), {"frequency-table", "normal-density", "pearson"});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < HeaderBytes) return 0;
    ParamTable().ResetForNewDocument();
    const std::string text(reinterpret_cast<const char*>(data + HeaderBytes), size - HeaderBytes);
    if (data[0] & 0x80)
        SampleFile(text, data[0], data[1], data[2]);
    else
        TableFile(text, data[0], data[1]);
    return 0;
}
