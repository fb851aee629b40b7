// The help pages as shipped: the contexts table leads to pages that exist in every language, every link of
// every page leads somewhere, and the help file a language file names picks its folder.
#include "core/app/HelpContexts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

namespace fs = std::filesystem;

namespace {
const fs::path HelpRoot = fs::path(VORN1_SOURCE_DIR) / "help";
const char* const Languages[] = {"uk", "en"};

std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Whether "file#anchor" (relative to folder) names an existing file and, with an anchor, an element with
// that id in it.
::testing::AssertionResult Resolves(const fs::path& folder, const std::string& target) {
    const std::string file = target.substr(0, target.find('#'));
    const fs::path path = folder / file;
    if (!fs::is_regular_file(path)) return ::testing::AssertionFailure() << path << " is missing";
    if (target.find('#') == std::string::npos) return ::testing::AssertionSuccess();
    const std::string anchor = target.substr(target.find('#') + 1);
    if (Slurp(path).find("id=\"" + anchor + "\"") == std::string::npos)
        return ::testing::AssertionFailure() << path << " has no id " << anchor;
    return ::testing::AssertionSuccess();
}
} // namespace

TEST(HelpPages, EveryContextNamesAPageOfEveryLanguageAndEveryComponentOneContext) {
    THelpContexts table;
    ASSERT_TRUE(table.Load((HelpRoot / HelpContextsFile).string()));
    ASSERT_GT(table.Entries().size(), 30u);
    EXPECT_EQ(table.PageOf(HelpContentsContext), HelpContentsPage);
    EXPECT_EQ(table.ContextOf("HelpCntItem"), HelpContentsContext);
    std::set<int> contexts;
    std::map<std::string, int> owners;
    for (const THelpContext& entry : table.Entries()) {
        SCOPED_TRACE(entry.Context);
        EXPECT_TRUE(contexts.insert(entry.Context).second) << "a context listed twice";
        for (const std::string& name : entry.Components)
            EXPECT_TRUE(owners.emplace(name, entry.Context).second) << name << " carries two contexts";
        for (const char* lang : Languages)
            EXPECT_TRUE(Resolves(HelpRoot / lang, entry.Page)) << lang;
    }
}

TEST(HelpPages, EveryLinkResolvesAndEveryPageIsInTheContentsAndTheIndex) {
    const std::regex link("href=\"([^\"]*)\"");
    for (const char* lang : Languages) {
        SCOPED_TRACE(lang);
        const fs::path folder = HelpRoot / lang;
        std::set<std::string> pages, listed;
        for (const auto& entry : fs::directory_iterator(folder))
            if (entry.path().extension() == ".html") pages.insert(entry.path().filename().string());
        ASSERT_GT(pages.size(), 25u);
        for (const std::string& page : pages) {
            SCOPED_TRACE(page);
            const std::string html = Slurp(folder / page);
            EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos);
            EXPECT_NE(html.find("<title>"), std::string::npos);
            if (page != HelpContentsPage) {
                EXPECT_NE(html.find("<meta name=\"keywords\" content=\""), std::string::npos)
                    << "not in the index";
            }
            for (auto it = std::sregex_iterator(html.begin(), html.end(), link); it != std::sregex_iterator();
                 ++it) {
                const std::string target = (*it)[1];
                if (target.rfind("http", 0) == 0) continue;
                EXPECT_TRUE(Resolves(folder, target.empty() || target[0] == '#' ? page + target : target));
                if (page == HelpContentsPage) listed.insert(target);
            }
        }
        for (const std::string& page : pages) {
            if (page == HelpContentsPage) continue;
            EXPECT_TRUE(listed.count(page)) << page << " is not in the contents";
        }
        // Both languages have the same pages.
        for (const auto& entry : fs::directory_iterator(HelpRoot / "uk"))
            EXPECT_TRUE(pages.count(entry.path().filename().string())) << entry.path().filename();
    }
}

TEST(HelpPages, TheHelpFileOfALanguageChoosesItsFolder) {
    const struct {
        const char* helpFile;
        const char* folder;
    } rows[] = {
        {"vorn1ukr.chm", "uk"},
        {"VORN1UKR.CHM", "uk"},
        {"/usr/bin/vorn1eng.chm", "en"},
        {"en", "en"},
        {"Vorn1de.chm", "de"},
        {"help.chm", "uk"},
        {"", "uk"},
        {"vorn1xyz.chm", "uk"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.helpFile);
        EXPECT_EQ(HelpPagesFolder(row.helpFile), row.folder);
    }
    // A language without pages of its own falls back to the Ukrainian ones.
    EXPECT_EQ(fs::path(HelpPagesPath(HelpRoot.string(), "vorn1eng.chm")), HelpRoot / "en");
    EXPECT_EQ(fs::path(HelpPagesPath(HelpRoot.string(), "Vorn1de.chm")), HelpRoot / "uk");
}

TEST(HelpPages, TheTableSkipsWhatItCannotReadAndPagesAreFoundBesideOrBelowTheProgram) {
    const THelpContexts table =
        THelpContexts::Parse("# note\n\n12000\tgraph.html\tGr\n"
                             "x\tbad.html\tBad\n0\tzero.html\tZero\n"
                             "13000\n25100\tintegral.html#a\tRngInputP  IntSItem\r\n");
    ASSERT_EQ(table.Entries().size(), 2u);
    EXPECT_EQ(table.PageOf(25100), "integral.html#a");
    EXPECT_EQ(table.ContextOf("IntSItem"), 25100);
    EXPECT_EQ(table.ContextOf("Bad"), 0);
    EXPECT_EQ(table.PageOf(13000), "");

    const fs::path top = fs::path(::testing::TempDir()) / "help-roots";
    fs::remove_all(top);
    fs::create_directories(top / "bin");
    fs::create_directories(top / "share" / "vorn1" / "help");
    EXPECT_EQ(FindHelpRoot((top / "bin").string()), "") << "no table, no help";
    std::ofstream((top / "share" / "vorn1" / "help" / HelpContextsFile).string()) << "1000\tcontents.html\n";
    EXPECT_EQ(fs::path(FindHelpRoot((top / "bin").string())),
              (top / "share" / "vorn1" / "help").lexically_normal());
    fs::create_directories(top / "bin" / "help");
    std::ofstream((top / "bin" / "help" / HelpContextsFile).string()) << "1000\tcontents.html\n";
    EXPECT_EQ(fs::path(FindHelpRoot((top / "bin").string())), (top / "bin" / "help").lexically_normal())
        << "the build tree first";
    fs::remove_all(top);
}
