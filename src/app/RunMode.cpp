#include "app/RunMode.h"

#include "app/DocumentModes.h"
#include "app/PictureFile.h"
#include "app/Session.h"
#include "core/base/AtomicWrite.h"
#include "core/analysis/CommandRegistry.h"
#include "core/document/GraphPicture.h"
#include "core/plot/TCanvasLog.h"
#include "gui/plot/QImageCanvas.h"

#include <QImage>

namespace {

struct TRunLine {
    const TCommandInfo* Command = nullptr;
    TCommandInputs Inputs;
    int Object = 1; // the current entry, 1-based
    std::string ExportName, SaveName, Document;
    int Width = DefaultExportWidth, Height = DefaultExportHeight;
};

bool TakeValue(const std::vector<std::string>& args, std::size_t& i, const char* option, std::string& value,
               std::string& err) {
    if (i >= args.size() || args[i] != option) return true;
    if (i + 1 >= args.size()) {
        err += std::string("vorn1: ") + option + " needs a file name\n";
        return false;
    }
    value = args[i + 1];
    i += 2;
    return true;
}

bool ParseObjectNumber(const std::string& text, int& k) {
    if (text.empty() || text.size() > 6 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    k = std::stoi(text);
    return k >= 1;
}

// False with a message for a wrong command line.
bool Parse(const std::vector<std::string>& args, TRunLine& line, std::string& err) {
    if (args.empty()) {
        err += "vorn1: --run needs a command\n";
        return false;
    }
    line.Command = FindRunCommand(args[0]);
    if (!line.Command) {
        err += "vorn1: unknown command for --run: " + args[0] + "\n";
        return false;
    }
    std::size_t i = 1;
    for (; i < args.size() && args[i].rfind("--", 0) != 0; ++i) {
        const std::size_t eq = args[i].find('=');
        if (eq == std::string::npos || eq == 0) break; // the document
        const std::string name = args[i].substr(0, eq), value = args[i].substr(eq + 1);
        if (name == "object") {
            if (!ParseObjectNumber(value, line.Object)) {
                err += "vorn1: object= takes the number of an entry, from 1\n";
                return false;
            }
            continue;
        }
        line.Inputs.Set(name, value);
    }
    const std::string unknown = UnknownField(*line.Command, line.Inputs);
    if (!unknown.empty()) {
        err += "vorn1: " + std::string(line.Command->Name) + " takes no value named " + unknown + "\n";
        return false;
    }
    for (std::size_t before = 0; before != i;) {
        before = i;
        if (!TakeValue(args, i, "--export", line.ExportName, err) ||
            !TakeValue(args, i, "--save", line.SaveName, err) ||
            !TakeSizeOption(args, i, line.Width, line.Height, err) || !TakeDigitsOption(args, i, err))
            return false;
    }
    if (i + 1 != args.size()) {
        err += "vorn1: --run takes the command, its values, the options and one document\n";
        return false;
    }
    line.Document = args[i];
    return line.ExportName.empty() || CheckPictureName(line.ExportName, err);
}

} // namespace

std::string RunUsageText() {
    std::string text = "Commands of --run, with their values:\n";
    for (const TCommandInfo& c : RunCommands()) {
        text += "  " + std::string(c.Name);
        for (const TCommandField& f : c.Fields)
            text += std::string(" ") + f.Name + "=(" + f.Default + ")";
        text += "\n";
    }
    return text;
}

int RunCommandMode(const std::vector<std::string>& args, std::string& out, std::string& err) {
    TRunLine line;
    if (!Parse(args, line, err)) return 2;

    TSession s(line.Width, line.Height);
    if (!LoadDocument(line.Document, s.Parts())) {
        err += "vorn1: cannot read " + line.Document + "\n";
        return 1;
    }
    if (line.Object > s.doc.Objects.Count()) {
        err += "vorn1: " + line.Document + " has no entry " + std::to_string(line.Object) + "\n";
        return 1;
    }
    s.doc.Objects.SetCurrent(line.Object - 1);

    // Everything is drawn into a log, so that the picture after the command can be written in any format; a
    // redraw starts the log anew, as it repaints the graph window. Texts are measured as the bitmap would.
    QImage metricsBitmap(1, 1, QImage::Format_RGB32);
    TQImageCanvas metrics(&metricsBitmap);
    TCanvasLog log(line.ExportName.empty() ? nullptr : &metrics);
    s.image.SetCanvas(&log);
    s.image.OnMasshUpdate = [&](TMasshImage& image) {
        log.Clear();
        DrawGraphPicture(image, s.doc, s.labels, {});
    };
    s.image.CanDraw = true;
    BuildGraph(s.image, s.doc);
    s.image.MasshUpdate();

    TCommandContext context{s.doc, s.image, s.labels};
    const TCommandOutcome outcome = RunCommand(*line.Command, context, line.Inputs);
    s.image.SetCanvas(nullptr);
    if (!outcome.Refusal.empty()) {
        err += outcome.Refusal + "\n";
        return 1;
    }
    if (outcome.Lines.empty() && !outcome.ShownOnGraph) {
        err += "vorn1: " + std::string(line.Command->Name) + " gives nothing for the selected objects\n";
        return 1;
    }
    for (const std::string& l : outcome.Lines)
        out += l + "\n";
    if (!line.ExportName.empty() &&
        !WritePictureFile(
            line.ExportName, line.Width, line.Height, [&](TCanvas& c) { log.Replay(c); }, err))
        return 1;
    // A write-protected document is replaced only when the user says so, which no command line can.
    if (!line.SaveName.empty() && IsWriteProtected(line.SaveName)) {
        err += "vorn1: " + line.SaveName + " is write-protected; it was not replaced\n";
        return 1;
    }
    if (!line.SaveName.empty() && !SaveDocument(line.SaveName, s.Parts())) {
        err += "vorn1: cannot write " + line.SaveName + "\n";
        return 1;
    }
    return 0;
}
