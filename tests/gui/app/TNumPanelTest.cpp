#include "gui/app/TNumPanel.h"
#include "gui/app/TNumPanelMini.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

#include <memory>

namespace {

// A dialog-like window: two edits, a table and both keypads, active so that the focus is real.
struct TEntryWindow {
    QWidget Window;
    QLineEdit* First = new QLineEdit(&Window);
    QLineEdit* Second = new QLineEdit(&Window);
    QTableWidget* Grid = new QTableWidget(2, 2, &Window);
    TNumPanel* Panel = new TNumPanel(&Window);
    TNumPanelMini* Mini = new TNumPanelMini(&Window);

    TEntryWindow() {
        auto* layout = new QVBoxLayout(&Window);
        for (QWidget* w :
             {static_cast<QWidget*>(First), static_cast<QWidget*>(Second), static_cast<QWidget*>(Grid),
              static_cast<QWidget*>(Panel), static_cast<QWidget*>(Mini)})
            layout->addWidget(w);
        Window.show();
        QApplication::setActiveWindow(&Window);
        (void)QTest::qWaitForWindowActive(&Window);
    }
};

} // namespace

TEST(NumPanel, TypingKeysTypeTheirCaptions) {
    TEntryWindow w;
    struct Row {
        bool Mini;
        int Key;
        const char* Typed;
    };
    const Row rows[] = {
        {false, 0, "0"},  {false, 9, "9"},  {false, 10, "."},  {false, 11, "p"},
        {false, 12, "-"}, {false, 13, "+"}, {false, 14, "*"},  {false, 15, "/"},
        {false, 16, "("}, {false, 17, ")"}, {false, 18, "Pi"}, // two characters from one key
        {true, 3, "3"},   {true, 10, "."},  {true, 11, "-"},   {true, 12, "p"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Typed);
        w.First->clear();
        w.First->setFocus();
        (row.Mini ? w.Mini->Key(row.Key) : w.Panel->Key(row.Key))->click();
        EXPECT_EQ(w.First->text(), QString(row.Typed));
        EXPECT_EQ(QApplication::focusWidget(), w.First);
    }
}

TEST(NumPanel, DeleteBackspaceAndEnter) {
    TEntryWindow w;
    for (bool mini : {false, true}) {
        SCOPED_TRACE(mini ? "small keypad" : "keypad");
        const int del = mini ? 13 : 19;
        auto key = [&](int i) { return mini ? w.Mini->Key(i) : w.Panel->Key(i); };
        w.First->setText("12345");
        w.First->setFocus();
        w.First->setCursorPosition(2);
        key(del)->click();     // "D" deletes right of the cursor
        key(del + 1)->click(); // backspace deletes left of it
        EXPECT_EQ(w.First->text(), QString("145"));
        key(del + 2)->click(); // Enter moves on
        EXPECT_EQ(QApplication::focusWidget(), w.Second);
    }
}

TEST(NumPanel, EnterInAGridCommitsTheCell) {
    TEntryWindow w;
    auto* cell = new QTableWidgetItem;
    w.Grid->setItem(0, 1, cell);
    w.Grid->setFocus();
    w.Grid->setCurrentItem(cell);
    w.Grid->editItem(cell);
    ASSERT_NE(QApplication::focusWidget(), w.Grid); // the in-place editor has the focus
    w.Panel->Key(2)->click();
    w.Panel->Key(21)->click();
    QCoreApplication::processEvents(); // the view closes its editor through a queued call
    EXPECT_EQ(w.Grid->item(0, 1)->text(), QString("2"));
    // The grid keeps the focus: Enter ends the editing, it does not leave the grid.
    EXPECT_EQ(QApplication::focusWidget(), w.Grid);
}

TEST(NumPanel, KeysSitInTheirCellsOfTheKeypadShape) {
    TNumPanel panel;
    TNumPanelMini mini;
    EXPECT_EQ(panel.size(), QSize(TNumPanel::PanelWidth, TNumPanel::PanelHeight));
    EXPECT_EQ(mini.size(), QSize(TNumPanelMini::PanelWidth, TNumPanelMini::PanelHeight));
    struct Row {
        bool Mini;
        int Key;
        int X, Y;
        const char* Caption;
    };
    const Row rows[] = {
        {false, 0, 0, 0, "0"},        {false, 10, 170, 0, "."},       {false, 11, 0, 20, "p"},
        {false, 18, 119, 20, "Pi"},   {false, 21, 170, 20, "\u21B5"}, {true, 12, 204, 0, "p"},
        {true, 15, 255, 0, "\u21B5"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Caption);
        const QToolButton* key = row.Mini ? mini.Key(row.Key) : panel.Key(row.Key);
        EXPECT_EQ(key->geometry(), QRect(row.X, row.Y, 17, 20));
        EXPECT_EQ(key->text(), QString::fromUtf8(row.Caption));
        EXPECT_EQ(key->objectName(), QString("SpeedButton%1").arg(row.Key + 1));
        EXPECT_EQ(key->focusPolicy(), Qt::NoFocus);
        EXPECT_TRUE(key->font().bold());
    }

    // A second block starts half a key to the right; the panel holds every key.
    const TKeypadKey keys[] = {
        {"A", "a", TKeypadAction::Type, 0, 3, false},
        {"B", "b", TKeypadAction::Type, 0, 4, false},
        {"C", "c", TKeypadAction::End, 5, 0, true},
    };
    QWidget formula;
    QStringList pressed;
    const auto built = BuildKeypad(&formula, FormulaKeyboardShape, keys,
                                   [&](TKeypadAction, const QString& c) { pressed << c; });
    ASSERT_EQ(built.size(), 3U);
    EXPECT_EQ(built[0]->geometry(), QRect(3 * 45, 0, 44, 22));
    EXPECT_EQ(built[1]->geometry(), QRect(4 * 45 + 22, 0, 44, 22));
    EXPECT_EQ(built[2]->geometry(), QRect(0, 5 * 23, 44, 22));
    EXPECT_EQ(formula.size(), QSize(4 * 45 + 22 + 44, 5 * 23 + 22));
    built[1]->setText("B2"); // a key whose caption the owner changed types the new one
    built[1]->click();
    EXPECT_EQ(pressed, QStringList{"B2"});
}
