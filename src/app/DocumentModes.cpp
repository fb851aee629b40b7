#include "app/DocumentModes.h"

#include "app/PictureFile.h"
#include "app/Session.h"
#include "core/base/NumberText.h"
#include "core/document/GraphPicture.h"

namespace {
constexpr int MaxDigits = 18; // significant digits an extended real holds

void Draw(TSession& s, TCanvas& canvas) {
    s.image.SetCanvas(&canvas);
    DrawGraphPicture(s.image, s.doc, s.labels, {});
    s.image.SetCanvas(nullptr);
}
} // namespace

bool TakeDigitsOption(const std::vector<std::string>& args, std::size_t& i, std::string& err) {
    if (i >= args.size() || args[i] != "--digits") return true;
    if (i + 1 >= args.size()) {
        err += "vorn1: --digits needs a number\n";
        return false;
    }
    const std::string& n = args[i + 1];
    if (n.empty() || n.size() > 2 || n.find_first_not_of("0123456789") != std::string::npos ||
        std::stoi(n) > MaxDigits) {
        err += "vorn1: --digits takes a number from 0 to 18, not \"" + n + "\"\n";
        return false;
    }
    SetDigits(std::stoi(n));
    i += 2;
    return true;
}

int RunInfoMode(const std::vector<std::string>& args, std::string& out, std::string& err) {
    std::size_t i = 0;
    if (!TakeDigitsOption(args, i, err)) return 2;
    if (i + 1 != args.size()) {
        err += "vorn1: usage: vorn1 --info [--digits N] DOC.vr1\n";
        return 2;
    }
    TSession s(DefaultExportWidth, DefaultExportHeight);
    if (!LoadDocument(args[i], s.Parts())) {
        err += "vorn1: cannot read " + args[i] + "\n";
        return 1;
    }
    for (int k = 0; k < s.doc.Objects.Count(); ++k) {
        TFn& f = s.doc.Objects.Object(k);
        f.CalcBounds(s.image);
        out += f.Caption() + "\n";
        std::vector<std::string> lines;
        f.ShowInfo(lines);
        for (const std::string& line : lines)
            out += "  " + line + "\n";
        out += "\n";
    }
    return 0;
}

int RunExportMode(const std::vector<std::string>& args, std::string& err) {
    const char* usage =
        "vorn1: usage: vorn1 --export OUT.png|OUT.svg|OUT.pdf [--size WxH] [--digits N] DOC.vr1\n";
    if (args.empty()) {
        err += usage;
        return 2;
    }
    const std::string outName = args[0];
    int width = DefaultExportWidth, height = DefaultExportHeight;
    std::size_t i = 1;
    for (std::size_t before = 0; before != i;) {
        before = i;
        if (!TakeSizeOption(args, i, width, height, err) || !TakeDigitsOption(args, i, err)) return 2;
    }
    if (i + 1 != args.size()) {
        err += usage;
        return 2;
    }
    if (!CheckPictureName(outName, err)) return 2;
    TSession s(width, height);
    if (!LoadDocument(args[i], s.Parts())) {
        err += "vorn1: cannot read " + args[i] + "\n";
        return 1;
    }
    BuildGraph(s.image, s.doc);
    return WritePictureFile(
               outName, width, height, [&](TCanvas& canvas) { Draw(s, canvas); }, err)
               ? 0
               : 1;
}
