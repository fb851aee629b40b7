#include "core/app/ProgramFolders.h"

#include "core/app/LanguageFile.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
TProgramFolders g_folders;

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}
} // namespace

std::string ChooseSettingsFolder(bool programFolderWritable, const std::string& programFolder,
                                 const std::string& configFolder) {
    return programFolderWritable && !programFolder.empty() ? programFolder : configFolder;
}

std::string UserConfigFolder() {
    const fs::path xdg = Variable("XDG_CONFIG_HOME");
    if (xdg.is_absolute()) return (xdg / AppTitle).string();
    const fs::path home = Variable("HOME");
    if (home.is_absolute()) return (home / ".config" / AppTitle).string();
    return {};
}

TProgramFolders LocateProgramFolders(const std::string& programFolder) {
    TProgramFolders folders;
    folders.Program = programFolder;
    const std::string forced = Variable(SettingsFolderVariable);
    if (!forced.empty()) {
        folders.Settings = forced;
        return folders;
    }
    const bool writable = !programFolder.empty() && access(programFolder.c_str(), W_OK) == 0;
    folders.Settings = ChooseSettingsFolder(writable, programFolder, UserConfigFolder());
    return folders;
}

std::string ExecutableFolder() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.parent_path().string();
}

const TProgramFolders& ProgramFolders() {
    return g_folders;
}

void SetProgramFolders(const TProgramFolders& folders) {
    g_folders = folders;
}

std::string SettingsFilePath() {
    return g_folders.Settings.empty() ? std::string()
                                      : (fs::path(g_folders.Settings) / SettingsFileName).string();
}

std::vector<std::string> LanguageFolders() {
    std::vector<std::string> folders;
    for (const std::string& f : {g_folders.Settings, g_folders.Program}) {
        if (f.empty()) continue;
        std::error_code ec;
        if (!folders.empty() && fs::equivalent(folders.front(), f, ec)) continue;
        folders.push_back(f);
    }
    return folders;
}

bool MakeSettingsFolder() {
    if (g_folders.Settings.empty()) return false;
    std::error_code ec;
    fs::create_directories(g_folders.Settings, ec);
    return fs::is_directory(g_folders.Settings, ec);
}
