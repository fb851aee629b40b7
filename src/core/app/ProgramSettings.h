#pragma once
// The settings file: the layout of the windows, the look of the graph, the interface language and the
// number precision, remembered between runs. Every key has a default used when it is missing or unreadable.
#include "core/app/LanguageFile.h"
#include "core/app/WindowLayout.h"
#include "core/base/IniFile.h"
#include "core/plot/Colors.h"

#include <string>

// "System" and "Small Fonts", the fonts the settings name by default, stand for the desktop's own font.
constexpr const char* DefaultSettingsFont = "System";
constexpr int DefaultSettingsFontSize = 10;
constexpr int DefaultDigitsSetting = 4;
constexpr int MaxDigitsSetting = 6;
constexpr int DefaultSGHeight = 44;

enum class TMainWindowState { Normal = 0, Minimised = 1, Maximised = 2 };

struct TProgramSettings {
    // [MainWindow]
    int MainLeft = InitialMainLeft;
    int MainTop = InitialMainTop;
    int MainClientWidth = InitialClientWidth;
    int MainClientHeight = InitialClientHeight;
    TMainWindowState WindowState = TMainWindowState::Normal;
    std::string Language = DefaultLanguageName;
    int Digits = DefaultDigitsSetting;
    bool AutoSizeWin = false;
    bool AutoGrBuild = false;
    // [Objects]
    TWinRect Objects = InitialLayout().ObjList;
    int ObjMemoHeight = InitialObjMemoHeight;
    // [Graph]
    bool SGVisible = false; // written only: the point list always starts hidden
    bool MVisible = true;
    int SGHeight = DefaultSGHeight;
    TWinRect Graph = InitialLayout().Graph;
    TColor TextColor = clBlack;
    TColor BackColor = clSilver;
    TColor MarkColor = clGray;
    TColor AxeColor = clBlack;
    TColor AddColor = clWhite;
    TColor MouseColor = clWhite;
    std::string XName = "X";
    std::string YName = "Y";
    // [Answers]
    TWinRect Answers = InitialLayout().Answers;
    // [Graph] again: the fonts come last.
    std::string LabelFontName = DefaultSettingsFont;
    int LabelFontSize = DefaultSettingsFontSize;
    std::string AxeFontName = DefaultSettingsFont;
    int AxeFontSize = DefaultSettingsFontSize;
};

// Every key but SGVisible. A value out of its range counts as unreadable: positions and sizes that no screen
// has, a state other than 0..2, Digits outside 0..6, a colour that is no RGB value, a font size outside
// 1..144, an empty font name.
TProgramSettings ReadProgramSettings(const IniFile& ini);
// Every key, in the order of the file.
void WriteProgramSettings(IniFile& ini, const TProgramSettings& settings);
