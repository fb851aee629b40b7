#include "gui/stats/TSGDlg.h"

#include "../document/FuInputDriver.h"
#include "core/base/MessageTable.h"
#include "core/document/TDocument.h"
#include "core/formula/ParamTable.h"
#include "core/plot/TGlobColors.h"
#include "core/stats/DataFile.h"
#include "gui/app/MessageDlg.h"
#include "gui/document/TFuInputEditor.h"
#include "gui/document/TObjList.h"
#include "gui/plot/TGr.h"
#include "gui/plot/TGrSurface.h"
#include "gui/stats/TDataGrid.h"
#include "gui/stats/TRandomDlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include "support/ParamTableGuard.h"
#include "support/TempPath.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

namespace {

// Types into whatever has the focus, as the user's keyboard does: the first key opens the cell's editor.
void Type(const QString& text) {
    for (QChar c : text) {
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    }
}

void Enter() {
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QApplication::processEvents(); // the editor closes after the key
}

// Each row as "x;y", in grid order.
QStringList Cells(const TDataGrid* grid) {
    QStringList rows;
    for (int r = 0; r < grid->rowCount(); ++r)
        rows << grid->Cell(r, 0) + ";" + grid->Cell(r, 1);
    return rows;
}

QStringList Numbers(const TDataGrid* grid) {
    QStringList numbers;
    for (int r = 0; r < grid->rowCount(); ++r)
        numbers << grid->item(r, TDataGrid::NumberColumn)->text();
    return numbers;
}

QPoint CellCentre(TDataGrid* grid, int row, int column) {
    return grid->visualRect(grid->model()->index(row, column)).center();
}

std::string TempFile(const std::string& name, const std::string& bytes) {
    const std::string path = TestTempPath(name);
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

} // namespace

TEST(SGDlg, GridEditingByKeyboardButtonsAndDragging) {
    TSGDlg dlg;
    dlg.Fill(TTableData{});
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    TDataGrid* grid = dlg.SG();
    EXPECT_EQ(grid->rowCount(), 2) << "a new table shows two rows";
    grid->FocusCell(0, 0);
    // Enter goes to the next column, from the last column to the next row, and adds a row at the end.
    for (const char* cell : {"1", "2", "3", "4"}) {
        Type(cell);
        Enter();
    }
    EXPECT_EQ(Cells(grid), (QStringList{"1;2", "3;4", ";"}));
    EXPECT_EQ(Numbers(grid), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(grid->currentRow(), 2);
    EXPECT_EQ(grid->currentColumn(), TDataGrid::FirstDataColumn);

    grid->setCurrentCell(1, 2);
    QTest::keyClick(grid, Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(Cells(grid), (QStringList{"1;2", ";", "3;4", ";"}));
    EXPECT_EQ(Numbers(grid), (QStringList{"1", "2", "3", "4"}));
    QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(Cells(grid), (QStringList{"1;2", "3;4", ";"}));

    // A row dragged by its number to the top.
    QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, CellCentre(grid, 1, 0));
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, CellCentre(grid, 0, 0));
    EXPECT_EQ(Cells(grid), (QStringList{"3;4", "1;2", ";"}));
    EXPECT_EQ(Numbers(grid), (QStringList{"1", "2", "3"}));

    // The formula keys type into the cell only while the grid has the focus.
    grid->FocusCell(2, 0);
    dlg.FormulaButton(2)->click();
    Type("2)");
    Enter();
    EXPECT_EQ(grid->Cell(2, 0), "Sqrt(2)");
    dlg.PowerEdit()->setFocus();
    dlg.FormulaButton(0)->click();
    EXPECT_EQ(Cells(grid).join(" "), "3;4 1;2 Sqrt(2);");

    dlg.InsButton()->click();
    EXPECT_EQ(grid->rowCount(), 4);
    dlg.ClrButton()->click();
    EXPECT_EQ(Cells(grid), QStringList{";"});
    EXPECT_EQ(Numbers(grid), QStringList{"1"});
    grid->SetCell(0, 0, "7");
    dlg.DelButton()->click();
    EXPECT_EQ(Cells(grid), QStringList{";"}) << "the single row is cleared";
    dlg.reject();
}

TEST(SGDlg, OkRefusesWhatCannotMakeTheObject) {
    ResetBuiltInTexts();
    struct Row {
        TTableUse Use;
        int Degree;
        TGridRows Rows;
        QString Message;
    } rows[] = {
        {TTableUse::Polynomial, 0, {{"1", "2"}, {"", ""}}, "Повинно бути не менше 2-х пар чисел!"},
        {TTableUse::Polynomial, 0, {{"1", "2"}, {"2", "1+"}}, "Помилка в записі числа!"},
        {TTableUse::Polynomial, 0, {{"1", "2"}, {"1", "3"}}, "Всі Х-координати не можуть бути однакові!"},
        {TTableUse::Polynomial,
         2,
         {{"1", "2"}, {"2", "3"}},
         "Степінь полінома повинен бути меншим від кількості різних значень X!"},
        {TTableUse::BrokenLine, 0, {{"1", "2"}, {"1", "3"}, {"", ""}}, ""},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.Message.toStdString());
        TSGDlg dlg;
        TTableData data;
        data.Use = r.Use;
        QString error;
        bool open = false;
        OnNextModal([&](QDialog*) {
            dlg.PowerEdit()->setValue(r.Degree);
            dlg.SG()->SetRows(r.Rows);
            error = ErrorFrom(&dlg, [&] { dlg.OKBtn()->click(); });
            open = dlg.isVisible();
            if (open) dlg.reject();
        });
        const bool accepted = dlg.Run(data);
        EXPECT_EQ(error, r.Message);
        EXPECT_EQ(accepted, r.Message.isEmpty());
        if (accepted) {
            EXPECT_EQ(data.Rows.size(), 2u) << "the empty row at the end is dropped";
        }
    }
}

