#include "core/base/IniFile.h"

#include "support/TempFolder.h"
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

IniFile FromText(const std::string& text) {
    IniFile ini;
    ini.LoadFromText(text);
    return ini;
}

TEST(IniFile, KeepsWriteOrderAndReplacesInPlace) {
    IniFile ini;
    ini.WriteString("Vorn1", "Num", "2");
    ini.WriteString("Obj1", "ObjType", "Normal");
    ini.WriteInteger("Vorn1", "XName", -5);
    ini.WriteBool("Obj1", "Checked", false);
    ini.WriteFloat("Vorn1", "MinArg", 0.1L);
    ini.WriteString("vorn1", "num", "3"); // other case: the same key, kept where it was
    ini.AddSection("Labels");
    ini.AddSection("LABELS");
    EXPECT_EQ(ini.ToText(),
              "[Vorn1]\nNum=3\nXName=-5\nMinArg=0.1\n[Obj1]\nObjType=Normal\nChecked=0\n[Labels]\n");
    EXPECT_EQ(ini.Sections(), (std::vector<std::string>{"Vorn1", "Obj1", "Labels"}));
    EXPECT_EQ(ini.Keys("VORN1"), (std::vector<std::string>{"Num", "XName", "MinArg"}));
    EXPECT_EQ(FromText(ini.ToText()).ToText(), ini.ToText());
}

TEST(IniFile, FindsNamesWithoutRegardToCase) {
    const IniFile ini = FromText("[Obj1]\nBuildPoly=0\n");
    EXPECT_TRUE(ini.SectionExists("OBJ1"));
    EXPECT_TRUE(ini.ValueExists("obj1", "Buildpoly"));
    EXPECT_FALSE(ini.ReadBool("Obj1", "Buildpoly", true));
    EXPECT_FALSE(ini.ValueExists("Obj2", "BuildPoly"));
}

TEST(IniFile, TypedReads) {
    const struct {
        const char* value;
        long long integer; // default 7
        int boolean;       // default -1: read with both defaults, -1 where each gives its default
        Real real;         // default -1
    } rows[] = {
        {"0x1F", 31, 1, -1},
        {"-0x10", -16, 1, -1},
        {"abc", 7, -1, -1},
        {"", 7, -1, -1},
        {" 12 ", 12, 1, 12},
        {"0", 0, 0, 0},
        {"-3", -3, 1, -3},
        {"+4", 4, 1, 4},
        {"1.5", 7, -1, 1.5L},
        {"12abc", 7, -1, -1},
        {"0x", 7, -1, -1},
        {"0xG", 7, -1, -1},
        {"9223372036854775807", LLONG_MAX, 1, 9223372036854775807.0L},
        {"-9223372036854775808", LLONG_MIN, 1, -9223372036854775808.0L},
        {"9223372036854775808", 7, -1, 9223372036854775808.0L}, // beyond long long
        {"0x10000000000000000", 7, -1, -1},
        {" 2.5E-3\t", 7, -1, 2.5e-3L},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string("\"") + row.value + "\"");
        const IniFile ini = FromText(std::string("[S]\nk=") + row.value + "\n");
        EXPECT_EQ(ini.ReadInteger("S", "k", 7), row.integer);
        const bool withTrue = ini.ReadBool("S", "k", true), withFalse = ini.ReadBool("S", "k", false);
        if (row.boolean < 0) {
            EXPECT_TRUE(withTrue && !withFalse) << "expected the default";
        } else {
            EXPECT_EQ(withTrue, row.boolean == 1);
            EXPECT_EQ(withFalse, row.boolean == 1);
        }
        EXPECT_EQ(ini.ReadFloat("S", "k", -1), row.real);
        std::string trimmed = row.value;
        trimmed.erase(0, trimmed.find_first_not_of(" \t"));
        trimmed.erase(trimmed.find_last_not_of(" \t") + 1);
        EXPECT_EQ(ini.ReadString("S", "k", "def"), trimmed);
    }
    const IniFile ini = FromText("[S]\n");
    EXPECT_EQ(ini.ReadString("S", "missing", "def"), "def");
    EXPECT_EQ(ini.ReadInteger("T", "missing", 3), 3);
}

