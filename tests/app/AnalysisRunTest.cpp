// "vorn1 --run" with the integral and derivative commands: the lines each prints, its refusals, the picture
// after it and the document it saves.
#include "app/RunMode.h"
#include "core/base/MessageTable.h"
#include "core/base/NumberText.h"

#include <gtest/gtest.h>

#include <QImage>

#include <fstream>
#include <sstream>

namespace {

std::string Temp(const std::string& name) {
    return ::testing::TempDir() + name;
}

// A document of one explicit function per formula on [-5, 5] (or the range given), on the fixed window
// (-5; 5)-(-5; 5): an 800 x 600 picture has 80 pixels a unit across and 60 up, the origin at (400, 300).
std::string Document(const std::string& name, const std::vector<std::string>& formulas,
                     const std::string& range = "A=-5\nB=5\n", const std::string& extra = "") {
    std::ostringstream text;
    text << "[Vorn1]\nNum=" << formulas.size()
         << "\nMinArg=-5\nMaxArg=5\nMinFunc=-5\nMaxFunc=5\nCoord=0\nMasshAuto=0\n";
    for (std::size_t k = 0; k < formulas.size(); ++k)
        text << "[Obj" << k + 1 << "]\nObjType=Normal\nFunc=" << formulas[k] << "\n"
             << range << "Color=255\n"
             << extra;
    const std::string path = Temp(name);
    std::ofstream(path, std::ios::binary) << text.str();
    return path;
}

struct TRunResult {
    int status;
    std::string out, err;
};

TRunResult RunLine(std::vector<std::string> args) {
    ResetBuiltInTexts();
    TRunResult r;
    r.status = RunCommandMode(args, r.out, r.err);
    SetDigits(4);
    return r;
}

const char* const Separator = "____________________________________\n";

QColor Colour(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

const QColor Silver(0xC0, 0xC0, 0xC0), Gray(0x80, 0x80, 0x80), White(Qt::white);

} // namespace

TEST(AnalysisRun, EachCommandPrintsWhatItsDialogCopiesToTheAnswers) {
    const std::string sine = Document("run-sine.vr1", {"SIN(X)"});
    const std::string falling = Document("run-falling.vr1", {"-X"}, "A=0\nB=1\n");
    const std::string square = Document("run-square.vr1", {"X*X"});
    const std::string integral = "Інтегрування\nЗначення інтеграла:          \n";
    const struct {
        std::vector<std::string> args;
        std::string out;
    } rows[] = {
        {{"integral", "A=0", "B=PI", sine}, integral + "Y(X)=SIN(X)\nA=0,\nB=3.14159265358979,\nI=2\n"},
        {{"volume-oy", falling},
         "Інтегрування\nОб'єм та площа поверхні тіла обертання, вісь Oy:\nY(X)=-X\nA=0,\nB=1,\nV=-1.047\n"
         "S=4.446\n"},
        {{"interval-means", "A=0", "B=PI", sine},
         integral + "Y(X)=SIN(X)\nA=0,\nB=3.14159265358979,\nI=2\nI*=2\n"},
        {{"darboux", "A=0", "B=2", "N=2", square},
         integral + "Y(X)=X*X\nA=0,\nB=2,\nI=2.667\nMinI=1\nMaxI=5\n"},
        {{"derivative", "tangent=0", square}, "Y(X)=X*X\nX=1\ndX=0.1\ndY=0.21\ndY/dX=2.1\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.args[0]);
        const TRunResult r = RunLine(row.args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, row.out + Separator);
        EXPECT_EQ(r.err, "");
    }
}

TEST(AnalysisRun, RefusalsAndEmptyResultsFailWithTheirMessage) {
    const std::string square = Document("run-refuse.vr1", {"X*X"});
    const std::string root = Document("run-root.vr1", {"SQRT(X)"});
    const std::string curve = Temp("run-curve.vr1");
    std::ofstream(curve) << "[Vorn1]\nNum=1\n[Obj1]\nObjType=Param\nFunc=T\nFuncX=T*T\nA=0\nB=1\nColor=255\n";
    const struct {
        std::vector<std::string> args;
        std::string err;
    } rows[] = {
        {{"integral", "A=(", square}, "Помилка у виразі!\n"},
        {{"darboux", "N=0", square}, "Помилка в записі числа!\n"},
        {{"derivative", "DX=-2", "tangent=0", root}, "Функція в точці X+dX не існує!\n"},
        {{"derivative", "secant=2", root}, "secant= takes 0 or 1\n"},
        {{"integral", curve}, "vorn1: integral gives nothing for the selected objects\n"},
        {{"derivative", curve}, "vorn1: derivative gives nothing for the selected objects\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.args[1]);
        const TRunResult r = RunLine(row.args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, row.err);
    }
    // The arc length measures the curve all the same.
    const TRunResult r = RunLine({"arc-length", curve});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\nL=1.479\n"), std::string::npos) << r.out;
}

TEST(AnalysisRun, ThePictureShowsTheConstructionWhereItBelongs) {
    const std::string one = Document("run-one.vr1", {"1"});
    const std::string line = Document("run-line.vr1", {"X"});
    const std::string square = Document("run-sq.vr1", {"X*X"});
    const std::string png = Temp("run-picture.png");
    struct Pixel {
        int x, y;
        QColor colour;
    };
    const struct {
        std::vector<std::string> args;
        std::vector<Pixel> pixels;
        const char* why;
    } rows[] = {
        {{"integral", "A=0", "B=2", one},
         {{402, 270, Silver}, {406, 270, Silver}, {404, 270, White}, {398, 270, White}, {562, 270, White}},
         "hatching every 4th column from x = 0 to 2, between y = 1 (row 240) and the axis (row 300)"},
        {{"darboux", "A=0", "B=2", "N=2", line},
         {{440, 240, Silver},
          {520, 180, Silver},
          {480, 184, Silver},
          {480, 188, White},
          {440, 200, White},
          {560, 248, Gray}},
         "the upper levels 1 and 2 over [0, 1] and [1, 2], dashed between them at x = 1; in the second "
         "colour from the "
         "axis to the nearer level at x = 2"},
        {{"interval-means", "A=0", "B=2", line},
         {{420, 240, Silver}, {560, 248, Silver}, {560, 252, White}},
         "the mean 1 over [0, 2], dashed down to the axis at its ends"},
        {{"derivative", "DX=1", "tangent=0", square},
         {{440, 330, Gray}, {480, 270, Silver}, {450, 240, Silver}, {560, 270, Gray}},
         "the secant through (1, 1) and (2, 4) in the second colour, each point's lines to the axes"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.why);
        std::vector<std::string> args = row.args;
        args.insert(args.end() - 1, {"--export", png});
        const TRunResult r = RunLine(args);
        ASSERT_EQ(r.status, 0) << r.err;
        const QImage image(QString::fromStdString(png));
        ASSERT_EQ(image.size(), QSize(800, 600));
        for (const Pixel& p : row.pixels)
            EXPECT_EQ(Colour(image, p.x, p.y), p.colour) << p.x << ", " << p.y;
    }
}

TEST(AnalysisRun, SaveWritesTheDocumentWithItsOwnCheckMarks) {
    const std::string doc = Document("run-save.vr1", {"X*X", "X"}, "A=-5\nB=5\n", "Checked=0\n");
    const std::string saved = Temp("run-saved.vr1");
    std::remove(saved.c_str());
    const TRunResult r = RunLine({"derivative", "object=2", "--save", saved, doc});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, 9), "Y(X)=X\nX=");
    std::ifstream in(saved);
    std::stringstream text;
    text << in.rdbuf();
    // The derivative checks its entry only while it runs.
    EXPECT_EQ(text.str().find("Checked=1"), std::string::npos) << text.str();
    EXPECT_NE(text.str().find("Checked=0"), std::string::npos);
}
