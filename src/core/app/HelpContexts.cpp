#include "core/app/HelpContexts.h"

#include "core/app/LanguageFile.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {
std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::string field;
    std::istringstream in(line);
    while (std::getline(in, field, '\t'))
        fields.push_back(field);
    return fields;
}

std::string Trim(const std::string& s) {
    const auto first = s.find_first_not_of(" \r\n");
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(" \r\n") - first + 1);
}

bool IsDirectory(const fs::path& p) {
    std::error_code ec;
    return fs::is_directory(p, ec);
}
} // namespace

THelpContexts THelpContexts::Parse(const std::string& text) {
    THelpContexts table;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (Trim(line).empty() || Trim(line)[0] == '#') continue;
        const std::vector<std::string> fields = SplitTabs(line);
        if (fields.size() < 2) continue;
        const std::string number = Trim(fields[0]);
        if (number.empty() || number.size() > 9 ||
            !std::all_of(number.begin(), number.end(), [](unsigned char c) { return std::isdigit(c); }))
            continue;
        THelpContext entry;
        entry.Context = std::stoi(number);
        entry.Page = Trim(fields[1]);
        if (entry.Context <= 0 || entry.Page.empty()) continue;
        if (fields.size() > 2) {
            std::istringstream names(fields[2]);
            std::string name;
            while (names >> name)
                entry.Components.push_back(name);
        }
        table.m_entries.push_back(std::move(entry));
    }
    return table;
}

bool THelpContexts::Load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        m_entries.clear();
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    *this = Parse(text.str());
    return true;
}

std::string THelpContexts::PageOf(int context) const {
    for (const THelpContext& e : m_entries)
        if (e.Context == context) return e.Page;
    return {};
}

int THelpContexts::ContextOf(const std::string& component) const {
    for (const THelpContext& e : m_entries)
        if (std::find(e.Components.begin(), e.Components.end(), component) != e.Components.end())
            return e.Context;
    return 0;
}

std::string HelpPagesFolder(const std::string& helpFile) {
    const std::string name = fs::path(helpFile).filename().string();
    std::string stem = fs::path(name).stem().string();
    std::transform(stem.begin(), stem.end(), stem.begin(), [](unsigned char c) { return std::tolower(c); });
    if (stem.size() == 2 &&
        std::all_of(stem.begin(), stem.end(), [](char c) { return c >= 'a' && c <= 'z'; }))
        return stem;
    const std::string code = ToolkitLanguageCode(name);
    return code.empty() ? DefaultHelpPagesFolder : code;
}

std::vector<std::string> HelpRootCandidates(const std::string& programFolder) {
    if (programFolder.empty()) return {};
    const fs::path program(programFolder);
    return {(program / "help").lexically_normal().string(),
            (program / ".." / "share" / "vorn1" / "help").lexically_normal().string()};
}

std::string FindHelpRoot(const std::string& programFolder) {
    for (const std::string& root : HelpRootCandidates(programFolder)) {
        std::error_code ec;
        if (fs::is_regular_file(fs::path(root) / HelpContextsFile, ec)) return root;
    }
    return {};
}

std::string HelpPagesPath(const std::string& root, const std::string& helpFile) {
    const fs::path chosen = fs::path(root) / HelpPagesFolder(helpFile);
    return (IsDirectory(chosen) ? chosen : fs::path(root) / DefaultHelpPagesFolder).string();
}