TEST(IniFile, ParsesLinesAsWindowsToolsWriteThem) {
    const struct {
        const char* why;
        std::string text;
        const char* section;
        const char* key;
        const char* value; // nullptr: the key does not exist
    } rows[] = {
        {"CRLF", "[A]\r\nk=v\r\nl=w\r\n", "A", "l", "w"},
        {"lone CR", "[A]\rk=v\rl=w", "A", "l", "w"},
        {"BOM", "\xEF\xBB\xBF[A]\nk=v\n", "A", "k", "v"},
        {"blanks trimmed around names and values", "  [ A ]  \n  k  =\t v w  \n", "A", "k", "v w"},
        {"enclosing quotes go", "[A]\nk = ' v ' \n", "A", "k", " v "},
        {"quotes inside stay", "[A]\nk=\"a\" b\n", "A", "k", "\"a\" b"},
        {"first = splits", "[A]\nk=a=b\n", "A", "k", "a=b"},
        {"empty value", "[A]\nk=\n", "A", "k", ""},
        {"comments", "[A]\n;k=1\n#k=2\nk=3\n", "A", "k", "3"},
        {"line without =", "[A]\nk\n", "A", "k", nullptr},
        {"keys before any section", "k=1\n[A]\n", "A", "k", nullptr},
        {"first duplicate key wins", "[A]\nk=1\nK=2\n", "A", "k", "1"},
        {"first duplicate section wins", "[A]\nk=1\n[a]\nk=2\nl=3\n", "A", "l", nullptr},
        {"truncated last line", "[A]\nk=1\nl=2", "A", "l", "2"},
        {"truncated section line", "[A]\nk=1\n[B", "A", "k", "1"},
        {"Windows-1251", "[A]\nk=\xB2\xED\xF2\xE5\xE3\xF0\xE0\xEB \xAF\xBF\xAA\xBA\xA5\xB4\x98\n", "A", "k",
         "Інтеграл ЇїЄєҐґ\xEF\xBF\xBD"},
        {"UTF-8 stays", "[A]\nk=Інтеграл\n", "A", "k", "Інтеграл"},
        {"junk", "\xFF\xFE\x01\n[A]\n\x80\x81=\x9A\n[\n]\n=x\n", "A", "\xD0\x82\xD0\x83", "љ"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.why);
        const IniFile ini = FromText(row.text);
        if (row.value) {
            EXPECT_EQ(ini.ReadString(row.section, row.key, "<missing>"), row.value);
        } else {
            EXPECT_FALSE(ini.ValueExists(row.section, row.key));
        }
        EXPECT_EQ(FromText(ini.ToText()).ToText(), ini.ToText());
    }
    const std::string withNul("[A]\nk=a\0b\n", 10); // NUL bytes stay in values
    EXPECT_EQ(FromText(withNul).ReadString("A", "k", ""), std::string("a\0b", 3));
}

TEST(IniFile, ErasingKeepsTheRestFindable) {
    IniFile ini;
    for (int s = 0; s < 20; ++s)
        for (int k = 0; k < 20; ++k)
            ini.WriteInteger("S" + std::to_string(s), "K" + std::to_string(k), s * 100 + k);
    ini.EraseSection("s3");
    ini.DeleteKey("S5", "k0");
    ini.DeleteKey("S5", "nothing");
    EXPECT_FALSE(ini.SectionExists("S3"));
    EXPECT_EQ(ini.Sections().size(), 19u);
    EXPECT_EQ(ini.ReadInteger("S19", "K19", -1), 1919);
    EXPECT_FALSE(ini.ValueExists("S5", "K0"));
    EXPECT_EQ(ini.ReadInteger("S5", "K19", -1), 519);
    EXPECT_EQ(ini.Keys("S5").front(), "K1");
    ini.WriteInteger("S3", "K0", 1); // a new section goes to the end
    EXPECT_EQ(ini.Sections().back(), "S3");
}

