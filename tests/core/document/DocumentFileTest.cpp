#include "core/document/DocumentFile.h"
#include "support/TempFolder.h"
#include "support/TempPath.h"

#include "core/base/IniFile.h"
#include "core/formula/ParamTable.h"
#include "core/objects/TFl.h"
#include "core/objects/TFn.h"
#include "core/plot/TMasshImage.h"
#include "core/stats/TGList.h"

#include "support/LongDoubleNear.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <future>
#include <random>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A fresh program's state: empty list, graph surface with its window's values, new-document parameters.
struct Session {
    TDocument doc;
    TMasshImage image;
    TGList labels;
    Session() {
        ApplyGraphWindowDefaults(image);
        image.SetSize(400, 400);
        ParamTable().ResetForNewDocument();
    }
    TDocumentParts Parts() { return {doc, image, labels}; }
};

std::string TempPath(const std::string& name) {
    return TestTempPath(name);
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::unique_ptr<TFn> Fn(const std::string& f, const std::string& a, const std::string& b, TColor c) {
    return std::make_unique<TFn>(f, a, b, c);
}

} // namespace

TEST(DocumentFile, SavedTextIsLaidOutSectionBySection) {
    Session p;
    p.image.SetMasshAuto(true);
    p.doc.Objects.Append(Fn("SIN(X)", "-5", "5", 128), true);
    p.doc.Objects.Append(Fn("P1*X", "-P1", "2*PI", 32768), false);
    p.labels.AddLabel(1, 2.5L, "max", true);
    ParamTable()[1].Value = 0.5L;
    IniFile ini;
    WriteDocument(ini, p.Parts());
    EXPECT_EQ(ini.ToText(),
              "[Vorn1]\nNum=2\nXName=X\nYName=Y\nMinArg=-5\nMaxArg=5\nMinFunc=-5\nMaxFunc=5\nCoord=0\n"
              "MasshAuto=1\n"
              "[Obj1]\nObjType=Normal\nFunc=SIN(X)\nA=-5\nB=5\nColor=128\nBGP=100\nPoints=100\n"
              "ByPoints=0\nGBuild=1\nWLine=1\nChecked=1\n"
              "[Obj2]\nObjType=Normal\nFunc=P1*X\nA=-P1\nB=2*PI\nColor=32768\nBGP=100\nPoints=100\n"
              "ByPoints=0\nGBuild=1\nWLine=1\nChecked=0\n"
              "[Labels]\nNum=1\nX0=1\nY0=2.5\nS0=max\nP0=1\n"
              "[Params]\nNum=1\nn1=1\nValue1=0.5\nMin1=-5\nMax1=5\nh1=0.1\n");
}

TEST(DocumentFile, EmptyDocumentHasOnlyTheGlobalSection) {
    Session p;
    IniFile ini;
    WriteDocument(ini, p.Parts());
    EXPECT_EQ(ini.Sections(), std::vector<std::string>{"Vorn1"});
    EXPECT_EQ(ini.ReadInteger("Vorn1", "Num", -1), 0);
}

