// "vorn1 --run roots|extrema|intersections": the answer lines as the menu commands append them, and the marks
// on the exported picture.
#include "app/RunMode.h"
#include "core/base/NumberText.h"
#include "support/TempPath.h"

#include <gtest/gtest.h>

#include <QImage>

#include <fstream>

namespace {
std::string WriteDoc(const std::string& name, const std::string& text) {
    const std::string path = TestTempPath(name);
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

const char* const Separator = "____________________________________";

// Sine and cosine on (-5; 5) in a fixed window, the parabola and a line on (-3; 3).
const char* const Functions = "[Vorn1]\nNum=4\nMinArg=-5\nMaxArg=5\nMinFunc=-5\nMaxFunc=5\nMasshAuto=0\n"
                              "[Obj1]\nObjType=Normal\nFunc=SIN(X)\nA=-5\nB=5\nColor=255\n"
                              "[Obj2]\nObjType=Normal\nFunc=X*X\nA=-3\nB=3\nColor=16711680\n"
                              "[Obj3]\nObjType=Normal\nFunc=X+2\nA=-3\nB=3\nColor=32768\n"
                              "[Obj4]\nObjType=Polar\nFunc=F\nA=0\nB=6\nColor=0\n";
} // namespace

TEST(FunctionPointsRun, RootsExtremaAndIntersectionsOfTheCurrentFunction) {
    const std::string doc = WriteDoc("points.vr1", Functions);
    const struct {
        std::vector<std::string> args;
        std::string out;
    } rows[] = {
        {{"roots", "object=1"},
         std::string("Корені функції\nY(X)=SIN(X)\nна відрізку [-5; 5]:\nx=-3.142\nx=0\nx=3.142\n") +
             Separator},
        {{"extrema", "object=1"},
         std::string("Екстремуми функції\nY(X)=SIN(X)\nна відрізку [-5; 5]:\nмаксимум: x=-4.712, y=1\n"
                     "мінімум: x=-1.571, y=-1\nмаксимум: x=1.571, y=1\nмінімум: x=4.712, y=-1\n") +
             Separator},
        {{"roots", "object=2"},
         std::string("Корені функції\nY(X)=X*X\nна відрізку [-3; 3]:\nx=0\n") + Separator},
        {{"extrema", "object=3"},
         std::string("Екстремуми функції\nY(X)=X+2\nна відрізку [-3; 3]:\nЕкстремумів немає\n") + Separator},
        // Every entry is checked: the parabola meets the line at (-1; 1) and (2; 4), and the sine twice.
        {{"intersections", "object=2"},
         std::string("Точки перетину графіків\nY(X)=X*X\nY(X)=SIN(X)\nна відрізку [-3; 3]:\nx=0, y=0\n"
                     "x=0.8767, y=0.7686\nY(X)=X+2\nна відрізку [-3; 3]:\nx=-1, y=1\nx=2, y=4\n") +
             Separator},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.args[0] + " " + r.args[1]);
        std::vector<std::string> args = r.args;
        args.push_back(doc);
        std::string out, err;
        ASSERT_EQ(RunCommandMode(args, out, err), 0) << err;
        EXPECT_EQ(out, r.out + "\n");
    }
}

TEST(FunctionPointsRun, NothingForACurveAndTheRootsAreMarkedOnThePicture) {
    const std::string doc = WriteDoc("points.vr1", Functions);
    std::string out, err;
    EXPECT_EQ(RunCommandMode({"roots", "object=4", doc}, out, err), 1) << "a polar curve has no roots here";
    EXPECT_EQ(out, "");
    EXPECT_NE(err.find("gives nothing"), std::string::npos) << err;

    const std::string png = TestTempPath("roots.png");
    err.clear();
    ASSERT_EQ(RunCommandMode({"roots", "object=1", "--export", png, "--size", "400x400", doc}, out, err), 0)
        << err;
    const QImage picture(QString::fromStdString(png));
    ASSERT_FALSE(picture.isNull());
    // A red disc about each root on the x axis: (-5; 5) on 400 pixels puts x = pi at pixel 325.7.
    for (int x : {74, 200, 326})
        EXPECT_EQ(picture.pixel(x - 2, 198), qRgb(255, 0, 0)) << x;
}
