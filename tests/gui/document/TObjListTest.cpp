#include "gui/document/TObjList.h"
#include "core/base/MessageTable.h"
#include "core/document/TDocument.h"
#include "core/formula/ParamTable.h"
#include "core/objects/ObjectEditor.h"
#include "core/plot/TGlobColors.h"
#include "core/plot/TMasshImage.h"
#include "gui/app/TNumPanelMini.h"
#include "gui/document/TParamGrid.h"
#include "gui/document/TParamPanel.h"
#include "support/LongDoubleNear.h"
#include "support/ParamTableGuard.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSlider>
#include <QStandardItemModel>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <memory>

namespace {

// Answers every message box that opens while it lives by pressing the named button, and keeps the texts.
class TMessageAnswerer {
public:
    explicit TMessageAnswerer(const char* button) : m_button(button) {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog || dialog == m_last) return;
            m_last = dialog;
            if (auto* label = dialog->findChild<QLabel*>("Message")) Texts << label->text();
            if (auto* b = dialog->findChild<QPushButton*>(m_button))
                b->click();
            else
                dialog->done(-1); // a box without that button must not hang the run
        });
        m_timer.start();
    }
    QStringList Texts;

private:
    QString m_button;
    QTimer m_timer;
    QPointer<QDialog> m_last;
};

class TScriptedEditor : public TObjectEditor {
public:
    bool RunFuInput(TFuInputData& data) override {
        ++Runs;
        data.FyText = Formula;
        return Accept;
    }
    std::string Formula = "X";
    bool Accept = true;
    int Runs = 0;
};

struct ObjListTest : ::testing::Test {
    // First, so that the table is restored after everything else of the fixture is gone.
    TParamTableGuard m_params;
    void SetUp() override {
        GlobColors() = TGlobColors();
        image.SetSize(400, 400);
        image.CanDraw = true;
        image.SetMasshAuto(true);
        image.OnMasshUpdate = [this](TMasshImage&) { ++redraws; };
    }
    void TearDown() override { SetObjectEditor(nullptr); }
    void Add(const char* formula, bool checked = true) {
        doc.Objects.Append(std::make_unique<TFn>(formula, "-5", "5", clRed), checked);
    }
    void Open() {
        window = std::make_unique<TObjList>(doc, image);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        window->RefreshParams();
        window->ObjListBoxClick();
        redraws = 0;
    }
    TParamPanel& Panel() const { return *window->ParamPanel(); }
    TParamGrid& Grid() const { return *Panel().ParamSG(); }
    void ClickRow(int row) {
        QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {},
                          Grid().visualItemRect(Grid().item(row, 0)).center());
    }
    // Opens the cell's editor and replaces its text as typed. (The row is chosen as by the arrow keys: a
    // click on the current cell would open the editor only after the double-click interval.)
    QLineEdit* TypeIntoCell(int row, const char* text) {
        Grid().setCurrentCell(row, 0);
        Grid().editItem(Grid().item(row, 0));
        QLineEdit* editor = Grid().Editor();
        if (!editor) return nullptr;
        editor->selectAll();
        QTest::keyClicks(editor, text);
        return editor;
    }
    std::vector<QWidget*> SteppingControls() const {
        std::vector<QWidget*> v{Panel().MinEdit(),    Panel().MaxEdit(),      Panel().hEdit(),
                                Panel().ParamTrack(), Panel().LSpeedButton(), Panel().RSpeedButton()};
        for (const char* label : {"MinLabel", "MaxLabel", "hLabel"})
            v.push_back(window->findChild<QLabel*>(label));
        return v;
    }

    TDocument doc;
    TMasshImage image;
    int redraws = 0;
    std::unique_ptr<TObjList> window;
};

} // namespace

TEST_F(ObjListTest, UsedParameterShowsItsSteppingAreaAndUnusedRowIsReadOnly) {
    Add("P1*X");
    Open();
    ClickRow(0);
    for (QWidget* w : SteppingControls())
        EXPECT_TRUE(w->isVisible()) << w->objectName().toStdString();
    EXPECT_EQ(Grid().CellText(0), "1");
    EXPECT_EQ(Panel().MinEdit()->text(), "-5");
    EXPECT_EQ(Panel().MaxEdit()->text(), "5");
    EXPECT_EQ(Panel().hEdit()->text(), "0.1");
    EXPECT_EQ(Panel().ParamTrack()->maximum(), 100);
    EXPECT_EQ(Panel().ParamTrack()->value(), 60);

    ClickRow(1);
    for (QWidget* w : SteppingControls())
        EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
    EXPECT_EQ(Grid().CellText(1), "");
    EXPECT_FALSE(Grid().item(1, 0)->flags() & Qt::ItemIsEditable);
    QTest::keyClick(&Grid(), Qt::Key_7);
    EXPECT_EQ(Grid().CellText(1), "");
}

