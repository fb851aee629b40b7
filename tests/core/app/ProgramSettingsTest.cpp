#include "core/app/ProgramSettings.h"
#include "core/app/ProgramFolders.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <random>

namespace {

std::string Written(const TProgramSettings& s) {
    IniFile ini;
    WriteProgramSettings(ini, s);
    return ini.ToText();
}

TProgramSettings FromText(const std::string& text) {
    IniFile ini;
    ini.LoadFromText(text);
    return ReadProgramSettings(ini);
}

const char* const DefaultFile =
    "[MainWindow]\nLeft=0\nTop=30\nClientWidth=795\nClientHeight=506\nWindowState=0\n"
    "Language=Українська\nDigits=4\nAutoSizeWin=0\nAutoGrBuild=0\n"
    "[Objects]\nLeft=440\nTop=0\nWidth=326\nHeight=333\nObjMemoHeight=100\n"
    "[Graph]\nSGVisible=0\nMVisible=1\nSGHeight=44\nLeft=0\nTop=0\nWidth=440\n"
    "Height=500\nTextColor=0\nBackColor=12632256\nMarkColor=8421504\nAxeColor=0\n"
    "AddColor=16777215\nMouseColor=16777215\nXName=X\nYName=Y\n"
    "grLabelFontName=System\ngrLabelFontSize=10\ngrAxeFontName=System\n"
    "grAxeFontSize=10\n"
    "[Answers]\nLeft=440\nTop=333\nWidth=326\nHeight=167\n";

TEST(ProgramSettings, EveryKeyIsWrittenInOrderAndAMissingFileGivesTheDefaults) {
    EXPECT_EQ(Written(TProgramSettings()), DefaultFile);
    EXPECT_EQ(Written(FromText("")), DefaultFile);
}

TEST(ProgramSettings, WhatIsWrittenIsReadBack) {
    TProgramSettings s;
    s.MainLeft = -20;
    s.MainClientWidth = 1200;
    s.WindowState = TMainWindowState::Maximised;
    s.Language = "English";
    s.Digits = 6;
    s.AutoSizeWin = s.AutoGrBuild = true;
    s.Objects = {500, 10, 300, 200};
    s.ObjMemoHeight = 0;
    s.MVisible = false;
    s.SGHeight = 120;
    s.Graph = {1, 2, 3, 4};
    s.BackColor = 0x123456;
    s.XName = "";
    s.YName = " y ";
    s.Answers = {5, 6, 7, 8};
    s.LabelFontName = "DejaVu Serif";
    s.AxeFontSize = 14;
    EXPECT_EQ(Written(FromText(Written(s))), Written(s));
    EXPECT_EQ(FromText(Written(s)).YName, " y ") << "blanks around a name survive";
}

TEST(ProgramSettings, ValuesNoScreenOrDialogCouldHaveGiveTheirDefaults) {
    const struct {
        const char* line;
        const char* section;
    } rows[] = {
        {"Left=1000000", "MainWindow"},   {"ClientWidth=-1", "MainWindow"},
        {"WindowState=3", "MainWindow"},  {"Digits=7", "MainWindow"},
        {"Digits=-1", "MainWindow"},      {"Digits=four", "MainWindow"},
        {"Language=", "MainWindow"},      {"Height=99999999999999999999", "Objects"},
        {"BackColor=-16777201", "Graph"}, {"BackColor=16777216", "Graph"},
        {"grAxeFontSize=0", "Graph"},     {"grAxeFontSize=145", "Graph"},
        {"grLabelFontName=", "Graph"},    {"AutoSizeWin=yes", "MainWindow"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(Written(FromText(std::string("[") + row.section + "]\n" + row.line + "\n")), DefaultFile);
    }
}

TEST(ProgramSettings, DamagedFilesAreReadSafely) {
    TempFolder folder;
    std::mt19937 random(11);
    std::string noise(1 << 16, '\0');
    for (char& c : noise)
        c = static_cast<char>(random());
    // Written by the Windows program in Windows-1251: "Українська" is
    // "\xD3\xEA\xF0\xE0\xBF\xED\xF1\xFC\xEA\xE0".
    const std::string cp1251 =
        "[MainWindow]\r\nLanguage=\xD3\xEA\xF0\xE0\xBF\xED\xF1\xFC\xEA\xE0\r\nDigits=5\r\n";
    std::string huge = "[MainWindow]\nDigits=6\n";
    huge.resize(MaxConfigFileSize + 1, ';');

    IniFile ini;
    EXPECT_TRUE(LoadConfigFile(ini, folder.Write("noise.ini", noise)));
    ReadProgramSettings(ini);
    ASSERT_TRUE(LoadConfigFile(ini, folder.Write("cp1251.ini", cp1251)));
    EXPECT_EQ(ReadProgramSettings(ini).Language, "Українська");
    EXPECT_EQ(ReadProgramSettings(ini).Digits, 5);
    EXPECT_FALSE(LoadConfigFile(ini, folder.Write("huge.ini", huge)));
    EXPECT_EQ(ReadProgramSettings(ini).Digits, DefaultDigitsSetting);
    EXPECT_FALSE(LoadConfigFile(ini, folder / "missing.ini"));
}

TEST(ProgramFolders, SettingsGoBesideTheProgramWhenItsFolderIsWritable) {
    EXPECT_EQ(ChooseSettingsFolder(true, "/opt/vorn1", "/home/t/.config/Vorn1"), "/opt/vorn1");
    EXPECT_EQ(ChooseSettingsFolder(false, "/usr/bin", "/home/t/.config/Vorn1"), "/home/t/.config/Vorn1");

    TempFolder folder;
    unsetenv(SettingsFolderVariable);
    EXPECT_EQ(LocateProgramFolders(folder.path.string()).Settings, folder.path.string());
    EXPECT_EQ(LocateProgramFolders("/nonexistent/vorn1").Settings, UserConfigFolder());
    setenv(SettingsFolderVariable, "/tmp/elsewhere", 1);
    EXPECT_EQ(LocateProgramFolders(folder.path.string()).Settings, "/tmp/elsewhere");
    unsetenv(SettingsFolderVariable);
}

} // namespace
