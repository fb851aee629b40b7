#include "Monkey.h"

#include "core/base/IniFile.h"
#include "core/document/DocumentFile.h"
#include "core/objects/ObjectFactory.h"
#include "gui/app/T__Main.h"
#include "gui/document/TObjList.h"
#include "gui/document/TParamPanel.h"
#include "gui/plot/TGr.h"
#include "gui/plot/TGrSurface.h"
#include "gui/plot/TGraphExport.h"
#include "gui/stats/TSGDlg.h"
#include "gui/stats/TSGSDlg.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int PumpIntervalMs = 5;
// Ticks of the pump inside an action with no dialog up before it acts on the main window: an action that
// waits in an event loop of its own (a tool borrowing the graph) needs the user's click to end.
constexpr int IdleTicksBeforeHelp = 40;
constexpr int MaxModalSteps = 14;
constexpr int CheckEvery = 50; // actions between two checks that the document saves and reads back

const char* const Hostile[] = {"",
                               " ",
                               "1/0",
                               "((((((",
                               "))))",
                               "0^0",
                               "-0",
                               "1e4000",
                               "-1e4000",
                               "1e-4000",
                               "9999999999999999999999999999",
                               "NaN",
                               "inf",
                               "SIN(",
                               "X^X^X^X^X^X^X^X^X",
                               "P1/P1",
                               "LN(-1)",
                               "SQRT(-1)",
                               "Текст",
                               "ΔΣ∞≠",
                               "😀👍",
                               "%s%n%x",
                               "\t",
                               "=",
                               "[Obj1]",
                               "\"quoted\"",
                               "1,5",
                               "1.5.5",
                               "--1",
                               "+-+-1",
                               "2**3",
                               "0x1F",
                               "1e",
                               "E",
                               "PI*PI*PI",
                               "0",
                               "-1",
                               "1000000000",
                               "2147483648",
                               "-2147483649",
                               "1e308",
                               "0.0000000000000000001",
                               "X",
                               "Y",
                               "T",
                               "F",
                               "P9",
                               "P10",
                               "ABS(",
                               "1/(X-X)",
                               "TAN(PI/2)",
                               "EXP(1E5)",
                               "X/0",
                               "  3  ",
                               ";",
                               "\\",
                               "..",
                               "A",
                               "B",
                               "10^10^10"};

const char* const Formulas[] = {
    "X",      "SIN(X)", "X^2-P1", "1/X",       "SQRT(X)", "LN(X)", "P2*COS(X)", "X^3-3*X", "ABS(X)-1",
    "EXP(X)", "TAN(X)", "X*Y-1",  "X*X+Y*Y-4", "T",       "2*T",   "COS(F)",    "1+F",     "P1",
    "-5",     "5",      "PI",     "2*PI",      "0.5",     "100",   "-100",      "1e-3",    "3/7"};

const Qt::Key Keys[] = {Qt::Key_Return,  Qt::Key_Enter,     Qt::Key_Escape,   Qt::Key_Tab,   Qt::Key_Backtab,
                        Qt::Key_Delete,  Qt::Key_Backspace, Qt::Key_Up,       Qt::Key_Down,  Qt::Key_Left,
                        Qt::Key_Right,   Qt::Key_PageUp,    Qt::Key_PageDown, Qt::Key_Home,  Qt::Key_End,
                        Qt::Key_Space,   Qt::Key_Insert,    Qt::Key_Plus,     Qt::Key_Minus, Qt::Key_Less,
                        Qt::Key_Greater, Qt::Key_A,         Qt::Key_C,        Qt::Key_V,     Qt::Key_X,
                        Qt::Key_Z,       Qt::Key_1,         Qt::Key_0,        Qt::Key_F2,    Qt::Key_F5,
                        Qt::Key_F9};

template <class T, std::size_t N> constexpr int Count(const T (&)[N]) {
    return static_cast<int>(N);
}

bool Usable(const QWidget* w) {
    return w && w->isVisible() && w->isEnabled();
}