TEST_F(ObjListTest, TrackBarStepsP1AndRedrawsTheGraphAtOnce) {
    Add("P1*X");
    Open();
    ClickRow(0);
    // A track bar that is not being stepped changes no value.
    Panel().ParamTrack()->setValue(10);
    EXPECT_LD_NEAR(ParamTable()[1].Value, 1, 0);
    EXPECT_EQ(redraws, 0);
    ClickRow(0); // sets the track up again at 1
    EXPECT_EQ(Panel().ParamTrack()->value(), 60);

    QTest::mouseClick(Panel().RSpeedButton(), Qt::LeftButton);
    EXPECT_TRUE(Panel().TrackActive());
    EXPECT_TRUE(Panel().BevelParam()->isVisible());
    EXPECT_EQ(Panel().ParamTrack()->value(), 61);
    EXPECT_LD_NEAR(ParamTable()[1].Value, 1.1L, 1e-15L);
    EXPECT_EQ(Grid().CellText(0), "1.1");
    EXPECT_EQ(redraws, 1);
    EXPECT_FALSE(image.MasshAuto());
    EXPECT_LD_NEAR(doc.Objects.Object(0).MaxY, 5.5L, 1e-12L); // tabulated again
    EXPECT_TRUE(window->ObjMemo()->toPlainText().startsWith("Y(X)=1.1*X"));

    // Coming back to the row sets the track up again without moving the value onto a step.
    ParamTable()[1].Value = 1.23L;
    Grid().SetCellText(0, "1.23");
    ClickRow(1);
    ClickRow(0);
    EXPECT_LD_NEAR(ParamTable()[1].Value, 1.23L, 1e-15L);
    EXPECT_EQ(redraws, 1);

    // The track bar with the focus steps by the keys; it stops at Max.
    Panel().ParamTrack()->setFocus();
    QTest::keyClick(Panel().ParamTrack(), Qt::Key_End);
    EXPECT_EQ(Grid().CellText(0), "5");
    QTest::keyClick(Panel().ParamTrack(), Qt::Key_Right);
    EXPECT_EQ(Grid().CellText(0), "5");
    EXPECT_EQ(redraws, 2);
}

TEST_F(ObjListTest, TypedValuesAreCheckedAndWidenTheBounds) {
    Add("P1*X");
    Open();
    {
        TMessageAnswerer answer("OK");
        QLineEdit* editor = TypeIntoCell(0, "1x");
        ASSERT_NE(editor, nullptr);
        QTest::keyClick(editor, Qt::Key_Return);
        EXPECT_EQ(answer.Texts, QStringList{"Помилка в записі числа!"});
    }
    EXPECT_EQ(Grid().CellText(0), "1");
    EXPECT_LD_NEAR(ParamTable()[1].Value, 1, 0);
    EXPECT_EQ(redraws, 0);

    // Enter takes the value at once and fixes the scale.
    QTest::keyClick(TypeIntoCell(0, "12"), Qt::Key_Return);
    EXPECT_LD_NEAR(ParamTable()[1].Value, 12, 0);
    EXPECT_EQ(Panel().MaxEdit()->text(), "18");
    EXPECT_EQ(redraws, 1);
    EXPECT_FALSE(image.MasshAuto());

    // A pending edit is taken when another row is chosen.
    TypeIntoCell(0, "-10");
    ClickRow(1);
    EXPECT_LD_NEAR(ParamTable()[1].Min, -15, 0);
    EXPECT_EQ(redraws, 2);

    // A negative step is stored by its magnitude, 0 is refused.
    ClickRow(0);
    Panel().hEdit()->setFocus();
    Panel().hEdit()->selectAll();
    QTest::keyClicks(Panel().hEdit(), "-0.5");
    QTest::keyClick(Panel().hEdit(), Qt::Key_Return);
    EXPECT_EQ(Panel().hEdit()->text(), "0.5");
    EXPECT_LD_NEAR(ParamTable()[1].h, 0.5L, 0);
    TMessageAnswerer answer("OK");
    Panel().hEdit()->selectAll();
    QTest::keyClicks(Panel().hEdit(), "0");
    QTest::keyClick(Panel().hEdit(), Qt::Key_Return);
    EXPECT_EQ(answer.Texts.size(), 1);
    EXPECT_LD_NEAR(ParamTable()[1].h, 0.5L, 0);
}

