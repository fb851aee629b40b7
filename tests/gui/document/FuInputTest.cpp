#include "gui/document/TFuInput.h"

#include "FuInputDriver.h"
#include "core/base/MessageTable.h"
#include "core/objects/TFn.h"
#include "core/plot/TGlobColors.h"
#include "gui/document/TColorGrid.h"
#include "gui/document/TFuInputEditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

bool HasFocus(QDialog* dlg, QWidget* w) {
    QWidget* f = dlg->focusWidget();
    return f && (f == w || w->isAncestorOf(f));
}

TFuInputData ParametricData() {
    TFuInputData d;
    d.ArgName = "T";
    d.FxVisible = true;
    d.FyLabel = "Y(T)=";
    d.FyText = "T";
    return d;
}

struct TOkResult {
    bool Accepted = false;
    QString Error;
    bool StillOpen = false;
    bool FocusOnFailed = false;
};

// Runs the dialog on data, lets edit type into it, presses OK and cancels if the dialog stayed open.
// With box given, tells whether that box had the focus after the refusal.
TOkResult PressOk(TFuInput& dlg, TFuInputData data, const std::function<void()>& edit,
                  QComboBox* (TFuInput::*box)() const = nullptr) {
    TOkResult r;
    OnNextModal([&](QDialog*) {
        edit();
        r.Error = ErrorFrom(&dlg, [&] { dlg.OKButton()->click(); });
        r.StillOpen = dlg.isVisible();
        if (box) r.FocusOnFailed = HasFocus(&dlg, (dlg.*box)());
        if (r.StillOpen) QTest::keyClick(dlg.focusWidget(), Qt::Key_Escape);
    });
    r.Accepted = dlg.Run(data);
    return r;
}

} // namespace

TEST(FuInput, RefusesAFunctionWithoutParenthesesAndFocusesTheFormula) {
    ResetBuiltInTexts();
    TFuInput dlg;
    TFuInputData data;
    const TOkResult r = PressOk(
        dlg, data, [&] { dlg.FyEdit()->setEditText("SIN X"); }, &TFuInput::FyEdit);
    EXPECT_EQ(r.Error, "Помилка у виразі!");
    EXPECT_TRUE(r.StillOpen);
    EXPECT_TRUE(r.FocusOnFailed);
    EXPECT_FALSE(r.Accepted) << "Escape cancels";
}

TEST(FuInput, PutsTheCaretWhereTheFormulaFails) {
    ResetBuiltInTexts();
    struct Row {
        const char* Text;
        int Caret; // in the box's UTF-16 units
        const char* Why;
    } rows[] = {
        {"2X+1", 1, "no implicit product: at the X"},
        {"SIN(X", 5, "the missing ) at the end"},
        {"log(2,x)*(x+", 12, "lower case and LOG rewriting keep the places"},
        {"X+\u0436*2", 2, "a Cyrillic letter is no formula letter"},
        {"\U0001D465+LOG(8)", 8, "a character outside the basic plane takes two units"},
    };
    TFuInput dlg;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Text);
        SCOPED_TRACE(row.Why);
        QString error;
        int caret = -1;
        bool selected = true;
        OnNextModal([&](QDialog*) {
            dlg.FyEdit()->setEditText(QString::fromUtf8(row.Text));
            error = ErrorFrom(&dlg, [&] { dlg.OKButton()->click(); });
            caret = dlg.FyEdit()->lineEdit()->cursorPosition();
            selected = dlg.FyEdit()->lineEdit()->hasSelectedText();
            QTest::keyClick(dlg.focusWidget(), Qt::Key_Escape);
        });
        TFuInputData data;
        dlg.Run(data);
        EXPECT_EQ(error, "Помилка у виразі!");
        EXPECT_EQ(caret, row.Caret);
        EXPECT_FALSE(selected);
    }
    SCOPED_TRACE("a bound that compiles but makes no interval stays selected");
    bool selected = false;
    OnNextModal([&](QDialog*) {
        dlg.AxEdit()->setEditText("5");
        ErrorFrom(&dlg, [&] { dlg.OKButton()->click(); });
        selected = dlg.AxEdit()->lineEdit()->selectedText() == "5";
        QTest::keyClick(dlg.focusWidget(), Qt::Key_Escape);
    });
    TFuInputData data;
    dlg.Run(data);
    EXPECT_TRUE(selected);
}

