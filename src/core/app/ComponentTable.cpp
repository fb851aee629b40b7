#include "core/app/ComponentTable.h"

namespace {
constexpr const char* InfoSection = "INFO";
}

TComponentKeys KeysOf(TComponentKind kind) {
    using K = TComponentKind;
    switch (kind) {
    case K::Panel:
    case K::ToolBar:
    case K::StatusBar:
    case K::ToolButton:
    case K::Image:
    case K::SpeedButton: return {false, true, false};
    case K::Button:
    case K::Label:
    case K::RadioButton: return {true, false, false};
    case K::TabSheet:
    case K::CheckBox:
    case K::GroupBox:
    case K::MenuItem: return {true, true, false};
    case K::RadioGroup: return {true, true, true};
    case K::ListBox:
    case K::CheckListBox:
    case K::ComboBox:
    case K::Memo: return {false, true, true};
    }
    return {};
}

void TranslateComponent(TLanguageWalk& walk, const std::string& section, TComponentTexts& c) {
    if (c.Name.empty()) return;
    TComponentKeys keys = KeysOf(c.Kind);
    if (c.Kind == TComponentKind::Memo && c.Name == UntranslatedMemo) keys.Items = false;
    if (keys.Caption) c.Caption = walk.TranslateText(section, c.Name + ".caption", c.Caption);
    if (keys.Hint) c.Hint = walk.TranslateText(section, c.Name + ".hint", c.Hint);
    if (keys.Items)
        for (std::size_t i = 0; i < c.Items.size(); ++i)
            c.Items[i] = walk.TranslateText(section, c.Name + "." + std::to_string(i + 1), c.Items[i]);
}

void TranslateWindow(TLanguageWalk& walk, TWindowTexts& window) {
    if (window.Name.empty()) return;
    window.Caption = walk.TranslateText(InfoSection, window.Name, window.Caption);
    for (TComponentTexts& c : window.Components)
        TranslateComponent(walk, window.Name, c);
}

void WalkAllTexts(TLanguageWalk& walk, std::string& helpFile, std::vector<TWindowTexts>& windows) {
    WalkLanguageInfo(walk, helpFile);
    WalkDialogTables(walk);
    for (TWindowTexts& w : windows)
        TranslateWindow(walk, w);
    WalkMessageTable(walk);
}
