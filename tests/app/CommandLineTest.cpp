#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>

namespace {

struct TRun {
    int status = -1;
    std::string out, err;
};

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The program with no display at all, given at most 30 seconds: a mode that opened a window would fail here
// instead of waiting.
TRun RunProgram(const std::string& arguments, const std::string& shellPrefix = "") {
    QTemporaryDir dir;
    const std::string out = dir.filePath("out.txt").toStdString(),
                      err = dir.filePath("err.txt").toStdString();
    const std::string command =
        "env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= VORN1_SETTINGS_DIR=/nonexistent/vorn1 sh -c \"" +
        shellPrefix + "exec timeout 30 " + VORN1_BINARY + " " + arguments + "\" >'" + out + "' 2>'" + err +
        "' </dev/null";
    const int raw = std::system(command.c_str());
    TRun r;
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = Slurp(out);
    r.err = Slurp(err);
    return r;
}

const char* const Doc =
    "[Vorn1]\nNum=1\nMasshAuto=0\n[Obj1]\nObjType=Normal\nFunc=SIN(X)\nA=-5\nB=5\nColor=255\n";

} // namespace

TEST(CommandLine, HelpVersionAndWrongCommandLinesNeverOpenAWindow) {
    const struct {
        const char* arguments;
        int status;
        const char* inOut; // expected in stdout ("" for empty stdout)
        const char* inErr; // expected in stderr ("" for empty stderr)
    } rows[] = {
        {"--help", 0, "vorn1 --help | --version", ""},
        {"--version", 0, "Vorn1 ", ""},
        {"--bogus", 2, "", "unknown option or missing value: --bogus"},
        {"-x doc.vr1", 2, "", "Usage:"},
        {"a.vr1 b.vr1", 2, "", "one document at a time"},
        {"-style", 2, "", "Usage:"},
        {"--info", 2, "", "Usage:"},
        {"--calc", 2, "", "Usage:"},
        {"--export", 2, "", "Usage:"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.arguments);
        const TRun r = RunProgram(row.arguments);
        EXPECT_EQ(r.status, row.status) << r.err;
        if (*row.inOut) {
            EXPECT_NE(r.out.find(row.inOut), std::string::npos) << r.out;
        } else {
            EXPECT_EQ(r.out, "");
        }
        if (*row.inErr) {
            EXPECT_NE(r.err.find(row.inErr), std::string::npos) << r.err;
            if (row.status == UsageExitCode) {
                EXPECT_NE(r.err.find("vorn1 --export OUT"), std::string::npos) << "the usage follows";
            }
        } else {
            EXPECT_EQ(r.err, "");
        }
    }
}

TEST(CommandLine, TheWindowModeTakesOneDocumentAndTheToolkitsOptions) {
    const struct {
        std::vector<std::string> args;
        TStartMode mode;
        const char* document;
    } rows[] = {
        {{}, TStartMode::Window, ""},
        {{"doc.vr1"}, TStartMode::Window, "doc.vr1"},
        {{"-style", "fusion", "doc.vr1", "-reverse"}, TStartMode::Window, "doc.vr1"},
        {{"--platform=offscreen", "doc.vr1"}, TStartMode::Window, "doc.vr1"},
        {{"--", "-odd name.vr1"}, TStartMode::Window, "-odd name.vr1"},
        {{"-reverse=1"}, TStartMode::Usage, ""},
        {{"doc.vr1", "--help"}, TStartMode::Usage, ""},
        {{"--run", "integral", "doc.vr1"}, TStartMode::Run, ""},
        {{"--info", "doc.vr1"}, TStartMode::Info, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::PrintToString(row.args));
        const TStart s = ParseCommandLine(row.args);
        EXPECT_EQ(s.Mode, row.mode);
        EXPECT_EQ(s.Document, row.document);
        EXPECT_EQ(s.Error.empty(), row.mode != TStartMode::Usage);
    }
}

TEST(CommandLine, ExportRefusesSizesBeyondTheLimits) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string doc = dir.filePath("doc.vr1").toStdString();
    std::ofstream(doc) << Doc;
    const std::string png = dir.filePath("out.png").toStdString();
    for (const char* size : {"15x600", "800x16385", "16x0", "123456789x20"}) {
        SCOPED_TRACE(size);
        const TRun r = RunProgram(std::string("--export ") + png + " --size " + size + " " + doc);
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.err.find("from 16 to 16384 pixels"), std::string::npos) << r.err;
        EXPECT_FALSE(QFile::exists(QString::fromStdString(png)));
    }
    const TRun r = RunProgram("--export " + png + " --size 16x16384 " + doc);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(QImage(QString::fromStdString(png)).size(), QSize(16, 16384));
}

