#include "app/CalcMode.h"
#include "core/base/NumberText.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <memory>

TEST(CalcMode, OneLinePerExpressionAsTheCalculatorWritesIt) {
    std::string out, err;
    ASSERT_EQ(RunCalcMode({"2^3^2", "1/0", "SIN X", "LOG(2,8)", "12345", "2+3", "1/3"}, out, err), 0);
    EXPECT_EQ(out, "64\nПомилка обчислення!\nПомилка у виразі!\n3\n1.235E04\n5\n0.3333\n");
    EXPECT_EQ(err, "");
}

TEST(CalcMode, DigitsOption) {
    std::string out, err;
    ASSERT_EQ(RunCalcMode({"--digits", "6", "1/3"}, out, err), 0);
    EXPECT_EQ(out, "0.333333\n");
    SetDigits(4);
    EXPECT_NE(RunCalcMode({"--digits"}, out, err), 0);
    EXPECT_NE(RunCalcMode({"--digits", "x", "1"}, out, err), 0);
    EXPECT_FALSE(err.empty());
    SetDigits(4);
}

TEST(CalcMode, TheProgramPrintsWithoutADisplay) {
    // Runs the real binary with no display at all: the mode must not need a QApplication.
    const std::string command =
        std::string(
            "env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= VORN1_SETTINGS_DIR=/nonexistent/vorn1 ") +
        VORN1_BINARY + " --calc \"2^3^2\" \"1/0\" \"SIN X\" \"LOG(2,8)\" \"12345\"";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    ASSERT_TRUE(pipe);
    std::string out;
    std::array<char, 256> buffer{};
    while (std::fgets(buffer.data(), buffer.size(), pipe.get()))
        out += buffer.data();
    EXPECT_EQ(out, "64\nПомилка обчислення!\nПомилка у виразі!\n3\n1.235E04\n");
}
