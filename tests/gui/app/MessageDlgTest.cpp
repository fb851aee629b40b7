#include "gui/app/MessageDlg.h"
#include "core/base/MessageTable.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

enum class Answer { Escape, Enter, Close };

// Answers the next modal dialog once it is shown, as the user would.
void AnswerNextDialog(Answer answer) {
    QTimer::singleShot(0, [answer] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        // A key that does nothing fails the row instead of hanging the run.
        QTimer::singleShot(2000, [guard = QPointer<QDialog>(dialog)] {
            if (guard) guard->done(-1);
        });
        QWidget* target = dialog->focusWidget() ? dialog->focusWidget() : dialog;
        switch (answer) {
        case Answer::Escape: QTest::keyClick(target, Qt::Key_Escape); break;
        case Answer::Enter: QTest::keyClick(target, Qt::Key_Return); break;
        case Answer::Close: dialog->close(); break;
        }
    });
}

// The dialog's buttons from left to right.
std::vector<QPushButton*> ButtonsOf(QDialog& dialog) {
    auto buttons = dialog.findChildren<QPushButton*>();
    std::vector<QPushButton*> v(buttons.begin(), buttons.end());
    std::sort(v.begin(), v.end(), [](QPushButton* a, QPushButton* b) { return a->x() < b->x(); });
    return v;
}

} // namespace

TEST(MessageDlg, AnswersGiveTheTableResults) {
    struct Row {
        const char* Reason;
        TMsgDlgButtons Buttons;
        Answer How;
        int Expected;
    };
    const Row rows[] = {
        {"question, Escape is Cancel", mbYesNoCancel, Answer::Escape, mrCancel},
        {"question, Enter is Yes", mbYesNoCancel, Answer::Enter, mrYes},
        {"question, close box is Cancel", mbYesNoCancel, Answer::Close, mrCancel},
        {"error box, Enter is OK", mbOKOnly, Answer::Enter, mrOk},
        {"error box, Escape falls back to OK", mbOKOnly, Answer::Escape, mrOk},
        {"removal question, Escape falls back to No", mbYesNo, Answer::Escape, mrNo},
        {"close box is Cancel even without a Cancel button", mbYesNo, Answer::Close, mrCancel},
        {"without OK and Yes, Retry is the default", mbAbort | mbRetry | mbIgnore, Answer::Enter, mrRetry},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Reason);
        AnswerNextDialog(row.How);
        EXPECT_EQ(MessageDlg("Дані не збережено! Зберегти?", TMsgDlgType::mtConfirmation, row.Buttons),
                  row.Expected);
    }
}

TEST(MessageDlg, ButtonsInTableOrderWithTranslatableCaptions) {
    ButtonCaptions()[0] = "Авжеж, так";
    std::unique_ptr<QDialog> dialog(
        CreateMessageDialog("?", TMsgDlgType::mtConfirmation, mbYesNoCancel | mbHelp));
    ResetBuiltInTexts();

    const auto buttons = ButtonsOf(*dialog);
    ASSERT_EQ(buttons.size(), 4u);
    const char* names[] = {"Yes", "No", "Cancel", "Help"};
    const char* captions[] = {"Авжеж, так", "Ні", "Скасувати", "Help"};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(names[i]);
        EXPECT_EQ(buttons[i]->objectName(), names[i]);
        EXPECT_EQ(buttons[i]->text(), QString::fromUtf8(captions[i]));
        EXPECT_EQ(buttons[i]->width(), buttons[0]->width());
        EXPECT_EQ(buttons[i]->y(), buttons[0]->y());
    }
    EXPECT_TRUE(buttons[0]->isDefault());
    // The longest caption decides the common width.
    EXPECT_GE(buttons[0]->width(), buttons[0]->fontMetrics().horizontalAdvance("Авжеж, так") + 8);
    // The row is centred.
    const int leftGap = buttons.front()->x();
    const int rightGap = dialog->width() - (buttons.back()->x() + buttons.back()->width());
    EXPECT_LE(std::abs(leftGap - rightGap), 1);

    // The next dialog shows the built-in caption again.
    std::unique_ptr<QDialog> next(CreateMessageDialog("?", TMsgDlgType::mtConfirmation, mbYesNo));
    EXPECT_EQ(next->findChild<QPushButton*>("Yes")->text(), QString("Так"));
}

TEST(MessageDlg, CaptionAndIconByType) {
    struct Row {
        TMsgDlgType Type;
        const char* Caption;
        bool Icon;
    };
    const Row rows[] = {
        {TMsgDlgType::mtWarning, "Попередження", true},
        {TMsgDlgType::mtError, "Помилка", true},
        {TMsgDlgType::mtInformation, "Інформація", true},
        {TMsgDlgType::mtConfirmation, "Підтвердження", true},
        {TMsgDlgType::mtCustom, "Vorn1", false},
    };
    std::unique_ptr<QDialog> warning(CreateMessageDialog("Текст", TMsgDlgType::mtWarning, mbOKOnly));
    const int margin = warning->findChild<QLabel*>("Image")->x();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Caption);
        std::unique_ptr<QDialog> dialog(CreateMessageDialog("Текст", row.Type, mbOKOnly));
        EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8(row.Caption));
        auto* image = dialog->findChild<QLabel*>("Image");
        EXPECT_EQ(image != nullptr, row.Icon);
        auto* message = dialog->findChild<QLabel*>("Message");
        ASSERT_NE(message, nullptr);
        // The text sits right of the icon, or at the margin without one.
        if (image) {
            EXPECT_GT(message->x(), image->x() + image->width());
        } else {
            EXPECT_EQ(message->x(), margin);
        }
    }
}

TEST(MessageDlg, LongTextWrapsAtHalfTheScreen) {
    const std::string word = "Функція в цій точці не існує! ";
    std::string text;
    for (int i = 0; i < 40; ++i)
        text += word;
    std::unique_ptr<QDialog> dialog(CreateMessageDialog(text, TMsgDlgType::mtError, mbOKOnly));
    auto* message = dialog->findChild<QLabel*>("Message");
    auto* ok = dialog->findChild<QPushButton*>("OK");
    const int halfScreen = QGuiApplication::primaryScreen()->geometry().width() / 2;
    EXPECT_LE(message->width(), halfScreen);
    EXPECT_GT(message->height(), 2 * message->fontMetrics().height());
    // The buttons come under the text and inside the window.
    EXPECT_GT(ok->y(), message->y() + message->height());
    EXPECT_LE(ok->y() + ok->height(), dialog->height());
    EXPECT_LE(message->x() + message->width(), dialog->width());
}

TEST(MessageDlg, ErrorBoxShowsTheMessage) {
    QString shown;
    QTimer::singleShot(0, [&shown] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        shown = dialog->findChild<QLabel*>("Message")->text();
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    ShowErrorMessage(msg::CalcExpressionError);
    EXPECT_EQ(shown, QString("Помилка у виразі!"));
}
