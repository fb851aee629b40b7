#include "gui/app/TNumPanel.h"

namespace {

constexpr auto T = TKeypadAction::Type;

const TKeypadKey Keys[TNumPanel::KeyCount] = {
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
    {"SpeedButton12", "p", T, 1, 0, false},
    {"SpeedButton13", "-", T, 1, 1, false},
    {"SpeedButton14", "+", T, 1, 2, false},
    {"SpeedButton15", "*", T, 1, 3, false},
    {"SpeedButton16", "/", T, 1, 4, false},
    {"SpeedButton17", "(", T, 1, 5, false},
    {"SpeedButton18", ")", T, 1, 6, false},
    {"SpeedButton19", "Pi", T, 1, 7, false},
    {"SpeedButton20", "D", TKeypadAction::Delete, 1, 8, true},
    {"SpeedButton21", "\u2190", TKeypadAction::Backspace, 1, 9, true}, // leftwards arrow
    {"SpeedButton22", "\u21B5", TKeypadAction::Enter, 1, 10, true}, // downwards arrow with corner leftwards
};

} // namespace

TNumPanel::TNumPanel(QWidget* parent) : QFrame(parent) {
    setObjectName("NumPanel1");
    m_keys = BuildKeypad(this, NumPadShape, Keys, KeypadPress);
}
