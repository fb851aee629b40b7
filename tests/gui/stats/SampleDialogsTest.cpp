#include "../document/FuInputDriver.h"
#include "core/base/MessageTable.h"
#include "core/formula/ParamTable.h"
#include "core/objects/TFs.h"
#include "gui/app/TAns.h"
#include "gui/app/T__Main.h"
#include "gui/document/TObjList.h"
#include "gui/stats/SampleEditor.h"
#include "gui/stats/TASDlg.h"
#include "gui/stats/TDataGrid.h"
#include "gui/stats/TPirsonDlg.h"
#include "gui/stats/TSGSDlg.h"
#include "gui/stats/TSView.h"
#include "gui/stats/TStatTools.h"
#include "support/ParamTableGuard.h"
#include "support/TempPath.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>

namespace {
void Click(QDialog* dlg, const char* name) {
    auto* b = dlg->findChild<QPushButton*>(name);
    ASSERT_NE(b, nullptr) << name;
    b->click();
}

QString Cell(QTableWidget* grid, int row, int column) {
    const QTableWidgetItem* item = grid->item(row, column);
    return item ? item->text() : QString();
}
} // namespace

// Values one by one by intervals: the interval dialog is shown, "<--- Назад" returns to the data as the
// user left them, Sturges' formula and the sample's own bounds finish the entry.
TEST(SampleDialogs, ValuesByIntervalsGoThroughTheIntervalDialogAndBack) {
    ResetBuiltInTexts();
    TSGSDlg data;
    TASDlg interval;
    TSampleEntry entry;
    int shownData = 0;
    std::function<void(QDialog*)> onData = [&](QDialog* dlg) {
        auto* d = qobject_cast<TSGSDlg*>(dlg);
        ASSERT_NE(d, nullptr);
        ++shownData;
        if (shownData == 1) {
            EXPECT_TRUE(d->DataTypeButton(TSampleEntryType::Frequencies)->isChecked()); // a new sample
            d->DataTypeButton(TSampleEntryType::Variants)->click();
            EXPECT_EQ(d->Grid()->columnCount(), 1);
            d->ModelButton(SampleByIntervals)->click();
            EXPECT_EQ(d->GraphButton(0)->text(), "Гістограма");
            d->Grid()->SetRows({{"3"}, {"1"}, {"3"}, {"2"}, {"6"}});
        } else {
            EXPECT_EQ(Cell(d->Grid(), 4, 0), "6") << "the data are as the user left them";
        }
        OnNextModal([&](QDialog* as) {
            auto* a = qobject_cast<TASDlg*>(as);
            ASSERT_NE(a, nullptr);
            EXPECT_EQ(a->AEdit()->text(), "0"); // the new sample's 0 widened to the largest value
            EXPECT_EQ(a->BEdit()->text(), "6");
            if (shownData == 1) {
                OnNextModal(onData);
                Click(a, "PrevButton");
                return;
            }
            a->AEdit()->setText("2");
            EXPECT_EQ(ErrorFrom(a, [a] { Click(a, "OKBtn"); }),
                      "A повинно бути не більше 0,\n\rB повинно бути не менше  6");
            Click(a, "ABButton");
            EXPECT_EQ(a->AEdit()->text(), "1"); // unequally spaced: the values themselves
            Click(a, "StrButton");
            EXPECT_EQ(a->KSpinEdit()->value(), 3); // n = 5: 3.322 * 0.699 + 1
            Click(a, "OKBtn");
        });
        Click(d, "OKBtn");
    };
    OnNextModal(onData);
    ASSERT_TRUE(RunSampleEntry(data, interval, entry));
    EXPECT_EQ(shownData, 2);
    EXPECT_EQ(entry.EntryType, TSampleEntryType::Variants);
    EXPECT_EQ(entry.Smodel, SampleByIntervals);
    EXPECT_EQ(entry.GraphType, SampleHistogram);
    EXPECT_EQ(entry.AText, "1");
    EXPECT_EQ(entry.BText, "6");
    EXPECT_EQ(entry.K, 3);
    ASSERT_EQ(entry.Sample.Count(), 5);
    EXPECT_EQ(entry.Sample.NumberAt(0), 1);
    EXPECT_EQ(entry.Variants.Count(), 4);
}

