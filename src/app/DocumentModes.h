#pragma once
// The command-line modes that read a document: "--info" prints what the object list shows, "--export" writes
// the graph as a picture. Neither needs a display.
#include <string>
#include <vector>

// "vorn1 --info [--digits N] DOC.vr1": per object its caption, its information lines indented by two spaces,
// and an empty line.
int RunInfoMode(const std::vector<std::string>& args, std::string& out, std::string& err);

// "vorn1 --export OUT [--size WxH] [--digits N] DOC.vr1": PNG, SVG or PDF by the extension of OUT, each side
// from 16 to 16384 pixels. OUT is replaced only by a picture written whole; any failure to write gives exit
// status 1 and leaves the old file as it was. Needs a QGuiApplication (any platform, offscreen will do).
int RunExportMode(const std::vector<std::string>& args, std::string& err);

// Reads "--digits N" at args[i] when present (advancing i); false with a message on a bad value.
bool TakeDigitsOption(const std::vector<std::string>& args, std::size_t& i, std::string& err);
