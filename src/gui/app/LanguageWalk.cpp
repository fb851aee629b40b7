#include "gui/app/LanguageWalk.h"

#include "core/base/MessageTable.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QErrorMessage>
#include <QFileDialog>
#include <QFontDialog>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QWizard>

#include <algorithm>
#include <set>

namespace {

const char* const KindProperty = "vorn1ComponentKind";
const char* const UntranslatedProperty = "vorn1Untranslated";

IniFile g_builtIn;
bool g_haveBuiltIn = false;

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}
std::string S(const QString& s) {
    return s.toStdString();
}

bool Untranslated(const QObject* o) {
    return o->property(UntranslatedProperty).toBool();
}

// Names the toolkit gives its own parts ("qt_spinbox_lineedit") are no components.
bool IsNamed(const QObject* o) {
    const QString name = o->objectName();
    return !name.isEmpty() && !name.startsWith("qt_");
}

// The toolkit's own dialogs have named parts of their own; they are never the program's windows.
bool IsToolkitDialog(const QWidget* w) {
    return qobject_cast<const QFileDialog*>(w) || qobject_cast<const QColorDialog*>(w) ||
           qobject_cast<const QFontDialog*>(w) || qobject_cast<const QMessageBox*>(w) ||
           qobject_cast<const QInputDialog*>(w) || qobject_cast<const QProgressDialog*>(w) ||
           qobject_cast<const QErrorMessage*>(w) || qobject_cast<const QWizard*>(w);
}

bool IsWindow(const QWidget* w) {
    if (!IsNamed(w) || Untranslated(w) || IsToolkitDialog(w)) return false;
    if (qobject_cast<const QMdiSubWindow*>(w->parentWidget())) return true;
    return w->isWindow() && !qobject_cast<const QMenu*>(w);
}

// The children of o in the order they were made. Raising a widget moves it to the end of its parent's
// children, so the frames of an MDI area go by their creation and the pages of a stack by their index.
QObjectList OrderedChildren(QObject* o) {
    QObjectList children = o->children();
    // The frames are children of the area's viewport.
    if (auto* area = o->parent() ? qobject_cast<QMdiArea*>(o->parent()) : nullptr) {
        for (QMdiSubWindow* sub : area->subWindowList(QMdiArea::CreationOrder))
            if (children.removeOne(sub)) children << sub;
    } else if (auto* stack = qobject_cast<QStackedWidget*>(o)) {
        for (int i = 0; i < stack->count(); ++i)
            if (children.removeOne(stack->widget(i))) children << stack->widget(i);
    }
    return children;
}

// Windows below o, in the order of its children.
void FindWindows(QObject* o, std::vector<QWidget*>& windows, std::set<QWidget*>& seen) {
    auto* w = qobject_cast<QWidget*>(o);
    if (w && Untranslated(w)) return;
    if (w && IsWindow(w) && seen.insert(w).second) windows.push_back(w);
    for (QObject* child : OrderedChildren(o))
        FindWindows(child, windows, seen);
}

// ---- Components ----

QTabWidget* TabsOfPage(const QWidget* w) {
    auto* stack = qobject_cast<QStackedWidget*>(w->parentWidget());
    auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
    return tabs && tabs->indexOf(const_cast<QWidget*>(w)) >= 0 ? tabs : nullptr;
}

// The items of a radio group: its radio buttons without names of their own.
QList<QRadioButton*> GroupItems(const QGroupBox* box) {
    QList<QRadioButton*> items;
    for (QRadioButton* b : box->findChildren<QRadioButton*>())
        if (!IsNamed(b)) items << b;
    return items;
}

bool OnToolBarOnly(const QAction* a) {
    bool toolbar = false;
    for (const QObject* o : a->associatedObjects()) {
        if (qobject_cast<const QMenu*>(o)) return false;
        if (qobject_cast<const QToolBar*>(o)) toolbar = true;
    }
    return toolbar;
}

