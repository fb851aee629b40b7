#include "app/CommandLine.h"

#include <cstring>

namespace {

const char* const Usage =
    "Usage:\n"
    "  vorn1 [DOCUMENT.vr1]                 start the program, opening the document\n"
    "  vorn1 --calc [--digits N] EXPR...    print the calculator's result line for each expression\n"
    "  vorn1 --info [--digits N] DOC.vr1    print each object's caption and information lines\n"
    "  vorn1 --export OUT.png|OUT.svg|OUT.pdf [--size WxH] [--digits N] DOC.vr1\n"
    "                                       draw the document's graph (800 x 600 unless --size says "
    "otherwise)\n"
    "  vorn1 --run COMMAND [NAME=VALUE...] [object=K] [--export OUT] [--size WxH] [--save OUT.vr1]\n"
    "              [--digits N] DOC.vr1\n"
    "                                       run an analysis command and print its answer lines\n"
    "  vorn1 --help | --version\n";

// The options QGuiApplication and QApplication take out of the command line themselves, written with one dash
// or two, a value after a blank or after "=".
struct TToolkitOption {
    const char* Name;
    bool TakesValue;
};
constexpr TToolkitOption ToolkitOptions[] = {
    {"platform", true},        {"platformpluginpath", true},
    {"platformtheme", true},   {"plugin", true},
    {"qwindowgeometry", true}, {"qwindowicon", true},
    {"qwindowtitle", true},    {"session", true},
    {"style", true},           {"stylesheet", true},
    {"display", true},         {"geometry", true},
    {"qmljsdebugger", true},   {"reverse", false},
    {"widgetcount", false},    {"nograb", false},
    {"dograb", false},         {"sync", false},
};

// The toolkit option at args[i], with its value; how many arguments it takes, 0 when it is none of them.
std::size_t ToolkitOptionLength(const std::vector<std::string>& args, std::size_t i) {
    std::string name = args[i].substr(args[i].rfind("--", 0) == 0 ? 2 : 1);
    const std::size_t equals = name.find('=');
    const bool valueAttached = equals != std::string::npos;
    if (valueAttached) name.resize(equals);
    for (const TToolkitOption& o : ToolkitOptions) {
        if (name != o.Name) continue;
        if (!o.TakesValue) return valueAttached ? 0 : 1;
        if (valueAttached) return 1;
        return i + 1 < args.size() ? 2 : 0;
    }
    return 0;
}

TStart Wrong(std::string error) {
    TStart s;
    s.Mode = TStartMode::Usage;
    s.Error = "vorn1: " + std::move(error) + "\n";
    return s;
}

} // namespace

TStart ParseCommandLine(const std::vector<std::string>& args) {
    TStart start;
    if (!args.empty()) {
        static const std::pair<const char*, TStartMode> modes[] = {
            {"--calc", TStartMode::Calc}, {"--info", TStartMode::Info}, {"--export", TStartMode::Export},
            {"--run", TStartMode::Run},   {"--help", TStartMode::Help}, {"--version", TStartMode::Version},
        };
        for (const auto& [option, mode] : modes)
            if (args[0] == option) {
                start.Mode = mode;
                start.ModeArgs.assign(args.begin() + 1, args.end());
                return start;
            }
    }
    bool optionsEnd = false;
    for (std::size_t i = 0; i < args.size();) {
        const std::string& a = args[i];
        if (!optionsEnd && a == "--") {
            optionsEnd = true;
            ++i;
            continue;
        }
        if (!optionsEnd && a.size() > 1 && a[0] == '-') {
            const std::size_t n = ToolkitOptionLength(args, i);
            if (n == 0) return Wrong("unknown option or missing value: " + a);
            i += n;
            continue;
        }
        if (!start.Document.empty()) return Wrong("one document at a time: " + a);
        start.Document = a;
        ++i;
    }
    return start;
}

const char* UsageText() {
    return Usage;
}

std::string VersionText() {
    return std::string("Vorn1 ") + VORN1_VERSION + "\n";
}