TEST(IniFile, WrittenValuesStayOnOneLineAndReadBackAsTheyWere) {
    IniFile ini;
    ini.WriteString("A", "k", "one\r\n[B]\nk=two");
    EXPECT_FALSE(FromText(ini.ToText()).SectionExists("B"));
    for (const char* value : {" a", "b\t", "\"c\"", "'d'", "\"", "''", " \"e\" ", "f \"g\""}) {
        SCOPED_TRACE(value);
        ini.WriteString("A", "k", value);
        EXPECT_EQ(FromText(ini.ToText()).ReadString("A", "k", ""), value);
    }
    // A key that begins with "[" keeps a value that ends with "]" instead of turning into a section.
    const IniFile odd = FromText("[A]\n[=\"x]\"\n");
    const IniFile back = FromText(odd.ToText());
    EXPECT_EQ(back.Sections(), std::vector<std::string>{"A"});
    EXPECT_EQ(back.ReadString("A", "[", ""), "x]");
    EXPECT_EQ(back.ToText(), odd.ToText());
}

TEST(IniFile, SavesAndLoadsThroughTheFile) {
    TempFolder dir;
    IniFile ini;
    ini.WriteString("Vorn1", "XName", "Вісь X ");
    ini.WriteFloat("Vorn1", "MinArg", -2.5L);
    EXPECT_FALSE(ini.Save()); // no name yet
    ASSERT_TRUE(ini.SaveAs(dir / "a.vr1"));
    EXPECT_EQ(dir.Count(), 1u);

    const mode_t mask = umask(0);
    umask(mask);
    struct stat st;
    ASSERT_EQ(stat((dir / "a.vr1").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0644 & ~mask);

    IniFile back(dir / "a.vr1");
    EXPECT_EQ(back.ReadString("vorn1", "xname", ""), "Вісь X ");
    EXPECT_EQ(back.ReadFloat("Vorn1", "MinArg", 0), -2.5L);
    back.WriteInteger("Vorn1", "Num", 0);
    ASSERT_TRUE(back.Save());
    EXPECT_EQ(IniFile(dir / "a.vr1").ReadInteger("Vorn1", "Num", -1), 0);

    IniFile missing;
    EXPECT_FALSE(missing.Load(dir / "none.vr1"));
    EXPECT_TRUE(missing.Sections().empty());
    EXPECT_EQ(missing.FileName(), dir / "none.vr1");
}

TEST(IniFile, SaveOverAFolderOrIntoAMissingFolderFails) {
    TempFolder dir;
    IniFile ini = FromText("[A]\nk=new\n");

    // The target is a folder: the rename fails after the temporary was written.
    ASSERT_EQ(mkdir((dir / "folder").c_str(), 0755), 0);
    EXPECT_FALSE(ini.SaveAs(dir / "folder"));
    EXPECT_EQ(dir.Count(), 1u) << "the temporary was left behind";

    EXPECT_FALSE(ini.SaveAs(dir / "no/such/folder.vr1"));
}

TEST(IniFile, SaveIntoReadOnlyFolderFailsAndKeepsTheOldFile) {
    if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    TempFolder dir;
    const IniFile ini = FromText("[A]\nk=new\n");
    WriteText(dir / "old.vr1", "[A]\nk=old\n");
    ASSERT_EQ(chmod(dir.path.c_str(), 0555), 0);
    EXPECT_FALSE(ini.SaveAs(dir / "old.vr1"));
    chmod(dir.path.c_str(), 0755);
    EXPECT_EQ(FileText(dir / "old.vr1"), "[A]\nk=old\n");
    EXPECT_EQ(dir.Count(), 1u);
}

TEST(IniFile, LoadsManySectionsAndKeys) {
    constexpr int SectionCount = 200000;
    std::string text;
    for (int i = 1; i <= SectionCount; ++i)
        text += "[Obj" + std::to_string(i) + "]\nObjType=Normal\nColor=" + std::to_string(i) + "\n";
    text += "[Big]\n";
    for (int i = 0; i < SectionCount; ++i)
        text += "X" + std::to_string(i) + "=" + std::to_string(i) + "\r\n";
    const IniFile ini = FromText(text);
    EXPECT_EQ(ini.Sections().size(), SectionCount + 1u);
    EXPECT_EQ(ini.ReadInteger("obj1", "color", 0), 1);
    EXPECT_EQ(ini.ReadInteger("OBJ199999", "Color", 0), 199999);
    EXPECT_EQ(ini.ReadInteger("Big", "x123456", 0), 123456);
    EXPECT_FALSE(ini.ValueExists("Big", "X200000"));
    EXPECT_EQ(FromText(ini.ToText()).ReadInteger("Big", "X199999", 0), 199999);
}

} // namespace
