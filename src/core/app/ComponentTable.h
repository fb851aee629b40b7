#pragma once
// Which texts of a window's components a language file holds, by the kind of component: the keys are the
// component's name with ".caption", ".hint", or "." and the number of a list item (from 1).
#include "core/app/LanguageFile.h"

#include <string>
#include <vector>

enum class TComponentKind {
    // Hint only.
    Panel,
    ToolBar,
    StatusBar,
    ToolButton,
    Image,
    SpeedButton,
    // Caption only.
    Button,
    Label,
    RadioButton,
    // Caption and hint.
    TabSheet,
    CheckBox,
    GroupBox,
    MenuItem,
    // Caption, hint and items; the selection stays.
    RadioGroup,
    // Hint and items; the selection stays.
    ListBox,
    CheckListBox,
    ComboBox,
    // Hint and lines.
    Memo,
};

struct TComponentKeys {
    bool Caption = false;
    bool Hint = false;
    bool Items = false;
};

TComponentKeys KeysOf(TComponentKind kind);

// A memo whose lines stay out of language files: the about box's text.
constexpr const char* UntranslatedMemo = "AboutMemo";

// The texts of one named component as the window shows them.
struct TComponentTexts {
    std::string Name;
    TComponentKind Kind = TComponentKind::Panel;
    std::string Caption, Hint;
    std::vector<std::string> Items; // list items or memo lines
};

// A window: its caption (INFO/Name) and its components (section Name).
struct TWindowTexts {
    std::string Name, Caption;
    std::vector<TComponentTexts> Components;
};

// The component's texts through the walk by its kind, in the order caption, hint, items.
void TranslateComponent(TLanguageWalk& walk, const std::string& section, TComponentTexts& component);
void TranslateWindow(TLanguageWalk& walk, TWindowTexts& window);

// The whole walk, in file order: INFO, Msg, each window (its caption into INFO and its components into its
// own section), then the message table.
void WalkAllTexts(TLanguageWalk& walk, std::string& helpFile, std::vector<TWindowTexts>& windows);