TEST(SGDlgEditor, CreatesATableAndABrokenLineThroughTheDialog) {
    ResetBuiltInTexts();
    const TParamTableGuard params;
    GlobColors() = TGlobColors();
    InstallObjectEditor(nullptr);
    TSGDlg* dlg = TableDialog();
    ASSERT_NE(dlg, nullptr);
    TDocument doc;
    TMasshImage image;
    image.SetSize(400, 400);
    TObjList window(doc, image);

    struct Row {
        int Kind;
        QStringList Cells;
        QString Caption;
    } rows[] = {
        {4, {"2", "5", "0", "1", "1", "2"}, "Y(X)=x^2+1"}, // sorted by X on OK
        {6, {"0", "0", "1", "0", "1", "1"}, "Ламана, 3 тт."},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.Caption.toStdString());
        window.ObjComboBox()->setCurrentIndex(r.Kind);
        bool polynomialShown = false, lineShown = false;
        OnNextModal([&](QDialog* modal) {
            EXPECT_EQ(modal, dlg);
            polynomialShown = dlg->PowerEdit()->isVisible();
            lineShown = dlg->LCheckBox()->isVisible() && dlg->XYDataButton()->isVisible();
            dlg->PowerEdit()->setValue(2);
            dlg->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(dlg));
            dlg->SG()->FocusCell(0, 0);
            for (const QString& cell : r.Cells) {
                Type(cell);
                Enter();
            }
            dlg->OKBtn()->click();
        });
        window.NewObjPopupClick();
        EXPECT_EQ(polynomialShown, r.Kind == 4);
        EXPECT_EQ(lineShown, r.Kind == 6);
        ASSERT_EQ(window.ObjListBox()->count(), r.Kind == 4 ? 1 : 2);
        EXPECT_EQ(window.ObjListBox()->item(window.ObjListBox()->count() - 1)->text(), r.Caption);
    }
    EXPECT_EQ(dlg->windowTitle(), "Координати вершин ламаної");

    SCOPED_TRACE("changing the table shows its points again, with one empty row for the next");
    doc.Objects.SetCurrent(0);
    QStringList shown;
    OnNextModal([&](QDialog*) {
        shown = Cells(dlg->SG());
        dlg->reject();
    });
    window.ChngObjPopupClick();
    EXPECT_EQ(shown, (QStringList{"0;1", "1;2", "2;5", ";"}));
    SetObjectEditor(nullptr);
}

TEST(SGDlg, DataFilesAreReadByTokensAndWrittenBack) {
    ResetBuiltInTexts();
    TSGDlg dlg;
    dlg.Fill(TTableData{});
    std::string path = TempFile("sg_read.txt", "1 2, 3;4\r\n5\r\n");
    dlg.ChooseFile = [&path](bool) { return QString::fromStdString(path); };
    dlg.FileDataButtonClick();
    EXPECT_EQ(Cells(dlg.SG()), (QStringList{"1;2", "3;4", "5;"}));

    dlg.SG()->SetCell(2, 1, "1/3");
    path = TestTempPath("sg_written.txt");
    dlg.FilesaveButtonClick();
    const QStringList written = Cells(dlg.SG());
    dlg.SG()->ClearTable();
    dlg.FileDataButtonClick();
    EXPECT_EQ(Cells(dlg.SG()), written);
    std::remove(path.c_str());

    EXPECT_EQ(ErrorFrom(&dlg, [&] { dlg.FileDataButtonClick(); }), "Помилка читання з файлу!");
    EXPECT_EQ(Cells(dlg.SG()), written) << "a failed read leaves the table";
}

