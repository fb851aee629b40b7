// The program under a random user: the real main window, started as the program starts it, gets a number of
// random actions. It must not crash (the process would die), hang (the watchdog ends the process), leak or
// overrun memory (the sanitizers report at exit), nor lose the document.
//
// - VORN1_MONKEY_COUNT: how many actions (300 by default).
// - VORN1_MONKEY_SEED: the seed of the run (1 by default). It is printed, so a failure can be repeated.
// - VORN1_MONKEY_WATCHDOG: the seconds one action may take (60 by default).
// - VORN1_MONKEY_VERBOSE: when set, every action is printed.
#include "Monkey.h"
#include "support/TempFolder.h"

#include "core/app/ProgramFolders.h"
#include "core/formula/ParamTable.h"
#include "gui/app/T__Main.h"
#include "gui/plot/TGr.h"

#include <gtest/gtest.h>

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {
int EnvNumber(const char* name, int def) {
    const char* v = std::getenv(name);
    return v && *v ? std::atoi(v) : def;
}
} // namespace

TEST(Monkey, RandomActionsOnTheMainWindowNeitherCrashNorHangNorLoseTheDocument) {
    const int actions = EnvNumber("VORN1_MONKEY_COUNT", 300);
    const auto seed = static_cast<unsigned>(EnvNumber("VORN1_MONKEY_SEED", 1));
    std::printf("monkey: %d actions, seed %u\n", actions, seed);
    std::fflush(stdout);

    TempFolder folder;
    SetProgramFolders({std::string(VORN1_SOURCE_DIR) + "/lang", folder.path.string() + "/settings"});
    ParamTable().ResetForNewDocument();
    {
        T__Main main;
        main.Start();
        TMonkey monkey(main, QString::fromStdString(folder.path.string()), VORN1_SOURCE_DIR, seed,
                       EnvNumber("VORN1_MONKEY_WATCHDOG", 60));
        monkey.Verbose = std::getenv("VORN1_MONKEY_VERBOSE") != nullptr;
        EXPECT_TRUE(monkey.Run(actions)) << monkey.Failure();
        // The window closes without asking.
        main.Document().Objects.Modified = false;
        main.Gr()->Labels().Clear();
    }
    ParamTable().ResetForNewDocument();
    SetProgramFolders({});
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false); // "Вихід" only hides the window here
    return RUN_ALL_TESTS();
}
