#include "core/app/RecentFiles.h"
#include "core/app/ExtraSettings.h"

#include <gtest/gtest.h>

TEST(RecentFiles, NewestFirstEachOnceAtMostNine) {
    TRecentFiles files;
    for (int i = 1; i <= 11; ++i)
        files.Add("/d/" + std::to_string(i) + ".vr1");
    files.Add("/d/5.vr1"); // again: moved up, not repeated
    files.Add("");
    ASSERT_EQ(files.Paths().size(), 9u);
    EXPECT_EQ(files.Paths().front(), "/d/5.vr1");
    EXPECT_EQ(files.Paths()[1], "/d/11.vr1");
    EXPECT_EQ(files.Paths().back(), "/d/3.vr1") << "1 and 2 went when 10 and 11 came";
    files.Remove("/d/11.vr1");
    EXPECT_EQ(files.Paths()[1], "/d/10.vr1");

    files.SetPaths({"/a.vr1", "", "/b.vr1", "/a.vr1", "/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8"});
    EXPECT_EQ(files.Paths(),
              (std::vector<std::string>{"/a.vr1", "/b.vr1", "/1", "/2", "/3", "/4", "/5", "/6", "/7"}));
}

TEST(RecentFiles, CaptionsNumberTheNamesAndShowThePathWhereNamesRepeat) {
    EXPECT_EQ(RecentFileCaptions({"/home/t/a.vr1", "/home/t/x/b.vr1", "/srv/a.vr1", "/m/R&D.vr1"}),
              (std::vector<std::string>{"&1 /home/t/a.vr1", "&2 b.vr1", "&3 /srv/a.vr1", "&4 R&&D.vr1"}));
}

TEST(ExtraSettings, EqualScaleAndRecentFilesGoThroughTheSettingsFileAndKeepOtherKeys) {
    IniFile ini("");
    ini.LoadFromText("[Graph]\nBackColor=255\n[RecentFiles]\nFile1=/old.vr1\nFile7=/older.vr1\n");
    TExtraSettings read = ReadExtraSettings(ini);
    EXPECT_FALSE(read.EqualScale);
    EXPECT_EQ(read.RecentFiles, (std::vector<std::string>{"/old.vr1", "/older.vr1"})) << "gaps are left out";

    WriteExtraSettings(ini, {true, {"/a b.vr1", "/c.vr1"}});
    EXPECT_EQ(ini.ReadInteger("Graph", "BackColor", 0), 255) << "the program's own keys stay";
    EXPECT_FALSE(ini.ValueExists("RecentFiles", "File7")) << "the old list is replaced";
    IniFile again("");
    again.LoadFromText(ini.ToText());
    read = ReadExtraSettings(again);
    EXPECT_TRUE(read.EqualScale);
    EXPECT_EQ(read.RecentFiles, (std::vector<std::string>{"/a b.vr1", "/c.vr1"}));

    again.LoadFromText("[Graph]\nEqualScale=yes\n");
    EXPECT_FALSE(ReadExtraSettings(again).EqualScale) << "unreadable: the default";
}