// A disk that fills up while the picture is written: the file size limit makes every write past a few
// kilobytes fail (its signal ignored, as a full disk sends none).
TEST(CommandLine, ExportOntoAFullDiskFailsAndKeepsTheOldPicture) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string doc = dir.filePath("doc.vr1").toStdString();
    std::ofstream(doc) << Doc;
    for (const char* ext : {"png", "svg", "pdf"}) {
        SCOPED_TRACE(ext);
        const std::string out = dir.filePath(QString("picture.") + ext).toStdString();
        std::ofstream(out) << "the old picture";
        const TRun r =
            RunProgram("--export " + out + " --size 1600x1200 " + doc, "trap '' XFSZ; ulimit -f 4; ");
        EXPECT_EQ(r.status, 1) << r.err;
        EXPECT_NE(r.err.find("cannot write"), std::string::npos) << r.err;
        EXPECT_EQ(Slurp(out), "the old picture");
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 4) << "no temporary is left behind";
}

TEST(CommandLine, ANamedPipeGivenAsTheDocumentIsRefusedAtOnce) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string fifo = dir.filePath("doc.vr1").toStdString();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string png = dir.filePath("out.png").toStdString();
    for (const std::string& arguments : {"--info " + fifo, "--export " + png + " " + fifo}) {
        SCOPED_TRACE(arguments);
        const TRun r = RunProgram(arguments);
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.err.find("cannot read " + fifo), std::string::npos) << r.err;
    }
}

// Documents written to harm: escape sequences for the terminal, megabytes of parameters; output onto a full
// disk; a write-protected document to save over; more digits than a number has.
TEST(CommandLine, HostileDocumentsAndUnwritableOutput) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string escapes = dir.filePath("escapes.vr1").toStdString();
    std::ofstream(escapes, std::ios::binary) << "[Vorn1]\nNum=1\n[Obj1]\nObjType=Normal\nFunc=\x1b]0;"
                                                "title\x07X\x1b[2J\xc2\x9b+\xd0\x96\r\nA=-5\nB=5\n";
    const TRun shown = RunProgram("--info " + escapes);
    EXPECT_EQ(shown.status, 0) << shown.err;
    EXPECT_EQ(shown.out.substr(0, shown.out.find('\n')), "Y(X)=?]0;title?X?[2J??+Ж")
        << "controls shown as \"?\", the letters kept";

    const std::string params = dir.filePath("params.vr1").toStdString();
    std::string many;
    for (int i = 0; i < 2000000; ++i)
        many += "P1";
    std::ofstream(params, std::ios::binary)
        << "[Vorn1]\nNum=1\n[Obj1]\nObjType=Normal\nFunc=" << many << "\n[Params]\nNum=1\nn1=1\nValue1=-2\n";
    const TRun big = RunProgram("--info " + params);
    EXPECT_EQ(big.status, 0) << big.err;
    EXPECT_NE(big.out.find("Y(X)=(-2)(-2)(-2)"), std::string::npos);
    EXPECT_GT(big.out.size(), 8000000u);

    const std::string doc = dir.filePath("doc.vr1").toStdString();
    std::ofstream(doc) << Doc;
    for (const std::string& arguments :
         {"--info " + doc, std::string("--calc 1+1"), "--run inequality C=0 " + doc, std::string("--help")}) {
        SCOPED_TRACE(arguments);
        const TRun r = RunProgram(arguments, "exec >/dev/full; ");
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.err.find("vorn1: cannot write the output: "), std::string::npos) << r.err;
    }

    const std::string locked = dir.filePath("locked.vr1").toStdString();
    std::ofstream(locked) << "[Vorn1]\nNum=0\n";
    ASSERT_EQ(chmod(locked.c_str(), 0444), 0);
    const TRun save = RunProgram("--run inequality C=0 --save " + locked + " " + doc);
    EXPECT_EQ(save.status, 1);
    EXPECT_NE(save.err.find("write-protected"), std::string::npos) << save.err;
    EXPECT_EQ(Slurp(locked), "[Vorn1]\nNum=0\n");

    for (const char* digits : {"19", "99"}) {
        const TRun r = RunProgram(std::string("--calc --digits ") + digits + " 1/3");
        EXPECT_EQ(r.status, 2) << digits;
        EXPECT_NE(r.err.find("from 0 to 18"), std::string::npos) << r.err;
    }
    EXPECT_EQ(RunProgram("--calc --digits 18 1/3").out, "0.333333333333333333\n");
}
