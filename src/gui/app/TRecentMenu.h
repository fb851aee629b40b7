#pragma once
// The recent documents at the end of "Файл", before "Вихід": up to nine items "&1 name.vr1" (objectNames
// "RecentFile1" .. "RecentFile9", the whole path as their tip), hidden while unused. Choosing one opens it
// through Open; a document that can no longer be opened leaves the list.
#include "core/app/RecentFiles.h"

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class QAction;
class QMenu;

class TRecentMenu : public QObject {
    Q_OBJECT
public:
    // The items go into menu before `before`, with a separator after them.
    TRecentMenu(QMenu* menu, QAction* before, QObject* parent = nullptr);

    // Opens a chosen document: true when it was opened (or the user gave up before), false when it could not
    // be read.
    std::function<bool(const QString& path)> Open;

    const TRecentFiles& Files() const { return m_files; }
    void SetPaths(const std::vector<std::string>& paths);
    QAction* Item(int index) const { return m_items[index]; }

public slots:
    // A document was opened or saved under this name.
    void Add(const QString& path);

private:
    void Show();
    void Choose(int index);

    TRecentFiles m_files;
    std::vector<QAction*> m_items;
    QAction* m_separator = nullptr;
};