TEST(DocumentFile, RoundTripGivesAnEqualDocument) {
    Session a;
    a.image.grXName = "Час";
    a.image.grYName = "Шлях";
    a.image.SetMasshAuto(false);
    a.image.SetMassh({-1, 7, -2.5L, 3});
    a.image.SetCoord(CoordType::ctPolar);
    a.doc.Objects.Append(Fn("P1*SIN(P2*X)", "-P3", "2*PI", 255), true);
    a.doc.Objects.Append(Fn("X^2", "0", "1", 16711680), false);
    a.doc.Objects.Object(1).WLine = 3;
    a.doc.Objects.Object(1).ByPoints = true;
    a.labels.AddLabel(-1.25L, 1e-5L, "Точка А", false);
    a.labels.AddLabel(3, 4, "B", true);
    ParamTable()[1].Value = -2;
    ParamTable()[2] = TParam{0.75L, -1, 1, 0.25L, false};
    ParamTable()[3].Value = 1.5L;
    a.doc.Objects.Modified = true;
    const std::string path = TempPath("roundtrip.vr1");
    ASSERT_TRUE(SaveDocument(path, a.Parts()));
    EXPECT_FALSE(a.doc.Objects.Modified);
    const TParam saved2 = ParamTable()[2];

    Session b;
    ASSERT_TRUE(LoadDocument(path, b.Parts()));
    EXPECT_EQ(b.image.grXName, "Час");
    EXPECT_EQ(b.image.grYName, "Шлях");
    EXPECT_FALSE(b.image.MasshAuto());
    EXPECT_EQ(b.image.Massh(), (TMassh{-1, 7, -2.5L, 3}));
    EXPECT_EQ(b.image.Coord(), CoordType::ctPolar);
    ASSERT_EQ(b.doc.Objects.Count(), 2);
    for (int i = 0; i < 2; ++i) {
        const TFn &x = a.doc.Objects.Object(i), &y = b.doc.Objects.Object(i);
        EXPECT_EQ(b.doc.Objects[i].Checked, a.doc.Objects[i].Checked);
        EXPECT_EQ(b.doc.Objects[i].Caption, x.Caption());
        EXPECT_EQ(y.FormulaText(), x.FormulaText());
        EXPECT_EQ(y.RangeA.FormulaText(), x.RangeA.FormulaText());
        EXPECT_EQ(y.RangeB.FormulaText(), x.RangeB.FormulaText());
        EXPECT_EQ(y.Color, x.Color);
        EXPECT_EQ(y.WLine, x.WLine);
        EXPECT_EQ(y.ByPoints, x.ByPoints);
        EXPECT_EQ(y.GBuild, x.GBuild);
        EXPECT_EQ(y.Points, x.Points);
    }
    ASSERT_EQ(b.labels.Count(), 2);
    EXPECT_EQ(b.labels.Text(0), "Точка А");
    EXPECT_EQ(b.labels.X(0), -1.25L);
    EXPECT_LD_NEAR(b.labels.Y(0), 1e-5L, 1e-20L);
    EXPECT_TRUE(b.labels.PointFlag(1));
    EXPECT_EQ(ParamTable()[1].Value, -2);
    EXPECT_EQ(ParamTable()[2].Value, saved2.Value);
    EXPECT_EQ(ParamTable()[2].h, saved2.h);
    EXPECT_EQ(ParamTable()[3].Value, 1.5L);
    EXPECT_TRUE(ParamTable()[3].Used);
    EXPECT_FALSE(ParamTable()[4].Used);
    std::remove(path.c_str());
}

TEST(DocumentFile, ReadingEdgeCases) {
    struct Row {
        const char* why;
        const char* text;
        int objects;
        TMassh window;
    } rows[] = {
        {"Num=0 still sets the scale",
         "[Vorn1]\nNum=0\nMinArg=-1\nMaxArg=1\nMinFunc=0\nMaxFunc=2\n",
         0,
         {-1, 1, 0, 2}},
        {"MinArg >= MaxArg leaves the window", "[Vorn1]\nMinArg=3\nMaxArg=3\nMinFunc=0\nMaxFunc=2\n", 0,
         InitialMassh},
        {"an unknown kind is skipped, the rest read",
         "[Vorn1]\nNum=3\n[Obj1]\nObjType=Normal\nFunc=X\n[Obj2]\nObjType=Hyperbola\n[Obj3]\nFunc=X\n", 1,
         InitialMassh},
        {"Num beyond the sections", "[Vorn1]\nNum=1000000\n", 0, InitialMassh},
        {"missing Num", "[Vorn1]\n[Obj1]\nObjType=Normal\n", 0, InitialMassh},
        {"a missing section is skipped, the later ones read", "[Vorn1]\nNum=3\n[Obj3]\nObjType=Normal\n", 1,
         InitialMassh},
        {"sections beyond Num are not objects",
         "[Vorn1]\nNum=1\n[Obj1]\nObjType=Normal\n[Obj2]\nObjType=Normal\n", 1, InitialMassh},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.why);
        Session p;
        IniFile ini;
        ini.LoadFromText(r.text);
        LoadObjects(ini, p.Parts());
        EXPECT_EQ(p.doc.Objects.Count(), r.objects);
        EXPECT_EQ(p.image.Massh(), r.window);
    }
}

