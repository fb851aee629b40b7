#include "app/RunMode.h"
#include "core/base/MessageTable.h"

#include "support/TempPath.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {
// A closed unit square, checked, and an open line across the x axis, not checked.
const char* const TwoLines = "[Vorn1]\nNum=2\nMasshAuto=1\n"
                             "[Obj1]\nObjType=Lom\nColor=16711680\nMaxXYnum=3\n"
                             "X0=0\nY0=0\nX1=1\nY1=0\nX2=1\nY2=1\nX3=0\nY3=1\n"
                             "[Obj2]\nObjType=Lom\nColor=255\nLocked=0\nMaxXYnum=1\nX0=1\nY0=-1\nX1=2\nY1=2\n"
                             "Checked=0\n";

std::string WriteDoc(const std::string& name, const std::string& text) {
    const std::string path = TestTempPath(name);
    std::ofstream(path, std::ios::binary) << text;
    return path;
}
} // namespace

TEST(RunBrokenLines, CommandsPrintTheirAnswersOrTheirRefusal) {
    ResetBuiltInTexts();
    const std::string doc = WriteDoc("run_lines.vr1", TwoLines);
    const std::string crossing =
        WriteDoc("run_crossing.vr1",
                 std::string(TwoLines).substr(0, std::string(TwoLines).size() - 10)); // both checked
    struct Row {
        std::vector<std::string> args;
        int rc;
        std::string out, err;
    } rows[] = {
        {{"polygon-area", doc}, 0, "Ламана, 4 тт.\nСума площ відмічених многокутників:\nS=1\n", ""},
        {{"revolution-ox", doc},
         0,
         "Ламана, 4 тт.\nПлоща поверхні   обертання навколо осі  Ox:\nS=12.57\n"
         "Об'єм тіла   обертання навколо осі  Ox:\nV=3.142\n",
         ""},
        {{"revolution-ox", crossing},
         1,
         "",
         "Потрібно виключити в списку об'єктів ламані, що перетинають вісь обертання!\n"},
        {{"revolution-oy", crossing}, 0, "Ламана, 4 тт.\nЛамана, 2 тт.\n", ""},
        {{"broken-line-length", "N1=3", "N2=2", doc},
         0,
         "Довжина ламаної:\nЛамана, 4 тт.\nN1=3,\nN2=2,\nL =3\n",
         ""},
        {{"broken-line-length", "N1=2", "N2=1", "object=2", doc},
         1,
         "",
         "Неправильно задано номери вершин!\n"},
        {{"transform", "kind=scale", "DX=2", "DY=-1", "object=2", doc}, 0, "Ламана, 2 тт.\n", ""},
        {{"transform", "kind=translate", "Y=1+", doc}, 1, "", "Помилка у виразі!\n"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.args.front() + " " + r.args[1]);
        std::string out, err;
        EXPECT_EQ(RunCommandMode(r.args, out, err), r.rc) << err;
        EXPECT_EQ(out.substr(0, r.out.size()), r.out);
        EXPECT_EQ(err, r.err);
    }
}

TEST(RunBrokenLines, TransformSavesTheDocumentWithTheNewLine) {
    const std::string doc = WriteDoc("run_transform.vr1", TwoLines);
    const std::string saved = TestTempPath("run_transformed.vr1");
    std::string out, err;
    ASSERT_EQ(
        RunCommandMode({"transform", "kind=rotate", "angle=90", "unit=deg", "--save", saved, doc}, out, err),
        0)
        << err;
    std::ifstream in(saved);
    std::stringstream text;
    text << in.rdbuf();
    const std::string s = text.str();
    EXPECT_NE(s.find("Num=3"), std::string::npos);
    EXPECT_NE(s.find("[Obj3]\nObjType=Lom\n"), std::string::npos) << s;
    EXPECT_NE(s.find("X2=-1\nY2=1\n"), std::string::npos) << "(1, 1) turned by 90 degrees";
}
