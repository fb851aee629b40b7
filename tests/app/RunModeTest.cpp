// The inequality commands of "vorn1 --run", from the command line to the printed lines and the picture.
#include "app/RunMode.h"
#include "core/base/MessageTable.h"
#include "support/TempPath.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QFile>
#include <QImage>

#include <cmath>
#include <fstream>

namespace {
std::string WriteDoc(const std::string& name, const std::string& text) {
    const std::string path = TestTempPath(name);
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

const char* const Functions = "[Vorn1]\nNum=2\nMinArg=-5\nMaxArg=5\nMinFunc=-5\nMaxFunc=5\nMasshAuto=0\n"
                              "[Obj1]\nObjType=Normal\nFunc=X*X\nA=-5\nB=5\nColor=255\n"
                              "[Obj2]\nObjType=Normal\nFunc=X\nA=-5\nB=5\nColor=16711680\n";

const char* const Disk = "[Vorn1]\nNum=1\nMinArg=-2\nMaxArg=2\nMinFunc=-2\nMaxFunc=2\nMasshAuto=0\n"
                         "[Obj1]\nObjType=TwoArg\nFunc=X*X+Y*Y-1\nA=-5\nB=5\nYA=-5\nYB=5\nColor=255\n";

struct TRunResult {
    int Status;
    std::string Out, Err;
};

TRunResult RunLine(std::vector<std::string> args) {
    TRunResult r;
    r.Status = RunCommandMode(args, r.Out, r.Err);
    return r;
}
} // namespace

TEST(RunMode, InequalityCommandsPrintTheirAnswers) {
    ResetBuiltInTexts();
    const std::string doc = WriteDoc("run-functions.vr1", Functions);
    const std::string separator(36, '_');
    struct Row {
        std::vector<std::string> args;
        int status;
        std::string out;
        std::string err; // a part of it
    };
    const Row rows[] = {
        {{"inequality", "C=4", doc},
         0,
         "X*X<4\nВідрізки:\n-2   2\n" + separator + "\nX<4\nВідрізки:\n-5   4\n" + separator + "\n",
         ""},
        {{"inequality-system", "rel=<", "C=2-1", doc},
         0,
         "Розв'язування системи нерівностей\nX*X<1\nX<1\nВідрізки:\n-1   1\n" + separator + "\n",
         ""},
        {{"inequality", "C=SIN X", doc}, 1, "", "Помилка у виразі!"},
        {{"inequality-system", "rel=<=", doc}, 1, "", "rel= takes < or >"},
        {{"shade", doc}, 1, "", "gives nothing"}, // no implicit curve to shade
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.args[0] + " " + row.args[1]);
        const TRunResult r = RunLine(row.args);
        EXPECT_EQ(r.Status, row.status) << r.Err;
        EXPECT_EQ(r.Out, row.out);
        EXPECT_NE(r.Err.find(row.err), std::string::npos) << r.Err;
    }
}

TEST(RunMode, ShadeExportsTheHatchOfTheDisk) {
    const std::string doc = WriteDoc("run-disk.vr1", Disk);
    const std::string png = TestTempPath("run-disk.png");
    QFile::remove(QString::fromStdString(png));
    const TRunResult r = RunLine({"shade", "rel=<", "--export", png, "--size", "400x400", doc});
    ASSERT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Out, "");

    const QImage picture(QString::fromStdString(png));
    ASSERT_EQ(picture.size(), QSize(400, 400));
    const QColor hatch(192, 192, 192); // the construction colour of the graph window
    int inside = 0, missing = 0;
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 400; ++x) {
            const double r = std::hypot((x - 200) / 100.0, (200 - y) / 100.0);
            const bool painted = picture.pixelColor(x, y) == hatch;
            if (r > 1.02) EXPECT_FALSE(painted) << x << ", " << y;
            if (r < 0.95 && (x + y) % 5 == 0 && x != 200 && y != 200) {
                ++inside;
                missing += painted ? 0 : 1;
            }
        }
    EXPECT_GT(inside, 5000);
    EXPECT_LT(missing, inside / 100) << "grid dots may cover a few";
}
