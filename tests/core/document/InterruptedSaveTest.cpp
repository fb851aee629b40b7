// Saves killed at random moments: the document is always the whole old or the whole new one, and the
// temporaries the killed saves leave are removed by the next save that succeeds.
#include "support/TempPath.h"

#include "support/TempFolder.h"
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {
// At least this many kills; more, up to the limit, until a few have landed in the middle of writing.
constexpr int Kills = 60;
constexpr int MaxKills = 400;
constexpr int MidwayWanted = 3;

// The save loop on FILE, its output read up to "ready" and the milliseconds of its first save.
struct TSaver {
    pid_t pid = -1;
    int saveMs = 0;
    explicit TSaver(const std::string& file) {
        int out[2];
        if (pipe(out) != 0) return;
        pid = fork();
        if (pid == 0) {
            dup2(out[1], STDOUT_FILENO);
            close(out[0]);
            close(out[1]);
            execl(VORN1_SAVE_LOOP, VORN1_SAVE_LOOP, file.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        close(out[1]);
        std::string line;
        char c = 0;
        while (read(out[0], &c, 1) == 1 && c != '\n')
            line += c;
        close(out[0]);
        if (line.rfind("ready ", 0) != 0) {
            Kill();
            return;
        }
        saveMs = std::atoi(line.c_str() + 6);
    }
    void Kill() {
        if (pid <= 0) return;
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        pid = -1;
    }
};

int Temporaries(const std::string& folder, const std::string& prefix) {
    int n = 0;
    if (DIR* d = opendir(folder.c_str())) {
        while (const dirent* e = readdir(d))
            n += std::string(e->d_name).rfind(prefix, 0) == 0;
        closedir(d);
    }
    return n;
}
} // namespace

TEST(InterruptedSave, TheDocumentIsAlwaysWholeAndStaleTemporariesGo) {
    const std::string folder = TestTempPath("interrupted");
    ASSERT_EQ(std::system(("rm -rf '" + folder + "' && mkdir '" + folder + "'").c_str()), 0);
    const std::string file = folder + "/big.vr1";
    const std::string tempPrefix = "big.vr1.vorn1-tmp-";

    // The two versions the loop saves; the document starts as the first.
    const std::string loop = VORN1_SAVE_LOOP;
    ASSERT_EQ(std::system((loop + " --versions '" + file + "'").c_str()), 0);
    const std::string one = FileText(file + ".first"), two = FileText(file + ".second");
    ASSERT_GT(one.size(), 1000000u);
    ASSERT_NE(one, two);
    std::ofstream(file, std::ios::binary) << one;

    std::mt19937 random(20261208);
    // Each kill lands at a random moment within the next two saves, timed by the first one: the moment
    // falls as often in building the text as in writing it, on a fast build as under a sanitizer.
    int kills = 0, whole = 0, interrupted = 0;
    for (; kills < MaxKills && (kills < Kills || interrupted < MidwayWanted); ++kills) {
        const int k = kills;
        TSaver saver(file);
        ASSERT_GT(saver.pid, 0);
        std::uniform_int_distribution<int> wait(0, 2 * std::max(saver.saveMs, 1) * 1000);
        std::this_thread::sleep_for(std::chrono::microseconds(wait(random)));
        saver.Kill();
        const std::string now = FileText(file);
        EXPECT_TRUE(now == one || now == two) << "kill " << k << " left " << now.size() << " bytes";
        whole += now == one || now == two;
        interrupted += Temporaries(folder, tempPrefix) > 0;
    }
    EXPECT_EQ(whole, kills);
    EXPECT_GT(interrupted, 0) << "no kill landed in the middle of a save";
    std::printf("%d saves killed, the document whole after each; %d kills left a temporary behind\n", kills,
                interrupted);
    RecordProperty("kills", kills);
    RecordProperty("kills_midway", interrupted);

    ASSERT_EQ(std::system((loop + " --once '" + file + "'").c_str()), 0);
    EXPECT_EQ(FileText(file), one);
    EXPECT_EQ(Temporaries(folder, tempPrefix), 0);
    std::system(("rm -rf '" + folder + "'").c_str());
}
