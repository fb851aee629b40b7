// The integral and derivative dialogs as the user meets them: opened by their menu commands in the main
// window, computing, stepping a parameter, copying to the answers, reading the mouse over the graph.
#include "core/base/MessageTable.h"
#include "core/base/NumberText.h"
#include "core/formula/ParamTable.h"
#include "gui/analysis/TCoordReadout.h"
#include "gui/analysis/TDerivDlg.h"
#include "gui/analysis/TRngInputP.h"
#include "gui/app/TAns.h"
#include "gui/app/T__Main.h"
#include "gui/document/TObjList.h"
#include "gui/document/TParamGrid.h"
#include "gui/document/TParamPanel.h"
#include "gui/plot/TGr.h"
#include "gui/plot/TGrSurface.h"

#include "../document/FuInputDriver.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <fstream>

namespace {

QColor ToQColor(TColor c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

class AnalysisDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        ResetBuiltInTexts();
        ParamTable().ResetForNewDocument();
        m_main = std::make_unique<T__Main>();
        m_main->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_main.get()));
    }
    void TearDown() override {
        m_main->Document().Objects.Modified = false;
        m_main.reset();
        ParamTable().ResetForNewDocument();
    }
    // A document on the fixed window (-5; 5)-(-5; 5), added and built.
    void Build(const std::string& objects, int count) {
        const std::string path = ::testing::TempDir() + "analysis-test.vr1";
        std::ofstream(path) << "[Vorn1]\nNum=" << count
                            << "\nMinArg=-5\nMaxArg=5\nMinFunc=-5\nMaxFunc=5\nMasshAuto=0\n"
                            << objects;
        ASSERT_TRUE(m_main->AddDocument(QString::fromStdString(path)));
        m_main->Action("BuildGrItem")->trigger();
    }
    TMasshImage& I() { return m_main->Gr()->I(); }
    QStringList Answers() { return m_main->Ans()->Lines(); }
    // Is the colour within a pixel of the world point?
    bool Near(Real x, Real y, TColor colour) {
        const QImage bitmap = m_main->Gr()->Bitmap();
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                if (bitmap.pixelColor(I().XToScr(x) + dx, I().YToScr(y) + dy) == ToQColor(colour))
                    return true;
        return false;
    }
    // Pixels of the colour on the row of height y between x0 and x1.
    int CountOnRow(Real y, Real x0, Real x1, TColor colour) {
        const QImage bitmap = m_main->Gr()->Bitmap();
        int n = 0;
        for (int px = I().XToScr(x0); px <= I().XToScr(x1); ++px)
            n += bitmap.pixelColor(px, I().YToScr(y)) == ToQColor(colour);
        return n;
    }
    // The menu command's action, once the window has caught up with the state that enables it.
    QAction* Command(const char* name) {
        QTest::qWait(20);
        return m_main->Action(name);
    }

    std::unique_ptr<T__Main> m_main;
};

} // namespace

