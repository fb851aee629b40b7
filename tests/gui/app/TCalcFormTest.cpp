#include "gui/app/TCalcForm.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QToolButton>

namespace {

QString LastLine(const QPlainTextEdit* memo) {
    return memo->document()->lastBlock().text();
}

QToolButton* KeyCaptioned(const TCalcForm& form, const QString& caption) {
    for (QToolButton* key : form.CalcPanel()->findChildren<QToolButton*>())
        if (key->text() == caption) return key;
    return nullptr;
}

} // namespace

TEST(CalcForm, CalculateAppendsResultOrMessage) {
    TCalcForm form;
    form.show();
    struct Row {
        const char* Expression;
        const char* Line;
    };
    const Row rows[] = {
        {"2+3", "5"},
        {"1/0", "Помилка обчислення!"},
        {"SIN X", "Помилка у виразі!"}, // no implicit application of a function
        {"", "Помилка у виразі!"},
    };
    int lines = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Expression);
        form.Ed()->setText(QString::fromUtf8(row.Expression));
        form.CalcB()->click();
        EXPECT_EQ(LastLine(form.Rez()), QString::fromUtf8(row.Line));
        EXPECT_EQ(form.Rez()->blockCount(), ++lines);
        EXPECT_EQ(form.focusWidget(), form.Ed());
    }
    // Enter in the edit is the default button.
    form.Ed()->setText("2^10");
    QTest::keyClick(form.Ed(), Qt::Key_Return);
    EXPECT_EQ(LastLine(form.Rez()), QString("1024"));
}

TEST(CalcForm, PutsTheCaretWhereTheExpressionFails) {
    TCalcForm form;
    form.show();
    struct Row {
        const char* Expression;
        int Caret;
    };
    const Row rows[] = {
        {"2(3)", 1}, // no implicit product
        {"2+3*", 4}, // an operand is missing at the end
        {"1/0", 3},  // compiles: the caret stays where typing left it
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Expression);
        form.Ed()->setText(row.Expression);
        form.CalcB()->click();
        EXPECT_EQ(form.Ed()->cursorPosition(), row.Caret);
    }
}

TEST(CalcForm, MemoCopiesTheLastResultAndClearEmptiesBoth) {
    TCalcForm form;
    form.show();
    form.SpeedButton41()->click(); // no results yet: nothing happens
    EXPECT_EQ(form.Ed()->text(), QString());

    form.Ed()->setText("1/4");
    form.CalcB()->click();
    form.Ed()->setText("7*6");
    form.CalcB()->click();
    form.Ed()->setText("anything");
    form.SpeedButton41()->click();
    EXPECT_EQ(form.Ed()->text(), QString("42"));

    form.ClearButton()->click();
    EXPECT_EQ(form.Ed()->text(), QString());
    EXPECT_TRUE(form.Rez()->document()->isEmpty());
    EXPECT_EQ(form.focusWidget(), form.Ed());
}

TEST(CalcForm, KeypadEditsAtTheCursorWithoutTakingTheFocus) {
    TCalcForm form;
    form.show();
    form.Ed()->setFocus();
    const char* keys[] = {"Sin(", "Pi", "/", "2", ")"};
    for (const char* caption : keys) {
        SCOPED_TRACE(caption);
        QToolButton* key = KeyCaptioned(form, caption);
        ASSERT_NE(key, nullptr);
        EXPECT_EQ(key->focusPolicy(), Qt::NoFocus);
        key->click();
    }
    EXPECT_EQ(form.Ed()->text(), QString("Sin(Pi/2)"));

    KeyCaptioned(form, "<--")->click();
    KeyCaptioned(form, "Home")->click();
    KeyCaptioned(form, "Del")->click();
    EXPECT_EQ(form.Ed()->text(), QString("in(Pi/2"));
    KeyCaptioned(form, "ACos(")->click();
    KeyCaptioned(form, "End")->click();
    KeyCaptioned(form, "^")->click();
    EXPECT_EQ(form.Ed()->text(), QString("ACos(in(Pi/2^"));
    EXPECT_EQ(form.focusWidget(), form.Ed());
}

TEST(CalcForm, ClosingHidesAndShowingFocusesTheEdit) {
    TCalcForm form;
    form.show();
    form.Rez()->setFocus();
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
    form.show();
    EXPECT_EQ(form.focusWidget(), form.Ed());
    form.CloseB()->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(form.isModal());
}
