// Saves a large document over and over, for the test that kills a save midway.
// usage: save_loop FILE: saves the second document, prints "ready" and how many milliseconds that save took,
// then saves the first, the second, ... to FILE until it is killed.
// save_loop --versions FILE: writes the two documents as they are saved to FILE.first and FILE.second.
// save_loop --once FILE: saves the first document once (exit status 0 when it was saved).
#include "core/base/IniFile.h"
#include "core/document/DocumentFile.h"
#include "core/formula/ParamTable.h"
#include "core/objects/TFn.h"
#include "core/plot/TMasshImage.h"
#include "core/stats/TGList.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>

namespace {
// Some megabytes of text, most of it in labels, which cost little to write out: a save spends most of its
// time writing the file, where a kill matters.
constexpr int ObjectCount = 200;
constexpr int LabelCount = 2000;
constexpr std::size_t LabelLength = 1500;

struct TVersion {
    TDocument doc;
    TMasshImage image;
    TGList labels;
    explicit TVersion(const std::string& tag) {
        ApplyGraphWindowDefaults(image);
        image.SetSize(800, 600);
        image.grXName = tag;
        for (int k = 0; k < ObjectCount; ++k)
            doc.Objects.Append(std::make_unique<TFn>("SIN(X*" + std::to_string(k) + ")+" + tag + "*0+" +
                                                         std::to_string(k % 97),
                                                     "-5", "5", clRed),
                               k % 3 != 0);
        for (int i = 0; i < LabelCount; ++i)
            labels.AddLabel(i, -i, std::string(LabelLength, static_cast<char>('a' + i % 26)) + tag, i % 2);
    }
    TDocumentParts Parts() { return {doc, image, labels}; }
    std::string Text() {
        IniFile ini;
        WriteDocument(ini, Parts());
        return ini.ToText();
    }
};

bool WriteText(const std::string& name, const std::string& text) {
    std::ofstream out(name, std::ios::binary);
    out << text;
    return static_cast<bool>(out.flush());
}
} // namespace

int main(int argc, char** argv) {
    ParamTable().ResetForNewDocument();
    TVersion first("1"), second("2");
    if (argc == 3 && std::strcmp(argv[1], "--once") == 0) return SaveDocument(argv[2], first.Parts()) ? 0 : 1;
    if (argc == 3 && std::strcmp(argv[1], "--versions") == 0) {
        const std::string file = argv[2];
        return WriteText(file + ".first", first.Text()) && WriteText(file + ".second", second.Text()) ? 0 : 1;
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: save_loop [--once | --versions] FILE\n");
        return 2;
    }
    const std::string file = argv[1];
    // The first save is timed, so that the test can aim its kills at the saves that follow, however fast
    // this build runs.
    const auto start = std::chrono::steady_clock::now();
    if (!SaveDocument(file, second.Parts())) return 1;
    const auto took =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    std::printf("ready %lld\n", static_cast<long long>(took.count()));
    std::fflush(stdout);
    for (long long i = 1;; ++i)
        if (!SaveDocument(file, i % 2 == 0 ? second.Parts() : first.Parts())) return 1;
}
