// The program as a user meets it: the frame with its three windows, objects typed into the entry dialog, the
// graph built and zoomed, parameters stepped, documents saved and opened.
#include "gui/app/T__Main.h"
#include "support/TempPath.h"

#include "core/base/MessageTable.h"
#include "core/document/GraphPicture.h"
#include "core/formula/ParamTable.h"
#include "core/plot/TGlobColors.h"
#include "gui/app/TAns.h"
#include "gui/app/TRecentMenu.h"
#include "gui/document/TObjList.h"
#include "gui/document/TParamPanel.h"
#include "gui/plot/QImageCanvas.h"
#include "gui/plot/TGr.h"

#include "../document/FuInputDriver.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>

#include <fstream>
#include <iterator>

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
        const std::string path = TestTempPath("main-test.vr1");
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
    const QString taken = QString::fromStdString(TestTempPath("taken.vr1"));
    const QString fresh = QString::fromStdString(TestTempPath("fresh"));
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

TEST_F(MainWindowTest, AWriteProtectedDocumentIsReplacedOnlyWhenTheUserSaysSo) {
    Add("[Vorn1]\nNum=1\n[Obj1]\nObjType=Normal\nFunc=X\nA=-1\nB=1\n");
    m_main->Document().Objects.Modified = true;
    const QString locked = QString::fromStdString(TestTempPath("locked.vr1"));
    QFile::remove(locked);
    {
        QFile f(locked);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("keep");
    }
    ASSERT_TRUE(QFile::setPermissions(locked, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    m_main->ChooseFile = [&](bool) { return locked; };
    const auto text = [](QDialog* box) {
        QStringList lines;
        for (const QLabel* l : box->findChildren<QLabel*>())
            if (!l->text().isEmpty()) lines << l->text();
        return lines.join('\n');
    };
    QStringList questions;
    // "Yes" to replacing an existing file, "No" to replacing a write-protected one.
    OnNextModal([&](QDialog* box) {
        questions << text(box);
        OnNextModal([&](QDialog* second) {
            questions << text(second);
            second->findChild<QPushButton*>("No")->click();
        });
        box->findChild<QPushButton*>("Yes")->click();
    });
    EXPECT_FALSE(m_main->SaveFileAs());
    EXPECT_EQ(questions, QStringList({"Файл вже існує. Переписати його?",
                                      "Файл захищено від запису. Все одно переписати його?"}));
    QFile kept(locked);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "keep");
    kept.close();
    EXPECT_TRUE(m_main->Document().Objects.Modified);

    OnNextModal([](QDialog* box) { box->findChild<QPushButton*>("Yes")->click(); });
    EXPECT_TRUE(m_main->SaveFile());
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_TRUE(kept.readAll().startsWith("[Vorn1]"));
    EXPECT_FALSE(QFileInfo(locked).permission(QFile::WriteOwner)) << "still write-protected";
    EXPECT_FALSE(m_main->Document().Objects.Modified);
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner);
    QFile::remove(locked);
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
    EXPECT_EQ(m_main->windowTitle(), "Vorn1") << "an added file does not name the document";
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

TEST_F(MainWindowTest, CtrlCCopiesTheGraphAfterTheEditMenuWasOpenedOverTheAnswers) {
    m_main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_main.get()));
    m_main->MdiArea()->setActiveSubWindow(m_main->AnsWindow());
    QMenu* edit = m_main->findChild<QMenu*>("Edit1");
    edit->popup(QPoint(0, 0));
    QTest::qWait(20);
    edit->close();
    EXPECT_FALSE(m_main->Action("Copy1")->isEnabled()) << "the answers have nothing selected";

    QApplication::clipboard()->clear();
    m_main->MdiArea()->setActiveSubWindow(m_main->GrWindow());
    EXPECT_TRUE(m_main->Action("Copy1")->isEnabled()) << "no menu needs to open first";
    QWidget* focused = QApplication::focusWidget();
    QTest::keyClick(focused ? focused : m_main->Gr(), Qt::Key_C, Qt::ControlModifier);
    const QImage copied = QApplication::clipboard()->image();
    EXPECT_EQ(copied.size(), Bitmap().size());

    // The object commands follow the list as it changes.
    EXPECT_FALSE(m_main->Action("ChangeObjItem")->isEnabled());
    Add("[Vorn1]\nNum=1\n[Obj1]\nObjType=Circ\nX0=0\nY0=0\nR=1\nChecked=0\n");
    EXPECT_TRUE(m_main->Action("ChangeObjItem")->isEnabled());
    EXPECT_TRUE(m_main->Action("GxyItem")->isEnabled());
    EXPECT_FALSE(m_main->Action("DelObjItem")->isEnabled()) << "nothing is checked";
    m_main->ObjList()->ObjListBox()->item(0)->setCheckState(Qt::Checked);
    EXPECT_TRUE(m_main->Action("DelObjItem")->isEnabled());
}

