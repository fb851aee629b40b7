#pragma once
// The on-screen keypad of the entry dialogs: two rows of eleven keys that type into whatever control has the
// focus.
#include "gui/app/Keypad.h"

#include <QFrame>

class QToolButton;

class TNumPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int PanelWidth = 187;
    static constexpr int PanelHeight = 40;
    static constexpr int KeyCount = 22;

    explicit TNumPanel(QWidget* parent = nullptr);

    QToolButton* Key(int index) const { return m_keys[index]; }

private:
    std::vector<QToolButton*> m_keys;
};
