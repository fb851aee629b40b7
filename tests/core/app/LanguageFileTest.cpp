#include "core/app/LanguageFile.h"
#include "core/app/ComponentTable.h"
#include "core/base/MessageTable.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <random>

namespace {

IniFile FromText(const std::string& text) {
    IniFile ini;
    ini.LoadFromText(text);
    return ini;
}

struct LanguageFileTest : ::testing::Test {
    void TearDown() override { ResetBuiltInTexts(); }
};

TEST_F(LanguageFileTest, TranslateTextLeavesShortTextsAndDoubleUnderscoreKeysAlone) {
    const struct {
        const char* key;
        const char* text;
        bool translated; // written in write mode, replaced in read mode
    } rows[] = {
        {"File1.caption", "Файл", true},  {"N2.caption", "-", false}, // a menu separator
        {"X.caption", "X", false},                                    // one letter
        {"XLabel.caption", "Х", false},   // one Cyrillic letter: two bytes, one character
        {"Empty.hint", "", false},        // no hint
        {"__Main", "Vorn1", false},       // the main window's caption
        {"Ok.caption", "OK", true},       // two letters are enough
        {"a__b.caption", "Текст", false}, // anywhere in the key
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.key);
        IniFile written;
        TLanguageWalk writer(TTranslateMode::Write, written);
        EXPECT_EQ(writer.TranslateText("W", row.key, row.text), row.text);
        EXPECT_EQ(written.ValueExists("W", row.key), row.translated);

        IniFile file = FromText(std::string("[W]\n") + row.key + "=Translated\n");
        TLanguageWalk reader(TTranslateMode::Read, file);
        EXPECT_EQ(reader.TranslateText("W", row.key, row.text), row.translated ? "Translated" : row.text);
    }
}

TEST_F(LanguageFileTest, AKeyTheFileLacksTakesTheBuiltInTextThenKeepsTheText) {
    IniFile builtIn = FromText("[W]\nA.caption=Вбудований\nB.caption=Вбудований\n");
    // An empty value would leave a blank caption: it counts as missing.
    IniFile file = FromText("[W]\nA.caption=Own\nB.caption=\n");
    TLanguageWalk walk(TTranslateMode::Read, file, &builtIn);
    EXPECT_EQ(walk.TranslateText("W", "A.caption", "English"), "Own");
    EXPECT_EQ(walk.TranslateText("W", "B.caption", "English"), "Вбудований");
    EXPECT_EQ(walk.TranslateText("W", "C.caption", "English"), "English");
}

TEST_F(LanguageFileTest, ComponentsGiveTheKeysOfTheirKind) {
    using K = TComponentKind;
    const struct {
        TComponentKind kind;
        const char* name;
        const char* keys; // written keys, in order
    } rows[] = {
        {K::Panel, "P", "P.hint"},
        {K::SpeedButton, "S", "S.hint"},
        {K::Button, "B", "B.caption"},
        {K::Label, "L", "L.caption"},
        {K::TabSheet, "T", "T.caption T.hint"},
        {K::MenuItem, "M", "M.caption M.hint"},
        {K::RadioGroup, "R", "R.caption R.hint R.1 R.2"},
        {K::ComboBox, "C", "C.hint C.1 C.2"},
        {K::Memo, "Memo", "Memo.hint Memo.1 Memo.2"},
        {K::Memo, "AboutMemo", "AboutMemo.hint"}, // the about box's text stays
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TComponentTexts c{row.name, row.kind, "Напис", "Підказка", {"Перший", "Другий"}};
        IniFile ini;
        TLanguageWalk walk(TTranslateMode::Write, ini);
        TranslateComponent(walk, "Form", c);
        std::string keys;
        for (const std::string& k : ini.Keys("Form"))
            keys += (keys.empty() ? "" : " ") + k;
        EXPECT_EQ(keys, row.keys);
    }
}