TEST_F(ObjListTest, SmallKeypadTypesIntoTheParameterCell) {
    Add("P1*X");
    ParamTable()[1].Value = 5;
    Open();
    auto* keypad = window->findChild<TNumPanelMini*>("NumPanelMini1");
    ASSERT_NE(keypad, nullptr);
    auto press = [&](int key) { keypad->Key(key)->click(); };
    constexpr int One = 1, Two = 2, Backspace = 14, Enter = 15;

    // A click on the current cell, then keys: they go on from the cell's text.
    ClickRow(0);
    press(One);
    EXPECT_TRUE(Grid().Editing());
    EXPECT_EQ(Grid().CellText(0), "51");
    press(Backspace);
    press(Two);
    EXPECT_EQ(Grid().CellText(0), "52");
    press(Enter);
    EXPECT_LD_NEAR(ParamTable()[1].Value, 52, 0);
    EXPECT_EQ(Panel().MaxEdit()->text(), "78");
    EXPECT_EQ(redraws, 1);
    EXPECT_FALSE(image.MasshAuto());
    // The view's own pending edit of the clicked cell does not open the editor again afterwards.
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    EXPECT_FALSE(Grid().Editing());
    EXPECT_EQ(Grid().CellText(0), "52");

    // Keys go on from what was typed into an open editor.
    QLineEdit* editor = TypeIntoCell(0, "2");
    ASSERT_NE(editor, nullptr);
    press(One);
    EXPECT_EQ(Grid().CellText(0), "21");
    press(Enter);
    EXPECT_LD_NEAR(ParamTable()[1].Value, 21, 0);
    EXPECT_EQ(redraws, 2);

    // The cell of a parameter not in use stays empty.
    ClickRow(1);
    press(One);
    EXPECT_FALSE(Grid().Editing());
    EXPECT_EQ(Grid().CellText(1), "");
}

TEST_F(ObjListTest, DeleteWithNothingCheckedAsksAndRemovesTheCurrentEntry) {
    Add("X", false);
    Add("2*X", false);
    Add("3*X", false);
    doc.Objects.Object(0).Drawn = true;
    doc.Objects.SetCurrent(0);
    Open();
    {
        TMessageAnswerer answer("No");
        window->DelObjPopupClick();
        EXPECT_EQ(answer.Texts, QStringList{"Вилучити відмічені об'єкти?"});
    }
    EXPECT_EQ(window->ObjListBox()->count(), 3);
    EXPECT_FALSE(doc.Objects.Modified);

    {
        TMessageAnswerer answer("Yes");
        window->ObjListBox()->setFocus();
        QTest::keyClick(window->ObjListBox(), Qt::Key_Delete);
        EXPECT_EQ(answer.Texts.size(), 1);
    }
    ASSERT_EQ(window->ObjListBox()->count(), 2);
    EXPECT_EQ(window->ObjListBox()->item(0)->text(), "Y(X)=2*X");
    EXPECT_EQ(window->ObjListBox()->currentRow(), 1);
    EXPECT_TRUE(window->ObjMemo()->toPlainText().startsWith("Y(X)=3*X"));
    EXPECT_TRUE(doc.Objects.Modified);
    EXPECT_EQ(redraws, 1); // the removed object was on the graph
}

TEST_F(ObjListTest, CreateAppendsACheckedEntryOnlyWhenTheDialogIsConfirmed) {
    Open();
    const auto* kinds = qobject_cast<QStandardItemModel*>(window->ObjComboBox()->model());
    EXPECT_TRUE(kinds->item(0)->isEnabled());
    EXPECT_EQ(window->ObjComboBox()->itemText(1), "Параметрична:  X=X(T), Y=Y(T)");

    window->NewObjPopupClick(); // no entry dialog yet: nothing is made
    EXPECT_EQ(window->ObjListBox()->count(), 0);

    TScriptedEditor editor;
    SetObjectEditor(&editor);
    editor.Accept = false;
    window->NewObjPopupClick();
    EXPECT_EQ(editor.Runs, 1);
    EXPECT_EQ(window->ObjListBox()->count(), 0);
    EXPECT_FALSE(doc.Objects.Modified);
    EXPECT_EQ(window->ObjListStatus()->text(), "");

    editor.Accept = true;
    editor.Formula = "P2*X";
    window->NewObjPopupClick();
    ASSERT_EQ(window->ObjListBox()->count(), 1);
    EXPECT_EQ(window->ObjListBox()->item(0)->text(), "Y(X)=P2*X");
    EXPECT_EQ(window->ObjListBox()->item(0)->checkState(), Qt::Checked);
    EXPECT_EQ(window->ObjListStatus()->text(), "Відмічено об'єктів: 1");
    EXPECT_TRUE(doc.Objects.Modified);
    EXPECT_EQ(Grid().CellText(1), "1"); // p2 is now in use

    window->ObjListBox()->item(0)->setCheckState(Qt::Unchecked);
    EXPECT_FALSE(doc.Objects[0].Checked);
    EXPECT_EQ(window->ObjListStatus()->text(), "");
}
