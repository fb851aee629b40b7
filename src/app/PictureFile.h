#pragma once
// Pictures of the graph written by the command line: PNG, SVG or PDF by the file's extension.
#include <functional>
#include <string>
#include <vector>

class TCanvas;

// A side below this holds no readable graph; above it the bitmap alone would take a gigabyte.
constexpr int MinExportSide = 16, MaxExportSide = 16384;

// "--size WxH" at args[i] when present (advancing i): false with a message on a malformed or out-of-range
// size.
bool TakeSizeOption(const std::vector<std::string>& args, std::size_t& i, int& width, int& height,
                    std::string& err);

// True when the name ends in .png, .svg or .pdf (any case); else false with a message.
bool CheckPictureName(const std::string& name, std::string& err);

// Draws the picture with draw (on a bitmap or a painter of width x height pixels) and writes it to name:
// made in memory, then written to a temporary beside the old file that replaces it only once written whole,
// so any failure leaves the old file as it was. Needs a QGuiApplication (offscreen will do).
bool WritePictureFile(const std::string& name, int width, int height,
                      const std::function<void(TCanvas&)>& draw, std::string& err);
