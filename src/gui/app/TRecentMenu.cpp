#include "gui/app/TRecentMenu.h"

#include "gui/app/MessageDlg.h"

#include <QAction>
#include <QMenu>

TRecentMenu::TRecentMenu(QMenu* menu, QAction* before, QObject* parent) : QObject(parent) {
    setObjectName("RecentMenu");
    for (int i = 0; i < MaxRecentFiles; ++i) {
        auto* item = new QAction(menu);
        item->setObjectName(QString("RecentFile%1").arg(i + 1));
        connect(item, &QAction::triggered, this, [this, i] { Choose(i); });
        menu->insertAction(before, item);
        m_items.push_back(item);
    }
    m_separator = menu->insertSeparator(before);
    Show();
}

void TRecentMenu::SetPaths(const std::vector<std::string>& paths) {
    m_files.SetPaths(paths);
    Show();
}

void TRecentMenu::Add(const QString& path) {
    m_files.Add(S(path));
    Show();
}

void TRecentMenu::Show() {
    const std::vector<std::string>& paths = m_files.Paths();
    const std::vector<std::string> captions = RecentFileCaptions(paths);
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        const bool used = i < paths.size();
        m_items[i]->setVisible(used);
        m_items[i]->setText(used ? Q(captions[i]) : QString());
        m_items[i]->setStatusTip(used ? Q(paths[i]) : QString());
        m_items[i]->setToolTip(used ? Q(paths[i]) : QString());
    }
    m_separator->setVisible(!paths.empty());
}

void TRecentMenu::Choose(int index) {
    if (index >= static_cast<int>(m_files.Paths().size()) || !Open) return;
    const std::string path = m_files.Paths()[index];
    if (Open(Q(path))) return;
    m_files.Remove(path);
    Show();
}
