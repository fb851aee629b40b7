#pragma once
// The help pages: each window and menu item carries a numeric help context, and a table beside the pages
// (help/contexts.tsv) names the page of every context and the components that carry it. The pages of each
// language lie in a folder of their own, chosen by the help file a language file names.
#include <string>
#include <vector>

// "Допомога" and the main window: the contents.
constexpr int HelpContentsContext = 1000;
constexpr const char* HelpContextsFile = "contexts.tsv";
constexpr const char* HelpContentsPage = "contents.html";
constexpr const char* DefaultHelpPagesFolder = "uk";

struct THelpContext {
    int Context = 0;
    std::string Page;                    // relative to the language's folder, may carry an "#anchor"
    std::vector<std::string> Components; // names of the windows and menu items that carry the context
};

class THelpContexts {
public:
    // Lines "context<TAB>page<TAB>component component ..."; blank lines and lines starting with "#" are
    // skipped, and so are lines whose context is not a positive number or whose page is missing.
    static THelpContexts Parse(const std::string& text);
    // False (and an empty table) when the file cannot be read.
    bool Load(const std::string& path);

    // Empty when the context is unknown.
    std::string PageOf(int context) const;
    // The context a component carries, 0 when none.
    int ContextOf(const std::string& component) const;
    const std::vector<THelpContext>& Entries() const { return m_entries; }

private:
    std::vector<THelpContext> m_entries;
};

// The pages folder for a help file name: a bare two-letter name is the folder itself ("en"), otherwise the
// language code in the name ("vorn1ukr.chm" -> "uk", "vorn1eng.chm" -> "en"); the Ukrainian pages when the
// name tells nothing.
std::string HelpPagesFolder(const std::string& helpFile);

// The folders where the pages may lie, in the order searched: beside the program (the build tree) and the
// installed share folder next to its bin folder.
std::vector<std::string> HelpRootCandidates(const std::string& programFolder);
// The first candidate that holds the contexts table, empty when none does.
std::string FindHelpRoot(const std::string& programFolder);
// root/<folder of helpFile> when it exists there, else root/uk.
std::string HelpPagesPath(const std::string& root, const std::string& helpFile);
