// The hatch of a G(x,y) system from the main window's menu, which every redraw of the graph window repeats.
#include "gui/app/T__Main.h"
#include "support/TempPath.h"

#include "gui/plot/TGr.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <fstream>

namespace {
// The world radii of the hatch's pixels (those in the construction colour).
std::vector<double> HatchRadii(const TGr& gr) {
    const QImage bitmap = gr.Bitmap();
    const TMasshImage& image = gr.I();
    const QColor hatch(RedOf(image.grAddColor), GreenOf(image.grAddColor), BlueOf(image.grAddColor));
    std::vector<double> radii;
    for (int y = 0; y < bitmap.height(); ++y)
        for (int x = 0; x < bitmap.width(); ++x)
            if (bitmap.pixelColor(x, y) == hatch)
                radii.push_back(std::hypot(double(image.ScrToX(x)), double(image.ScrToY(y))));
    return radii;
}
} // namespace

TEST(InequalityMenu, TheHatchFollowsZoomingUntilTheGraphIsBuiltAgain) {
    T__Main main;
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    const std::string path = TestTempPath("inequality-menu.vr1");
    std::ofstream(path) << "[Vorn1]\nNum=1\nMinArg=-2\nMaxArg=2\nMinFunc=-2\nMaxFunc=2\nMasshAuto=0\n"
                           "[Obj1]\nObjType=TwoArg\nFunc=X*X+Y*Y-1\nA=-5\nB=5\nYA=-5\nYB=5\nColor=255\n";
    ASSERT_TRUE(main.AddDocument(QString::fromStdString(path)));
    main.Action("BuildGrItem")->trigger();
    QApplication::processEvents(); // the repaint enables the commands of drawn objects
    ASSERT_TRUE(main.findChild<QMenu*>("SysNerGMenuItem")->menuAction()->isEnabled());

    main.Action("SysNerGMenuItem1")->trigger();
    const std::vector<double> shaded = HatchRadii(*main.Gr());
    ASSERT_GT(shaded.size(), 100u);
    const double pixel = 4.0 / std::min(main.Gr()->I().Width(), main.Gr()->I().Height());
    for (double r : shaded)
        EXPECT_LE(r, 1 + 2 * pixel);

    main.ZoomOut();
    const std::vector<double> zoomed = HatchRadii(*main.Gr());
    EXPECT_NEAR(double(zoomed.size()), shaded.size() / 4.0, shaded.size() / 20.0);
    for (double r : zoomed)
        EXPECT_LE(r, 1 + 4 * pixel);

    main.Action("BuildGrItem")->trigger();
    EXPECT_TRUE(HatchRadii(*main.Gr()).empty());
    main.Document().Objects.Modified = false;
}
