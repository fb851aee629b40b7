#include "gui/document/TBrokLongIn.h"

#include "FuInputDriver.h"
#include "core/base/MessageTable.h"

#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

TEST(BrokLongIn, OpenLineRefusesABackwardStretchByOkAndByEnter) {
    ResetBuiltInTexts();
    enum class How { OkButton, Enter };
    struct Row {
        const char* Reason;
        bool Closed;
        How Confirm;
        bool Accepted;
    };
    const Row rows[] = {
        {"open, OK", false, How::OkButton, false},
        {"open, Enter in N2", false, How::Enter, false},
        {"closed, OK", true, How::OkButton, true},
        {"closed, Enter in N2", true, How::Enter, true},
    };
    TBrokLongIn dlg;
    dlg.SetMaxNumber(6);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Reason);
        dlg.SetClosed(row.Closed);
        QString error;
        bool stillOpen = false;
        OnNextModal([&](QDialog*) {
            dlg.N1SpinEdit()->setValue(5);
            dlg.N2SpinEdit()->setValue(3);
            dlg.N2SpinEdit()->setFocus();
            error = ErrorFrom(&dlg, [&] {
                if (row.Confirm == How::OkButton)
                    dlg.OKButton()->click();
                else
                    QTest::keyClick(dlg.focusWidget(), Qt::Key_Return);
            });
            stillOpen = dlg.isVisible();
            if (stillOpen) dlg.CancelButton()->click();
        });
        const bool accepted = dlg.exec() == QDialog::Accepted;
        EXPECT_EQ(accepted, row.Accepted);
        EXPECT_EQ(stillOpen, !row.Accepted);
        EXPECT_EQ(error, row.Accepted ? "" : "Неправильно задано номери вершин!");
        if (accepted) {
            EXPECT_EQ(dlg.N1(), 5);
            EXPECT_EQ(dlg.N2(), 3);
        }
    }
}

TEST(BrokLongIn, NumbersStayWithinTheVertices) {
    TBrokLongIn dlg;
    EXPECT_EQ(dlg.N1(), 1);
    EXPECT_EQ(dlg.N2SpinEdit()->maximum(), TBrokLongIn::DefaultMaxNumber);
    dlg.N2SpinEdit()->setValue(8);
    dlg.SetMaxNumber(4);
    EXPECT_EQ(dlg.N2(), 4);
    EXPECT_EQ(dlg.N1SpinEdit()->maximum(), 4);
}
