#include "gui/app/TNumPanelMini.h"

namespace {

constexpr auto T = TKeypadAction::Type;

const TKeypadKey Keys[TNumPanelMini::KeyCount] = {
    {"SpeedButton1", "0", T, 0, 0, false},
    {"SpeedButton2", "1", T, 0, 1, false},
    {"SpeedButton3", "2", T, 0, 2, false},
    {"SpeedButton4", "3", T, 0, 3, false},
    {"SpeedButton5", "4", T, 0, 4, false},
    {"SpeedButton6", "5", T, 0, 5, false},
    {"SpeedButton7", "6", T, 0, 6, false},
    {"SpeedButton8", "7", T, 0, 7, false},
    {"SpeedButton9", "8", T, 0, 8, false},
    {"SpeedButton10", "9", T, 0, 9, false},
    {"SpeedButton11", ".", T, 0, 10, false},
    {"SpeedButton12", "-", T, 0, 11, false},
    {"SpeedButton13", "p", T, 0, 12, false},
    {"SpeedButton14", "D", TKeypadAction::Delete, 0, 13, true},
    {"SpeedButton15", "\u2190", TKeypadAction::Backspace, 0, 14, true}, // leftwards arrow
    {"SpeedButton16", "\u21B5", TKeypadAction::Enter, 0, 15, true}, // downwards arrow with corner leftwards
};

} // namespace

TNumPanelMini::TNumPanelMini(QWidget* parent) : QFrame(parent) {
    setObjectName("NumPanelMini1");
    m_keys = BuildKeypad(this, NumPadShape, Keys, KeypadPress);
}