// Documents edited by hand or written by other tools put blanks around "=", as the Windows reader allows.
TEST(DocumentFile, BlanksAroundKeysAndValuesAreIgnored) {
    Session p;
    IniFile ini;
    ini.LoadFromText("[Vorn1]\n Num = 2 \nMinArg = -1\nMaxArg= 1 \nMinFunc =0\nMaxFunc=\t2\n"
                     "[Obj1]\nObjType = Normal\nFunc = X^2 \nA= -2\nB =2\nChecked = 0\n"
                     "[Obj2]\nObjType=\tParam\n"
                     "[Labels]\nNum = 1\nX0 = 0.5\nS0 =  A \n[Params]\nNum= 1\nn1 = 3\nValue1 = 4\n");
    LoadObjects(ini, p.Parts());
    LoadLabels(ini, p.labels);
    LoadParams(ini);
    ASSERT_EQ(p.doc.Objects.Count(), 2);
    const TFn& f = p.doc.Objects.Object(0);
    EXPECT_EQ(f.Kind(), ObjKind::Explicit);
    EXPECT_EQ(f.FormulaText(), "X^2");
    EXPECT_EQ(f.RangeA.Value(), -2);
    EXPECT_EQ(f.RangeB.Value(), 2);
    EXPECT_FALSE(p.doc.Objects[0].Checked);
    EXPECT_EQ(p.doc.Objects.Object(1).Kind(), ObjKind::Parametric);
    EXPECT_EQ(p.image.Massh(), (TMassh{-1, 1, 0, 2}));
    ASSERT_EQ(p.labels.Count(), 1);
    EXPECT_EQ(p.labels.X(0), 0.5L);
    EXPECT_EQ(p.labels.Text(0), "A");
    EXPECT_EQ(ParamTable()[3].Value, 4);
}

TEST(DocumentFile, ReadingAppendsAndDefaultsAreThoseOfTheFormat) {
    Session p;
    for (int i = 0; i < 3; ++i)
        p.doc.Objects.Append(Fn("X", "-5", "5", 0), true);
    IniFile ini;
    ini.LoadFromText(
        "[Vorn1]\nNum=2\n[Obj1]\nObjType=Normal\nFunc=X^2\nA=-1\nB=1\n[Obj2]\nObjType=Normal\nFunc=1\n"
        "Checked=0\n[Params]\nNum=2\nn1=4\nValue1=2\nn2=12\nValue2=7\n");
    LoadObjects(ini, p.Parts());
    LoadParams(ini);
    ASSERT_EQ(p.doc.Objects.Count(), 5);
    EXPECT_EQ(p.doc.Objects.Object(3).FormulaText(), "X^2");
    EXPECT_TRUE(p.doc.Objects[3].Checked) << "a missing Checked gives a checked entry";
    EXPECT_FALSE(p.doc.Objects[4].Checked);
    EXPECT_EQ(p.doc.Objects.Current(), 4);
    EXPECT_EQ(ParamTable()[4].Value, 2);
    EXPECT_EQ(ParamTable()[4].h, 1) << "a missing h gives the step 1";
    EXPECT_EQ(ParamTable()[4].Min, -5);
    EXPECT_TRUE(ParamTable()[4].Used);
    for (int n = 1; n <= 9; ++n)
        if (n != 4) EXPECT_EQ(ParamTable()[n].Value, 1) << "parameter " << n << " keeps its value";
    EXPECT_FALSE(p.doc.Objects.Modified);
}

TEST(DocumentFile, ParameterDependentExtentsUseTheDocumentsValues) {
    const std::string path = TempPath("params.vr1");
    WriteBytes(path, "[Vorn1]\nNum=1\n[Obj1]\nObjType=Normal\nFunc=P1*X\nA=0\nB=1\n[Params]\nNum=1\nn1=1\n"
                     "Value1=10\n");
    Session p;
    ASSERT_TRUE(LoadDocument(path, p.Parts()));
    EXPECT_LD_NEAR(p.doc.Objects.Object(0).MaxY, 10, 1e-12L);
    std::remove(path.c_str());
}

