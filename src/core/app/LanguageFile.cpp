#include "core/app/LanguageFile.h"

#include "core/base/MessageTable.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr const char* InfoSection = "INFO";
constexpr const char* MsgSection = "Msg";
constexpr const char* MessagesSection = "InternalResources";

std::string Lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

bool HasLanguageExtension(const fs::path& path) {
    return Lower(path.extension().string()) == LanguageFileExtension;
}

// Regular language files of a folder, by name.
std::vector<fs::path> LanguageFilesIn(const std::string& folder) {
    std::vector<fs::path> files;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (HasLanguageExtension(it->path()) && it->is_regular_file(typeError)) files.push_back(it->path());
    }
    std::sort(files.begin(), files.end(),
              [](const fs::path& a, const fs::path& b) { return a.filename() < b.filename(); });
    return files;
}

// Three-letter codes of the languages the toolkit has translations for, with its two-letter names.
constexpr std::pair<const char*, const char*> ThreeLetterCodes[] = {
    {"ukr", "uk"}, {"eng", "en"}, {"rus", "ru"}, {"deu", "de"}, {"ger", "de"}, {"fra", "fr"},
    {"fre", "fr"}, {"pol", "pl"}, {"ita", "it"}, {"spa", "es"}, {"ces", "cs"}, {"cze", "cs"},
    {"slk", "sk"}, {"slo", "sk"}, {"hun", "hu"}, {"bul", "bg"}, {"lav", "lv"}, {"nld", "nl"},
    {"dut", "nl"}, {"dan", "da"}, {"fin", "fi"}, {"tur", "tr"}, {"hrv", "hr"}, {"cat", "ca"},
};

} // namespace

std::string& HelpFileName() {
    static std::string name = DefaultHelpFile;
    return name;
}

std::size_t CharacterCount(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80; // continuation bytes do not start a character
    }));
}

std::string TLanguageWalk::TranslateText(const std::string& section, const std::string& key,
                                         const std::string& text) {
    if (CharacterCount(text) <= 1 || key.find("__") != std::string::npos) return text;
    if (m_mode == TTranslateMode::Write) {
        m_file.WriteString(section, key, text);
        return text;
    }
    for (const IniFile* source : {static_cast<const IniFile*>(&m_file), m_builtIn}) {
        if (!source) continue;
        std::string value = source->ReadString(section, key, "");
        if (!value.empty()) return value;
    }
    return text;
}

void WalkLanguageInfo(TLanguageWalk& walk, std::string& helpFile) {
    IniFile& file = walk.File();
    if (walk.Mode() == TTranslateMode::Write) {
        file.WriteString(InfoSection, "Language", DefaultLanguageName);
        file.WriteString(InfoSection, "AppName", AppTitle);
        file.WriteString(InfoSection, "HelpFile", helpFile);
    } else {
        helpFile = file.ReadString(InfoSection, "HelpFile", LanguageHelpFileDefault);
    }
}

void WalkDialogTables(TLanguageWalk& walk) {
    auto& buttons = ButtonCaptions();
    for (int i = 0; i < ButtonCaptionCount; ++i)
        buttons[i] = walk.TranslateText(MsgSection, "Button" + std::to_string(i), buttons[i]);
    auto& captions = DialogCaptions();
    for (int i = 0; i < DialogCaptionCount; ++i)
        captions[i] = walk.TranslateText(MsgSection, "Caption" + std::to_string(i), captions[i]);
}

void WalkMessageTable(TLanguageWalk& walk) {
    auto& table = MessageTable();
    for (int i = 0; i < MessageCount; ++i)
        table[i] = walk.TranslateText(MessagesSection, "r" + std::to_string(i + 1), table[i]);
}

bool LoadConfigFile(IniFile& ini, const std::string& path) {
    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    if (!ec && size > MaxConfigFileSize) {
        ini = IniFile();
        return false;
    }
    return ini.Load(path);
}

void ApplyLanguageTables(const IniFile& file) {
    ResetBuiltInTexts();
    IniFile copy = file; // the walk needs a file it could write to; reading leaves it alone
    TLanguageWalk walk(TTranslateMode::Read, copy);
    WalkDialogTables(walk);
    WalkMessageTable(walk);
}

std::vector<TLanguage> FindLanguages(const std::vector<std::string>& folders) {
    std::vector<TLanguage> languages;
    std::set<std::string> seen;
    for (const std::string& folder : folders) {
        if (folder.empty()) continue;
        for (const fs::path& path : LanguageFilesIn(folder)) {
            const std::string name = Lower(path.filename().string());
            if (seen.count(name)) continue;
            IniFile ini;
            LoadConfigFile(ini, path.string());
            const std::string language = ini.ReadString(InfoSection, "Language", "");
            if (ini.ReadString(InfoSection, "AppName", "") != AppTitle || language.empty()) continue;
            seen.insert(name);
            languages.push_back({language, path.string()});
        }
    }
    return languages;
}

std::string LanguageFileOf(const std::vector<TLanguage>& languages, const std::string& name) {
    for (const TLanguage& l : languages)
        if (l.Name == name) return l.File;
    return {};
}

std::string ToolkitLanguageCode(const std::string& fileName) {
    std::string code = Lower(fs::path(fileName).stem().string());
    const std::string prefix = Lower(AppTitle);
    if (code.compare(0, prefix.size(), prefix) != 0) return {};
    code.erase(0, prefix.size());
    if (!std::all_of(code.begin(), code.end(), [](char c) { return c >= 'a' && c <= 'z'; })) return {};
    if (code.size() == 2) return code;
    for (const auto& [three, two] : ThreeLetterCodes)
        if (code == three) return two;
    return {};
}
