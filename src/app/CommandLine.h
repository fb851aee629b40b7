#pragma once
// What the program was asked to do on its command line, decided before any window or display is touched.
#include <string>
#include <vector>

enum class TStartMode {
    Window,  // the program, opening Document when one is named
    Calc,    // "--calc"
    Info,    // "--info"
    Export,  // "--export"
    Run,     // "--run"
    Help,    // "--help": the usage on stdout
    Version, // "--version"
    Usage,   // a wrong command line: Error and the usage on stderr, exit status 2
};

struct TStart {
    TStartMode Mode = TStartMode::Window;
    std::vector<std::string> ModeArgs; // the arguments after the mode's option
    std::string Document;              // Window: the document to open, empty for none
    std::string Error;                 // Usage: what was wrong, one line
};

// args without the program's name. The window mode takes at most one document and the toolkit's own options
// ("-style fusion", "-platform offscreen", ...); any other option is an error.
TStart ParseCommandLine(const std::vector<std::string>& args);

const char* UsageText();
std::string VersionText(); // "Vorn1 " and the version, one line

// The exit status of a wrong command line.
constexpr int UsageExitCode = 2;