// Dialogs that reach outside the program (printers, the file system by name): closed at once.
bool Outward(const QWidget* w) {
    return qobject_cast<const QFileDialog*>(w) || qobject_cast<const QPrintDialog*>(w) ||
           qobject_cast<const QPrintPreviewDialog*>(w);
}

// Commands that reach a printer.
bool Skipped(const QAction* a) {
    return a->objectName().contains("Print");
}

void CollectCommands(const QList<QAction*>& actions, std::vector<QAction*>& out) {
    for (QAction* a : actions) {
        if (a->isSeparator() || !a->isVisible() || !a->isEnabled() || Skipped(a)) continue;
        if (QMenu* sub = a->menu())
            CollectCommands(sub->actions(), out);
        else
            out.push_back(a);
    }
}

void SendMouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons,
               Qt::KeyboardModifiers modifiers) {
    QMouseEvent e(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), button, buttons, modifiers);
    QApplication::sendEvent(w, &e);
}

} // namespace

TMonkey::TMonkey(T__Main& main, const QString& folder, const QString& sourceDir, unsigned seed,
                 int watchdogSeconds)
    : m_main(main), m_folder(folder), m_sourceDir(sourceDir), m_seed(seed), m_rng(seed),
      m_watchdogSeconds(watchdogSeconds) {
    PrepareFiles();
    InstallFileHooks();
    m_actions = {
        {"menu command", 40, [this] { TriggerMenuCommand(); }},
        {"open a document", 4, [this] { OpenPreparedDocument(); }},
        {"mouse on the graph", 16, [this] { MouseOnGraph(); }},
        {"parameter step", 10, [this] { StepParameter(); }},
        {"object list", 8, [this] { ClickObjectList(); }},
        {"main window widget", 8, [this] { ActOnWindow(&m_main, false); }},
        {"key", 6, [this] { PressKey(QApplication::focusWidget() ? QApplication::focusWidget() : &m_main); }},
        {"tool window", 5, [this] { UseToolWindow(); }},
        {"undo or redo", 2, [this] { UndoRedo(); }},
        {"resize", 1, [this] { ResizeWindows(); }},
    };
    auto* pump = new QTimer(this);
    // The answer runs as a posted call, not in the timer's slot: Qt never fires a timer again while its slot
    // runs, so an answer that opens the next dialog (a message after OK) would wait for itself.
    connect(pump, &QTimer::timeout, this, [this] {
        QMetaObject::invokeMethod(
            this, [this] { AnswerModal(); }, Qt::QueuedConnection);
    });
    pump->start(PumpIntervalMs);
    m_watchdog = std::thread([this] { WatchdogLoop(); });
}

TMonkey::~TMonkey() {
    m_stop = true;
    m_watchdog.join();
}

// ---- Texts ----

QString TMonkey::HostileText() {
    switch (Pick(6)) {
    case 0: { // very long
        const QString unit = Chance(50) ? QString("9") : QString(Formulas[Pick(Count(Formulas))]) + "+";
        return unit.repeated(1 + Pick(5000)) + "1";
    }
    case 1: { // random printable bytes
        QString s;
        for (int i = Pick(40); i >= 0; --i)
            s += QChar(32 + Pick(95));
        return s;
    }
    case 2: { // random characters from anywhere in the basic plane, surrogates left out
        QString s;
        for (int i = Pick(20); i >= 0; --i) {
            const int code = 1 + Pick(0xD7FF);
            s += QChar(code);
        }
        return s;
    }
    case 3: // a huge or tiny number
        return QString("%1%2e%3").arg(Pick(2) ? "-" : "").arg(Pick(1000)).arg(Pick(10000) - 5000);
    default: return QString::fromUtf8(Hostile[Pick(Count(Hostile))]);
    }
}

QString TMonkey::AnyText() {
    switch (Pick(4)) {
    case 0: return QString::number(Pick(41) - 20);
    case 1: return QString::number(std::uniform_real_distribution<double>(-1e3, 1e3)(m_rng));
    case 2: return QString::fromUtf8(Formulas[Pick(Count(Formulas))]);
    default: return HostileText();
    }
}

