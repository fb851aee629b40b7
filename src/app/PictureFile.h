#pragma once
// Pictures of the graph written by the command line: PNG, SVG or PDF by the file's extension.
#include "gui/plot/PictureWriter.h"

#include <string>
#include <vector>

// "--size WxH" at args[i] when present (advancing i): false with a message on a malformed or out-of-range
// size.
bool TakeSizeOption(const std::vector<std::string>& args, std::size_t& i, int& width, int& height,
                    std::string& err);

// True when the name ends in .png, .svg or .pdf (any case); else false with a message.
bool CheckPictureName(const std::string& name, std::string& err);