TEST(SampleDialogs, RefusedDataKeepTheDialogOpenAndCancelChangesNothing) {
    ResetBuiltInTexts();
    TSGSDlg data;
    TASDlg interval;
    TSampleEntry entry;
    QString error;
    OnNextModal([&](QDialog* dlg) {
        auto* d = qobject_cast<TSGSDlg*>(dlg);
        d->DataTypeButton(TSampleEntryType::RelativeFrequencies)->click();
        EXPECT_TRUE(d->SampleSizeEdit()->isEnabled());
        d->Grid()->SetRows({{"1", "0.2"}, {"2", "0.3"}, {"3", "0.49"}, {"", ""}});
        error = ErrorFrom(d, [d] { Click(d, "OKBtn"); });
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(d->Grid()->rowCount(), 3); // the empty row at the end is gone
        Click(d, "CancelBtn");
    });
    EXPECT_FALSE(RunSampleEntry(data, interval, entry));
    EXPECT_EQ(error, "Сума відносних частот <> 1! (0.99)");
    EXPECT_TRUE(entry.Variants.Empty());
}

// The road of a user: a grouped sample typed into the dialogs from the main window, its frequency table,
// and Pearson's test against a density read from a file.
TEST(SampleDialogs, MainWindowEntersASampleShowsItsTableAndRunsPearson) {
    ResetBuiltInTexts();
    const TParamTableGuard params;
    T__Main main;
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    const std::string path = TestTempPath("sample-density.vr1");
    std::ofstream(path) << "[Vorn1]\nNum=1\n[Obj1]\nObjType=Normal\nFunc=1/6\nA=0\nB=6\n";
    ASSERT_TRUE(main.AddDocument(QString::fromStdString(path)));

    QComboBox* kinds = main.ObjList()->ObjComboBox();
    kinds->setCurrentIndex(KindCode(ObjKind::Sample));
    OnNextModal([&](QDialog* dlg) {
        auto* d = qobject_cast<TSGSDlg*>(dlg);
        ASSERT_NE(d, nullptr);
        d->ModelButton(SampleByIntervals)->click();
        d->Grid()->setFocus();
        d->Grid()->setCurrentCell(0, 0);
        d->Grid()->SetRows({{"1", "2"}, {"3", "5"}, {"5", "3"}});
        d->Grid()->setCurrentCell(2, 1);
        d->Grid()->MoveNext(); // Enter in the last cell appends a row
        EXPECT_EQ(d->Grid()->rowCount(), 4);
        EXPECT_EQ(d->Grid()->currentRow(), 3);
        Click(d, "OKBtn"); // equally spaced grouped data: no interval dialog
    });
    main.Action("NewObjItem")->trigger();
    TDocument& doc = main.Document();
    ASSERT_EQ(doc.Objects.Count(), 2);
    ASSERT_EQ(doc.Objects.Object(1).Kind(), ObjKind::Sample);
    const auto& sample = static_cast<const TFs&>(doc.Objects.Object(1));
    EXPECT_EQ(sample.N, 10);
    EXPECT_EQ(sample.RangeA.FormulaText(), "0");
    EXPECT_EQ(sample.RangeB.FormulaText(), "6");
    EXPECT_EQ(doc.Objects[1].Caption, sample.Caption());

    ASSERT_TRUE(main.Action("NumSSItem")->isEnabled());
    main.Action("NumSSItem")->trigger();
    TSView* view = main.StatTools()->SView();
    ASSERT_TRUE(view->isVisible());
    EXPECT_EQ(view->Grid()->horizontalHeaderItem(0)->text(), "Відрізок");
    EXPECT_EQ(Cell(view->Grid(), 1, 0), "2 - 4");
    EXPECT_EQ(Cell(view->Grid(), 1, 2), "7");
    EXPECT_EQ(Cell(view->Grid(), 3, 0), ""); // the table ends with an empty row

    const int before = main.Ans()->Lines().size();
    OnNextModal([&](QDialog* dlg) {
        auto* p = qobject_cast<TPirsonDlg*>(dlg);
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(p->AlphaBox()->currentText(), "0.95");
        EXPECT_FALSE(p->TheoryButton(1)->isEnabled()); // a function is always the theory
        EXPECT_EQ(p->KLabel()->text(), "3");
        EXPECT_EQ(p->SSpinEdit()->value(), 2);
        Click(p, "OKBtn");
    });
    ASSERT_TRUE(main.Action("PirsSItem")->isEnabled());
    main.Action("PirsSItem")->trigger();
    const QStringList lines = main.Ans()->Lines().mid(before);
    EXPECT_EQ(lines, (QStringList{"Критерій Пірсона:", "Рівень знач.=0.95", "К-ть степенів свободи=2",
                                  "Xi2 експ.=1.4", "Xi2 теор.=5.99", "Гіпотеза підтверджується",
                                  "____________________________________"}));

    main.Action("NormItem")->trigger();
    EXPECT_EQ(doc.Objects.Count(), 3);
    EXPECT_EQ(doc.Objects.Current(), 1);
    view->close();
    doc.Objects.Modified = false;
}