// ---- Files ----

void TMonkey::PrepareFiles() {
    QDir dir(m_folder);
    // Copies of the examples (a save after opening one writes the copy), and the fuzzers' documents.
    for (const QString& sub : {QString("examples"), QString("fuzz/corpus/fuzz_document")}) {
        QDir from(m_sourceDir + "/" + sub);
        QStringList names = from.entryList(QDir::Files, QDir::Name);
        if (names.size() > 40) names = names.mid(0, 40);
        for (const QString& name : names) {
            const QString to =
                dir.filePath(sub.section('/', -1) + "-" + name + (name.endsWith(".vr1") ? "" : ".vr1"));
            QFile::copy(from.filePath(name), to);
            QFile::setPermissions(to, QFile::ReadOwner | QFile::WriteOwner);
            m_openable << to;
        }
    }
    // Broken files: random bytes, a document cut short, an empty file; a folder and a missing file.
    QByteArray noise;
    for (int i = Pick(20000); i >= 0; --i)
        noise += static_cast<char>(Pick(256));
    const auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile f(dir.filePath(name));
        if (f.open(QIODevice::WriteOnly)) f.write(bytes);
        m_openable << f.fileName();
    };
    write("noise.vr1", noise);
    write("empty.vr1", {});
    write("cut.vr1", "[Vorn1]\nNum=3\n[Obj1]\nObjType=Normal\nFunc=SIN(X\nA=-1e4000\nB=");
    write("huge.vr1", "[Vorn1]\nNum=1\nMinArg=-1e300\nMaxArg=1e300\nMinFunc=1e-300\nMaxFunc=1e-300\n"
                      "[Obj1]\nObjType=Normal\nFunc=X^X\nA=-1e300\nB=1e300\nPoints=1000000000\n");
    write("data.txt", "1 2\n3 4\n5 6\n7 -1e4000\n((( 9\n");
    dir.mkdir("folder.vr1");
    m_openable << dir.filePath("folder.vr1") << dir.filePath("missing.vr1");
}

QString TMonkey::FileToOpen() {
    if (Chance(10)) return {}; // the user gave up
    return m_openable[Pick(m_openable.size())];
}

QString TMonkey::FileToSave(const QString& extension) {
    if (Chance(10)) return {};
    // Sometimes over a file that exists (the overwrite question), sometimes a new one, sometimes a folder.
    if (Chance(20)) return m_openable[Pick(m_openable.size())];
    return QDir(m_folder).filePath(QString("saved-%1.%2").arg(m_savedFiles++ % 8).arg(extension));
}

void TMonkey::InstallFileHooks() {
    m_main.ChooseFile = [this](bool save) { return save ? FileToSave("vr1") : FileToOpen(); };
    if (TGraphExport* e = m_main.GraphExport()) {
        static const char* const Pictures[] = {"png", "bmp", "svg", "pdf", "jpg", "xyz", ""};
        e->ChooseFile = [this] { return FileToSave(Pictures[Pick(Count(Pictures))]); };
    }
}

// ---- Actions ----

// Every command of the main window, wherever it sits (menus, tool bars, pop-up menus, shortcuts): commands
// added later are reached without naming them here.
void TMonkey::TriggerMenuCommand() {
    std::vector<QAction*> commands;
    for (QAction* a : m_main.findChildren<QAction*>())
        if (!a->isSeparator() && !a->menu() && a->isEnabled() && !Skipped(a)) commands.push_back(a);
    if (commands.empty()) return;
    QAction* a = commands[Pick(static_cast<int>(commands.size()))];
    Log("  command " + a->objectName().toStdString() + " " + a->text().toStdString());
    a->trigger();
}

