// The program as a user meets it: the frame with its three windows, objects typed into the entry dialog, the
// graph built and zoomed, parameters stepped, documents saved and opened.
#include "gui/app/T__Main.h"

#include "core/base/MessageTable.h"
#include "core/document/GraphPicture.h"
#include "core/formula/ParamTable.h"
#include "core/plot/TGlobColors.h"
#include "gui/app/TAns.h"
#include "gui/document/TObjList.h"
#include "gui/document/TParamPanel.h"
#include "gui/plot/QImageCanvas.h"
#include "gui/plot/TGr.h"

#include "../document/FuInputDriver.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include <fstream>

namespace {

QColor ToQColor(TColor c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

// Is the colour on the bitmap within a pixel of (x, y)?
bool ColourNear(const QImage& image, int x, int y, TColor colour) {
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
            const QPoint p(x + dx, y + dy);
            if (image.rect().contains(p) && image.pixelColor(p) == ToQColor(colour)) return true;
        }
    return false;
}

void SetComboText(QDialog* dlg, const char* name, const QString& text) {
    auto* box = dlg->findChild<QComboBox*>(name);
    ASSERT_NE(box, nullptr) << name;
    box->setCurrentText(text);
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ParamTable().ResetForNewDocument();
        m_main = std::make_unique<T__Main>();
        m_main->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_main.get()));
    }
    void TearDown() override {
        m_main->Document().Objects.Modified = false;
        m_main->Gr()->Labels().Clear();
        m_main.reset();
        ParamTable().ResetForNewDocument();
    }
    // A document made by hand, opened as by "Додати...".
    void Add(const std::string& text) {
        const std::string path = ::testing::TempDir() + "main-test.vr1";
        std::ofstream(path) << text;
        ASSERT_TRUE(m_main->AddDocument(QString::fromStdString(path)));
    }
    QImage Bitmap() { return m_main->Gr()->Bitmap(); }
    TMasshImage& I() { return m_main->Gr()->I(); }

    std::unique_ptr<T__Main> m_main;
};

} // namespace

TEST_F(MainWindowTest, StartsAsAnMdiFrameWithItsThreeWindowsInTheInitialLayout) {
    EXPECT_EQ(m_main->windowTitle(), "Vorn1");
    EXPECT_EQ(m_main->MdiArea()->subWindowList().size(), 3);
    EXPECT_EQ(m_main->GrWindow()->geometry(), QRect(0, 0, 440, 500));
    EXPECT_EQ(m_main->ObjListWindow()->geometry(), QRect(440, 0, 326, 333));
    EXPECT_EQ(m_main->AnsWindow()->geometry(), QRect(440, 333, 326, 167));
    // A command whose window is not part of the program yet is there, disabled.
    EXPECT_FALSE(m_main->Action("DerivMenuItem")->isEnabled());
    EXPECT_TRUE(m_main->Action("TBDec")->isChecked());
    EXPECT_TRUE(m_main->Action("TBMAuto")->isChecked());
}

TEST_F(MainWindowTest, ClosingAWorkingWindowOnlyMinimisesIt) {
    m_main->AnsWindow()->close();
    QTest::qWait(50);
    EXPECT_TRUE(m_main->AnsWindow()->isMinimized());
    EXPECT_TRUE(m_main->MdiArea()->subWindowList().contains(m_main->AnsWindow()));
}

TEST_F(MainWindowTest, AnExplicitFunctionTypedIntoTheDialogIsPlotted) {
    QString error;
    OnNextModal([&](QDialog* dlg) {
        SetComboText(dlg, "FyEdit", "SIN X");
        error = ErrorFrom(dlg, [dlg] { dlg->findChild<QPushButton*>("OKButton")->click(); });
        EXPECT_TRUE(dlg->isVisible()) << "a refused formula keeps the dialog open";
        SetComboText(dlg, "FyEdit", "X^2-1");
        SetComboText(dlg, "AxEdit", "-2");
        SetComboText(dlg, "BxEdit", "2");
        dlg->findChild<QPushButton*>("OKButton")->click();
    });
    m_main->Action("NewObjItem")->trigger();
    EXPECT_EQ(error, "Помилка у виразі!");
    ASSERT_EQ(m_main->Document().Objects.Count(), 1);
    const TFn& f = m_main->Document().Objects.Object(0);
    EXPECT_EQ(m_main->Document().Objects[0].Caption, "Y(X)=X^2-1");
    EXPECT_TRUE(m_main->Document().Objects.Modified);

    I().SetMasshAuto(false);
    m_main->Action("BuildGrItem")->trigger();
    EXPECT_TRUE(ColourNear(Bitmap(), I().XToScr(1), I().YToScr(0), f.Color));
    EXPECT_TRUE(ColourNear(Bitmap(), I().XToScr(0), I().YToScr(-1), f.Color));
    EXPECT_FALSE(ColourNear(Bitmap(), I().XToScr(0), I().YToScr(2), f.Color));
}