TEST(SGDlg, BrownianMotionAsksForVAndRMWithoutTheOrderCheck) {
    TSGDlg dlg;
    TTableData data;
    data.Use = TTableUse::BrokenLine;
    dlg.Fill(data);
    TRandomDlg* random = dlg.RandomDlg();
    QString labels;
    OnNextModal([&](QDialog* modal) {
        EXPECT_EQ(modal, random);
        labels = random->ALabel()->text() + " " + random->BLabel()->text();
        random->AEdit()->setText("1");
        random->BEdit()->setText("1");
        random->NSpinEdit()->setValue(12);
        random->IntCheckBox()->setChecked(false);
        random->OKBtn()->click();
    });
    dlg.XYDataButtonClick();
    EXPECT_EQ(labels, "V= R*M=");
    EXPECT_EQ(random->ALabel()->text(), "A=");
    EXPECT_TRUE(random->CheckOrder());
    ASSERT_EQ(dlg.SG()->rowCount(), 12);
    Real px = 0, py = 0;
    for (int r = 0; r < 12; ++r) {
        const Real x = dlg.SG()->Cell(r, 0).toDouble(), y = dlg.SG()->Cell(r, 1).toDouble();
        EXPECT_LE(std::hypot(x - px, y - py), 1 + 1e-9L) << "a step is at most V/sqrt(R*M)";
        px = x;
        py = y;
    }

    SCOPED_TRACE("the same dialog refuses A >= B for random data");
    QString error;
    OnNextModal([&](QDialog*) {
        error = ErrorFrom(random, [&] { random->OKBtn()->click(); });
        random->reject();
    });
    random->exec();
    EXPECT_EQ(error, "    A>=B!      ");
}

TEST(SGDlg, ScreenDataLendsTheGraphAndTakesTheMarkedPoints) {
    ResetBuiltInTexts();
    TDocument doc;
    TGr gr(doc);
    gr.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&gr));
    gr.I().SetMasshAuto(true);
    TSGDlg dlg;
    dlg.SetGraphWindow(&gr);
    TTableData data;
    data.Use = TTableUse::BrokenLine;
    data.Rows = {{"1", "2"}};
    dlg.Fill(data);
    dlg.LCheckBox()->setChecked(true);

    int link = -1, pointsLent = -1;
    bool automatic = true;
    QString clicked;
    QTimer::singleShot(0, [&] {
        if (!gr.Borrowed()) return;
        link = gr.I().LinkPoints;
        automatic = gr.I().MasshAuto();
        pointsLent = gr.Points().PointCount();
        QTest::mouseClick(gr.Surface(), Qt::LeftButton, {}, QPoint(60, 70));
        clicked = QString::fromStdString(gr.Points().Cell(1, 2) + ";" + gr.Points().Cell(2, 2));
        gr.OKBtn()->click();
    });
    dlg.ScrButtonClick();
    EXPECT_EQ(link, 2) << "joined and closed, as the line will be";
    EXPECT_FALSE(automatic);
    EXPECT_EQ(pointsLent, 1);
    EXPECT_EQ(Cells(dlg.SG()), (QStringList{"1;2", clicked}));
    EXPECT_TRUE(gr.Points().Empty());
    EXPECT_EQ(gr.I().LinkPoints, 0);
    EXPECT_TRUE(gr.I().MasshAuto());

    SCOPED_TRACE("closing the window without O&K keeps the table; a formula cell is refused first");
    QTimer::singleShot(0, [&] {
        if (!gr.Borrowed()) return;
        QTest::mouseClick(gr.Surface(), Qt::LeftButton, {}, QPoint(90, 70));
        gr.close();
    });
    dlg.ScrButtonClick();
    EXPECT_EQ(Cells(dlg.SG()), (QStringList{"1;2", clicked}));
    dlg.SG()->SetCell(0, 0, "1/2");
    EXPECT_EQ(ErrorFrom(&dlg, [&] { dlg.ScrButtonClick(); }), "Помилка в записі числа!");
    EXPECT_FALSE(gr.Borrowed());
}
