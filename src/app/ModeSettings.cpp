#include "app/ModeSettings.h"

#include "core/app/LanguageFile.h"
#include "core/app/ProgramFolders.h"
#include "core/app/ProgramSettings.h"
#include "core/base/NumberText.h"

void ApplyModeSettings() {
    const std::string path = SettingsFilePath();
    if (path.empty()) return;
    IniFile ini;
    LoadConfigFile(ini, path);
    const TProgramSettings settings = ReadProgramSettings(ini);
    SetDigits(settings.Digits);
    const std::string file = LanguageFileOf(FindLanguages(LanguageFolders()), settings.Language);
    IniFile language;
    if (!file.empty() && LoadConfigFile(language, file)) ApplyLanguageTables(language);
}