TEST_F(MainWindowTest, ZoomAndPreviousScale) {
    m_main->Action("ToolButton9")->trigger();
    EXPECT_EQ(I().Massh(), (TMassh{-2.5L, 2.5L, -2.5L, 2.5L}));
    m_main->Action("ToolButton7")->trigger();
    EXPECT_EQ(I().Massh(), InitialMassh);
    m_main->Action("ToolButton10")->trigger();
    EXPECT_EQ(I().Massh(), (TMassh{-10, 10, -10, 10}));
    m_main->Action("ToolButton7")->trigger();
    m_main->Action("ToolButton7")->trigger();
    EXPECT_EQ(I().Massh(), (TMassh{-10, 10, -10, 10})) << "previous scale twice returns";
}

TEST_F(MainWindowTest, CoordinateAndScaleButtonsFollowTheSurface) {
    m_main->Action("TBPolar")->trigger();
    EXPECT_EQ(I().Coord(), CoordType::ctPolar);
    I().SetCoord(CoordType::ctDec);
    EXPECT_TRUE(m_main->Action("TBDec")->isChecked());
    I().SetMasshAuto(false);
    EXPECT_TRUE(m_main->Action("TBMUser")->isChecked());
    EXPECT_TRUE(m_main->Action("UserMItem")->isChecked());
}

TEST_F(MainWindowTest, SteppingP1MovesTheCurveAtOnce) {
    Add("[Vorn1]\nNum=1\nMasshAuto=0\n[Obj1]\nObjType=Normal\nFunc=P1\nA=-5\nB=5\nColor=255\n");
    m_main->Action("BuildGrItem")->trigger();
    EXPECT_TRUE(ColourNear(Bitmap(), I().XToScr(2), I().YToScr(1), clRed));
    TParamPanel* panel = m_main->ObjList()->ParamPanel();
    m_main->ObjListWindow()->activateWindow();
    QSlider* track = panel->ParamTrack();
    ASSERT_TRUE(track->isVisible()) << "p1 is in use";
    // The step buttons move the track bar; each step is h = 0.1.
    auto* right = panel->findChild<QWidget*>("RSpeedButton");
    ASSERT_NE(right, nullptr);
    for (int i = 0; i < 10; ++i)
        QTest::mouseClick(right, Qt::LeftButton);
    EXPECT_NEAR(double(ParamTable()[1].Value), 2.0, 1e-12);
    EXPECT_TRUE(ColourNear(Bitmap(), I().XToScr(2), I().YToScr(2), clRed));
    EXPECT_FALSE(ColourNear(Bitmap(), I().XToScr(2), I().YToScr(1), clRed));
}

TEST_F(MainWindowTest, SaveAsAsksBeforeOverwritingAndNoAsksForAnotherName) {
    Add("[Vorn1]\nNum=1\n[Obj1]\nObjType=Normal\nFunc=X\nA=-1\nB=1\n");
    const QString taken = QString::fromStdString(::testing::TempDir() + "taken.vr1");
    const QString fresh = QString::fromStdString(::testing::TempDir() + "fresh");
    QFile::remove(fresh + ".vr1");
    {
        QFile f(taken);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("keep");
    }
    QStringList answers{taken, fresh};
    int asked = 0;
    m_main->ChooseFile = [&](bool save) {
        EXPECT_TRUE(save);
        ++asked;
        return answers.isEmpty() ? QString() : answers.takeFirst();
    };
    QString question;
    OnNextModal([&](QDialog* box) {
        QStringList lines;
        for (const QLabel* l : box->findChildren<QLabel*>())
            if (!l->text().isEmpty()) lines << l->text();
        question = lines.join('\n');
        box->findChild<QPushButton*>("No")->click();
    });
    EXPECT_TRUE(m_main->SaveFileAs());
    EXPECT_EQ(question, "Файл вже існує. Переписати його?");
    EXPECT_EQ(asked, 2);
    EXPECT_TRUE(QFile::exists(fresh + ".vr1")) << "the default extension is added";
    EXPECT_EQ(m_main->windowTitle(), "Vorn1-" + fresh + ".vr1");
    QFile kept(taken);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "keep");
    EXPECT_FALSE(m_main->Document().Objects.Modified);
}

TEST_F(MainWindowTest, NewAsksAboutUnsavedChangesAndCancelKeepsEverything) {
    Add("[Vorn1]\nNum=2\n[Obj1]\nObjType=Normal\nFunc=X\n[Obj2]\nObjType=Normal\nFunc=X^2\n");
    m_main->Document().Objects.Modified = true;
    OnNextModal([](QDialog* box) { QTest::keyClick(box, Qt::Key_Escape); });
    EXPECT_FALSE(m_main->NewFile());
    EXPECT_EQ(m_main->Document().Objects.Count(), 2);

    OnNextModal([](QDialog* box) { box->findChild<QPushButton*>("No")->click(); });
    ParamTable()[3].Value = 7;
    m_main->Ans()->AnsAdd("old answer");
    EXPECT_TRUE(m_main->NewFile());
    EXPECT_EQ(m_main->Document().Objects.Count(), 0);
    EXPECT_EQ(ParamTable()[3].Value, 1);
    EXPECT_TRUE(m_main->Ans()->Lines().join("").isEmpty());
    EXPECT_EQ(m_main->windowTitle(), "Vorn1");
    EXPECT_FALSE(m_main->Document().Objects.Modified);
}