TEST(DocumentFile, BadFilesReadWhatTheyHold) {
    std::mt19937 rng(7);
    std::string junk(50 * 1024 * 1024, '\0');
    for (char& c : junk)
        c = static_cast<char>(rng());
    const std::string good = "[Vorn1]\nNum=2\nXName=Вісь\n[Obj1]\nObjType=Normal\nFunc=X\nA=-1\nB=1\n[Obj2]\n"
                             "ObjType=Normal\nFunc=X^2\nA=-1\nB=1\n[Labels]\nNum=1\nX0=1\nY0=1\nS0=Мітка\n";
    struct Row {
        const char* why;
        std::string bytes;
        int objects;
    } rows[] = {
        {"truncated in the middle of a section", good.substr(0, good.find("Func=X^2")), 2},
        {"binary junk", junk.substr(0, 4096), 0},
        {"50 MB of junk", junk, 0},
        {"valid document then junk", good + junk.substr(0, 1 << 20), 2},
        {"empty", "", 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.why);
        const std::string path = TempPath("bad.vr1");
        WriteBytes(path, r.bytes);
        Session p;
        ASSERT_TRUE(LoadDocument(path, p.Parts()));
        EXPECT_EQ(p.doc.Objects.Count(), r.objects);
        std::remove(path.c_str());
    }
    Session p;
    EXPECT_FALSE(LoadDocument(TempPath("no-such-file.vr1"), p.Parts()));
}

// Adding a file to the open document, or opening one, takes nothing of a file that gives too little.
TEST(DocumentFile, AFileThatGivesLessThanAskedChangesNothing) {
    struct Row {
        const char* why;
        const char* text;
        TReadDemand demand;
        bool read;
    } rows[] = {
        {"no object to add", "[Vorn1]\nNum=0\nMinArg=-1\nMaxArg=1\n", TReadDemand::Objects, false},
        {"only unknown kinds", "[Vorn1]\nNum=1\nMinArg=-1\n[Obj1]\nObjType=Spiral\n", TReadDemand::Objects,
         false},
        {"an object to add", "[Vorn1]\nNum=1\n[Obj1]\nObjType=Normal\nFunc=X\n", TReadDemand::Objects, true},
        {"an empty document opens", "[Vorn1]\nNum=0\nMinArg=-1\nMaxArg=1\n", TReadDemand::Document, true},
        {"a text that is no document", "[Labels]\nNum=1\nX0=1\n", TReadDemand::Document, false},
    };
    const std::string path = TempPath("demand.vr1");
    for (const Row& r : rows) {
        SCOPED_TRACE(r.why);
        WriteBytes(path, r.text);
        Session p;
        p.doc.Objects.Append(Fn("X", "-5", "5", 0), true);
        EXPECT_EQ(LoadDocument(path, p.Parts(), r.demand), r.read);
        if (!r.read) {
            EXPECT_EQ(p.doc.Objects.Count(), 1);
            EXPECT_EQ(p.image.Massh(), InitialMassh);
            EXPECT_TRUE(p.labels.Empty());
        }
    }
    std::remove(path.c_str());
}

// A named pipe or a device picked by mistake is refused at once: opening a pipe for reading would wait for a
// writer that never comes.
TEST(DocumentFile, FilesThatAreNotRegularAreRefusedAtOnce) {
    const std::string fifo = TempPath("doc.fifo");
    std::remove(fifo.c_str());
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {fifo, std::string("/dev/zero"), TempPath("")}) {
        SCOPED_TRACE(path);
        auto read = std::async(std::launch::async, [path] {
            Session p;
            return LoadDocument(path, p.Parts());
        });
        if (read.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
            // Release the reader waiting for a writer, so that the failure is reported instead of a hang.
            const int writer = open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
            read.wait();
            close(writer);
            ADD_FAILURE() << "reading waited";
            continue;
        }
        EXPECT_FALSE(read.get());
    }
    std::remove(fifo.c_str());
}

