// Arbitrary bytes as an interface language file, applied over the built-in texts as the program applies it:
// reading must never crash; no text goes blank, no list gains or loses an item; and the texts it gave,
// written into a language file of their own and read back, come back the same.
#include "core/app/ComponentTable.h"
#include "core/base/MessageTable.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

using K = TComponentKind;

// One window of every kind of component, one that only a double underscore names, and the about box.
std::vector<TWindowTexts> BuiltInWindows() {
    std::vector<TWindowTexts> windows{
        {"Gr",
         "Графік",
         {{"GraphPopup", K::Panel, "", "Меню графіка", {}},
          {"ToolBar1", K::ToolBar, "", "Інструменти", {}},
          {"StatusBar1", K::StatusBar, "", "Стан", {}},
          {"ToolButton7", K::ToolButton, "", "Попередній масштаб", {}},
          {"Image1", K::Image, "", "Графік", {}},
          {"SpeedButton1", K::SpeedButton, "", "Сім", {}},
          {"OKButton", K::Button, "Гаразд", "", {}},
          {"Label1", K::Label, "Y(X)=", "", {}},
          {"Radio1", K::RadioButton, "Декартові", "", {}},
          {"Page1", K::TabSheet, "Осі", "Сторінка", {}},
          {"Check1", K::CheckBox, "Будувати графік", "Чи будувати", {}},
          {"Group1", K::GroupBox, "Колір", "Колір лінії", {}},
          {"File1", K::MenuItem, "&Файл", "Документи", {}},
          {"CoordRadio", K::RadioGroup, "Тип  координат", "Система", {"Декартові", "Полярні"}},
          {"List1", K::ListBox, "", "Список", {"перший", "другий", "третій"}},
          {"Checks1", K::CheckListBox, "", "Відмітки", {"a", "bb", ""}},
          {"Combo1", K::ComboBox, "", "Вибір", {"0.95", "0.99"}},
          {"AnsMemo", K::Memo, "", "Відповіді", {"line one", "line two"}},
          {"__Hidden", K::Button, "Прихована", "", {}},
          {"", K::Button, "Без імені", "", {}}}},
        {"__Main", "Vorn1", {{"File1", K::MenuItem, "Файл", "", {}}}},
        {"AboutBox", "Про програму", {{UntranslatedMemo, K::Memo, "", "Текст", {"Vorn1", "(c)"}}}},
    };
    return windows;
}

struct TTexts {
    std::string Help = DefaultHelpFile;
    std::vector<TWindowTexts> Windows = BuiltInWindows();
    std::vector<std::string> Tables; // the message box captions and the message table after the walk
};

std::vector<std::string> TableTexts() {
    std::vector<std::string> texts(ButtonCaptions().begin(), ButtonCaptions().end());
    texts.insert(texts.end(), DialogCaptions().begin(), DialogCaptions().end());
    texts.insert(texts.end(), MessageTable().begin(), MessageTable().end());
    return texts;
}

// Every text of the windows in walking order.
std::vector<std::string> WindowTexts(const std::vector<TWindowTexts>& windows) {
    std::vector<std::string> texts;
    for (const TWindowTexts& w : windows) {
        texts.push_back(w.Caption);
        for (const TComponentTexts& c : w.Components) {
            texts.push_back(c.Caption);
            texts.push_back(c.Hint);
            texts.insert(texts.end(), c.Items.begin(), c.Items.end());
        }
    }
    return texts;
}

// The file applied over the built-in texts, as the program applies a language.
TTexts Apply(IniFile& file, const IniFile& builtIn) {
    ResetBuiltInTexts();
    TTexts t;
    TLanguageWalk walk(TTranslateMode::Read, file, &builtIn);
    WalkAllTexts(walk, t.Help, t.Windows);
    t.Tables = TableTexts();
    return t;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The built-in texts, as the program records them when it starts.
    static const IniFile builtIn = [] {
        ResetBuiltInTexts();
        IniFile file;
        TTexts t;
        TLanguageWalk walk(TTranslateMode::Write, file);
        WalkAllTexts(walk, t.Help, t.Windows);
        return file;
    }();
    static const std::vector<std::string> builtInWindowTexts = WindowTexts(BuiltInWindows());
    static const std::vector<std::string> builtInTables = [] {
        ResetBuiltInTexts();
        return TableTexts();
    }();

    IniFile file;
    file.LoadFromText(std::string(reinterpret_cast<const char*>(data), size));
    const TTexts applied = Apply(file, builtIn);

    const std::vector<std::string> texts = WindowTexts(applied.Windows);
    if (texts.size() != builtInWindowTexts.size()) __builtin_trap(); // every list keeps its items
    for (std::size_t i = 0; i < texts.size(); ++i)
        if (texts[i].empty() != builtInWindowTexts[i].empty()) __builtin_trap();
    for (std::size_t i = 0; i < applied.Tables.size(); ++i)
        if (applied.Tables[i].empty() != builtInTables[i].empty()) __builtin_trap(); // no entry goes blank

    // The texts as they are now, written as a language file and read back over the built-in texts.
    IniFile written;
    {
        TTexts now = applied;
        TLanguageWalk walk(TTranslateMode::Write, written);
        WalkAllTexts(walk, now.Help, now.Windows);
    }
    IniFile reread;
    reread.LoadFromText(written.ToText());
    const TTexts again = Apply(reread, builtIn);
    if (again.Help != applied.Help) __builtin_trap();
    const std::vector<std::string> textsAgain = WindowTexts(again.Windows);
    // A text of one character is never written, so it comes back as the built-in one.
    for (std::size_t i = 0; i < texts.size(); ++i)
        if (texts[i] != textsAgain[i] && CharacterCount(texts[i]) > 1) __builtin_trap();
    for (std::size_t i = 0; i < applied.Tables.size(); ++i)
        if (applied.Tables[i] != again.Tables[i] && CharacterCount(applied.Tables[i]) > 1) __builtin_trap();
    ResetBuiltInTexts();
    return 0;
}
