#include "gui/app/TNumPanelMini.h"

#include "gui/app/TNumPanel.h"

#include <QToolButton>

#include <array>

namespace {

constexpr std::array<TKeypadKey, TNumPanelMini::KeyCount> Keys = {{
    {"0", TKeypadAction::Type, "0", false},
    {"1", TKeypadAction::Type, "1", false},
    {"2", TKeypadAction::Type, "2", false},
    {"3", TKeypadAction::Type, "3", false},
    {"4", TKeypadAction::Type, "4", false},
    {"5", TKeypadAction::Type, "5", false},
    {"6", TKeypadAction::Type, "6", false},
    {"7", TKeypadAction::Type, "7", false},
    {"8", TKeypadAction::Type, "8", false},
    {"9", TKeypadAction::Type, "9", false},
    {".", TKeypadAction::Type, ".", false},
    {"-", TKeypadAction::Type, "-", false},
    {"p", TKeypadAction::Type, "p", false},
    {"D", TKeypadAction::Delete, "", true},
    {"\u2190", TKeypadAction::Backspace, "", true},
    {"\u21B5", TKeypadAction::Enter, "", true},
}};

} // namespace

TNumPanelMini::TNumPanelMini(QWidget* parent) : QFrame(parent) {
    setObjectName("NumPanelMini1");
    setFixedSize(PanelWidth, PanelHeight);
    for (int i = 0; i < KeyCount; ++i)
        m_keys[i] = MakeKeypadButton(this, Keys[i], i, KeypadKeyWidth * i, 0);
}