TEST(DocumentFile, Windows1251DocumentsKeepTheirCyrillicTexts) {
    // "[Vorn1]\nXName=Час\n[Labels]\nNum=1\nS0=Точка\n" in Windows-1251.
    const std::string bytes =
        "[Vorn1]\nNum=0\nXName=\xD7\xE0\xF1\n[Labels]\nNum=1\nX0=1\nY0=2\nS0=\xD2\xEE\xF7\xEA\xE0\n";
    const std::string path = TempPath("cp1251.vr1");
    WriteBytes(path, bytes);
    Session p;
    ASSERT_TRUE(LoadDocument(path, p.Parts()));
    EXPECT_EQ(p.image.grXName, "Час");
    ASSERT_EQ(p.labels.Count(), 1);
    EXPECT_EQ(p.labels.Text(0), "Точка");
    std::remove(path.c_str());
}

TEST(DocumentFile, FailedSaveKeepsThePreviousFileAndTheModifiedFlag) {
    Session p;
    p.doc.Objects.Append(Fn("X", "-5", "5", 0), true);
    p.doc.Objects.Modified = true;
    EXPECT_FALSE(SaveDocument("/nonexistent-folder/doc.vr1", p.Parts()));
    EXPECT_TRUE(p.doc.Objects.Modified);
    // A target that cannot be replaced (a folder) keeps what it was.
    const std::string path = TempPath("keep-folder.vr1");
    std::remove(path.c_str());
    ASSERT_EQ(std::system(("mkdir -p '" + path + "'").c_str()), 0);
    EXPECT_FALSE(SaveDocument(path, p.Parts()));
    EXPECT_TRUE(p.doc.Objects.Modified);
    std::system(("rmdir '" + path + "'").c_str());
    const std::string file = TempPath("replace.vr1");
    WriteBytes(file, "old");
    EXPECT_TRUE(SaveDocument(file, p.Parts()));
    EXPECT_EQ(FileText(file).substr(0, 8), "[Vorn1]\n");
    EXPECT_FALSE(p.doc.Objects.Modified);
    std::remove(file.c_str());
}

TEST(DocumentFile, TablesAndBrokenLinesComeBackAsTheyWereSaved) {
    Session p;
    auto table = std::make_unique<TFm>(clRed);
    TTableData rows = table->TableData();
    rows.Rows = {{"0", "1"}, {"1", "2"}, {"2", "P1"}};
    rows.Degree = 2;
    ASSERT_TRUE(table->TakeTableData(rows));
    auto line = std::make_unique<TFl>(clBlue);
    rows = line->TableData();
    rows.Rows = {{"3", "0"}, {"0", "0"}, {"0", "4"}};
    rows.Locked = false;
    rows.LineT = 2;
    ASSERT_TRUE(line->TakeTableData(rows));
    for (TFn* f : {static_cast<TFn*>(table.get()), static_cast<TFn*>(line.get())})
        f->CalcBounds(p.image);
    p.doc.Objects.Append(std::move(table), true);
    p.doc.Objects.Append(std::move(line), false);
    ParamTable()[1].Value = 5;
    const std::string path = TempPath("tables.vr1");
    ASSERT_TRUE(SaveDocument(path, p.Parts()));

    Session q;
    ASSERT_TRUE(LoadDocument(path, q.Parts()));
    ASSERT_EQ(q.doc.Objects.Count(), 2);
    EXPECT_EQ(q.doc.Objects[0].Caption, "Y(X)=x^2+1") << "fitted with P1 = 5 as the document holds it";
    EXPECT_EQ(q.doc.Objects[1].Caption, "Ламана, 3 тт.");
    EXPECT_FALSE(q.doc.Objects[1].Checked);
    IniFile saved, again;
    WriteDocument(saved, p.Parts());
    WriteDocument(again, q.Parts());
    EXPECT_EQ(again.ToText(), saved.ToText());
    std::remove(path.c_str());
}
