#include "gui/app/MessageDlg.h"

#include "core/base/MessageTable.h"
#include "gui/app/LanguageWalk.h"
#include "gui/help/HelpKey.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>
#include <array>
#include <vector>

namespace {

const char* const ApplicationTitle = "Vorn1";
const char* const AverageWidthSample = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr int AverageWidthSampleLength = 52;

// Sizes in dialog units: horizontal units are a quarter of the average character width, vertical units an
// eighth of the font height.
constexpr int HorzUnitsPerChar = 4;
constexpr int VertUnitsPerChar = 8;
constexpr int HorzMarginUnits = 8;
constexpr int VertMarginUnits = 8;
constexpr int HorzSpacingUnits = 10;
constexpr int VertSpacingUnits = 10;
constexpr int ButtonWidthUnits = 50;
constexpr int ButtonHeightUnits = 14;
constexpr int ButtonGapUnits = 4;
constexpr int CaptionPaddingPx = 8;
constexpr int IconSize = 32;

struct TButtonKind {
    const char* Name;
    int Result; // mrNone: the button does not close the dialog
};

// In the order of the bits and of ButtonCaptions().
constexpr std::array<TButtonKind, ButtonCaptionCount> ButtonKinds = {{
    {"Yes", mrYes},
    {"No", mrNo},
    {"OK", mrOk},
    {"Cancel", mrCancel},
    {"Abort", mrAbort},
    {"Retry", mrRetry},
    {"Ignore", mrIgnore},
    {"All", mrAll},
    {"NoToAll", mrNoToAll},
    {"YesToAll", mrYesToAll},
    {"Help", mrNone},
}};
constexpr int HelpButtonIndex = 10;

// Windows' MulDiv for the non-negative sizes used here: rounded, not truncated.
int MulDiv(int a, int b, int c) {
    return static_cast<int>((static_cast<long long>(a) * b + c / 2) / c);
}

TMsgDlgBtn DefaultButtonOf(TMsgDlgButtons buttons) {
    if (buttons & mbOK) return mbOK;
    if (buttons & mbYes) return mbYes;
    return mbRetry;
}

TMsgDlgBtn CancelButtonOf(TMsgDlgButtons buttons) {
    if (buttons & mbCancel) return mbCancel;
    if (buttons & mbNo) return mbNo;
    return mbOK;
}

QStyle::StandardPixmap IconOf(TMsgDlgType type) {
    switch (type) {
    case TMsgDlgType::mtWarning: return QStyle::SP_MessageBoxWarning;
    case TMsgDlgType::mtError: return QStyle::SP_MessageBoxCritical;
    case TMsgDlgType::mtInformation: return QStyle::SP_MessageBoxInformation;
    case TMsgDlgType::mtConfirmation: return QStyle::SP_MessageBoxQuestion;
    case TMsgDlgType::mtCustom: break;
    }
    return QStyle::SP_CustomBase;
}

class TMessageForm : public QDialog {
public:
    TMessageForm(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext,
                 QWidget* parent)
        : QDialog(parent), m_helpContext(helpContext) {
        setObjectName("MessageForm");
        // Built for one question from the tables the language files replace.
        KeepUntranslated(this);
        const int typeIndex = static_cast<int>(type);
        setWindowTitle(type == TMsgDlgType::mtCustom ? QString(ApplicationTitle)
                                                     : Q(DialogCaptions()[typeIndex]));
        setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                       Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
        Build(Q(text), type, buttons);
    }

    // The context the Help button opens.
    int HelpContext() const { return m_helpContext; }

    // The window's close button answers Cancel whatever buttons are shown.
    void reject() override { done(mrCancel); }

protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
            // Escape presses the cancel button; without one it does nothing.
            if (m_cancelButton) m_cancelButton->click();
            e->accept();
            return;
        }
        QDialog::keyPressEvent(e);
    }