// The kind of a named object, or false when it has no texts for language files.
bool KindOf(const QObject* o, TComponentKind& kind) {
    using K = TComponentKind;
    const QVariant forced = o->property(KindProperty);
    if (forced.isValid()) {
        kind = static_cast<K>(forced.toInt());
        return true;
    }
    if (auto* a = qobject_cast<const QAction*>(o)) {
        kind = OnToolBarOnly(a) ? K::ToolButton : K::MenuItem;
        return true;
    }
    auto* w = qobject_cast<const QWidget*>(o);
    if (!w) return false;
    if (qobject_cast<const QMenu*>(w))
        kind = K::MenuItem;
    else if (qobject_cast<const QToolBar*>(w))
        kind = K::ToolBar;
    else if (qobject_cast<const QStatusBar*>(w))
        kind = K::StatusBar;
    else if (TabsOfPage(w))
        kind = K::TabSheet;
    else if (qobject_cast<const QCheckBox*>(w))
        kind = K::CheckBox;
    else if (qobject_cast<const QRadioButton*>(w))
        kind = K::RadioButton;
    else if (qobject_cast<const QPushButton*>(w))
        kind = K::Button;
    else if (qobject_cast<const QToolButton*>(w))
        kind = K::SpeedButton;
    else if (auto* label = qobject_cast<const QLabel*>(w))
        kind = label->text().isEmpty() && !label->pixmap().isNull() ? K::Image : K::Label;
    else if (auto* box = qobject_cast<const QGroupBox*>(w))
        kind = GroupItems(box).isEmpty() ? K::GroupBox : K::RadioGroup;
    else if (auto* combo = qobject_cast<const QComboBox*>(w))
        // An editable box holds what the user typed (a history), not texts of the program.
        kind = combo->isEditable() ? K::Panel : K::ComboBox;
    else if (qobject_cast<const QListWidget*>(w))
        kind = K::ListBox;
    else if (qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QTextEdit*>(w))
        kind = K::Memo;
    else
        kind = K::Panel;
    return true;
}

QString MemoText(const QObject* o) {
    if (auto* p = qobject_cast<const QPlainTextEdit*>(o)) return p->toPlainText();
    if (auto* t = qobject_cast<const QTextEdit*>(o)) return t->toPlainText();
    return {};
}

std::string CaptionOf(const QObject* o) {
    if (auto* a = qobject_cast<const QAction*>(o)) return S(a->text());
    if (auto* m = qobject_cast<const QMenu*>(o)) return S(m->title());
    auto* w = qobject_cast<const QWidget*>(o);
    if (QTabWidget* tabs = w ? TabsOfPage(w) : nullptr)
        return S(tabs->tabText(tabs->indexOf(const_cast<QWidget*>(w))));
    if (auto* b = qobject_cast<const QAbstractButton*>(o)) return S(b->text());
    if (auto* l = qobject_cast<const QLabel*>(o)) return S(l->text());
    if (auto* g = qobject_cast<const QGroupBox*>(o)) return S(g->title());
    return {};
}

void SetCaption(QObject* o, const QString& text) {
    if (auto* a = qobject_cast<QAction*>(o)) return a->setText(text);
    if (auto* m = qobject_cast<QMenu*>(o)) return m->setTitle(text);
    auto* w = qobject_cast<QWidget*>(o);
    if (QTabWidget* tabs = w ? TabsOfPage(w) : nullptr) return tabs->setTabText(tabs->indexOf(w), text);
    if (auto* b = qobject_cast<QAbstractButton*>(o)) return b->setText(text);
    if (auto* l = qobject_cast<QLabel*>(o)) return l->setText(text);
    if (auto* g = qobject_cast<QGroupBox*>(o)) return g->setTitle(text);
}

// A menu item's hint is its status line text; a toolbar button's is its tip, which is also its text.
std::string HintOf(const QObject* o, TComponentKind kind) {
    if (auto* a = qobject_cast<const QAction*>(o))
        return S(kind == TComponentKind::ToolButton ? a->toolTip() : a->statusTip());
    if (auto* m = qobject_cast<const QMenu*>(o)) return S(m->menuAction()->statusTip());
    auto* w = qobject_cast<const QWidget*>(o);
    if (!w) return {};
    if (QTabWidget* tabs = TabsOfPage(w)) return S(tabs->tabToolTip(tabs->indexOf(const_cast<QWidget*>(w))));
    return S(w->toolTip());
}

