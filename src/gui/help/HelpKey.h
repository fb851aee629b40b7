#pragma once
// F1 and "Допомога": the help window opened at the help context of the highlighted menu item or of the
// window that has the focus. The contexts table and the pages are found beside the program or in the
// installed share folder; the help file the interface language names chooses the language's pages.
#include "core/app/HelpContexts.h"

#include <QString>

class QAction;
class QWidget;
class THelpWindow;

// Shows the help window at the page of a context (the contents for an unknown one). When a modal dialog is
// open the help window becomes its child window, so that it can be used while the dialog waits.
void OpenHelpContext(int context);
// The context of a window: the nearest of the widget and its parents that the table names; the contents
// when none is named.
int HelpContextOf(const QWidget* widget);
// The context of a menu item: the item's own, else that of its menu and the menus above.
int HelpContextOf(const QAction* action, const QWidget* menu);
// The application-wide F1 key.
void InstallHelpKey();

// The folder holding contexts.tsv and the language folders; found at the first use unless set here.
QString HelpRoot();
void SetHelpRoot(const QString& root);
// The window, once help was opened; null before.
THelpWindow* HelpWindow();