TEST(FuInput, RefusesAnEmptyOrReversedInterval) {
    struct Row {
        const char* A;
        const char* B;
    };
    for (const Row& row : {Row{"5", "-5"}, Row{"2", "2"}, Row{"1", "2*0.5"}}) {
        SCOPED_TRACE(std::string(row.A) + " .. " + row.B);
        TFuInput dlg;
        const TOkResult r = PressOk(dlg, TFuInputData{}, [&] {
            dlg.AxEdit()->setEditText(row.A);
            dlg.BxEdit()->setEditText(row.B);
        });
        EXPECT_EQ(r.Error, "Неправильний відрізок задання!");
        EXPECT_TRUE(r.StillOpen);
        EXPECT_FALSE(r.Accepted);
    }
}

TEST(FuInput, ChecksTheSecondRowOnlyWhereItIsShown) {
    TFuInput dlg;
    {
        SCOPED_TRACE("explicit function: X(T) row hidden");
        const TOkResult r = PressOk(dlg, TFuInputData{}, [&] {
            EXPECT_FALSE(dlg.FxEdit()->isVisible());
            dlg.FxEdit()->setEditText("SIN T");
        });
        EXPECT_EQ(r.Error, "");
        EXPECT_TRUE(r.Accepted);
    }
    {
        SCOPED_TRACE("parametric curve: X(T) row shown");
        const TOkResult r = PressOk(
            dlg, ParametricData(),
            [&] {
                EXPECT_TRUE(dlg.FxEdit()->isVisible());
                dlg.FxEdit()->setEditText("SIN T");
            },
            &TFuInput::FxEdit);
        EXPECT_EQ(r.Error, "Помилка у виразі!");
        EXPECT_TRUE(r.FocusOnFailed);
        EXPECT_FALSE(r.Accepted);
    }
}

TEST(FuInput, OffersAcceptedTextsAgainOnce) {
    TFuInput dlg;
    const auto items = [&dlg](QComboBox* box) {
        QStringList list;
        for (int i = 0; i < box->count(); ++i)
            list << box->itemText(i);
        return list;
    };
    TFuInputData data;
    data.FyText = "X^2";
    EXPECT_TRUE(PressOk(dlg, data, [] {}).Accepted);
    data.FyText = "SIN(X)";
    EXPECT_TRUE(PressOk(dlg, data, [] {}).Accepted);
    data.FyText = "X^2";
    EXPECT_TRUE(PressOk(dlg, data, [] {}).Accepted);
    EXPECT_EQ(items(dlg.FyEdit()), (QStringList{"X^2", "SIN(X)"}));
    EXPECT_EQ(items(dlg.AxEdit()), QStringList{"-5"});
    // A box that passed before a later one failed keeps its text too.
    data.FyText = "COS(X)";
    data.BText = "(";
    EXPECT_FALSE(PressOk(dlg, data, [] {}).Accepted);
    EXPECT_EQ(items(dlg.FyEdit()), (QStringList{"X^2", "SIN(X)", "COS(X)"}));
    EXPECT_EQ(items(dlg.BxEdit()), QStringList{"5"});
}

