#pragma once
// The language files over the real windows. Every window of the program is found by walking the widgets
// from the top-level windows down: a window is a named widget that is a window of its own (a dialog) or the
// content of an MDI frame. Its named children (widgets, actions, menus) are its components, and the class of
// each decides which texts it has (ComponentTable.h). A window added later takes part as soon as it and its
// controls have object names and it exists when the program starts.
#include "core/app/ComponentTable.h"

#include <string>
#include <vector>

class QObject;
class QWidget;

// Overrides the kind the class would give: a label that shows data, for instance, is a status line (hint
// only), so its changing text stays out of language files.
void SetComponentKind(QObject* object, TComponentKind kind);
// The object and everything in it stay out of language files (a message box built for one question).
void KeepUntranslated(QObject* object);

// The program's windows in walking order: the main window's tree first, in the order of creation, then any
// other top-level windows by name.
std::vector<QWidget*> ProgramWindows();

// Every text the windows and tables show now, as a language file would hold them.
IniFile CurrentTexts();

// Writes the texts of every window and table into the file (created anew), and remembers them as the
// built-in texts. Failures to write are ignored; false then.
bool WriteLanguageFile(const std::string& path);
// The built-in texts as they are now, in memory only (when no default file is written).
void CaptureBuiltInTexts();
// Replaces the texts of every window and table with the file's; a key the file lacks gets the built-in
// text. An empty path puts the built-in texts back. False, changing nothing, when the file cannot be read.
bool ApplyLanguageFile(const std::string& path);
