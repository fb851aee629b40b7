#pragma once
// The help window: the pages of one language in a simple HTML browser, with the contents, an index built
// from each page's keywords and a full-text search over the pages; back and forward follow the links the
// user took.
#include <QString>
#include <QWidget>

#include <vector>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTabWidget;
class QTextBrowser;
class QToolButton;

class THelpWindow : public QWidget {
    Q_OBJECT
public:
    struct TPage {
        QString File;  // name inside the folder
        QString Title; // from <title>
        QString Text;  // the plain text, for the search
        QStringList Keywords;
    };

    explicit THelpWindow(QWidget* parent = nullptr);

    // Reads the pages of a folder and fills the contents and the index; the texts of the window follow the
    // folder's language.
    void SetPagesFolder(const QString& folder);
    const QString& PagesFolder() const { return m_folder; }
    // page: a file name inside the folder, may end in "#anchor"; false when the file is not there.
    bool ShowPage(const QString& page);
    // The file name of the page shown, without the anchor; empty when none.
    QString CurrentPage() const;
    // Pages holding every word of the query (case ignored), most hits first.
    std::vector<const TPage*> Search(const QString& query) const;
    const std::vector<TPage>& Pages() const { return m_pages; }

    QTextBrowser* Browser() const { return m_browser; }
    QListWidget* ContentsList() const { return m_contents; }
    QListWidget* IndexList() const { return m_index; }
    QLineEdit* IndexEdit() const { return m_indexEdit; }
    QLineEdit* SearchEdit() const { return m_searchEdit; }
    QListWidget* SearchList() const { return m_found; }

private:
    void ApplyTexts(bool ukrainian);
    void ReadContents();
    void FillIndex();
    void FilterIndex(const QString& text);
    void RunSearch();
    void OpenItem(QListWidgetItem* item);

    QString m_folder;
    std::vector<TPage> m_pages;
    QTabWidget* m_tabs = nullptr;
    QListWidget* m_contents = nullptr;
    QLineEdit* m_indexEdit = nullptr;
    QListWidget* m_index = nullptr;
    QLineEdit* m_searchEdit = nullptr;
    QListWidget* m_found = nullptr;
    QTextBrowser* m_browser = nullptr;
    QToolButton* m_back = nullptr;
    QToolButton* m_forward = nullptr;
    QToolButton* m_home = nullptr;
};
