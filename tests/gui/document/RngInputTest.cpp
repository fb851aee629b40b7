#include "gui/document/TRngInput.h"

#include "FuInputDriver.h"
#include "core/base/MessageTable.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

TEST(RngInput, RefusesBadBoundsAndIntervalsThatDoNotRise) {
    ResetBuiltInTexts();
    struct Row {
        const char* A;
        const char* B;
        const char* Error;
        QComboBox* (TRngInput::*Focus)() const;
        int Caret; // in the refused box
    };
    const Row rows[] = {
        {"(", "1", "Помилка у виразі!", &TRngInput::RngAEdit, 1},
        {"0", "SIN X", "Помилка у виразі!", &TRngInput::RngBEdit, 3},
        {"1", "1", "Неправильно задано відрізок!", nullptr, 0},
        {"PI", "0", "Неправильно задано відрізок!", nullptr, 0},
    };
    TRngInput dlg;
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.A) + " .. " + row.B);
        QString error;
        bool stillOpen = false, focused = true;
        int caret = 0;
        OnNextModal([&](QDialog*) {
            dlg.SetBounds(row.A, row.B);
            error = ErrorFrom(&dlg, [&] { dlg.OKButton()->click(); });
            stillOpen = dlg.isVisible();
            if (row.Focus) {
                focused = (dlg.*row.Focus)()->isAncestorOf(dlg.focusWidget()) ||
                          dlg.focusWidget() == (dlg.*row.Focus)();
                caret = (dlg.*row.Focus)()->lineEdit()->cursorPosition();
            }
            dlg.CancelButton()->click();
        });
        EXPECT_EQ(dlg.exec(), QDialog::Rejected);
        EXPECT_EQ(error, row.Error);
        EXPECT_TRUE(stillOpen);
        EXPECT_TRUE(focused);
        EXPECT_EQ(caret, row.Caret);
    }
}

TEST(RngInput, AcceptedBoundsAreOfferedAgain) {
    TRngInput dlg;
    OnNextModal([&](QDialog*) {
        dlg.SetBounds("0", "2*PI");
        dlg.OKButton()->click();
    });
    ASSERT_EQ(dlg.exec(), QDialog::Accepted);
    EXPECT_EQ(dlg.AText(), "0");
    EXPECT_EQ(dlg.BText(), "2*PI");
    EXPECT_GE(dlg.RngBEdit()->findText("2*PI"), 0);
    EXPECT_EQ(dlg.RngAEdit()->count(), 1);
}
