#include "gui/app/Keypad.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

#include <algorithm>

namespace {

const QColor EditingKeyColor(Qt::blue);

void SendKey(QWidget* target, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &release);
}

// Qt's key codes of the printable ASCII characters are their upper-case codes.
int KeyOf(QChar c) {
    return c.toUpper().unicode();
}

bool InItemView(const QWidget* w) {
    for (; w; w = w->parentWidget())
        if (qobject_cast<const QAbstractItemView*>(w)) return true;
    return false;
}

// The next control in the tab order of the same window, as Tab would choose it.
void FocusNext(QWidget* from) {
    QWidget* window = from->window();
    for (QWidget* w = from->nextInFocusChain(); w && w != from; w = w->nextInFocusChain()) {
        if (w->window() != window || !(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled() ||
            !w->isVisibleTo(window) || w->focusProxy())
            continue;
        w->setFocus(Qt::TabFocusReason);
        return;
    }
}

QToolButton* MakeKey(QWidget* panel, const TKeypadShape& shape, const TKeypadKey& key) {
    auto* button = new QToolButton(panel);
    button->setObjectName(key.Name);
    button->setText(QString::fromUtf8(key.Caption));
    button->setFocusPolicy(Qt::NoFocus);
    if (shape.Bold) {
        QFont font = button->font();
        font.setBold(true);
        button->setFont(font);
    }
    if (key.Blue) {
        QPalette palette = button->palette();
        palette.setColor(QPalette::ButtonText, EditingKeyColor);
        button->setPalette(palette);
    }
    const int gap = shape.GapColumn >= 0 && key.Column >= shape.GapColumn ? shape.GapWidth : 0;
    button->setGeometry(key.Column * (shape.KeyWidth + shape.Spacing) + gap,
                        key.Row * (shape.KeyHeight + shape.Spacing), shape.KeyWidth, shape.KeyHeight);
    button->setFixedSize(shape.KeyWidth, shape.KeyHeight);
    return button;
}

} // namespace

std::vector<QToolButton*> BuildKeypad(QWidget* panel, const TKeypadShape& shape, const TKeypadKey* keys,
                                      std::size_t count, TKeypadHandler handler) {
    std::vector<QToolButton*> buttons;
    buttons.reserve(count);
    int width = 0;
    int height = 0;
    for (std::size_t i = 0; i < count; ++i) {
        QToolButton* button = MakeKey(panel, shape, keys[i]);
        width = std::max(width, button->geometry().right() + 1);
        height = std::max(height, button->geometry().bottom() + 1);
        const TKeypadAction action = keys[i].Action;
        // The caption is read at the click: a key may change it.
        QObject::connect(button, &QToolButton::clicked, button,
                         [button, action, handler] { handler(action, button->text()); });
        buttons.push_back(button);
    }
    panel->setFixedSize(width, height);
    return buttons;
}

void KeypadPress(TKeypadAction action, const QString& text) {
    QWidget* target = QApplication::focusWidget();
    if (!target) return;
    for (QWidget* w = target; w; w = w->parentWidget())
        if (auto* receiver = dynamic_cast<TKeypadReceiver*>(w); receiver && receiver->KeypadKey(action, text))
            return;
    switch (action) {
    case TKeypadAction::Type:
        for (QChar c : text)
            SendKey(target, KeyOf(c), QString(c));
        break;
    case TKeypadAction::Delete: SendKey(target, Qt::Key_Delete, QString()); break;
    case TKeypadAction::Backspace: SendKey(target, Qt::Key_Backspace, QString()); break;
    case TKeypadAction::Home: SendKey(target, Qt::Key_Home, QString()); break;
    case TKeypadAction::End: SendKey(target, Qt::Key_End, QString()); break;
    case TKeypadAction::Enter:
        if (InItemView(target))
            SendKey(target, Qt::Key_Return, QString("\r"));
        else
            FocusNext(target);
        break;
    }
}

void KeypadEdit(QLineEdit* editor, TKeypadAction action, const QString& text) {
    if (!editor) return;
    switch (action) {
    case TKeypadAction::Type:
        // An empty caption (the second argument key of most kinds) would only delete the selection.
        if (!text.isEmpty()) editor->insert(text);
        break;
    case TKeypadAction::Delete: editor->del(); break;
    case TKeypadAction::Backspace: editor->backspace(); break;
    case TKeypadAction::Home: editor->home(false); break;
    case TKeypadAction::End: editor->end(false); break;
    case TKeypadAction::Enter: break;
    }
}
