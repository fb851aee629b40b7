#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it, and the reading and
// writing of whole files that the tests of files repeat.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

struct TempFolder {
    std::filesystem::path path;

    TempFolder() {
        std::string name = (std::filesystem::temp_directory_path() / "vorn1-test-XXXXXX").string();
        path = mkdtemp(name.data());
    }
    ~TempFolder() {
        std::error_code ec;
        // A test may have left it read-only.
        std::filesystem::permissions(path, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string operator/(const std::string& name) const { return (path / name).string(); }
    std::string Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(path / name, std::ios::binary) << bytes;
        return *this / name;
    }
    // The names of the files in it that are not hidden, sorted.
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        std::error_code ec;
        for (const auto& e : std::filesystem::directory_iterator(path, ec)) {
            const std::string name = e.path().filename().string();
            if (name[0] != '.') names.push_back(name);
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    std::size_t Count() const { return Names().size(); }
};

inline std::string FileText(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void WriteText(const std::string& name, const std::string& text) {
    std::ofstream(name, std::ios::binary) << text;
}
