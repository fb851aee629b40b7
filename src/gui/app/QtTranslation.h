#pragma once
// The toolkit's own texts (the file, colour and font dialogs, the standard buttons) in the interface
// language.
#include <QString>

class QCoreApplication;

// Loads Qt's translation for the language code ("uk") from Qt's translations folder, replacing the one loaded
// before; false when it is not installed (the toolkit then speaks English).
bool InstallQtTranslation(QCoreApplication& app, const QString& language);
