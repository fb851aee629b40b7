#include "gui/help/HelpKey.h"

#include "core/app/HelpContexts.h"
#include "core/app/LanguageFile.h"
#include "core/app/ProgramFolders.h"
#include "gui/help/THelpWindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTextBrowser>

namespace {
QString g_root;
bool g_rootSet = false;
THelpContexts g_table;
QString g_tableRoot;
QPointer<THelpWindow> g_window;

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

const THelpContexts& Table() {
    const QString root = HelpRoot();
    if (root != g_tableRoot) {
        g_table.Load(QDir(root).filePath(HelpContextsFile).toStdString());
        g_tableRoot = root;
    }
    return g_table;
}

class THelpKey : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1)
            return false;
        // The key reaches the window system's window before the widget; answer it at the widget.
        if (!watched->isWidgetType()) return false;
        int context = HelpContentsContext;
        auto* menu = qobject_cast<QMenu*>(watched);
        if (!menu) menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu) {
            context = HelpContextOf(menu->activeAction(), menu);
            while (QWidget* popup = QApplication::activePopupWidget())
                popup->close();
        } else if (auto* bar = qobject_cast<QMenuBar*>(watched); bar && bar->activeAction()) {
            context = HelpContextOf(bar->activeAction(), nullptr);
        } else {
            // The key goes to the widget with the focus.
            context = HelpContextOf(static_cast<QWidget*>(watched));
        }
        OpenHelpContext(context);
        return true;
    }
};
} // namespace

QString HelpRoot() {
    if (g_rootSet) return g_root;
    std::string root = FindHelpRoot(ProgramFolders().Program);
    if (root.empty()) root = FindHelpRoot(ExecutableFolder());
    return Q(root);
}

void SetHelpRoot(const QString& root) {
    g_root = root;
    g_rootSet = true;
}

THelpWindow* HelpWindow() {
    return g_window;
}

int HelpContextOf(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (qobject_cast<const THelpWindow*>(w)) break;
        if (int context = Table().ContextOf(w->objectName().toStdString())) return context;
    }
    return HelpContentsContext;
}

int HelpContextOf(const QAction* action, const QWidget* menu) {
    if (action && !action->objectName().isEmpty())
        if (int context = Table().ContextOf(action->objectName().toStdString())) return context;
    // A submenu's own item names the submenu.
    if (action && action->menu())
        if (int context = Table().ContextOf(action->menu()->objectName().toStdString())) return context;
    for (const QWidget* w = menu; w; w = w->parentWidget())
        if (int context = Table().ContextOf(w->objectName().toStdString())) return context;
    return HelpContentsContext;
}

void OpenHelpContext(int context) {
    const QString root = HelpRoot();
    QWidget* modal = QApplication::activeModalWidget();
    if (!g_window) g_window = new THelpWindow(modal);
    // A modal dialog blocks every window but its own children.
    if (g_window->parentWidget() != modal) {
        const QRect place = g_window->geometry();
        g_window->setParent(modal, Qt::Window);
        g_window->setGeometry(place);
    }
    const QString folder = root.isEmpty() ? QString() : Q(HelpPagesPath(root.toStdString(), HelpFileName()));
    if (folder != g_window->PagesFolder()) g_window->SetPagesFolder(folder);
    std::string page = Table().PageOf(context);
    if (page.empty()) page = HelpContentsPage;
    if (!g_window->ShowPage(Q(page)) && !g_window->ShowPage(HelpContentsPage))
        g_window->Browser()->setHtml("<h1>Vorn1</h1><p>Сторінки довідки не знайдено.</p>"
                                     "<p>The help pages are not installed.</p>");
    g_window->show();
    g_window->raise();
    g_window->activateWindow();
}

void InstallHelpKey() {
    static THelpKey* key = nullptr;
    if (key) return;
    key = new THelpKey(qApp);
    qApp->installEventFilter(key);
}
