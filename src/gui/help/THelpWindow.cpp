#include "gui/help/THelpWindow.h"

#include "gui/app/LanguageWalk.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <map>

namespace {
constexpr int PageRole = Qt::UserRole;
constexpr const char* Contents = "contents.html";

QString ReadUtf8(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

QString PlainText(const QString& html) {
    QTextDocument doc;
    doc.setHtml(html);
    return doc.toPlainText();
}

QString Captured(const QString& html, const QRegularExpression& re) {
    const QRegularExpressionMatch m = re.match(html);
    return m.hasMatch() ? PlainText(m.captured(1)).simplified() : QString();
}

QWidget* Column(QWidget* top, QWidget* list) {
    auto* w = new QWidget;
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(2, 2, 2, 2);
    if (top) v->addWidget(top);
    v->addWidget(list);
    return w;
}
} // namespace

THelpWindow::THelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("HelpWindow");
    // Its texts follow the language of the pages, not the language file.
    KeepUntranslated(this);
    resize(900, 620);

    auto* bar = new QToolBar(this);
    m_back = new QToolButton(bar);
    m_back->setArrowType(Qt::LeftArrow);
    m_back->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_forward = new QToolButton(bar);
    m_forward->setArrowType(Qt::RightArrow);
    m_forward->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_home = new QToolButton(bar);
    bar->addWidget(m_back);
    bar->addWidget(m_forward);
    bar->addWidget(m_home);

    m_contents = new QListWidget;
    m_indexEdit = new QLineEdit;
    m_indexEdit->setClearButtonEnabled(true);
    m_index = new QListWidget;
    m_searchEdit = new QLineEdit;
    m_searchEdit->setClearButtonEnabled(true);
    m_found = new QListWidget;
    m_tabs = new QTabWidget;
    m_tabs->addTab(Column(nullptr, m_contents), QString());
    m_tabs->addTab(Column(m_indexEdit, m_index), QString());
    m_tabs->addTab(Column(m_searchEdit, m_found), QString());

    m_browser = new QTextBrowser;
    m_browser->setOpenExternalLinks(true);
    auto* split = new QSplitter;
    split->addWidget(m_tabs);
    split->addWidget(m_browser);
    split->setStretchFactor(1, 3);
    split->setSizes({240, 660});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(split);

    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_home, &QToolButton::clicked, this, [this] { ShowPage(Contents); });
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this,
            [this] { setWindowTitle(m_home->toolTip() + " - " + m_browser->documentTitle()); });
    connect(m_contents, &QListWidget::itemActivated, this, &THelpWindow::OpenItem);
    connect(m_contents, &QListWidget::itemClicked, this, &THelpWindow::OpenItem);
    connect(m_index, &QListWidget::itemActivated, this, &THelpWindow::OpenItem);
    connect(m_index, &QListWidget::itemClicked, this, &THelpWindow::OpenItem);
    connect(m_found, &QListWidget::itemActivated, this, &THelpWindow::OpenItem);
    connect(m_found, &QListWidget::itemClicked, this, &THelpWindow::OpenItem);
    connect(m_indexEdit, &QLineEdit::textChanged, this, &THelpWindow::FilterIndex);
    connect(m_indexEdit, &QLineEdit::returnPressed, this, [this] {
        for (int i = 0; i < m_index->count(); ++i)
            if (!m_index->item(i)->isHidden()) return OpenItem(m_index->item(i));
    });
    connect(m_searchEdit, &QLineEdit::returnPressed, this, &THelpWindow::RunSearch);
    connect(m_searchEdit, &QLineEdit::textChanged, this, &THelpWindow::RunSearch);
    ApplyTexts(true);
}

void THelpWindow::ApplyTexts(bool ukrainian) {
    m_tabs->setTabText(0, ukrainian ? "Зміст" : "Contents");
    m_tabs->setTabText(1, ukrainian ? "Покажчик" : "Index");
    m_tabs->setTabText(2, ukrainian ? "Пошук" : "Search");
    m_back->setText(ukrainian ? "Назад" : "Back");
    m_forward->setText(ukrainian ? "Вперед" : "Forward");
    m_home->setText(ukrainian ? "Зміст" : "Contents");
    m_home->setToolTip(ukrainian ? "Довідка Vorn1" : "Vorn1 Help");
    m_indexEdit->setPlaceholderText(ukrainian ? "Слово для пошуку в покажчику" : "Word to find in the index");
    m_searchEdit->setPlaceholderText(ukrainian ? "Слова, які шукати на сторінках"
                                               : "Words to find in the pages");
    setWindowTitle(m_home->toolTip());
}

