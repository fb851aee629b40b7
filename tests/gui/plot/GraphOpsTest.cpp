// The graph options and the labels dialogs as the main window runs them on the graph window.
#include "core/base/MessageTable.h"
#include "core/formula/ParamTable.h"
#include "core/plot/TGlobColors.h"
#include "gui/app/T__Main.h"
#include "gui/document/TColorGrid.h"
#include "gui/plot/QImageCanvas.h"
#include "gui/plot/TGr.h"
#include "gui/plot/TGraphOps.h"
#include "gui/plot/TLabelsDlg.h"

#include "../document/FuInputDriver.h"
#include "LongDoubleNear.h"

#include <QAction>
#include <QCheckBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include <cmath>

namespace {

class GraphDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        ResetBuiltInTexts();
        ParamTable().ResetForNewDocument();
        m_main = std::make_unique<T__Main>();
        m_main->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_main.get()));
    }
    void TearDown() override {
        m_main->Gr()->Labels().Clear();
        m_main.reset();
    }
    TMasshImage& I() { return m_main->Gr()->I(); }
    TGraphOps& Ops() { return *m_main->GraphOps(); }
    void SetScale(const char* minX, const char* maxX, const char* minY, const char* maxY) {
        const char* texts[] = {minX, maxX, minY, maxY};
        for (int i = 0; i < ScaleBoxCount; ++i)
            Ops().ScaleEdit(static_cast<TScaleBox>(i))->setText(texts[i]);
    }
    QString Cell(int row, int col) {
        const QTableWidgetItem* item = m_main->LabelsDlg()->SG()->item(row, col);
        return item ? item->text() : QString();
    }

    std::unique_ptr<T__Main> m_main;
};

TEST_F(GraphDialogs, EachCallerOpensItsPage) {
    const struct {
        const char* action;
        const char* page;
    } rows[] = {{"UserMItem", "MasshSheet"}, {"TBMUser", "MasshSheet"}, {"OptionGrItem", "AxeSheet"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.action);
        QString page;
        bool minXFocused = false;
        OnNextModal([&](QDialog* dlg) {
            page = Ops().GrOpsPage()->currentWidget()->objectName();
            minXFocused = dlg->focusWidget() == Ops().ScaleEdit(TScaleBox::MinX);
            Ops().CancelBut()->click();
        });
        m_main->Action(row.action)->trigger();
        EXPECT_EQ(page, row.page);
        EXPECT_EQ(minXFocused, page == "MasshSheet");
    }
    EXPECT_FALSE(I().MasshAuto()) << "the user scale stays chosen";
    ASSERT_TRUE(m_main->Gr()->MasshPopup()->isEnabled());
    QString page;
    OnNextModal([&](QDialog*) {
        page = Ops().GrOpsPage()->currentWidget()->objectName();
        Ops().CancelBut()->click();
    });
    m_main->Gr()->MasshPopup()->trigger();
    EXPECT_EQ(page, "AxeSheet");
}

TEST_F(GraphDialogs, ScaleBoxesTakeFormulasAndRefuseAWindowWithoutWidth) {
    QString sameBounds, badFormula;
    bool stayedOpen = false, focused = false;
    OnNextModal([&](QDialog* dlg) {
        SetScale("1", "1", "-1", "1");
        sameBounds = ErrorFrom(dlg, [&] { Ops().OkBut()->click(); });
        SetScale("0", "1", "-1", "SIN X");
        badFormula = ErrorFrom(dlg, [&] { Ops().OkBut()->click(); });
        stayedOpen = dlg->isVisible();
        focused = dlg->focusWidget() == Ops().ScaleEdit(TScaleBox::MaxY);
        SetScale("-2*Pi", "2*Pi", "-3", "3");
        Ops().OkBut()->click();
    });
    m_main->GraphOptionsCommand(TGraphOpsPage::Massh);
    EXPECT_EQ(sameBounds, "Неправильно задано масштаб!");
    EXPECT_EQ(badFormula, "Помилка у виразі!");
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(focused);
    EXPECT_LD_NEAR(I().Massh().XMax - I().Massh().XMin, 4 * std::acos(-1.0L), 1e-15L);
    EXPECT_LD_NEAR(I().XBasic(), 1, 1e-15L);

    // OK on the untouched dialog keeps the window exactly, and the one before it.
    const TMassh shown = I().Massh(), before = I().OldMassh();
    OnNextModal([&](QDialog*) { Ops().OkBut()->click(); });
    m_main->GraphOptionsCommand(TGraphOpsPage::Massh);
    EXPECT_EQ(I().Massh(), shown);
    EXPECT_EQ(I().OldMassh(), before);
}

