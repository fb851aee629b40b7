#pragma once
// Where the program keeps its settings file and its default language file: beside the program when that
// folder is writable, else in the user's configuration folder. Language files are found in both.
#include <string>
#include <vector>

constexpr const char* SettingsFileName = "vorn1.ini";
// Points the settings and language folder elsewhere; for tests and scripts.
constexpr const char* SettingsFolderVariable = "VORN1_SETTINGS_DIR";

struct TProgramFolders {
    std::string Program;  // the folder of the executable; installed language files lie here
    std::string Settings; // empty: no settings are read or written and no language file is written
};

// The folder rule.
std::string ChooseSettingsFolder(bool programFolderWritable, const std::string& programFolder,
                                 const std::string& configFolder);

// The user's configuration folder for the program: $XDG_CONFIG_HOME/Vorn1, else $HOME/.config/Vorn1; empty
// when neither is set.
std::string UserConfigFolder();

// The folders for a program in programFolder, with SettingsFolderVariable taking precedence.
TProgramFolders LocateProgramFolders(const std::string& programFolder);
// The folder of the running executable, empty when it cannot be told.
std::string ExecutableFolder();

// The folders of this run; both empty until start-up sets them.
const TProgramFolders& ProgramFolders();
void SetProgramFolders(const TProgramFolders& folders);

// The settings file of this run, empty when there is none.
std::string SettingsFilePath();
// The folders searched for language files: the settings folder, then the program's.
std::vector<std::string> LanguageFolders();
// Creates the settings folder when it is missing (the configuration folder on a first run); false when it
// cannot be made.
bool MakeSettingsFolder();
