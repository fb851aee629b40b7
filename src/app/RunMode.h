#pragma once
// "vorn1 --run COMMAND [NAME=VALUE ...] [object=K] [--export OUT] [--size WxH] [--save OUT.vr1] [--digits N]
// DOC.vr1": opens the document, builds its graph, runs one analysis command as its menu command would, and
// prints the lines the command gives the answers window. Needs a QGuiApplication only for --export.
#include <string>
#include <vector>

// Exit status 0 with the lines on out; 1 with the message box's text or a note on err when the command
// refuses or gives nothing, or the document cannot be read; 2 for a wrong command line.
int RunCommandMode(const std::vector<std::string>& args, std::string& out, std::string& err);

// The usage lines of --run with its commands and their values.
std::string RunUsageText();