void TMonkey::OpenPreparedDocument() {
    const char* const Commands[] = {"OpenItem", "AddFileItem", "SaveItem", "SaveAsItem", "NewFileItem"};
    if (QAction* a = m_main.Action(Commands[Pick(Count(Commands))])) {
        Log("  command " + a->objectName().toStdString());
        if (a->isEnabled()) a->trigger();
    }
}

void TMonkey::MouseOnGraph() {
    QWidget* surface = m_main.Gr() ? m_main.Gr()->Surface() : nullptr;
    if (!Usable(surface)) return;
    const auto point = [&] {
        // Mostly inside, sometimes at or past the edges.
        return QPoint(Pick(surface->width() + 40) - 20, Pick(surface->height() + 40) - 20);
    };
    const Qt::MouseButton button = Chance(70)   ? Qt::LeftButton
                                   : Chance(70) ? Qt::RightButton
                                                : Qt::MiddleButton;
    const Qt::KeyboardModifiers modifiers = Chance(80)   ? Qt::NoModifier
                                            : Chance(50) ? Qt::ShiftModifier
                                                         : Qt::ControlModifier;
    QPointer<QWidget> w = surface;
    QPoint p = point();
    Log("  mouse at " + std::to_string(p.x()) + "," + std::to_string(p.y()));
    SendMouse(w, QEvent::MouseMove, p, Qt::NoButton, Qt::NoButton, modifiers);
    if (!w) return;
    if (Chance(15)) {
        SendMouse(w, QEvent::MouseButtonDblClick, p, button, button, modifiers);
        return;
    }
    SendMouse(w, QEvent::MouseButtonPress, p, button, button, modifiers);
    for (int steps = Chance(50) ? Pick(12) : 0; steps > 0 && w; --steps) {
        p += QPoint(Pick(61) - 30, Pick(61) - 30);
        SendMouse(w, QEvent::MouseMove, p, Qt::NoButton, button, modifiers);
    }
    if (w) SendMouse(w, QEvent::MouseButtonRelease, p, button, Qt::NoButton, modifiers);
}

void TMonkey::StepParameter() {
    auto* panel = m_main.findChild<TParamPanel*>();
    if (!panel || !panel->isVisible()) return;
    switch (Pick(4)) {
    case 0:
        if (Usable(panel->LSpeedButton())) panel->LSpeedButton()->click();
        break;
    case 1:
        if (Usable(panel->RSpeedButton())) panel->RSpeedButton()->click();
        break;
    case 2:
        if (Usable(panel->ParamTrack()))
            panel->ParamTrack()->setValue(Pick(panel->ParamTrack()->maximum() + 1));
        break;
    default: ActOnWindow(panel, false);
    }
}

void TMonkey::ClickObjectList() {
    QListWidget* list = m_main.ObjList() ? m_main.ObjList()->ObjListBox() : nullptr;
    if (!Usable(list) || list->count() == 0) return;
    const int row = Pick(list->count());
    QListWidgetItem* item = list->item(row);
    const QRect r = list->visualItemRect(item);
    Log("  object list row " + std::to_string(row));
    switch (Pick(4)) {
    case 0: item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked); break;
    case 1: QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, r.center()); break;
    case 2: QTest::mouseClick(list->viewport(), Qt::RightButton, Qt::NoModifier, r.center()); break;
    default: QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
    }
}

void TMonkey::PressKey(QWidget* target) {
    if (!target) return;
    const Qt::Key key = Keys[Pick(Count(Keys))];
    const Qt::KeyboardModifiers modifiers = Chance(75)   ? Qt::NoModifier
                                            : Chance(50) ? Qt::ControlModifier
                                                         : Qt::ShiftModifier;
    Log("  key " + std::to_string(key));
    QTest::keyClick(target, key, modifiers);
}

