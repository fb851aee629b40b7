// The command-line modes with a settings folder of their own: the precision and the language it names.
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>

namespace {

std::string RunCalc(const TempFolder& settings, const std::string& arguments) {
    const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= VORN1_SETTINGS_DIR='" +
                                settings.path.string() + "' " + VORN1_BINARY + " " + arguments;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string out;
    std::array<char, 256> buffer{};
    while (pipe && std::fgets(buffer.data(), buffer.size(), pipe.get()))
        out += buffer.data();
    return out;
}

TEST(ModeSettings, CalcTakesTheDigitsAndTheLanguageOfTheSettingsAndWritesNothing) {
    TempFolder settings;
    settings.Write("vorn1.ini", "[MainWindow]\nLanguage=English\nDigits=6\n");
    std::filesystem::copy_file(std::string(VORN1_SOURCE_DIR) + "/lang/Vorn1eng.lng",
                               settings / "Vorn1eng.lng");
    EXPECT_EQ(RunCalc(settings, "--calc 1/3 1/0 \"SIN X\""),
              "0.333333\nCannot be calculated!\nError in the expression!\n");
    EXPECT_EQ(RunCalc(settings, "--calc --digits 2 1/3"), "0.33\n") << "--digits wins";

    settings.Write("vorn1.ini", "[MainWindow]\nLanguage=Klingon\nDigits=9\n");
    EXPECT_EQ(RunCalc(settings, "--calc 1/3 1/0"), "0.3333\nПомилка обчислення!\n")
        << "a language that is not installed and a precision out of range give the defaults";
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(settings.path))
        ++files;
    EXPECT_EQ(files, 2) << "no default language file, no settings written";
}

} // namespace