TEST(FuInput, KeyboardTypesAtTheCaretOfTheFocusedBox) {
    struct Row {
        const char* Reason;
        std::vector<const char*> Keys;
        int Caret;          // -1: the whole text selected
        const char* Expect; // the box's text afterwards
    };
    const Row rows[] = {
        {"function key at the caret", {"SpeedButton1"}, 2, "X+Sin(1"},
        {"replaces the selection", {"SpeedButton15"}, -1, "Pi"},
        {"argument key types the object's letter", {"ArgSpeedButton"}, 0, "TX+1"},
        {"empty second argument key leaves the selection", {"YSpeedButton"}, -1, "X+1"},
        {"backspace", {"SpeedButton19"}, 3, "X+"},
        {"delete", {"SpeedButton36"}, 0, "+1"},
        {"home, then type", {"SpeedButton37", "SpeedButton4"}, 2, "(X+1"},
        {"end, then type", {"SpeedButton38", "SpeedButton10"}, 0, "X+1)"},
        {"digits", {"SpeedButton28", "SpeedButton21"}, 3, "X+170"},
    };
    TFuInput dlg;
    TFuInputData data;
    data.ArgName = "T";
    dlg.Fill(data);
    dlg.show();
    QComboBox* box = dlg.FyEdit();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Reason);
        box->setEditText("X+1");
        box->setFocus();
        if (row.Caret < 0)
            box->lineEdit()->selectAll();
        else
            box->lineEdit()->setCursorPosition(row.Caret);
        for (const char* name : row.Keys) {
            auto* key = dlg.CalcPanel()->findChild<QToolButton*>(name);
            ASSERT_NE(key, nullptr) << name;
            key->click();
        }
        EXPECT_EQ(box->currentText(), row.Expect);
        EXPECT_TRUE(HasFocus(&dlg, box)) << "a key took the focus";
    }

    SCOPED_TRACE("the line width spinner takes digits too");
    dlg.WLineSpinEdit()->setFocus();
    dlg.WLineSpinEdit()->selectAll();
    dlg.CalcPanel()->findChild<QToolButton*>("SpeedButton23")->click(); // "3"
    EXPECT_EQ(dlg.WLineSpinEdit()->value(), 3);
    dlg.hide();
}

TEST(FuInputEditor, EditTakesTheConfirmedValuesIntoTheObject) {
    TFuInput* dlg = InstallObjectEditor(nullptr);
    TFn fn("X", "-5", "5", clRed);
    fn.WLine = 2;
    bool filledFromObject = false;
    OnNextModal([&](QDialog*) {
        filledFromObject = dlg->FyLabel()->text() == "Y(X)=" && dlg->FyEdit()->currentText() == "X" &&
                           dlg->AxEdit()->currentText() == "-5" && dlg->BGPEdit()->currentText() == "100" &&
                           dlg->ArgSpeedButton()->text() == "X" && dlg->WLineSpinEdit()->value() == 2 &&
                           dlg->FuColorGrid()->ForegroundIndex() == GlobColors().ColorIndex(clRed);
        EXPECT_FALSE(dlg->FxEdit()->isVisible());
        EXPECT_FALSE(dlg->AByPanel()->isVisible());
        EXPECT_FALSE(dlg->Precision()->isVisible());
        EXPECT_TRUE(dlg->WLineGroupBox()->isVisible());
        EXPECT_TRUE(dlg->NBuilds()->isVisible());

        dlg->FyEdit()->setEditText("X^2");
        dlg->AxEdit()->setEditText("-2");
        dlg->BxEdit()->setEditText("2");
        dlg->BGPEdit()->setEditText("50");
        dlg->GrByPoints()->setChecked(true);
        TColorGrid* grid = dlg->FuColorGrid();
        QTest::mouseClick(grid, Qt::LeftButton, {}, grid->CellRect(GlobColors().ColorIndex(clBlue)).center());
        dlg->OKButton()->click();
    });
    ASSERT_TRUE(fn.Edit());
    EXPECT_TRUE(filledFromObject);
    EXPECT_EQ(fn.Caption(), "Y(X)=X^2");
    EXPECT_EQ(fn.Calc(2), 4.0L);
    EXPECT_EQ(fn.RangeA.Value(), -2.0L);
    EXPECT_EQ(fn.RangeB.Value(), 2.0L);
    EXPECT_EQ(fn.Points, 50);
    EXPECT_EQ(fn.Color, clBlue);
    EXPECT_TRUE(fn.ByPoints);
    EXPECT_EQ(fn.WLine, 2);

    SCOPED_TRACE("the same dialog again: its history holds the last formula, Cancel changes nothing");
    bool offered = false;
    OnNextModal([&](QDialog*) {
        offered = dlg->FyEdit()->findText("X^2") >= 0;
        dlg->FyEdit()->setEditText("X^3");
        dlg->CancelButton()->click();
    });
    EXPECT_FALSE(fn.Edit());
    EXPECT_TRUE(offered);
    EXPECT_EQ(fn.Caption(), "Y(X)=X^2");
    SetObjectEditor(nullptr);
}