TEST_F(MainWindowTest, AddingAFileKeepsTheDocumentsNameSoSavingLeavesTheAddedFileAlone) {
    auto readAll = [](const QString& path) {
        std::ifstream in(path.toStdString(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    auto write = [](const char* name, const char* text) {
        const QString path = QString::fromStdString(TestTempPath(name));
        std::ofstream(path.toStdString(), std::ios::binary) << text;
        return path;
    };
    const char* const addedText = "[Vorn1]\nNum=1\n[Obj1]\nObjType=Normal\nFunc=X^2\n";
    const QString own = write("own.vr1", "[Vorn1]\nNum=1\n[Obj1]\nObjType=Normal\nFunc=X\n");
    const QString added = write("added.vr1", addedText);
    const QString noObjects = write("no-objects.vr1", "[Vorn1]\nNum=0\nMinArg=-1\nMaxArg=1\n");
    QStringList picks{own, added, noObjects, added};
    m_main->ChooseFile = [&](bool) { return picks.isEmpty() ? QString() : picks.takeFirst(); };
    const TObjectList& list = m_main->Document().Objects;

    m_main->Action("OpenItem")->trigger();
    ASSERT_EQ(list.Count(), 1);
    const QString title = "Vorn1-" + QFileInfo(own).absoluteFilePath();
    EXPECT_EQ(m_main->windowTitle(), title);
    m_main->Action("AddFileItem")->trigger();
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(m_main->windowTitle(), title);
    EXPECT_TRUE(list.Modified);
    m_main->Action("SaveItem")->trigger();
    EXPECT_FALSE(list.Modified);
    EXPECT_EQ(readAll(added), addedText);
    EXPECT_NE(readAll(own).find("Num=2"), std::string::npos) << "the document went to its own file";

    // A file that gives no object is refused and changes nothing, the scale included.
    QString error;
    OnNextModal([&](QDialog* box) {
        error = box->findChild<QLabel*>("Message")->text();
        box->findChild<QPushButton*>("OK")->click();
    });
    m_main->Action("AddFileItem")->trigger();
    EXPECT_EQ(error, "Помилка читання з файлу!");
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(I().Massh(), InitialMassh);
    EXPECT_FALSE(list.Modified);

    // A new document stays unnamed.
    ASSERT_TRUE(m_main->NewFile());
    m_main->Action("AddFileItem")->trigger();
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(m_main->windowTitle(), "Vorn1");
    EXPECT_TRUE(m_main->FileName().isEmpty());
}

TEST_F(MainWindowTest, BrokenLineCommandsAnswerFromTheMenu) {
    Add("[Vorn1]\nNum=2\n[Obj1]\nObjType=Normal\nFunc=X\nA=-1\nB=1\n"
        "[Obj2]\nObjType=Lom\nMaxXYnum=3\nX0=0\nY0=0\nX1=2\nY1=0\nX2=2\nY2=1\nX3=0\nY3=1\n");
    m_main->Document().Objects[0].Checked = false;
    m_main->ObjList()->ObjListBoxClick();
    m_main->ObjList()->ObjListBox()->setCurrentRow(0);
    EXPECT_FALSE(m_main->Action("LLongSItem")->isEnabled()) << "the current entry is no broken line";
    EXPECT_TRUE(m_main->Action("SLamSItem")->isEnabled()) << "the checked rectangle is closed";
    m_main->Action("SLamSItem")->trigger();
    EXPECT_EQ(m_main->Ans()->Lines().mid(0, 3),
              (QStringList{"Ламана, 4 тт.", "Сума площ відмічених многокутників:", "S=2"}));

    m_main->ObjList()->ObjListBox()->setCurrentRow(1);
    ASSERT_TRUE(m_main->Action("LLongSItem")->isEnabled());
    OnNextModal([](QDialog* dlg) {
        dlg->findChild<QSpinBox*>("N1SpinEdit")->setValue(1);
        dlg->findChild<QSpinBox*>("N2SpinEdit")->setValue(3);
        dlg->findChild<QPushButton*>("OKButton")->click();
    });
    m_main->Action("LLongSItem")->trigger();
    EXPECT_TRUE(m_main->Ans()->Lines().contains("L =3"));

    OnNextModal([](QDialog* dlg) { dlg->findChild<QPushButton*>("LomButton")->click(); });
    m_main->Action("NewLomItem")->trigger();
    EXPECT_EQ(m_main->ObjList()->ObjListBox()->count(), 3) << "an identical copy by the factors 1";
}

TEST_F(MainWindowTest, RecentDocumentsFollowOpeningAndSavingAndForgetOnesThatCannotBeRead) {
    Add("[Vorn1]\nNum=1\n[Obj1]\nObjType=Normal\nFunc=X\nA=-1\nB=1\n");
    const QString a = QString::fromStdString(TestTempPath("recent-a.vr1")),
                  b = QString::fromStdString(TestTempPath("recent-b.vr1"));
    for (const QString& path : {a, b}) {
        QFile::remove(path);
        m_main->ChooseFile = [path](bool) { return path; };
        ASSERT_TRUE(m_main->SaveFileAs());
    }
    TRecentMenu& recent = *m_main->RecentMenu();
    const QString namePrefix = QFileInfo(a).fileName().chopped(QString("recent-a.vr1").size());
    EXPECT_EQ(recent.Item(0)->text(), "&1 " + namePrefix + "recent-b.vr1");
    EXPECT_EQ(recent.Item(1)->text(), "&2 " + namePrefix + "recent-a.vr1");
    EXPECT_EQ(recent.Item(1)->statusTip(), QFileInfo(a).absoluteFilePath());
    EXPECT_FALSE(recent.Item(2)->isVisible());
    const QList<QAction*> file = m_main->findChild<QMenu*>("File1")->actions();
    EXPECT_LT(file.indexOf(recent.Item(0)), file.indexOf(m_main->Action("Vorn1Exit")));

    recent.Item(1)->trigger(); // opens a: it comes first
    EXPECT_EQ(m_main->FileName(), QFileInfo(a).absoluteFilePath());
    EXPECT_EQ(recent.Item(0)->text(), "&1 " + namePrefix + "recent-a.vr1");

    ASSERT_TRUE(QFile::remove(b));
    QString error;
    OnNextModal([&](QDialog* box) {
        for (const QLabel* l : box->findChildren<QLabel*>())
            if (!l->text().isEmpty()) error = l->text();
        box->findChild<QPushButton*>("OK")->click();
    });
    recent.Item(1)->trigger();
    EXPECT_EQ(error, QString::fromStdString(Msg(msg::DocumentReadError)));
    EXPECT_EQ(recent.Files().Paths().size(), 1u) << "a document that cannot be read leaves the list";
    EXPECT_FALSE(recent.Item(1)->isVisible());

    // What the settings file keeps, and gives back at the next start.
    const TExtraSettings kept = m_main->ExtraSettings();
    EXPECT_EQ(kept.RecentFiles, std::vector<std::string>{QFileInfo(a).absoluteFilePath().toStdString()});
    m_main->ApplyExtraSettings({true, {"/x/one.vr1", "/x/two.vr1"}});
    EXPECT_TRUE(I().EqualScale());
    EXPECT_EQ(recent.Item(1)->text(), "&2 two.vr1");
    I().SetEqualScale(false);
}

TEST_F(MainWindowTest, FunctionPointCommandsWorkOnTheCurrentExplicitFunction) {
    Add("[Vorn1]\nNum=3\nMinArg=-5\nMaxArg=5\nMinFunc=-5\nMaxFunc=5\nMasshAuto=0\n"
        "[Obj1]\nObjType=Normal\nFunc=X*X-1\nA=-5\nB=5\nChecked=1\n"
        "[Obj2]\nObjType=Normal\nFunc=1-X\nA=-5\nB=5\nChecked=0\n"
        "[Obj3]\nObjType=Polar\nFunc=F\nA=0\nB=6\nChecked=1\n");
    TObjectList& list = m_main->Document().Objects;
    QAction *roots = m_main->Action("RootsItem"), *extrema = m_main->Action("ExtremaItem"),
            *cross = m_main->Action("CrossItem");
    const auto menuOpens = [this] { emit m_main->findChild<QMenu*>("OpsMenu")->aboutToShow(); };
    list.SetCurrent(2);
    menuOpens();
    EXPECT_FALSE(roots->isEnabled()) << "a polar curve";
    list.SetCurrent(0);
    menuOpens();
    EXPECT_TRUE(roots->isEnabled());
    EXPECT_TRUE(extrema->isEnabled());
    EXPECT_FALSE(cross->isEnabled()) << "no other checked explicit function";
    m_main->ObjList()->ObjListBox()->item(1)->setCheckState(Qt::Checked);
    menuOpens();
    EXPECT_TRUE(cross->isEnabled());

    m_main->Action("BuildGrItem")->trigger();
    m_main->Ans()->Clear();
    roots->trigger();
    cross->trigger();
    const QStringList lines = m_main->Ans()->Lines();
    EXPECT_TRUE(lines.contains("x=-1") && lines.contains("x=1")) << lines.join('\n').toStdString();
    EXPECT_TRUE(lines.contains("x=-2, y=3") && lines.contains("x=1, y=0")) << lines.join('\n').toStdString();
    EXPECT_TRUE(ColourNear(Bitmap(), I().XToScr(-2) + 2, I().YToScr(3), clRed))
        << "the intersection is marked";
}

TEST_F(MainWindowTest, EqualScaleIsAnItemOfTheScaleMenuThatStaysOn) {
    QAction* equal = m_main->Action("EqualMItem");
    ASSERT_NE(equal, nullptr);
    EXPECT_TRUE(m_main->findChild<QMenu*>("MashSub")->actions().contains(equal));
    equal->trigger();
    EXPECT_TRUE(I().EqualScale());
    const auto perPixel = [this] {
        return double((I().Massh().XMax - I().Massh().XMin) / I().Width() -
                      (I().Massh().YMax - I().Massh().YMin) / I().Height());
    };
    EXPECT_NEAR(perPixel(), 0, 1e-12);
    m_main->ZoomIn();
    m_main->Action("BegMItem")->trigger();
    EXPECT_NEAR(perPixel(), 0, 1e-12) << "on through the zoom commands";
    m_main->GrWindow()->resize(m_main->GrWindow()->size() + QSize(60, -40));
    QApplication::processEvents();
    EXPECT_NEAR(perPixel(), 0, 1e-12) << "and through a new size of the graph";
    I().SetEqualScale(false);
    emit m_main->findChild<QMenu*>("MashSub")->aboutToShow();
    EXPECT_FALSE(equal->isChecked()) << "the check follows the surface";
}
