// Arbitrary bytes as a settings file and as a language file: reading must never crash, every value read must
// be in its range, the recent documents stay a clean list, and walking the texts through the file must leave
// every table whole.
#include "core/app/ComponentTable.h"
#include "core/app/ExtraSettings.h"
#include "core/app/ProgramSettings.h"
#include "core/app/RecentFiles.h"
#include "core/base/MessageTable.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

void CheckSettings(const IniFile& ini) {
    const TProgramSettings s = ReadProgramSettings(ini);
    if (s.Digits < 0 || s.Digits > MaxDigitsSetting) __builtin_trap();
    if (s.LabelFontSize < 1 || s.AxeFontSize < 1 || s.LabelFontName.empty()) __builtin_trap();
    if (s.BackColor > 0xFFFFFF || s.MainClientWidth < 0 || s.Objects.Height < 0) __builtin_trap();
    // What was read is written and read back the same.
    IniFile out;
    WriteProgramSettings(out, s);
    IniFile back;
    back.LoadFromText(out.ToText());
    IniFile again;
    WriteProgramSettings(again, ReadProgramSettings(back));
    if (again.ToText() != out.ToText()) __builtin_trap();
}

// The recent documents: never more than kept, no gap, no repeat; written and read back the same.
void CheckExtraSettings(const IniFile& ini) {
    const TExtraSettings s = ReadExtraSettings(ini);
    if (s.RecentFiles.size() > static_cast<std::size_t>(MaxRecentFiles)) __builtin_trap();
    for (std::size_t i = 0; i < s.RecentFiles.size(); ++i) {
        if (s.RecentFiles[i].empty()) __builtin_trap();
        for (std::size_t j = 0; j < i; ++j)
            if (s.RecentFiles[j] == s.RecentFiles[i]) __builtin_trap();
    }
    IniFile out = ini;
    WriteExtraSettings(out, s);
    IniFile back;
    back.LoadFromText(out.ToText());
    const TExtraSettings again = ReadExtraSettings(back);
    if (again.EqualScale != s.EqualScale || again.RecentFiles != s.RecentFiles) __builtin_trap();
}

void CheckLanguage(IniFile& ini) {
    std::vector<TWindowTexts> windows{
        {"Gr",
         "Графік",
         {{"GraphPopup", TComponentKind::Panel, "", "", {}},
          {"CoordRadio", TComponentKind::RadioGroup, "Тип  координат", "", {"Декартові", "Полярні"}},
          {"AnsMemo", TComponentKind::Memo, "", "", {"line one", "line two"}}}},
        {"__Main", "Vorn1", {{"File1", TComponentKind::MenuItem, "Файл", "", {}}}},
    };
    std::string help = DefaultHelpFile;
    TLanguageWalk walk(TTranslateMode::Read, ini);
    WalkAllTexts(walk, help, windows);
    if (windows[0].Components[1].Items.size() != 2 || windows[1].Caption != "Vorn1") __builtin_trap();
    ApplyLanguageTables(ini);
    for (const std::string& text : MessageTable())
        if (text.empty()) __builtin_trap(); // an empty value never blanks a message
    ResetBuiltInTexts();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    IniFile ini;
    ini.LoadFromText(std::string(reinterpret_cast<const char*>(data), size));
    CheckSettings(ini);
    CheckExtraSettings(ini);
    CheckLanguage(ini);
    return 0;
}