TEST_F(AnalysisDialogs, TheIntegralFollowsItsParameterLiveAfterCompute) {
    Build("[Obj1]\nObjType=Normal\nFunc=P1\nA=0\nB=2\nColor=255\n[Params]\nNum=1\nn1=1\nValue1=1\nh1=0.1\n",
          1);
    QAction* item = Command("IntSItem");
    ASSERT_TRUE(item->isEnabled());
    QStringList before, computed, stepped;
    int hatchBefore = -1, hatchAfter = -1;
    OnNextModal([&](QDialog* dlg) {
        auto* tool = qobject_cast<TRngInputP*>(dlg);
        ASSERT_NE(tool, nullptr);
        EXPECT_EQ(tool->RngAEdit()->currentText(), "0");
        EXPECT_EQ(tool->RngBEdit()->currentText(), "2");
        EXPECT_FALSE(tool->SubIntEdit()->isVisible());
        EXPECT_TRUE(tool->CoordReadout()->Timer()->isActive());
        // Before "Обчислити" a parameter step computes nothing.
        TParamPanel* panel = tool->ParamPanel();
        panel->ParamSG()->setCurrentCell(0, 1);
        ASSERT_TRUE(panel->ParamTrack()->isVisible()) << "p1 is in use";
        QTest::mouseClick(panel->RSpeedButton(), Qt::LeftButton);
        before = tool->MemoLines();
        QTest::mouseClick(panel->LSpeedButton(), Qt::LeftButton);

        tool->RngBEdit()->setEditText("1.5");
        tool->IButton()->click();
        computed = tool->MemoLines();
        hatchBefore = CountOnRow(1.25L, 0, 1.5L, I().grAddColor);
        for (int i = 0; i < 10; ++i)
            QTest::mouseClick(panel->RSpeedButton(), Qt::LeftButton);
        stepped = tool->MemoLines();
        hatchAfter = CountOnRow(1.25L, 0, 1.5L, I().grAddColor);
        tool->ToAnsButton()->click();
        tool->CancelBtn()->click();
    });
    item->trigger();
    EXPECT_TRUE(before.isEmpty());
    EXPECT_EQ(computed, (QStringList{"Значення інтеграла:          ", "Y(X)=1", "A=0,", "B=1.5,", "I=1.5"}));
    EXPECT_EQ(stepped, (QStringList{"Значення інтеграла:          ", "Y(X)=2", "A=0,", "B=1.5,", "I=3"}));
    // The hatching reaches y = 1.25 only once p1 is 2.
    EXPECT_EQ(hatchBefore, 0);
    EXPECT_GT(hatchAfter, 0);
    EXPECT_FALSE(m_main->RngInputP()->CoordReadout()->Timer()->isActive());
    EXPECT_EQ(Answers(),
              QStringList{"Інтегрування"} + stepped + QStringList{"____________________________________"});
    EXPECT_EQ(m_main->RngInputP()->RngBEdit()->findText("1.5"), 1) << "accepted bounds join the list";
    EXPECT_EQ(ParamTable()[1].Value, 2);
}

TEST_F(AnalysisDialogs, DarbouxShowsItsCountAndRefusesOneBelowOne) {
    Build("[Obj1]\nObjType=Normal\nFunc=X\nA=0\nB=2\nColor=255\n", 1);
    QAction* item = Command("DarbouItem");
    QString error;
    bool countFocused = false;
    QStringList memo;
    OnNextModal([&](QDialog* dlg) {
        auto* tool = qobject_cast<TRngInputP*>(dlg);
        EXPECT_TRUE(tool->SubIntEdit()->isVisible());
        EXPECT_EQ(tool->Mode(), TIntegralMode::Darboux);
        tool->SubIntEdit()->setEditText("0");
        error = ErrorFrom(dlg, [tool] { tool->IButton()->click(); });
        countFocused = dlg->focusWidget() == tool->SubIntEdit();
        tool->SubIntEdit()->setEditText("2");
        tool->IButton()->click();
        memo = tool->MemoLines();
        // The function keyboard types into the focused box alone.
        tool->SpeedButton1()->click();
        EXPECT_TRUE(tool->FunctionKeyboard()->isVisible());
        EXPECT_EQ(tool->SpeedButton1()->text(), "<");
        dlg->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dlg));
        tool->RngAEdit()->setFocus();
        tool->RngAEdit()->lineEdit()->setCursorPosition(1);
        tool->FunctionKeyboard()->findChild<QToolButton*>("SpeedButton13")->click();
        EXPECT_EQ(tool->RngAEdit()->currentText(), "0Pi");
        tool->SpeedButton1()->click();
        dlg->reject();
    });
    item->trigger();
    EXPECT_EQ(error, "Помилка в записі числа!");
    EXPECT_TRUE(countFocused);
    EXPECT_EQ(memo.mid(memo.size() - 3), (QStringList{"I=2", "MinI=1", "MaxI=3"}));
    EXPECT_FALSE(m_main->RngInputP()->SubIntEdit()->isVisibleTo(m_main->RngInputP()));
}