TEST_F(MainWindowTest, AddingAFileAppendsItsObjectsAfterTheExistingOnes) {
    Add("[Vorn1]\nNum=3\n[Obj1]\nObjType=Normal\nFunc=1\n[Obj2]\nObjType=Normal\nFunc=2\n[Obj3]\nObjType="
        "Normal\n"
        "Func=3\n");
    Add("[Vorn1]\nNum=1\n[Obj1]\nObjType=Normal\nFunc=4\n");
    ASSERT_EQ(m_main->Document().Objects.Count(), 4);
    EXPECT_EQ(m_main->Document().Objects.Object(3).FormulaText(), "4");
    EXPECT_EQ(m_main->ObjList()->ObjListBox()->count(), 4);
    EXPECT_TRUE(m_main->windowTitle().startsWith("Vorn1-"));
}

TEST_F(MainWindowTest, ClosingWithLabelsAsksAndEscapeKeepsTheProgramOpen) {
    m_main->Gr()->Labels().AddLabel(1, 1, "A", false);
    OnNextModal([](QDialog* box) { QTest::keyClick(box, Qt::Key_Escape); });
    EXPECT_FALSE(m_main->close());
    EXPECT_TRUE(m_main->isVisible());
}

TEST_F(MainWindowTest, ExportedPictureIsTheGraphWindowsBitmap) {
    Add("[Vorn1]\nNum=1\nMasshAuto=0\n[Obj1]\nObjType=Normal\nFunc=SIN(X)\nA=-5\nB=5\nColor=128\n");
    m_main->Action("BuildGrItem")->trigger();
    const QImage shown = Bitmap();
    // The same picture drawn by the path the export uses, at the same size.
    QImage drawn(shown.size(), QImage::Format_RGB32);
    TQImageCanvas canvas(&drawn);
    TCanvas* own = &I().Canvas();
    I().SetCanvas(&canvas);
    DrawGraphPicture(I(), m_main->Document(), m_main->Gr()->Labels(), {});
    I().SetCanvas(own);
    EXPECT_EQ(drawn, shown.convertToFormat(QImage::Format_RGB32));
}

TEST_F(MainWindowTest, EveryCurveKindIsTypedIntoTheSharedDialog) {
    struct Row {
        int kind;
        const char* first;  // the first formula row
        const char* second; // the second row, shown for parametric curves only
        const char* caption;
    } rows[] = {
        {1, "COS(T)", "SIN(T)", "X(T)=COS(T), Y(T)=SIN(T)"},
        {2, "1", nullptr, "R(F)=1"},
        {3, "X^2+Y^2-4", nullptr, "0=X^2+Y^2-4"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.caption);
        m_main->ObjList()->ObjComboBox()->setCurrentIndex(r.kind);
        bool secondShown = false;
        OnNextModal([&](QDialog* dlg) {
            secondShown = dlg->findChild<QComboBox*>("FxEdit")->isVisible();
            SetComboText(dlg, "FyEdit", r.first);
            if (r.second) SetComboText(dlg, "FxEdit", r.second);
            dlg->findChild<QPushButton*>("OKButton")->click();
        });
        m_main->Action("NewObjItem")->trigger();
        EXPECT_EQ(secondShown, r.second != nullptr);
        const TObjectList& list = m_main->Document().Objects;
        ASSERT_GT(list.Count(), 0);
        EXPECT_EQ(list[list.Count() - 1].Caption, r.caption);
    }
    // The implicit circle of radius 2 on the graph.
    I().SetMasshAuto(false);
    m_main->Action("BuildGrItem")->trigger();
    const TFn& g = m_main->Document().Objects.Object(2);
    EXPECT_TRUE(ColourNear(Bitmap(), I().XToScr(2), I().YToScr(0), g.Color));
}

TEST_F(MainWindowTest, ACircleComesFromItsOwnDialogAndOffersTheValueTool) {
    m_main->ObjList()->ObjComboBox()->setCurrentIndex(7);
    OnNextModal([&](QDialog* dlg) {
        SetComboText(dlg, "X0ComboBox0", "2");
        SetComboText(dlg, "Y0ComboBox0", "-3");
        SetComboText(dlg, "RComboBox0", "1");
        dlg->findChild<QPushButton*>("OKButton0")->click();
    });
    m_main->Action("NewObjItem")->trigger();
    const TObjectList& list = m_main->Document().Objects;
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list[0].Caption, "Коло з центром (2,-3) і радіусом  1");
    EXPECT_EQ(list.Object(0).FormulaText(), "(y+3)^2+(x-2)^2-1^2");
    m_main->findChild<QMenu*>("OpsMenu")->aboutToShow();
    EXPECT_TRUE(m_main->Action("GxyItem")->isEnabled());
}
