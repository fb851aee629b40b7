#pragma once
// The on-screen keypad of the entry dialogs: its buttons type into whatever control has the focus.
#include <QFrame>
#include <QString>

class QToolButton;

// What a keypad button does to the focused control.
enum class TKeypadAction { Type, Delete, Backspace, Enter };

struct TKeypadKey {
    const char* Caption;
    TKeypadAction Action;
    const char* Text; // the characters typed by TKeypadAction::Type
    bool Blue;
};

// A control that takes the keypad's keys in its own way, as a grid types into its in-place editor. The keypad
// offers each key to the focused control and then to its parents; false lets the key go on as typed.
class TKeypadReceiver {
public:
    virtual bool KeypadKey(TKeypadAction action, const QString& text) = 0;

protected:
    ~TKeypadReceiver() = default;
};

// Sends the key to QApplication::focusWidget() as if typed. Enter in a list or grid (or its in-place editor)
// is the Return key; elsewhere it moves the focus to the next control of the focused control's window.
void KeypadPress(TKeypadAction action, const QString& text = QString());

constexpr int KeypadKeyWidth = 17;
constexpr int KeypadKeyHeight = 20;

// A keypad button: 17 x 20 at (x, y), bold caption, never takes the focus.
QToolButton* MakeKeypadButton(QWidget* parent, const TKeypadKey& key, int index, int x, int y);

class TNumPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int PanelWidth = 187;
    static constexpr int PanelHeight = 40;
    static constexpr int KeyCount = 22;
    static constexpr int KeysPerRow = 11;

    explicit TNumPanel(QWidget* parent = nullptr);

    QToolButton* Key(int index) const { return m_keys[index]; }

private:
    QToolButton* m_keys[KeyCount] = {};
};