TEST_F(LanguageFileTest, TheWholeWalkWritesInfoTablesWindowsAndMessagesInOrder) {
    std::vector<TWindowTexts> windows{
        {"__Main", "Vorn1", {{"File1", TComponentKind::MenuItem, "Файл", "", {}}}},
        {"Gr", "Графік", {{"GrBld", TComponentKind::MenuItem, "Побудувати графік", "", {}}}},
    };
    IniFile ini;
    TLanguageWalk writer(TTranslateMode::Write, ini);
    std::string help = DefaultHelpFile;
    WalkAllTexts(writer, help, windows);
    EXPECT_EQ(ini.Sections(), (std::vector<std::string>{"INFO", "Msg", "__Main", "Gr", "InternalResources"}));
    EXPECT_EQ(ini.Keys("INFO"), (std::vector<std::string>{"Language", "AppName", "HelpFile", "Gr"}));
    EXPECT_EQ(ini.ReadString("INFO", "Language", ""), "Українська");
    EXPECT_EQ(ini.Keys("Msg").size(), 15u) << "Caption4 is empty and stays out";
    EXPECT_EQ(ini.Keys("InternalResources").size(), static_cast<std::size_t>(MessageCount));
    EXPECT_EQ(ini.ReadString("InternalResources", "r" + std::to_string(MessageCount), ""),
              MessageTable()[MessageCount - 1]);
    EXPECT_EQ(ini.ReadString("InternalResources", "r72", ""), "Значення інтеграла:          ");

    // Reading the file back after changing it translates windows, tables and the help file.
    ini.WriteString("Gr", "GrBld.caption", "Plot the graph");
    ini.WriteString("INFO", "Gr", "Graph");
    ini.WriteString("INFO", "HelpFile", "vorn1eng.chm");
    ini.WriteString("Msg", "Button0", "Yes");
    ini.WriteString("InternalResources", "r8", "Error in the expression!");
    TLanguageWalk reader(TTranslateMode::Read, ini);
    WalkAllTexts(reader, help, windows);
    EXPECT_EQ(windows[1].Caption, "Graph");
    EXPECT_EQ(windows[1].Components[0].Caption, "Plot the graph");
    EXPECT_EQ(windows[0].Caption, "Vorn1");
    EXPECT_EQ(help, "vorn1eng.chm");
    EXPECT_EQ(ButtonCaptions()[0], "Yes");
    EXPECT_EQ(Msg(msg::CalcExpressionError), "Error in the expression!");
}

TEST_F(LanguageFileTest, TheModesTakeTheTablesOverTheBuiltInOnes) {
    MessageTable()[0] = "left over from another language";
    ApplyLanguageTables(FromText("[Msg]\nButton1=No\n[InternalResources]\nr9=Cannot be calculated!\n"));
    EXPECT_EQ(Msg(msg::CalcEvaluationError), "Cannot be calculated!");
    EXPECT_EQ(ButtonCaptions()[1], "No");
    EXPECT_EQ(Msg(msg::DistanceOpening), "Обчислення відстані до точки");
}

TEST_F(LanguageFileTest, OnlyUsableFilesAreOfferedAndBadOnesAreReadSafely) {
    TempFolder settings, program;
    const std::string info = "[INFO]\nAppName=Vorn1\nLanguage=";
    settings.Write("Vorn1ukr.lng", info + "Українська\n");
    settings.Write("Vorn1eng.lng", info + "English (own copy)\n");
    program.Write("Vorn1eng.lng", info + "English\n"); // hidden by the copy of the same name
    program.Write("Vorn1deu.LNG", info + "Deutsch\n"); // the extension in any case
    program.Write("other.lng", "[INFO]\nAppName=Vorn2\nLanguage=Other\n");
    program.Write("nolang.lng", "[INFO]\nAppName=Vorn1\n");
    program.Write("notes.txt", info + "Notes\n");
    // Written by the Windows program: "Мова" in Windows-1251.
    program.Write("Vorn1cp.lng", info + "\xCC\xEE\xE2\xE0\r\n");
    std::mt19937 random(7);
    std::string noise(4096, '\0');
    for (char& c : noise)
        c = static_cast<char>(random());
    program.Write("noise.lng", noise);
    std::string huge = info + "Huge\n";
    huge.resize(MaxConfigFileSize + 1, 'x');
    program.Write("huge.lng", huge);

    const std::vector<TLanguage> found = FindLanguages({settings.path.string(), program.path.string(), ""});
    std::vector<std::string> names;
    for (const TLanguage& l : found)
        names.push_back(l.Name);
    EXPECT_EQ(names, (std::vector<std::string>{"English (own copy)", "Українська", "Мова", "Deutsch"}));
    EXPECT_EQ(LanguageFileOf(found, "Deutsch"), program / "Vorn1deu.LNG");
    EXPECT_EQ(LanguageFileOf(found, "Klingon"), "");
    EXPECT_TRUE(FindLanguages({settings / "missing"}).empty());
}

TEST_F(LanguageFileTest, TheToolkitLanguageComesFromTheFileName) {
    const std::pair<const char*, const char*> rows[] = {
        {"/opt/vorn1/Vorn1ukr.lng", "uk"},
        {"Vorn1eng.lng", "en"},
        {"VORN1DEU.LNG", "de"},
        {"Vorn1pl.lng", "pl"},
        {"Vorn1xyz.lng", ""},
        {"Vorn1.lng", ""},
        {"my-english.lng", ""},
        {"Vorn1e1.lng", ""},
    };
    for (const auto& [file, code] : rows) {
        SCOPED_TRACE(file);
        EXPECT_EQ(ToolkitLanguageCode(file), code);
    }
}

} // namespace
