#pragma once
// The documents opened or saved last, for the "Файл" menu: newest first, each once, at most MaxRecentFiles.
#include <string>
#include <vector>

constexpr int MaxRecentFiles = 9;

class TRecentFiles {
public:
    // The document becomes the newest (moved up when it is already listed); the oldest beyond the limit goes.
    void Add(const std::string& path);
    void Remove(const std::string& path);
    // As the settings give them: empty names and repeats are left out, and any beyond the limit.
    void SetPaths(const std::vector<std::string>& paths);
    const std::vector<std::string>& Paths() const { return m_paths; }

private:
    std::vector<std::string> m_paths;
};

// The menu captions, "&1 name.vr1" to "&9 ...": the file's name alone, or its whole path when another
// listed file has the same name.
std::vector<std::string> RecentFileCaptions(const std::vector<std::string>& paths);
