#include "core/app/ExtraSettings.h"

#include "core/app/RecentFiles.h"

namespace {
const char* const GraphSection = "Graph";
const char* const EqualScaleKey = "EqualScale";
const char* const RecentSection = "RecentFiles";

std::string FileKey(int n) {
    return "File" + std::to_string(n);
}
} // namespace

TExtraSettings ReadExtraSettings(const IniFile& ini) {
    TExtraSettings s;
    s.EqualScale = ini.ReadBool(GraphSection, EqualScaleKey, false);
    std::vector<std::string> files;
    for (int n = 1; n <= MaxRecentFiles; ++n)
        files.push_back(ini.ReadString(RecentSection, FileKey(n), ""));
    TRecentFiles recent;
    recent.SetPaths(files); // leaves out gaps and repeats
    s.RecentFiles = recent.Paths();
    return s;
}

void WriteExtraSettings(IniFile& ini, const TExtraSettings& settings) {
    ini.WriteBool(GraphSection, EqualScaleKey, settings.EqualScale);
    ini.EraseSection(RecentSection);
    ini.AddSection(RecentSection);
    int n = 0;
    for (const std::string& path : settings.RecentFiles)
        if (++n <= MaxRecentFiles) ini.WriteString(RecentSection, FileKey(n), path);
}
