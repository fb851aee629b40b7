#pragma once
// The settings of the equal scale and the recent documents, kept in the settings file beside the program's
// own keys: "EqualScale" in [Graph], and [RecentFiles] with "File1" (the newest) to "File9". Missing or
// unreadable keys give the defaults: equal scale off, no recent documents.
#include "core/base/IniFile.h"

#include <string>
#include <vector>

struct TExtraSettings {
    bool EqualScale = false;
    std::vector<std::string> RecentFiles; // newest first
};

TExtraSettings ReadExtraSettings(const IniFile& ini);
// Writes every key; the recent documents replace the section as it was.
void WriteExtraSettings(IniFile& ini, const TExtraSettings& settings);
