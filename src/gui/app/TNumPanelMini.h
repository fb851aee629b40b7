#pragma once
// The one-row keypad of the object list window.
#include "gui/app/Keypad.h"

#include <QFrame>

class QToolButton;

class TNumPanelMini : public QFrame {
    Q_OBJECT
public:
    static constexpr int PanelWidth = 272;
    static constexpr int PanelHeight = 20;
    static constexpr int KeyCount = 16;

    explicit TNumPanelMini(QWidget* parent = nullptr);

    QToolButton* Key(int index) const { return m_keys[index]; }

private:
    std::vector<QToolButton*> m_keys;
};
