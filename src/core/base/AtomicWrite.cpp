#include "core/base/AtomicWrite.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr mode_t NewFileMode = 0644;
// "doc.vr1" is written as "doc.vr1.vorn1-tmp-" and six characters of mkstemp's choosing.
constexpr const char* TempMark = ".vorn1-tmp-";
constexpr std::size_t TempUniqueLength = 6;
// Symbolic links followed at most, as the system itself does.
constexpr int MaxLinks = 40;

mode_t CurrentUmask() {
    // umask can only be read by setting it; the program sets it nowhere else.
    const mode_t mask = umask(0);
    umask(mask);
    return mask;
}

bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

std::string FolderOf(const std::string& fileName) {
    const std::size_t slash = fileName.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : fileName.substr(0, slash);
}

std::string BaseName(const std::string& fileName) {
    const std::size_t slash = fileName.rfind('/');
    return slash == std::string::npos ? fileName : fileName.substr(slash + 1);
}

// The file a name leads to through symbolic links, also when the last link names a file not yet there (the
// write creates it). A loop of links is left as it is, and the write fails on it.
std::string ResolvedTarget(const std::string& fileName) {
    std::string name = fileName;
    for (int i = 0; i < MaxLinks; ++i) {
        struct stat st;
        if (lstat(name.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return name;
        std::vector<char> buffer(PATH_MAX + 1);
        const ssize_t n = readlink(name.c_str(), buffer.data(), buffer.size() - 1);
        if (n < 0) return name;
        const std::string link(buffer.data(), static_cast<std::size_t>(n));
        name = !link.empty() && link[0] == '/' ? link : FolderOf(name) + "/" + link;
    }
    return fileName;
}

// The rename itself made durable; a failure here no longer endangers either file.
void SyncFolder(const std::string& folder) {
    const int dir = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        fsync(dir);
        close(dir);
    }
}

enum class TInPlace { Written, Untouched, Damaged };

// The text written over the file itself, for a file that must stay the same file.
TInPlace WriteInPlace(const std::string& target, std::string_view contents) {
    const int fd = open(target.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return TInPlace::Untouched;
    bool ok = WriteAll(fd, contents);
    ok = ok && ftruncate(fd, static_cast<off_t>(contents.size())) == 0;
    ok = ok && fsync(fd) == 0;
    ok = (close(fd) == 0) && ok;
    return ok ? TInPlace::Written : TInPlace::Damaged;
}

bool IsTemporaryName(const std::string& name, const std::string& prefix) {
    if (name.size() != prefix.size() + TempUniqueLength || name.compare(0, prefix.size(), prefix) != 0)
        return false;
    for (std::size_t i = prefix.size(); i < name.size(); ++i) {
        const char c = name[i];
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) return false;
    }
    return true;
}

// Temporaries of earlier writes of the target that never ended. A write holds a lock on its temporary from
// creating it until it is renamed, so a temporary that can be locked belongs to no running write.
void RemoveStaleTemporaries(const std::string& target, const std::string& keep) {
    const std::string folder = FolderOf(target);
    const std::string prefix = BaseName(target) + TempMark;
    DIR* dir = opendir(folder.c_str());
    if (!dir) return;
    const int dirFd = dirfd(dir);
    while (const dirent* e = readdir(dir)) {
        const std::string name = e->d_name;
        if (!IsTemporaryName(name, prefix) || name == BaseName(keep)) continue;
        struct stat st;
        if (fstatat(dirFd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode) ||
            st.st_uid != geteuid())
            continue;
        const int fd = openat(dirFd, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) continue;
        if (flock(fd, LOCK_EX | LOCK_NB) == 0) unlinkat(dirFd, name.c_str(), 0);
        close(fd);
    }
    closedir(dir);
}

} // namespace

std::string TemporaryPrefix(const std::string& fileName) {
    return ResolvedTarget(fileName) + TempMark;
}

bool IsWriteProtected(const std::string& fileName) {
    const std::string target = ResolvedTarget(fileName);
    struct stat st;
    if (stat(target.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || access(target.c_str(), W_OK) != 0;
}

bool WriteFileAtomically(const std::string& fileName, std::string_view contents) {
    if (fileName.empty()) return false;
    const std::string target = ResolvedTarget(fileName);
    struct stat old;
    const bool exists = stat(target.c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode)) return false;

    std::string pattern = target + TempMark + std::string(TempUniqueLength, 'X');
    std::vector<char> temp(pattern.begin(), pattern.end());
    temp.push_back('\0');
    const int fd = mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) return false;
    bool ok = flock(fd, LOCK_EX) == 0;

    // A replaced file keeps its owner, group and permissions (mkstemp makes the file private; the owner
    // first, as a change of owner clears the set-id bits); a new one gets the usual permissions.
    bool inPlace = false;
    if (exists) {
        inPlace = old.st_nlink > 1;
        if ((old.st_uid != geteuid() || old.st_gid != getegid()) && fchown(fd, old.st_uid, old.st_gid) != 0)
            inPlace = true;
    }
    const mode_t mode = exists ? (old.st_mode & 07777) : (NewFileMode & ~CurrentUmask());
    ok = ok && fchmod(fd, mode) == 0;
    ok = ok && WriteAll(fd, contents);
    ok = ok && fsync(fd) == 0;
    if (ok && inPlace) {
        close(fd);
        const TInPlace written = WriteInPlace(target, contents);
        // Broken off midway, the file is damaged and the temporary keeps the whole text to take back.
        if (written == TInPlace::Damaged) return false;
        unlink(temp.data());
        if (written == TInPlace::Untouched) return false;
    } else {
        // The lock is held until the rename is done, so no other write takes the temporary for a stale one.
        ok = ok && std::rename(temp.data(), target.c_str()) == 0;
        close(fd);
        if (!ok) {
            unlink(temp.data());
            return false;
        }
        SyncFolder(FolderOf(target));
    }
    RemoveStaleTemporaries(target, temp.data());
    return true;
}