private:
    void Build(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons) {
        const QFontMetrics fm(font());
        const int charWidth = fm.horizontalAdvance(AverageWidthSample) / AverageWidthSampleLength;
        const int charHeight = fm.height();
        const int horzMargin = MulDiv(HorzMarginUnits, charWidth, HorzUnitsPerChar);
        const int vertMargin = MulDiv(VertMarginUnits, charHeight, VertUnitsPerChar);
        const int horzSpacing = MulDiv(HorzSpacingUnits, charWidth, HorzUnitsPerChar);
        const int vertSpacing = MulDiv(VertSpacingUnits, charHeight, VertUnitsPerChar);
        const int buttonHeight = MulDiv(ButtonHeightUnits, charHeight, VertUnitsPerChar);
        const int buttonGap = MulDiv(ButtonGapUnits, charWidth, HorzUnitsPerChar);
        int buttonWidth = MulDiv(ButtonWidthUnits, charWidth, HorzUnitsPerChar);

        std::vector<int> shown;
        for (int i = 0; i < ButtonCaptionCount; ++i) {
            if (!(buttons & (1u << i))) continue;
            shown.push_back(i);
            const QString caption = Q(ButtonCaptions()[i]);
            const int captionWidth = fm.boundingRect(QRect(), Qt::TextShowMnemonic, caption).width();
            buttonWidth = std::max(buttonWidth, captionWidth + CaptionPaddingPx);
        }

        const QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
        const QRect screenRect = screen ? screen->geometry() : QRect(0, 0, 640, 480);
        const QRect textRect =
            fm.boundingRect(QRect(0, 0, screenRect.width() / 2, 0), Qt::TextWordWrap | Qt::AlignLeft, text);

        const QStyle::StandardPixmap icon = IconOf(type);
        const bool hasIcon = icon != QStyle::SP_CustomBase;
        int iconTextWidth = textRect.width();
        int iconTextHeight = textRect.height();
        if (hasIcon) {
            iconTextWidth += IconSize + horzSpacing;
            iconTextHeight = std::max(iconTextHeight, IconSize);
        }
        const int count = static_cast<int>(shown.size());
        const int groupWidth = count > 0 ? buttonWidth * count + buttonGap * (count - 1) : 0;
        const int clientWidth = std::max(iconTextWidth, groupWidth) + 2 * horzMargin;
        const int clientHeight = iconTextHeight + buttonHeight + vertSpacing + 2 * vertMargin;
        setFixedSize(clientWidth, clientHeight);

        if (hasIcon) {
            auto* image = new QLabel(this);
            image->setObjectName("Image");
            image->setPixmap(style()->standardIcon(icon, nullptr, this).pixmap(IconSize, IconSize));
            image->setGeometry(horzMargin, vertMargin, IconSize, IconSize);
        }
        auto* message = new QLabel(this);
        message->setObjectName("Message");
        message->setTextFormat(Qt::PlainText);
        message->setWordWrap(true);
        message->setText(text);
        message->setGeometry(iconTextWidth - textRect.width() + horzMargin, vertMargin, textRect.width(),
                             textRect.height());

        const TMsgDlgBtn defaultButton = DefaultButtonOf(buttons);
        const TMsgDlgBtn cancelButton = CancelButtonOf(buttons);
        int x = (clientWidth - groupWidth) / 2;
        const int y = iconTextHeight + vertMargin + vertSpacing;
        for (int i : shown) {
            auto* button = new QPushButton(Q(ButtonCaptions()[i]), this);
            button->setObjectName(ButtonKinds[i].Name);
            button->setGeometry(x, y, buttonWidth, buttonHeight);
            x += buttonWidth + buttonGap;
            const unsigned bit = 1u << i;
            if (bit == defaultButton) {
                button->setDefault(true);
                button->setFocus();
            }
            if (bit == cancelButton) m_cancelButton = button;
            if (i != HelpButtonIndex) {
                const int result = ButtonKinds[i].Result;
                connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
            } else {
                connect(button, &QPushButton::clicked, this, [this] { OpenHelpContext(m_helpContext); });
            }
        }

        move(screenRect.x() + (screenRect.width() - clientWidth) / 2,
             screenRect.y() + (screenRect.height() - clientHeight) / 2);
    }

    int m_helpContext = 0;
    QPushButton* m_cancelButton = nullptr;
};

} // namespace

QDialog* CreateMessageDialog(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons,
                             int helpContext, QWidget* parent) {
    return new TMessageForm(text, type, buttons, helpContext, parent);
}

int MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext,
               QWidget* parent) {
    TMessageForm form(text, type, buttons, helpContext, parent);
    return form.exec();
}

void ShowErrorMessage(msg::Id id, QWidget* parent) {
    MessageDlg(Msg(id), TMsgDlgType::mtError, mbOKOnly, 0, parent);
}
