#pragma once
// Pictures of the graph in files: PNG, SVG or PDF by the file's extension, drawn through the canvas that the
// graph window draws on, so a picture shows what the window shows.
#include <functional>
#include <string>

class TCanvas;

// A side below this holds no readable graph; above it the bitmap alone would take a gigabyte.
constexpr int MinExportSide = 16, MaxExportSide = 16384;

// Draws the picture with draw (on a bitmap or a painter of width x height pixels) and writes it to name:
// made in memory, then written to a temporary beside the old file that replaces it only once written whole,
// so any failure leaves the old file as it was. The extension of name says the format (.png, .svg, .pdf in
// any case). Needs a QGuiApplication (offscreen will do).
bool WritePictureFile(const std::string& name, int width, int height,
                      const std::function<void(TCanvas&)>& draw, std::string& err);
