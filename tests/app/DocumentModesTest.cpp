#include "app/DocumentModes.h"
#include "core/base/NumberText.h"
#include "support/TempPath.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>

#include <cstdlib>
#include <fstream>

namespace {
std::string Temp(const std::string& name) {
    return TestTempPath(name);
}

std::string WriteDoc(const std::string& name, const std::string& text) {
    const std::string path = Temp(name);
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

const char* const TwoFunctions =
    "[Vorn1]\nNum=2\nMinArg=-5\nMaxArg=5\nMinFunc=-5\nMaxFunc=5\nCoord=0\nMasshAuto=0\n"
    "[Obj1]\nObjType=Normal\nFunc=X^2\nA=-2\nB=2\nColor=255\n"
    "[Obj2]\nObjType=Normal\nFunc=P1*X\nA=0\nB=1\nColor=16711680\n"
    "[Params]\nNum=1\nn1=1\nValue1=3\n";
} // namespace

TEST(InfoMode, PrintsCaptionsAndIndentedInformationPerObject) {
    const std::string doc = WriteDoc("info.vr1", TwoFunctions);
    std::string out, err;
    ASSERT_EQ(RunInfoMode({doc}, out, err), 0) << err;
    EXPECT_EQ(out.substr(0, out.find('\n')), "Y(X)=X^2");
    EXPECT_NE(out.find("\n  Y(X)=X^2\n"), std::string::npos) << out;
    EXPECT_NE(out.find("\n\nY(X)=P1*X\n  Y(X)=3*X\n"), std::string::npos) << out;
    EXPECT_EQ(out.substr(out.size() - 2), "\n\n");
}

TEST(InfoMode, UnreadableDocumentFailsWithAMessage) {
    std::string out, err;
    EXPECT_NE(RunInfoMode({Temp("missing.vr1")}, out, err), 0);
    EXPECT_NE(err.find("cannot read"), std::string::npos);
    EXPECT_NE(RunInfoMode({}, out, err), 0);
    SetDigits(4);
}

TEST(ExportMode, WritesThePictureInEachFormat) {
    const std::string doc = WriteDoc("export.vr1", TwoFunctions);
    for (const char* ext : {"png", "svg", "pdf"}) {
        SCOPED_TRACE(ext);
        const std::string out = Temp(std::string("export.") + ext);
        QFile::remove(QString::fromStdString(out));
        std::string err;
        ASSERT_EQ(RunExportMode({out, "--size", "320x240", doc}, err), 0) << err;
        EXPECT_GT(QFile(QString::fromStdString(out)).size(), 100);
    }
    const QImage png(QString::fromStdString(Temp("export.png")));
    ASSERT_EQ(png.size(), QSize(320, 240));
    // The parabola passes (1, 1) in red: pixel (XToScr(1), YToScr(1)) on the (-5; 5) window.
    const int x = 32 * 6, y = 240 - 24 * 6;
    bool red = false;
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            red = red || png.pixelColor(x + dx, y + dy) == QColor(255, 0, 0);
    EXPECT_TRUE(red);
}

TEST(ExportMode, BadArgumentsAndUnwritableOutputFail) {
    const std::string doc = WriteDoc("export2.vr1", TwoFunctions);
    std::string err;
    EXPECT_NE(RunExportMode({Temp("x.bmp"), doc}, err), 0);
    EXPECT_NE(RunExportMode({Temp("x.png"), "--size", "0x5", doc}, err), 0);
    EXPECT_NE(RunExportMode({Temp("x.png"), Temp("missing.vr1")}, err), 0);
    EXPECT_NE(RunExportMode({"/nonexistent-folder/x.png", doc}, err), 0);
    EXPECT_NE(err.find("cannot write"), std::string::npos) << err;
}

TEST(ExportMode, TheProgramExportsWithoutADisplay) {
    const std::string doc = WriteDoc("nodisplay.vr1", TwoFunctions);
    const std::string out = Temp("nodisplay.png");
    QFile::remove(QString::fromStdString(out));
    const std::string command =
        std::string(
            "env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= VORN1_SETTINGS_DIR=/nonexistent/vorn1 ") +
        VORN1_BINARY + " --export '" + out + "' '" + doc + "' 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(QImage(QString::fromStdString(out)).size(), QSize(800, 600));
}