void SetHint(QObject* o, TComponentKind kind, const QString& text) {
    if (auto* a = qobject_cast<QAction*>(o)) {
        if (kind == TComponentKind::ToolButton) {
            a->setText(text);
            a->setToolTip(text);
        }
        a->setStatusTip(text);
        return;
    }
    if (auto* m = qobject_cast<QMenu*>(o)) return m->menuAction()->setStatusTip(text);
    auto* w = qobject_cast<QWidget*>(o);
    if (!w) return;
    if (QTabWidget* tabs = TabsOfPage(w)) return tabs->setTabToolTip(tabs->indexOf(w), text);
    // A button without a caption key that shows its hint as its text shows the new hint.
    auto* b = qobject_cast<QAbstractButton*>(w);
    if (b && !KeysOf(kind).Caption && b->text() == b->toolTip()) b->setText(text);
    w->setToolTip(text);
}

std::vector<std::string> ItemsOf(const QObject* o) {
    std::vector<std::string> items;
    if (auto* c = qobject_cast<const QComboBox*>(o)) {
        for (int i = 0; i < c->count(); ++i)
            items.push_back(S(c->itemText(i)));
    } else if (auto* l = qobject_cast<const QListWidget*>(o)) {
        for (int i = 0; i < l->count(); ++i)
            items.push_back(S(l->item(i)->text()));
    } else if (auto* g = qobject_cast<const QGroupBox*>(o)) {
        for (const QRadioButton* b : GroupItems(g))
            items.push_back(S(b->text()));
    } else if (qobject_cast<const QPlainTextEdit*>(o) || qobject_cast<const QTextEdit*>(o)) {
        const QString text = MemoText(o);
        if (!text.isEmpty())
            for (const QString& line : text.split('\n'))
                items.push_back(S(line));
    }
    return items;
}

void SetItem(QObject* o, int i, const QString& text) {
    if (auto* c = qobject_cast<QComboBox*>(o)) return c->setItemText(i, text);
    if (auto* l = qobject_cast<QListWidget*>(o)) return l->item(i)->setText(text);
    if (auto* g = qobject_cast<QGroupBox*>(o)) return GroupItems(g).at(i)->setText(text);
}

void SetMemoLines(QObject* o, const std::vector<std::string>& lines) {
    QStringList text;
    for (const std::string& line : lines)
        text << Q(line);
    if (auto* p = qobject_cast<QPlainTextEdit*>(o)) return p->setPlainText(text.join('\n'));
    if (auto* t = qobject_cast<QTextEdit*>(o)) return t->setPlainText(text.join('\n'));
}

TComponentTexts TextsOf(QObject* o, TComponentKind kind) {
    TComponentTexts c;
    c.Name = S(o->objectName());
    c.Kind = kind;
    const TComponentKeys keys = KeysOf(kind);
    if (keys.Caption) c.Caption = CaptionOf(o);
    if (keys.Hint) c.Hint = HintOf(o, kind);
    if (keys.Items) c.Items = ItemsOf(o);
    return c;
}

void SetTexts(QObject* o, const TComponentTexts& was, const TComponentTexts& now) {
    if (now.Caption != was.Caption) SetCaption(o, Q(now.Caption));
    if (now.Hint != was.Hint) SetHint(o, now.Kind, Q(now.Hint));
    if (now.Items == was.Items) return;
    if (now.Kind == TComponentKind::Memo) return SetMemoLines(o, now.Items);
    for (std::size_t i = 0; i < now.Items.size(); ++i)
        if (now.Items[i] != was.Items[i]) SetItem(o, static_cast<int>(i), Q(now.Items[i]));
}