// One random control of the window: a button pressed, a text typed, a list or grid cell chosen or edited, a
// slider moved, a page turned, a key pressed.
void TMonkey::ActOnWindow(QWidget* root, bool inDialog) {
    QList<QWidget*> controls;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (!Usable(w) || qobject_cast<QMenuBar*>(w)) continue;
        if (!inDialog && w->window() != root->window()) continue; // dialogs of their own are not the window's
        if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
            qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QAbstractSlider*>(w) ||
            qobject_cast<QAbstractItemView*>(w) || qobject_cast<QTabBar*>(w) ||
            qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QTextEdit*>(w))
            controls << w;
    }
    if (controls.isEmpty() || Chance(8)) {
        PressKey(QApplication::focusWidget() ? QApplication::focusWidget() : root);
        return;
    }
    QWidget* w = controls[Pick(controls.size())];
    Log("  control " + w->objectName().toStdString() + " (" + w->metaObject()->className() + ")");
    if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        b->click();
    } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
        if (e->isReadOnly()) return;
        e->setFocus();
        e->setText(AnyText());
        if (Chance(60)) QTest::keyClick(e, Chance(80) ? Qt::Key_Return : Qt::Key_Tab);
    } else if (auto* c = qobject_cast<QComboBox*>(w)) {
        if (c->isEditable() && Chance(70))
            c->setCurrentText(AnyText());
        else if (c->count() > 0)
            c->setCurrentIndex(Pick(c->count()));
    } else if (auto* s = qobject_cast<QAbstractSpinBox*>(w)) {
        if (QLineEdit* e = s->findChild<QLineEdit*>())
            e->setText(Chance(50) ? AnyText() : QString::number(Pick(200) - 100));
        s->interpretText();
        if (Chance(30)) s->stepBy(Pick(21) - 10);
    } else if (auto* sl = qobject_cast<QAbstractSlider*>(w)) {
        sl->setValue(sl->minimum() + Pick(sl->maximum() - sl->minimum() + 1));
    } else if (auto* tab = qobject_cast<QTabBar*>(w)) {
        if (tab->count() > 0) tab->setCurrentIndex(Pick(tab->count()));
    } else if (auto* view = qobject_cast<QAbstractItemView*>(w)) {
        QAbstractItemModel* model = view->model();
        if (!model || model->rowCount() == 0 || model->columnCount() == 0) return;
        const QModelIndex index = model->index(Pick(model->rowCount()), Pick(model->columnCount()));
        view->setCurrentIndex(index);
        const QRect r = view->visualRect(index);
        if (Chance(40) && (model->flags(index) & Qt::ItemIsEditable)) {
            view->edit(index);
            if (auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
                editor->selectAll();
                QTest::keyClicks(editor, AnyText().left(200));
                QTest::keyClick(editor, Qt::Key_Return);
            }
        } else if (Chance(30)) {
            QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
        } else {
            QTest::mouseClick(view->viewport(), Chance(85) ? Qt::LeftButton : Qt::RightButton, Qt::NoModifier,
                              r.center());
        }
    } else if (auto* pe = qobject_cast<QPlainTextEdit*>(w)) {
        if (!pe->isReadOnly()) pe->insertPlainText(AnyText());
    } else if (auto* te = qobject_cast<QTextEdit*>(w)) {
        if (!te->isReadOnly()) te->insertPlainText(AnyText());
    }
}

// The windows that stand beside the main window (the derivative dialog, the calculator, tool windows): a
// control used, or the window closed.
void TMonkey::UseToolWindow() {
    QList<QWidget*> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != &m_main && Usable(w) && !qobject_cast<QMenu*>(w) && !Outward(w)) windows << w;
    for (QMdiSubWindow* sub : m_main.MdiArea()->subWindowList())
        if (Usable(sub->widget())) windows << sub->widget();
    if (windows.isEmpty()) return;
    QWidget* w = windows[Pick(windows.size())];
    Log(std::string("  window ") + w->metaObject()->className());
    if (w->isWindow() && Chance(15))
        w->close();
    else
        ActOnWindow(w, true);
}

