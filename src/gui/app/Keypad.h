#pragma once
// The on-screen keyboards: the keypads of the entry dialogs and the object list window, and the formula
// keyboards of the entry dialog and the calculator. Each is a key table (data: name, caption, action, cell)
// that BuildKeypad lays out on a panel in the keyboard's shape; what a key does to which control is the
// owner's handler.
#include <QString>

#include <cstddef>
#include <functional>
#include <utility>
#include <vector>

class QLineEdit;
class QToolButton;
class QWidget;

// What a key does to the control it works on.
enum class TKeypadAction {
    Type,      // types the key's caption
    Delete,    // deletes the character after the caret
    Backspace, // deletes the character before the caret
    Home,      // moves the caret to the start
    End,       // moves the caret to the end
    Enter,     // in a grid the Enter key; elsewhere the focus moves on
};

// One key: its component name, caption, action and cell. Column and row count keys of the keyboard's shape;
// editing keys are drawn in blue.
struct TKeypadKey {
    const char* Name;
    const char* Caption;
    TKeypadAction Action;
    int Row;
    int Column;
    bool Blue;
};

// The geometry shared by the keys of a keyboard. A key at (row, column) sits at
// x = column*(KeyWidth + Spacing) (+ GapWidth from GapColumn on), y = row*(KeyHeight + Spacing);
// the panel takes the size that holds every key.
struct TKeypadShape {
    int KeyWidth;
    int KeyHeight;
    int Spacing;
    int GapColumn; // the first column of a second block, -1 for none
    int GapWidth;
    bool Bold; // bold captions
};

// The keypads: 17 x 20 keys side by side, bold captions.
constexpr TKeypadShape NumPadShape{17, 20, 0, -1, 0, true};
// The formula keyboards: a block of functions in columns 0..3 and one of digits and operators from column 4,
// half a key apart, the editing keys in a row beneath.
constexpr TKeypadShape FormulaKeyboardShape{44, 22, 1, 4, 22, false};

// The handler of a key: its action and its caption at the time of the click (a key's caption may change,
// as the argument key of the entry dialog does).
using TKeypadHandler = std::function<void(TKeypadAction action, const QString& caption)>;

// Makes a key for each entry of the table on panel, lays them out, fixes the panel's size, and connects
// them to handler. The keys never take the focus: it stays in the control they work on. Returns the keys in
// the order of the table.
std::vector<QToolButton*> BuildKeypad(QWidget* panel, const TKeypadShape& shape, const TKeypadKey* keys,
                                      std::size_t count, TKeypadHandler handler);
template <std::size_t N>
std::vector<QToolButton*> BuildKeypad(QWidget* panel, const TKeypadShape& shape, const TKeypadKey (&keys)[N],
                                      TKeypadHandler handler) {
    return BuildKeypad(panel, shape, keys, N, std::move(handler));
}

// A control that takes the keypad's keys in its own way, as a grid types into its in-place editor. The keypad
// offers each key to the focused control and then to its parents; false lets the key go on as typed.
class TKeypadReceiver {
public:
    virtual bool KeypadKey(TKeypadAction action, const QString& text) = 0;

protected:
    ~TKeypadReceiver() = default;
};

// The keypads' handler: sends the key to QApplication::focusWidget() as if typed. Enter in a list or grid
// (or its in-place editor) is the Return key; elsewhere it moves the focus to the next control of the focused
// control's window.
void KeypadPress(TKeypadAction action, const QString& text = QString());

// The formula keyboards' edit of a line editor: text typed at the caret (replacing a selection; empty text
// changes nothing), Delete, backspace, Home and End. Enter does nothing here.
void KeypadEdit(QLineEdit* editor, TKeypadAction action, const QString& text);
