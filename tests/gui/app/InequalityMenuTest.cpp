// The "Нерівності" menu of the main window: the inequality dialog before the y(x) commands, the answers, and
// the hatch of a G(x,y) system that every redraw repeats.
#include "gui/app/T__Main.h"

#include "core/base/MessageTable.h"
#include "core/formula/ParamTable.h"
#include "gui/app/TAns.h"
#include "gui/document/TNerDlg.h"
#include "gui/plot/TGr.h"

#include "../document/FuInputDriver.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <fstream>

namespace {
class InequalityMenuTest : public ::testing::Test {
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
    }
    void Open(const std::string& text) {
        // One file per test: the tests may run at the same time.
        const std::string path =
            ::testing::TempDir() + ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".vr1";
        std::ofstream(path) << text;
        ASSERT_TRUE(m_main->AddDocument(QString::fromStdString(path)));
        m_main->Action("BuildGrItem")->trigger();
        QApplication::processEvents(); // the repaint enables the commands of drawn objects
    }
    // The hatch's pixels: those in the construction colour, as radii of the world point they show.
    std::vector<double> HatchRadii() {
        const QImage bitmap = m_main->Gr()->Bitmap();
        const TMasshImage& image = m_main->Gr()->I();
        const TColor c = image.grAddColor;
        const QColor hatch(RedOf(c), GreenOf(c), BlueOf(c));
        std::vector<double> radii;
        for (int y = 0; y < bitmap.height(); ++y)
            for (int x = 0; x < bitmap.width(); ++x)
                if (bitmap.pixelColor(x, y) == hatch)
                    radii.push_back(std::hypot(double(image.ScrToX(x)), double(image.ScrToY(y))));
        return radii;
    }
    // Runs the command with the dialog answered: relation "<", c as given; the heading it showed.
    QString RunWithDialog(const char* action, const QString& c) {
        QString heading;
        OnNextModal([&](QDialog* d) {
            auto* dlg = qobject_cast<TNerDlg*>(d);
            ASSERT_NE(dlg, nullptr);
            heading = dlg->HeadLabel()->text();
            dlg->NerEdit()->setText(c);
            dlg->accept();
        });
        m_main->Action(action)->trigger();
        return heading;
    }
    std::unique_ptr<T__Main> m_main;
};
} // namespace

TEST_F(InequalityMenuTest, TheSystemsHeadingStaysAndTheAnswersGetTheIntervals) {
    Open("[Vorn1]\nNum=2\nMinArg=-5\nMaxArg=5\nMinFunc=-5\nMaxFunc=5\nMasshAuto=0\n"
         "[Obj1]\nObjType=Normal\nFunc=X\nA=-5\nB=5\nColor=255\n"
         "[Obj2]\nObjType=Normal\nFunc=-X\nA=-5\nB=5\nColor=16711680\n");
    ASSERT_TRUE(m_main->Action("SysNerMenuItem")->isEnabled());
    EXPECT_EQ(RunWithDialog("NerMenuItem", "0"), "Розв'язування нерівностей виду:");
    EXPECT_EQ(RunWithDialog("SysNerMenuItem", "1"), "Розв'язування системи нерівностей");
    EXPECT_EQ(RunWithDialog("NerMenuItem", "0"), "Розв'язування системи нерівностей");
    const QStringList lines = m_main->Ans()->Lines();
    EXPECT_TRUE(lines.contains("X<0"));
    EXPECT_TRUE(lines.contains("-X<1"));
    EXPECT_TRUE(lines.contains("-1   1")) << lines.join('\n').toStdString();
}

TEST_F(InequalityMenuTest, TheHatchFollowsZoomingUntilTheGraphIsBuiltAgain) {
    Open("[Vorn1]\nNum=1\nMinArg=-2\nMaxArg=2\nMinFunc=-2\nMaxFunc=2\nMasshAuto=0\n"
         "[Obj1]\nObjType=TwoArg\nFunc=X*X+Y*Y-1\nA=-5\nB=5\nYA=-5\nYB=5\nColor=255\n");
    ASSERT_TRUE(m_main->findChild<QMenu*>("SysNerGMenuItem")->menuAction()->isEnabled());
    m_main->Action("SysNerGMenuItem1")->trigger();
    const std::vector<double> shaded = HatchRadii();
    ASSERT_GT(shaded.size(), 100u);
    const double pixel = 4.0 / std::min(m_main->Gr()->I().Width(), m_main->Gr()->I().Height());
    for (double r : shaded)
        EXPECT_LE(r, 1 + 2 * pixel);

    m_main->ZoomOut();
    const std::vector<double> zoomed = HatchRadii();
    EXPECT_NEAR(double(zoomed.size()), shaded.size() / 4.0, shaded.size() / 20.0);
    for (double r : zoomed)
        EXPECT_LE(r, 1 + 4 * pixel);

    m_main->Action("BuildGrItem")->trigger();
    EXPECT_TRUE(HatchRadii().empty());
}
