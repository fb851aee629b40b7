#pragma once
// The analysis and statistics commands as the command line runs them ("vorn1 --run NAME key=value ..."):
// one row per command in CommandTable.cpp names the command, says which selection it works on and which
// values it takes, and points at the core function that the command's dialog calls too.
#include "core/document/TDocument.h"

#include <string>
#include <utility>
#include <vector>

class TGList;
class TMasshImage;

// Which entries a command works on, as its menu command fills the selection.
enum class TSelectionRule {
    Checked, // every checked entry, or the current entry alone when none is checked
    Current  // the current entry alone
};

// A value the command takes, with a short description of what it is when not given (for the usage text).
struct TCommandField {
    const char* Name;
    const char* Default;
};

// The values given on the command line, as the user typed them ("A=2*PI" gives {"A", "2*PI"}). Names are
// matched without regard to case.
class TCommandInputs {
public:
    void Set(const std::string& name, const std::string& value);
    // The typed text, or nullptr when the value was not given.
    const std::string* Find(const char* name) const;
    const std::vector<std::pair<std::string, std::string>>& Values() const { return m_values; }

private:
    std::vector<std::pair<std::string, std::string>> m_values;
};

// What a command's dialog or window would show the user.
struct TCommandOutcome {
    std::vector<std::string> Lines; // appended to the answers window, in order (new entries: their captions)
    std::string Refusal;            // the text of the message box that stopped it; empty when none
    bool DocumentChanged = false;   // it added or changed objects: "--save" has something new to write
    bool ShownOnGraph = false;      // its whole result is drawn on the graph: no lines is no failure
};

// The program state a command runs in: the document with its selection, the graph's surface (whose canvas
// receives the command's drawing after the graph was built) and the labels.
struct TCommandContext {
    TDocument& Doc;
    TMasshImage& Image;
    TGList& Labels;
};

using TCommandFunction = TCommandOutcome (*)(TCommandContext& context, const TCommandInputs& inputs);

struct TCommandInfo {
    const char* Name;
    const char* MenuCaption; // the menu command it stands for
    TSelectionRule Selection;
    std::vector<TCommandField> Fields;
    TCommandFunction Run;
};

// Every command, in the order of the menus.
const std::vector<TCommandInfo>& RunCommands();
const TCommandInfo* FindRunCommand(const std::string& name);

// The name of a given value that the command does not take, or an empty text when all are known.
std::string UnknownField(const TCommandInfo& command, const TCommandInputs& inputs);

// Fills the document's selection by the command's rule (the current entry is the list's current one) and runs
// the command.
TCommandOutcome RunCommand(const TCommandInfo& command, TCommandContext& context,
                           const TCommandInputs& inputs);