TEST_F(GraphDialogs, PolarCoordinatesDisableTheAxisNamesAndAnOtherColourIsTakenOver) {
    const TColor own = RgbColor(1, 2, 3);
    Ops().ChooseColor = [own](TColor& c) {
        c = own;
        return true;
    };
    bool cartesianNames = false, polarNames = true, swatch = false;
    int gridIndex = 0;
    OnNextModal([&](QDialog*) {
        cartesianNames = Ops().AxeGroupBox()->isEnabled();
        Ops().CoordRadioItem(1)->click();
        polarNames = Ops().AxeGroupBox()->isEnabled();
        Ops().CoordRadioItem(0)->click();
        Ops().ColorListBox()->setCurrentRow(static_cast<int>(TWorkColor::Back));
        Ops().Button3()->click();
        swatch = !Ops().Shape1()->isHidden();
        gridIndex = Ops().CG()->ForegroundIndex();
        Ops().OkBut()->click();
    });
    m_main->GraphOptionsCommand(TGraphOpsPage::Axe);
    EXPECT_TRUE(cartesianNames);
    EXPECT_FALSE(polarNames);
    EXPECT_TRUE(swatch);
    EXPECT_EQ(gridIndex, NoColorIndex);
    EXPECT_EQ(I().grBackColor, own);
    EXPECT_EQ(m_main->Gr()->Bitmap().pixel(1, 1), qRgb(1, 2, 3)) << "drawn at once";

    // Opened again, the colour shows in the swatch; a cell of the grid replaces it.
    bool swatchAgain = false, swatchAfterGrid = true;
    OnNextModal([&](QDialog*) {
        Ops().ColorListBox()->setCurrentRow(static_cast<int>(TWorkColor::Back));
        swatchAgain = !Ops().Shape1()->isHidden();
        QTest::mouseClick(Ops().CG(), Qt::LeftButton, {}, Ops().CG()->CellRect(12).center());
        swatchAfterGrid = !Ops().Shape1()->isHidden();
        Ops().CancelBut()->click();
    });
    m_main->GraphOptionsCommand(TGraphOpsPage::Color);
    EXPECT_TRUE(swatchAgain);
    EXPECT_FALSE(swatchAfterGrid);
    EXPECT_EQ(I().grBackColor, own) << "Cancel changes nothing";
}

TEST_F(GraphDialogs, TheDesktopFontStandsForTheWindowsFontsAndKeepsTheirName) {
    const TFont system{"System", 10};
    const QString desktop = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    EXPECT_EQ(TQImageCanvas::ToQFont(system).family(), desktop);
    EXPECT_EQ(TQImageCanvas::ToQFont({"Small Fonts", 6}).family(), desktop);
    QFont bigger = DialogFont(system);
    bigger.setPointSize(16);
    EXPECT_EQ(FromDialogFont(bigger, system).Name, "System");
    EXPECT_EQ(FromDialogFont(bigger, system).Size, 16);
}

TEST_F(GraphDialogs, TheLabelsTableRebuildsTheLabelsOnOk) {
    TGList& labels = m_main->Gr()->Labels();
    labels.AddLabel(1 / 3.0L, 2, "A", true);
    labels.AddLabel(-1, -1, "B", false);
    QString refusal;
    int rowsAfterEnter = 0, columnAfterEnter = -1;
    OnNextModal([&](QDialog* dlg) {
        TLabelsDlg* d = m_main->LabelsDlg();
        EXPECT_EQ(Cell(0, TLabelsDlg::XCol), "0.3333");
        EXPECT_EQ(Cell(0, TLabelsDlg::PointCol), "Y");
        // Enter in the last column goes to the first column of a new row.
        d->SG()->setCurrentCell(1, TLabelsDlg::PointCol);
        QTest::keyClick(d->SG(), Qt::Key_Return);
        rowsAfterEnter = d->SG()->rowCount();
        columnAfterEnter = d->SG()->currentColumn();
        d->SG()->item(1, TLabelsDlg::XCol)->setText("x");
        refusal = ErrorFrom(dlg, [&] { d->OKBtn()->click(); });
        d->SG()->item(1, TLabelsDlg::XCol)->setText("4");
        d->OKBtn()->click();
    });
    m_main->Action("N23")->trigger();
    EXPECT_EQ(rowsAfterEnter, 3);
    EXPECT_EQ(columnAfterEnter, TLabelsDlg::XCol);
    EXPECT_EQ(refusal, "Неправильнi координати!");
    ASSERT_EQ(labels.Count(), 2) << "the blank row Enter appended gives no label";
    EXPECT_EQ(labels.X(0), 1 / 3.0L) << "an untouched cell keeps the exact value";
    EXPECT_EQ(labels.X(1), 4);
    EXPECT_TRUE(labels.PointFlag(0));

    OnNextModal([&](QDialog*) {
        m_main->LabelsDlg()->ClrButton()->click();
        m_main->LabelsDlg()->OKBtn()->click();
    });
    m_main->Action("N23")->trigger();
    EXPECT_TRUE(labels.Empty()) << "OK on an empty table removes every label";
}

TEST_F(GraphDialogs, ALabelFromTheScreenTakesThePointPickedOnTheGraph) {
    TGr* gr = m_main->Gr();
    OnNextModal([&](QDialog*) {
        // The graph window is lent out: one point is picked there and O&K pressed.
        QTimer::singleShot(0, [gr] {
            ASSERT_TRUE(gr->Borrowed());
            gr->Points().Add(1.5, -2.5, gr->I().MaxPoints);
            gr->PointsChanged();
            gr->OKBtn()->click();
        });
        m_main->LabelsDlg()->Button1()->click();
        m_main->LabelsDlg()->SG()->item(0, TLabelsDlg::TextCol)->setText("here");
        m_main->LabelsDlg()->OKBtn()->click();
    });
    m_main->Action("N23")->trigger();
    ASSERT_EQ(gr->Labels().Count(), 1);
    EXPECT_EQ(gr->Labels().X(0), 1.5L);
    EXPECT_EQ(gr->Labels().Y(0), -2.5L);
    EXPECT_EQ(gr->Labels().Text(0), "here");
    EXPECT_TRUE(gr->Points().Empty()) << "the picked point does not stay in the list";
}

} // namespace