// Undo and redo pressed in runs, as a user does, found by name like every command.
void TMonkey::UndoRedo() {
    for (QAction* a : m_main.findChildren<QAction*>()) {
        const QString name = a->objectName();
        if (!name.contains("Undo", Qt::CaseInsensitive) && !name.contains("Redo", Qt::CaseInsensitive))
            continue;
        for (int n = 1 + Pick(4); n > 0 && a->isEnabled(); --n)
            a->trigger();
    }
}

void TMonkey::ResizeWindows() {
    switch (Pick(3)) {
    case 0: m_main.resize(200 + Pick(1200), 150 + Pick(900)); break;
    case 1: {
        const QList<QMdiSubWindow*> subs = m_main.MdiArea()->subWindowList();
        if (!subs.isEmpty()) {
            QMdiSubWindow* s = subs[Pick(subs.size())];
            Chance(30) ? s->showMinimized() : Chance(30) ? s->showMaximized() : s->showNormal();
        }
        break;
    }
    default: m_main.resize(1 + Pick(60), 1 + Pick(60)); // smaller than anything drawable
    }
}

// ---- Dialogs ----

void TMonkey::ConfirmOrCancel(QDialog* dialog) {
    QList<QPushButton*> buttons;
    for (QPushButton* b : dialog->findChildren<QPushButton*>())
        if (Usable(b)) buttons << b;
    QPushButton* confirm = nullptr;
    for (QPushButton* b : buttons)
        if (b->objectName().startsWith("OK", Qt::CaseInsensitive) || b->isDefault()) confirm = b;
    if (Chance(65) && confirm) {
        Log("  confirm");
        confirm->click();
    } else if (Chance(50) && !buttons.isEmpty()) {
        QPushButton* b = buttons[Pick(buttons.size())];
        Log("  button " + b->text().toStdString());
        b->click();
    } else {
        Log("  cancel");
        dialog->reject();
    }
}

void TMonkey::AnswerModal() {
    if (m_actionIndex < 0) return;
    if (QWidget* popup = QApplication::activePopupWidget()) {
        auto* menu = qobject_cast<QMenu*>(popup);
        std::vector<QAction*> items;
        if (menu) CollectCommands(menu->actions(), items);
        if (items.empty() || Chance(30)) {
            Log("  popup closed");
            popup->close();
            return;
        }
        QAction* a = items[Pick(static_cast<int>(items.size()))];
        Log("  popup " + a->objectName().toStdString());
        menu->setActiveAction(a);
        QTest::keyClick(menu, Qt::Key_Return);
        return;
    }
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) {
        // An action still running with no dialog up waits in an event loop of its own for the user.
        if (m_inAction && ++m_idleTicks % IdleTicksBeforeHelp == 0) {
            Log("  nudge");
            switch (Pick(3)) {
            case 0: MouseOnGraph(); break;
            case 1: PressKey(QApplication::focusWidget() ? QApplication::focusWidget() : &m_main); break;
            default: ActOnWindow(&m_main, false);
            }
        }
        return;
    }
    m_idleTicks = 0;
    auto* dialog = qobject_cast<QDialog*>(modal);
    if (Outward(modal) || !dialog) {
        Log(std::string("  closed ") + modal->metaObject()->className());
        if (dialog)
            dialog->done(QDialog::Rejected);
        else
            modal->close();
        return;
    }
    // The data dialogs of tables and samples read and write files through hooks, like the main window.
    if (auto* sg = qobject_cast<TSGDlg*>(dialog); sg && !sg->ChooseFile)
        sg->ChooseFile = [this](bool save) { return save ? FileToSave("txt") : FileToOpen(); };
    if (auto* sgs = qobject_cast<TSGSDlg*>(dialog); sgs && !sgs->ChooseFile)
        sgs->ChooseFile = [this](bool save) { return save ? FileToSave("txt") : FileToOpen(); };

    // Each dialog gets a few steps; past its limit it is closed whatever it holds.
    int steps = dialog->property("monkeySteps").toInt();
    int limit = dialog->property("monkeyLimit").toInt();
    if (limit == 0) {
        limit = 1 + Pick(MaxModalSteps);
        dialog->setProperty("monkeyLimit", limit);
    }
    dialog->setProperty("monkeySteps", ++steps);
    Log(std::string("  dialog ") + dialog->metaObject()->className() + " step " + std::to_string(steps));
    if (steps > limit + 2) {
        dialog->done(QDialog::Rejected);
    } else if (steps >= limit) {
        ConfirmOrCancel(dialog);
    } else {
        ActOnWindow(dialog, true);
    }
}

