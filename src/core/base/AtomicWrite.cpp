#include "core/base/AtomicWrite.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr mode_t NewFileMode = 0644;

mode_t CurrentUmask() {
    // umask can only be read by setting it; the program has a single thread.
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

// A target that is a symbolic link is written through it, so the link stays a link.
std::string ResolvedTarget(const std::string& fileName) {
    struct stat st;
    if (lstat(fileName.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return fileName;
    char* resolved = realpath(fileName.c_str(), nullptr);
    if (!resolved) return fileName;
    std::string result(resolved);
    std::free(resolved);
    return result;
}

std::string FolderOf(const std::string& fileName) {
    const std::size_t slash = fileName.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : fileName.substr(0, slash);
}

} // namespace

bool WriteFileAtomically(const std::string& fileName, std::string_view contents) {
    if (fileName.empty()) return false;
    const std::string target = ResolvedTarget(fileName);

    std::string pattern = target + ".XXXXXX";
    std::vector<char> temp(pattern.begin(), pattern.end());
    temp.push_back('\0');
    const int fd = mkstemp(temp.data());
    if (fd < 0) return false;

    // mkstemp makes the file private; a replaced file keeps its permissions, a new one gets the usual ones.
    struct stat old;
    const mode_t mode = stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)
                            ? (old.st_mode & 07777)
                            : NewFileMode & ~CurrentUmask();
    bool ok = fchmod(fd, mode) == 0;
    ok = ok && WriteAll(fd, contents);
    ok = ok && fsync(fd) == 0;
    ok = (close(fd) == 0) && ok;
    ok = ok && std::rename(temp.data(), target.c_str()) == 0;
    if (!ok) {
        unlink(temp.data());
        return false;
    }
    // Make the rename itself durable; a failure here no longer endangers either file.
    const int dir = open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        fsync(dir);
        close(dir);
    }
    return true;
}