void THelpWindow::SetPagesFolder(const QString& folder) {
    m_folder = folder;
    m_pages.clear();
    const QDir dir(folder);
    static const QRegularExpression title("<title>(.*?)</title>",
                                          QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression keywords("<meta\\s+name=\"keywords\"\\s+content=\"([^\"]*)\"");
    for (const QString& file : dir.entryList({"*.html"}, QDir::Files, QDir::Name)) {
        const QString html = ReadUtf8(dir.filePath(file));
        TPage page;
        page.File = file;
        page.Title = Captured(html, title);
        page.Text = PlainText(html);
        const QRegularExpressionMatch k = keywords.match(html);
        if (k.hasMatch())
            for (const QString& word : k.captured(1).split(',', Qt::SkipEmptyParts))
                if (!word.trimmed().isEmpty()) page.Keywords << word.trimmed();
        m_pages.push_back(std::move(page));
    }
    m_browser->setSearchPaths({folder});
    m_browser->clearHistory();
    ApplyTexts(QFileInfo(folder).fileName() == "uk");
    ReadContents();
    FillIndex();
    m_found->clear();
}

void THelpWindow::ReadContents() {
    m_contents->clear();
    const QString html = ReadUtf8(QDir(m_folder).filePath(Contents));
    // Section headings and the links under them, in the order of the page.
    static const QRegularExpression entry("<h2[^>]*>(.*?)</h2>|<a\\s+href=\"([^\"]+)\"[^>]*>(.*?)</a>",
                                          QRegularExpression::DotMatchesEverythingOption);
    for (auto it = entry.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (!m.captured(1).isEmpty()) {
            auto* heading = new QListWidgetItem(PlainText(m.captured(1)).simplified(), m_contents);
            QFont bold = heading->font();
            bold.setBold(true);
            heading->setFont(bold);
            heading->setFlags(Qt::ItemIsEnabled);
        } else {
            auto* item = new QListWidgetItem("    " + PlainText(m.captured(3)).simplified(), m_contents);
            item->setData(PageRole, m.captured(2));
        }
    }
}

void THelpWindow::FillIndex() {
    m_index->clear();
    std::vector<std::pair<QString, QString>> entries;
    for (const TPage& page : m_pages)
        for (const QString& word : page.Keywords)
            entries.emplace_back(word, page.File);
    QCollator collator(QFileInfo(m_folder).fileName() == "uk" ? QLocale(QLocale::Ukrainian) : QLocale::c());
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(entries.begin(), entries.end(),
                     [&](const auto& a, const auto& b) { return collator.compare(a.first, b.first) < 0; });
    for (const auto& [word, file] : entries) {
        const TPage* page = nullptr;
        for (const TPage& p : m_pages)
            if (p.File == file) page = &p;
        auto* item = new QListWidgetItem(word + "  —  " + page->Title, m_index);
        item->setData(PageRole, file);
        item->setData(Qt::UserRole + 1, word);
    }
    FilterIndex(m_indexEdit->text());
}

void THelpWindow::FilterIndex(const QString& text) {
    const QString wanted = text.trimmed();
    for (int i = 0; i < m_index->count(); ++i) {
        QListWidgetItem* item = m_index->item(i);
        item->setHidden(!wanted.isEmpty() &&
                        !item->data(Qt::UserRole + 1).toString().contains(wanted, Qt::CaseInsensitive));
    }
}

std::vector<const THelpWindow::TPage*> THelpWindow::Search(const QString& query) const {
    const QStringList words = query.simplified().split(' ', Qt::SkipEmptyParts);
    std::vector<std::pair<int, const TPage*>> hits;
    if (words.isEmpty()) return {};
    for (const TPage& page : m_pages) {
        int count = 0;
        bool all = true;
        for (const QString& word : words) {
            const int n =
                page.Text.count(word, Qt::CaseInsensitive) + 3 * page.Title.count(word, Qt::CaseInsensitive);
            if (n == 0) all = false;
            count += n;
        }
        if (all) hits.emplace_back(count, &page);
    }
    std::stable_sort(hits.begin(), hits.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<const TPage*> pages;
    for (const auto& hit : hits)
        pages.push_back(hit.second);
    return pages;
}

void THelpWindow::RunSearch() {
    m_found->clear();
    for (const TPage* page : Search(m_searchEdit->text())) {
        auto* item = new QListWidgetItem(page->Title, m_found);
        item->setData(PageRole, page->File);
    }
}

void THelpWindow::OpenItem(QListWidgetItem* item) {
    const QString page = item ? item->data(PageRole).toString() : QString();
    if (page.isEmpty()) return;
    ShowPage(page);
    // A search result shows its first hit.
    if (item->listWidget() == m_found) {
        const QString first = m_searchEdit->text().simplified().section(' ', 0, 0);
        if (!first.isEmpty()) m_browser->find(first);
    }
}

bool THelpWindow::ShowPage(const QString& page) {
    const QString file = page.section('#', 0, 0);
    const QString anchor = page.section('#', 1);
    const QString path = QDir(m_folder).filePath(file);
    if (m_folder.isEmpty() || !QFileInfo(path).isFile()) return false;
    QUrl url = QUrl::fromLocalFile(path);
    if (!anchor.isEmpty()) url.setFragment(anchor);
    m_browser->setSource(url);
    return true;
}

QString THelpWindow::CurrentPage() const {
    const QUrl source = m_browser->source();
    return source.isEmpty() ? QString() : QFileInfo(source.toLocalFile()).fileName();
}
