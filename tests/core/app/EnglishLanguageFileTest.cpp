// The English interface file against the texts the program writes into its default language file (kept in
// lang/Vorn1ukr.lng, which the gui tests compare with what the program writes).
#include "core/app/LanguageFile.h"
#include "core/base/MessageTable.h"

#include <gtest/gtest.h>

#include <regex>

namespace {

IniFile SourceFile(const char* name) {
    IniFile ini;
    EXPECT_TRUE(LoadConfigFile(ini, std::string(VORN1_SOURCE_DIR) + "/lang/" + name)) << name;
    return ini;
}

bool HasCyrillic(const std::string& text) {
    // U+0400..U+04FF are two bytes in UTF-8, the first 0xD0..0xD3.
    for (unsigned char c : text)
        if (c >= 0xD0 && c <= 0xD3) return true;
    return false;
}

std::size_t TrailingBlanks(const std::string& s) {
    return s.size() - s.find_last_not_of(' ') - 1;
}

TEST(EnglishLanguageFile, TranslatesEveryTextOfTheDefaultFileAndNothingElse) {
    const IniFile ukrainian = SourceFile(DefaultLanguageFile);
    const IniFile english = SourceFile("Vorn1eng.lng");
    EXPECT_EQ(english.ReadString("INFO", "Language", ""), "English");
    EXPECT_EQ(english.ReadString("INFO", "AppName", ""), AppTitle);
    ASSERT_EQ(english.Sections(), ukrainian.Sections());
    for (const std::string& section : ukrainian.Sections()) {
        SCOPED_TRACE(section);
        EXPECT_EQ(english.Keys(section), ukrainian.Keys(section)) << "keys in the same order, none missing";
        for (const std::string& key : english.Keys(section)) {
            const std::string text = english.ReadString(section, key, "");
            EXPECT_FALSE(HasCyrillic(text)) << key << "=" << text;
            // Answers line up on the trailing blanks of their headings.
            EXPECT_EQ(TrailingBlanks(text), TrailingBlanks(ukrainian.ReadString(section, key, ""))) << key;
        }
    }
    EXPECT_EQ(english.Keys("InternalResources").size(), static_cast<std::size_t>(MessageCount));
}

TEST(EnglishLanguageFile, FileFiltersKeepTheirPatterns) {
    const IniFile english = SourceFile("Vorn1eng.lng");
    const std::regex filter(R"([^|]+\|\*\.\w+\|[^|]+\|\*\.\*)");
    for (msg::Id id : {msg::DocumentOpenFilter, msg::DocumentSaveFilter, msg::TableOpenFilter,
                       msg::TableSaveFilter, msg::SampleOpenFilter, msg::SampleSaveFilter}) {
        const std::string text = english.ReadString("InternalResources", "r" + std::to_string(id + 1), "");
        EXPECT_TRUE(std::regex_match(text, filter)) << text;
    }
}

} // namespace
