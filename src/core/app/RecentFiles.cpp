#include "core/app/RecentFiles.h"

#include <algorithm>

namespace {
std::string FileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}
} // namespace

void TRecentFiles::Add(const std::string& path) {
    if (path.empty()) return;
    Remove(path);
    m_paths.insert(m_paths.begin(), path);
    if (m_paths.size() > static_cast<std::size_t>(MaxRecentFiles)) m_paths.resize(MaxRecentFiles);
}

void TRecentFiles::Remove(const std::string& path) {
    m_paths.erase(std::remove(m_paths.begin(), m_paths.end(), path), m_paths.end());
}

void TRecentFiles::SetPaths(const std::vector<std::string>& paths) {
    m_paths.clear();
    for (const std::string& p : paths)
        if (!p.empty() && std::find(m_paths.begin(), m_paths.end(), p) == m_paths.end() &&
            m_paths.size() < static_cast<std::size_t>(MaxRecentFiles))
            m_paths.push_back(p);
}

std::vector<std::string> RecentFileCaptions(const std::vector<std::string>& paths) {
    std::vector<std::string> captions;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const std::string name = FileNameOf(paths[i]);
        const bool shared = std::count_if(paths.begin(), paths.end(), [&name](const std::string& p) {
                                return FileNameOf(p) == name;
                            }) > 1;
        // A & in a name would be taken for a mnemonic.
        std::string shown;
        for (char c : shared ? paths[i] : name)
            shown += c == '&' ? std::string("&&") : std::string(1, c);
        captions.push_back("&" + std::to_string(i + 1) + " " + shown);
    }
    return captions;
}
