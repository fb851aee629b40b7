#pragma once
// Interface language files: INI files whose values replace every text the user sees. Each text goes through
// TranslateText, which reads it from a file (applying a language) or writes it into one (the default file
// that translators copy). The program's own tables are walked here; the windows' components are walked by the
// component table (ComponentTable.h).
#include "core/base/IniFile.h"

#include <string>
#include <vector>

constexpr const char* AppTitle = "Vorn1";
constexpr const char* DefaultLanguageName = "Українська";
constexpr const char* DefaultLanguageFile = "Vorn1ukr.lng";
constexpr const char* LanguageFileExtension = ".lng";
constexpr const char* DefaultHelpFile = "vorn1ukr.chm";
// What INFO/HelpFile gives when a language file does not name a help file.
constexpr const char* LanguageHelpFileDefault = "VORN1UKR.CHM";

enum class TTranslateMode { Read, Write };

// One walk over a language file. The file stays open for the whole walk.
class TLanguageWalk {
public:
    // builtIn, read mode only: the texts the program was built with; a key the file lacks takes its text
    // from there, so that a partial file over another language does not leave that language's texts behind.
    TLanguageWalk(TTranslateMode mode, IniFile& file, const IniFile* builtIn = nullptr)
        : m_mode(mode), m_file(file), m_builtIn(builtIn) {}

    TTranslateMode Mode() const { return m_mode; }
    IniFile& File() { return m_file; }

    // The text to use for Section/Key. Texts of one character or none, and keys with a double underscore,
    // are left alone in both modes. Reading, the file's value replaces the text (an empty value counts as
    // missing); writing, the text is recorded under the key.
    std::string TranslateText(const std::string& section, const std::string& key, const std::string& text);

private:
    TTranslateMode m_mode;
    IniFile& m_file;
    const IniFile* m_builtIn;
};

// The help file of the interface language: INFO/HelpFile of the language file applied last.
std::string& HelpFileName();

// Characters, not bytes, of UTF-8 text.
std::size_t CharacterCount(const std::string& text);

// INFO: writing, the language's name, the program's title and the help file; reading, the help file.
void WalkLanguageInfo(TLanguageWalk& walk, std::string& helpFile);
// Msg: the message box's button captions ("Button0".."Button10") and window captions
// ("Caption0".."Caption4").
void WalkDialogTables(TLanguageWalk& walk);
// InternalResources: message i under "r" + (i + 1), for every entry of the table.
void WalkMessageTable(TLanguageWalk& walk);

// Language and settings files are small; a bigger one is taken for no file at all rather than read whole.
constexpr std::size_t MaxConfigFileSize = 8u << 20;
// Reads a language or settings file; false (and an empty file) when it is missing, unreadable or too big.
bool LoadConfigFile(IniFile& ini, const std::string& path);

// The tables of a language file (message box captions and the message table) over the built-in ones, for
// the command-line modes, which have no windows.
void ApplyLanguageTables(const IniFile& file);

struct TLanguage {
    std::string Name; // INFO/Language, as the options dialog offers it
    std::string File; // full path
};

// The usable language files ("*.lng") of the folders: INFO/AppName is the program's title and INFO/Language
// is not empty. Each folder's files in name order; a file name found in an earlier folder hides the same name
// in a later one. Folders that cannot be listed are skipped.
std::vector<TLanguage> FindLanguages(const std::vector<std::string>& folders);
// The file of the named language, empty when none is installed.
std::string LanguageFileOf(const std::vector<TLanguage>& languages, const std::string& name);

// The toolkit's language for a language file, from the code in its name: "Vorn1ukr.lng" -> "uk",
// "Vorn1eng.lng" -> "en", "Vorn1de.lng" -> "de"; empty when the name carries no code.
std::string ToolkitLanguageCode(const std::string& fileName);
