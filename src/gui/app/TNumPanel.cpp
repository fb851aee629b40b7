#include "gui/app/TNumPanel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QToolButton>

#include <array>

namespace {

const QColor EditingKeyColor(Qt::blue);

const char* const BackspaceGlyph = "\u2190"; // leftwards arrow
const char* const EnterGlyph = "\u21B5";     // downwards arrow with corner leftwards

constexpr std::array<TKeypadKey, TNumPanel::KeyCount> Keys = {{
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
    {"p", TKeypadAction::Type, "p", false},
    {"-", TKeypadAction::Type, "-", false},
    {"+", TKeypadAction::Type, "+", false},
    {"*", TKeypadAction::Type, "*", false},
    {"/", TKeypadAction::Type, "/", false},
    {"(", TKeypadAction::Type, "(", false},
    {")", TKeypadAction::Type, ")", false},
    {"Pi", TKeypadAction::Type, "Pi", false},
    {"D", TKeypadAction::Delete, "", true},
    {BackspaceGlyph, TKeypadAction::Backspace, "", true},
    {EnterGlyph, TKeypadAction::Enter, "", true},
}};

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

} // namespace

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
    case TKeypadAction::Enter:
        if (InItemView(target))
            SendKey(target, Qt::Key_Return, QString("\r"));
        else
            FocusNext(target);
        break;
    }
}

QToolButton* MakeKeypadButton(QWidget* parent, const TKeypadKey& key, int index, int x, int y) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString("SpeedButton%1").arg(index + 1));
    button->setText(QString::fromUtf8(key.Caption));
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRaise(false);
    QFont font = button->font();
    font.setBold(true);
    button->setFont(font);
    if (key.Blue) {
        QPalette palette = button->palette();
        palette.setColor(QPalette::ButtonText, EditingKeyColor);
        button->setPalette(palette);
    }
    button->setGeometry(x, y, KeypadKeyWidth, KeypadKeyHeight);
    const TKeypadAction action = key.Action;
    const QString text = QString::fromUtf8(key.Text);
    QObject::connect(button, &QToolButton::clicked, button, [action, text] { KeypadPress(action, text); });
    return button;
}

TNumPanel::TNumPanel(QWidget* parent) : QFrame(parent) {
    setObjectName("NumPanel1");
    setFixedSize(PanelWidth, PanelHeight);
    for (int i = 0; i < KeyCount; ++i) {
        const int row = i / KeysPerRow;
        const int column = i % KeysPerRow;
        m_keys[i] = MakeKeypadButton(this, Keys[i], i, KeypadKeyWidth * column, KeypadKeyHeight * row);
    }
}