// The named components of a window: everything below it except other windows and what they hold.
void FindComponents(QObject* o, std::vector<QObject*>& components) {
    for (QObject* child : OrderedChildren(o)) {
        if (Untranslated(child)) continue;
        if (auto* w = qobject_cast<QWidget*>(child);
            w && (IsWindow(w) || (w->isWindow() && !qobject_cast<QMenu*>(w))))
            continue;
        TComponentKind kind;
        if (IsNamed(child) && KindOf(child, kind)) components.push_back(child);
        FindComponents(child, components);
    }
}

// The texts of every window as they stand, with the objects they came from.
struct TCollected {
    std::vector<TWindowTexts> Texts;
    std::vector<QWidget*> Windows;
    std::vector<std::vector<QObject*>> Components;
};

TCollected Collect() {
    TCollected all;
    for (QWidget* w : ProgramWindows()) {
        TWindowTexts texts;
        texts.Name = S(w->objectName());
        texts.Caption = S(w->windowTitle());
        std::vector<QObject*> components;
        FindComponents(w, components);
        for (QObject* o : components) {
            TComponentKind kind;
            KindOf(o, kind);
            texts.Components.push_back(TextsOf(o, kind));
        }
        all.Texts.push_back(std::move(texts));
        all.Windows.push_back(w);
        all.Components.push_back(std::move(components));
    }
    return all;
}

void ApplyBack(const TCollected& before, const std::vector<TWindowTexts>& after) {
    for (std::size_t i = 0; i < after.size(); ++i) {
        QWidget* w = before.Windows[i];
        if (after[i].Caption != before.Texts[i].Caption) {
            w->setWindowTitle(Q(after[i].Caption));
            if (auto* frame = qobject_cast<QMdiSubWindow*>(w->parentWidget()))
                frame->setWindowTitle(Q(after[i].Caption));
        }
        for (std::size_t k = 0; k < after[i].Components.size(); ++k)
            SetTexts(before.Components[i][k], before.Texts[i].Components[k], after[i].Components[k]);
    }
}

} // namespace

IniFile CurrentTexts() {
    IniFile ini;
    TLanguageWalk walk(TTranslateMode::Write, ini);
    TCollected all = Collect();
    std::string help = HelpFileName();
    WalkAllTexts(walk, help, all.Texts);
    return ini;
}

void SetComponentKind(QObject* object, TComponentKind kind) {
    object->setProperty(KindProperty, static_cast<int>(kind));
}

void KeepUntranslated(QObject* object) {
    object->setProperty(UntranslatedProperty, true);
}

std::vector<QWidget*> ProgramWindows() {
    QWidgetList roots = QApplication::topLevelWidgets();
    std::stable_sort(roots.begin(), roots.end(), [](const QWidget* a, const QWidget* b) {
        const bool mainA = qobject_cast<const QMainWindow*>(a), mainB = qobject_cast<const QMainWindow*>(b);
        if (mainA != mainB) return mainA;
        return a->objectName() < b->objectName();
    });
    std::vector<QWidget*> windows;
    std::set<QWidget*> seen;
    for (QWidget* root : roots)
        if (!root->parentWidget()) FindWindows(root, windows, seen);
    return windows;
}

void CaptureBuiltInTexts() {
    g_builtIn = CurrentTexts();
    g_haveBuiltIn = true;
}

bool WriteLanguageFile(const std::string& path) {
    CaptureBuiltInTexts();
    return g_builtIn.SaveAs(path);
}

bool ApplyLanguageFile(const std::string& path) {
    if (!g_haveBuiltIn) CaptureBuiltInTexts();
    IniFile file;
    if (path.empty())
        file = g_builtIn;
    else if (!LoadConfigFile(file, path))
        return false;
    ResetBuiltInTexts();
    TLanguageWalk walk(TTranslateMode::Read, file, &g_builtIn);
    TCollected all = Collect();
    std::vector<TWindowTexts> texts = all.Texts;
    std::string help = HelpFileName();
    WalkAllTexts(walk, help, texts);
    HelpFileName() = help;
    ApplyBack(all, texts);
    return true;
}