TEST_F(AnalysisDialogs, TheDerivativeChecksItsEntryWhileOpenAndDrawsTheSecant) {
    Build("[Obj1]\nObjType=Normal\nFunc=X*X\nA=-5\nB=5\nColor=255\nChecked=0\n", 1);
    QListWidgetItem* entry = m_main->ObjList()->ObjListBox()->item(0);
    ASSERT_EQ(entry->checkState(), Qt::Unchecked);
    QAction* item = Command("DerivMenuItem");
    ASSERT_TRUE(item->isEnabled());
    bool checkedWhileOpen = false;
    QStringList memo;
    QString zeroError = "not run";
    bool secantShown = false;
    OnNextModal([&](QDialog* dlg) {
        auto* tool = qobject_cast<TDerivDlg*>(dlg);
        ASSERT_NE(tool, nullptr);
        checkedWhileOpen = entry->checkState() == Qt::Checked;
        EXPECT_EQ(tool->FnLabel()->text(), "Y(X)=X*X");
        EXPECT_FALSE(tool->SBuild()->isEnabled());
        tool->KCheckBox()->setChecked(true);
        tool->DXEdit()->setText("1");
        tool->BButton()->click();
        memo = tool->MemoLines();
        // The secant y = 3x - 2 through (1, 1) and (2, 4), at x = 0.5.
        secantShown = Near(0.5L, -0.5L, I().grAdd2Color);
        EXPECT_TRUE(tool->SBuild()->isEnabled());
        tool->ToAnsButton()->click();
        tool->DXEdit()->setText("0");
        zeroError = ErrorFrom(dlg, [tool] { tool->BButton()->click(); });
        tool->OKBtn()->click();
    });
    item->trigger();
    EXPECT_TRUE(checkedWhileOpen);
    EXPECT_EQ(entry->checkState(), Qt::Unchecked);
    EXPECT_FALSE(m_main->Document().Objects[0].Checked);
    EXPECT_EQ(memo, (QStringList{"X=1", "dX=1", "dY=3", "dY/dX=3"}));
    EXPECT_TRUE(secantShown);
    EXPECT_EQ(zeroError, "") << "dX = 0 redraws without a message";
    EXPECT_EQ(Answers(), (QStringList{"Y(X)=X*X", "X=1", "dX=1", "dY=3", "dY/dX=3",
                                      "____________________________________"}));
}

TEST_F(AnalysisDialogs, TheReadoutShowsTheMouseOverTheGraphOutsideTheDialog) {
    Build("[Obj1]\nObjType=Normal\nFunc=X\nA=-5\nB=5\nColor=255\n", 1);
    TGr* gr = m_main->Gr();
    auto* status = gr->findChild<QLabel*>("CoordStatus");
    ASSERT_NE(status, nullptr);
    QAction* item = Command("IntSItem");
    QString over, inside;
    OnNextModal([&](QDialog* dlg) {
        auto* tool = qobject_cast<TRngInputP*>(dlg);
        TGrSurface* surface = gr->Surface();
        // A surface pixel the dialog does not cover.
        QPoint free(-1, -1);
        for (int x = 0; x < surface->width() && free.x() < 0; x += 10)
            for (int y = 0; y < surface->height(); y += 10)
                if (!dlg->frameGeometry().contains(surface->mapToGlobal(QPoint(x, y)))) {
                    free = QPoint(x, y);
                    break;
                }
        ASSERT_GE(free.x(), 0);
        tool->CoordReadout()->ShowAt(surface->mapToGlobal(free));
        over = status->text();
        const std::string expected =
            "X=" + FloatStr(I().ScrToX(free.x())) + "  Y=" + FloatStr(I().ScrToY(free.y()));
        EXPECT_EQ(over.toStdString(), expected);
        tool->CoordReadout()->ShowAt(dlg->frameGeometry().center());
        inside = status->text();
        dlg->reject();
    });
    item->trigger();
    EXPECT_FALSE(over.isEmpty());
    EXPECT_TRUE(inside.isEmpty());
}
