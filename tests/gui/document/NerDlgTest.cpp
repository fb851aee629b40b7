#include "gui/document/TNerDlg.h"

#include "FuInputDriver.h"
#include "core/base/MessageTable.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

TEST(NerDlg, RefusesARightSideThatIsNoFormula) {
    ResetBuiltInTexts();
    TNerDlg dlg;
    QString error;
    bool stillOpen = false, focused = false;
    int caret = -1;
    OnNextModal([&](QDialog*) {
        dlg.NerEdit()->setText("SIN X");
        error = ErrorFrom(&dlg, [&] { dlg.OKButton()->click(); });
        stillOpen = dlg.isVisible();
        focused = dlg.focusWidget() == dlg.NerEdit();
        caret = dlg.NerEdit()->cursorPosition();
        dlg.NerComboBox()->setCurrentIndex(TNerDlg::Greater);
        dlg.NerEdit()->setText("2*P1");
        dlg.OKButton()->click();
    });
    ASSERT_EQ(dlg.exec(), QDialog::Accepted);
    EXPECT_EQ(error, "Помилка у виразі!");
    EXPECT_TRUE(stillOpen);
    EXPECT_TRUE(focused);
    EXPECT_EQ(caret, 3) << "at the blank";
    EXPECT_EQ(dlg.SelectedRelation(), TNerDlg::Greater);
    EXPECT_EQ(dlg.RightSide(), "2*P1");

    SCOPED_TRACE("each showing starts with \"<\"");
    int shownRelation = -1;
    OnNextModal([&](QDialog*) {
        shownRelation = dlg.NerComboBox()->currentIndex();
        dlg.CancelButton()->click();
    });
    EXPECT_EQ(dlg.exec(), QDialog::Rejected);
    EXPECT_EQ(shownRelation, TNerDlg::Less);
}
