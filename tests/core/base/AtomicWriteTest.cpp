#include "core/base/AtomicWrite.h"

#include "support/TempFolder.h"
#include <gtest/gtest.h>

#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <sched.h>
#include <sstream>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct stat StatOf(const std::string& name) {
    struct stat st {};
    stat(name.c_str(), &st);
    return st;
}

// Runs what must not touch the test's own process (a mount namespace, a lower file size limit) in a child;
// its exit status.
int InChild(const std::function<int()>& body) {
    const pid_t pid = fork();
    if (pid == 0) _exit(body());
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100;
}

// A private mount namespace for the child: what it mounts vanishes with it. False where the program may not
// mount (not root).
bool OwnMounts() {
    return unshare(CLONE_NEWNS) == 0 && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
}

const std::string OldText = "[Vorn1]\nNum=0\n";
const std::string NewText = "[Vorn1]\nNum=1\n[Obj1]\nObjType=Normal\nFunc=X\n";

} // namespace

TEST(AtomicWrite, FailuresReportAndLeaveTheOldFile) {
    // 0: failed and the old file is whole with nothing beside it; 1: the write succeeded; 2: the old file
    // changed; 3: something was left beside it; 4: the place could not be prepared.
    const auto outcome = [](const TempFolder& dir, const std::string& name, bool written) {
        if (written) return 1;
        if (FileText(dir / name) != OldText) return 2;
        return dir.Names() == std::vector<std::string>{name} ? 0 : 3;
    };
    {
        SCOPED_TRACE("a read-only folder");
        TempFolder dir;
        WriteText(dir / "doc.vr1", OldText);
        EXPECT_EQ(
            InChild([&] {
                // Root writes into any folder whose mode forbids it; a read-only mount binds root too.
                if (geteuid() == 0) {
                    if (!OwnMounts() ||
                        mount(dir.path.c_str(), dir.path.c_str(), nullptr, MS_BIND, nullptr) ||
                        mount(nullptr, dir.path.c_str(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr))
                        return 4;
                } else if (chmod(dir.path.c_str(), 0555) != 0) {
                    return 4;
                }
                return outcome(dir, "doc.vr1", WriteFileAtomically(dir / "doc.vr1", NewText));
            }),
            0);
    }
    {
        SCOPED_TRACE("a folder of the document's name");
        TempFolder dir;
        ASSERT_EQ(mkdir((dir / "doc.vr1").c_str(), 0755), 0);
        EXPECT_FALSE(WriteFileAtomically(dir / "doc.vr1", NewText));
        EXPECT_EQ(dir.Names(), std::vector<std::string>{"doc.vr1"});
        EXPECT_FALSE(WriteFileAtomically("/dev/null", NewText)) << "no device is replaced";
    }
    {
        SCOPED_TRACE("a full disk");
        TempFolder dir;
        const std::string big(256 * 1024, 'x');
        EXPECT_EQ(InChild([&] {
                      if (OwnMounts()) {
                          // A disk of 64 KiB holding the old document.
                          if (mount("tmpfs", dir.path.c_str(), "tmpfs", 0, "size=64k") != 0) return 4;
                          WriteText(dir / "doc.vr1", OldText);
                      } else {
                          // Without mounts, a file size limit makes the write fail the same way.
                          WriteText(dir / "doc.vr1", OldText);
                          signal(SIGXFSZ, SIG_IGN);
                          const rlimit limit{64 * 1024, 64 * 1024};
                          if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return 4;
                      }
                      if (FileText(dir / "doc.vr1") != OldText) return 4;
                      return outcome(dir, "doc.vr1", WriteFileAtomically(dir / "doc.vr1", OldText + big));
                  }),
                  0);
    }
}

TEST(AtomicWrite, TheFileStaysTheSameFileWithItsLinksModeAndOwner) {
    TempFolder dir;
    {
        SCOPED_TRACE("a symbolic link is written through, also one to a file not yet there");
        WriteText(dir / "real.vr1", OldText);
        ASSERT_EQ(symlink("real.vr1", (dir / "link.vr1").c_str()), 0);
        ASSERT_EQ(symlink("sub/../later.vr1", (dir / "dangling.vr1").c_str()), 0);
        ASSERT_EQ(mkdir((dir / "sub").c_str(), 0755), 0);
        ASSERT_TRUE(WriteFileAtomically(dir / "link.vr1", NewText));
        ASSERT_TRUE(WriteFileAtomically(dir / "dangling.vr1", NewText));
        struct stat st;
        ASSERT_EQ(lstat((dir / "link.vr1").c_str(), &st), 0);
        EXPECT_TRUE(S_ISLNK(st.st_mode));
        ASSERT_EQ(lstat((dir / "dangling.vr1").c_str(), &st), 0);
        EXPECT_TRUE(S_ISLNK(st.st_mode));
        EXPECT_EQ(FileText(dir / "real.vr1"), NewText);
        EXPECT_EQ(FileText(dir / "later.vr1"), NewText);
    }
    {
        SCOPED_TRACE("hard links keep sharing the file");
        WriteText(dir / "one.vr1", OldText);
        ASSERT_EQ(link((dir / "one.vr1").c_str(), (dir / "two.vr1").c_str()), 0);
        const ino_t inode = StatOf(dir / "one.vr1").st_ino;
        ASSERT_TRUE(WriteFileAtomically(dir / "two.vr1", NewText));
        EXPECT_EQ(StatOf(dir / "one.vr1").st_ino, inode);
        EXPECT_EQ(FileText(dir / "one.vr1"), NewText);
        ASSERT_TRUE(WriteFileAtomically(dir / "one.vr1", "short"));
        EXPECT_EQ(FileText(dir / "two.vr1"), "short") << "a shorter text leaves nothing of the longer one";
    }
    {
        SCOPED_TRACE("mode and owner");
        WriteText(dir / "private.vr1", OldText);
        ASSERT_EQ(chmod((dir / "private.vr1").c_str(), 0640), 0);
        const bool root = geteuid() == 0;
        if (root) ASSERT_EQ(chown((dir / "private.vr1").c_str(), 65534, 65534), 0);
        const ino_t inode = StatOf(dir / "private.vr1").st_ino;
        ASSERT_TRUE(WriteFileAtomically(dir / "private.vr1", NewText));
        const struct stat st = StatOf(dir / "private.vr1");
        EXPECT_EQ(st.st_mode & 07777, 0640u);
        if (root) {
            EXPECT_EQ(st.st_uid, 65534u);
            EXPECT_EQ(st.st_gid, 65534u);
            EXPECT_NE(st.st_ino, inode) << "the owner was given to a new file, replaced whole";
        }
        EXPECT_EQ(FileText(dir / "private.vr1"), NewText);
    }
    const std::vector<std::string> all{"dangling.vr1", "later.vr1", "link.vr1", "one.vr1",
                                       "private.vr1",  "real.vr1",  "sub",      "two.vr1"};
    EXPECT_EQ(dir.Names(), all) << "no temporary is left";
}

TEST(AtomicWrite, ASuccessfulWriteRemovesTheTemporariesOfInterruptedOnes) {
    TempFolder dir;
    WriteText(dir / "doc.vr1", OldText);
    const std::string prefix = TemporaryPrefix(dir / "doc.vr1");
    EXPECT_EQ(prefix, dir / "doc.vr1.vorn1-tmp-");
    WriteText(prefix + "a1B2c3", "left by a killed save");
    WriteText(prefix + "live01", "a save going on");
    WriteText(prefix + "toolong1", "not a name the program gives");
    WriteText(dir / "doc.vr1.bak", "the user's");
    WriteText(dir / "other.vr1.vorn1-tmp-a1B2c3", "another document's");
    // A save going on holds a lock on its temporary.
    const int live = open((prefix + "live01").c_str(), O_RDONLY);
    ASSERT_EQ(flock(live, LOCK_EX), 0);

    ASSERT_TRUE(WriteFileAtomically(dir / "doc.vr1", NewText));
    close(live);
    const std::vector<std::string> kept{"doc.vr1", "doc.vr1.bak", "doc.vr1.vorn1-tmp-live01",
                                        "doc.vr1.vorn1-tmp-toolong1", "other.vr1.vorn1-tmp-a1B2c3"};
    EXPECT_EQ(dir.Names(), kept);
}

TEST(AtomicWrite, WriteProtectedFilesAreTold) {
    TempFolder dir;
    WriteText(dir / "free.vr1", OldText);
    WriteText(dir / "locked.vr1", OldText);
    ASSERT_EQ(chmod((dir / "locked.vr1").c_str(), 0444), 0);
    ASSERT_EQ(symlink("locked.vr1", (dir / "to-locked.vr1").c_str()), 0);
    EXPECT_FALSE(IsWriteProtected(dir / "free.vr1"));
    EXPECT_FALSE(IsWriteProtected(dir / "missing.vr1"));
    EXPECT_TRUE(IsWriteProtected(dir / "locked.vr1"));
    EXPECT_TRUE(IsWriteProtected(dir / "to-locked.vr1"));
    // Written anyway, it stays protected.
    ASSERT_TRUE(WriteFileAtomically(dir / "locked.vr1", NewText));
    EXPECT_EQ(StatOf(dir / "locked.vr1").st_mode & 0777, 0444u);
}