// ---- The run ----

// The document saved as "Записати" saves it, and every object in the file reads back.
bool TMonkey::DocumentSurvives() {
    const QString path = QDir(m_folder).filePath("check.vr1");
    TObjectList& objects = m_main.Document().Objects;
    const bool modified = objects.Modified;
    if (!SaveDocument(path.toStdString(), {m_main.Document(), m_main.Gr()->I(), m_main.Gr()->Labels()})) {
        m_failure = "the document could not be saved";
        return false;
    }
    objects.Modified = modified; // the check is no save of the user's
    const IniFile ini(path.toStdString());
    const long long count = ini.ReadInteger("Vorn1", "Num", -1);
    if (count != objects.Count()) {
        m_failure = "the document had " + std::to_string(objects.Count()) + " objects, the saved one " +
                    std::to_string(count);
        return false;
    }
    for (int k = 1; k <= count; ++k)
        if (!ReadObject(ini, "Obj" + std::to_string(k))) {
            m_failure = "object " + std::to_string(k) + " of the saved document (" + objects[k - 1].Caption +
                        ") does not read back";
            return false;
        }
    return true;
}

bool TMonkey::Run(int count) {
    int total = 0;
    for (const TAction& a : m_actions)
        total += a.Weight;
    for (int i = 0; i < count; ++i) {
        int r = Pick(total);
        const TAction* action = &m_actions.front();
        for (const TAction& a : m_actions) {
            if (r < a.Weight) {
                action = &a;
                break;
            }
            r -= a.Weight;
        }
        {
            std::lock_guard<std::mutex> lock(m_actionMutex);
            m_actionIndex = i;
            m_actionName = action->Name;
        }
        ++m_beat;
        Log("action " + std::to_string(i) + ": " + action->Name);
        m_inAction = true;
        m_idleTicks = 0;
        action->Run();
        m_inAction = false;
        // Whatever the action left behind (a dialog opened without waiting, a repaint) runs before the next.
        for (int k = 0; k < 3; ++k)
            QApplication::processEvents();
        if (!m_main.isVisible()) m_main.show(); // "Вихід" was confirmed
        if ((i + 1) % CheckEvery == 0 && !QApplication::activeModalWidget() && !DocumentSurvives()) {
            m_failure += " (seed " + std::to_string(m_seed) + ", action " + std::to_string(i) + ")";
            return false;
        }
    }
    {
        std::lock_guard<std::mutex> lock(m_actionMutex);
        m_actionIndex = -1;
    }
    // Dialogs still open are closed before the window goes.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible()) d->done(QDialog::Rejected);
    return true;
}

void TMonkey::Log(const std::string& line) {
    if (Verbose) std::fprintf(stderr, "%s\n", line.c_str());
}

void TMonkey::WatchdogLoop() {
    using namespace std::chrono;
    long seen = -1;
    auto since = steady_clock::now();
    while (!m_stop) {
        std::this_thread::sleep_for(milliseconds(200));
        const long beat = m_beat;
        if (beat != seen) {
            seen = beat;
            since = steady_clock::now();
            continue;
        }
        if (steady_clock::now() - since < seconds(m_watchdogSeconds)) continue;
        std::lock_guard<std::mutex> lock(m_actionMutex);
        if (m_actionIndex < 0) continue;
        std::fprintf(stderr, "monkey: action %ld (%s) ran longer than %d s: a hang (seed %u)\n",
                     m_actionIndex, m_actionName.c_str(), m_watchdogSeconds, m_seed);
        std::fflush(stderr);
        std::abort();
    }
}
