#include "gui/app/T__Main.h"

#include "core/base/MessageTable.h"
#include "core/document/DocumentFile.h"
#include "core/formula/ParamTable.h"
#include "core/plot/MasshZoom.h"
#include "gui/app/MessageDlg.h"
#include "gui/app/TAboutDlg.h"
#include "gui/app/TAns.h"
#include "gui/app/TCalcForm.h"
#include "gui/app/ToolIcons.h"
#include "gui/document/TFuInput.h"
#include "gui/document/TFuInputEditor.h"
#include "gui/document/TObjList.h"
#include "gui/document/TParamPanel.h"
#include "gui/plot/TGr.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>

namespace {
constexpr int OriginalToolbarWidth = 29;

// The focused control when it is a text editor, with what the edit commands need of it.
struct FocusedEdit {
    QLineEdit* line = nullptr;
    QPlainTextEdit* plain = nullptr;
    QTextEdit* rich = nullptr;

    static FocusedEdit Get() {
        FocusedEdit f;
        QWidget* w = QApplication::focusWidget();
        if (auto* combo = qobject_cast<QComboBox*>(w))
            f.line = combo->lineEdit();
        else if (auto* spin = qobject_cast<QAbstractSpinBox*>(w))
            f.line = spin->findChild<QLineEdit*>();
        else {
            f.line = qobject_cast<QLineEdit*>(w);
            f.plain = qobject_cast<QPlainTextEdit*>(w);
            f.rich = qobject_cast<QTextEdit*>(w);
        }
        return f;
    }
    bool Any() const { return line || plain || rich; }
    bool HasSelection() const {
        return (line && line->hasSelectedText()) || (plain && plain->textCursor().hasSelection()) ||
               (rich && rich->textCursor().hasSelection());
    }
    bool ReadOnly() const {
        return (line && line->isReadOnly()) || (plain && plain->isReadOnly()) || (rich && rich->isReadOnly());
    }
    void Cut() const { line ? line->cut() : plain ? plain->cut() : rich ? rich->cut() : void(); }
    void Copy() const { line ? line->copy() : plain ? plain->copy() : rich ? rich->copy() : void(); }
    void Paste() const { line ? line->paste() : plain ? plain->paste() : rich ? rich->paste() : void(); }
};
} // namespace

T__Main::T__Main(QWidget* parent) : QMainWindow(parent) {
    setObjectName("__Main");
    setWindowTitle("Vorn1");
    m_mdiArea = new QMdiArea(this);
    m_mdiArea->setObjectName("MdiArea");
    setCentralWidget(m_mdiArea);
    createWindows();
    createActions();
    createMenus();
    createToolBars();
    connectSurface();
    move(InitialMainLeft, InitialMainTop);
    resizeToInitialClientArea();
    applyLayout(InitialLayout());
}

T__Main::~T__Main() = default;

void T__Main::createWindows() {
    // The graph window first: everything that draws needs its plot surface.
    m_gr = new TGr(m_doc);
    m_ans = new TAns;
    m_objList = new TObjList(m_doc, m_gr->I());
    m_gr->SetAns(m_ans);
    InstallObjectEditor(this);
    SetCircleGraphWindow(m_gr);
    const TWindowLayout l = InitialLayout();
    m_grSub = addChild(m_gr, l.Graph);
    m_ansSub = addChild(m_ans, l.Answers);
    m_objListSub = addChild(m_objList, l.ObjList);
    m_calc = new TCalcForm(this);
    m_about = new TAboutDlg(this);
}

QMdiSubWindow* T__Main::addChild(QWidget* w, const TWinRect& r) {
    QMdiSubWindow* sub = m_mdiArea->addSubWindow(w);
    sub->setObjectName(w->objectName() + "Window");
    sub->setWindowTitle(w->windowTitle());
    sub->setAttribute(Qt::WA_DeleteOnClose, false);
    sub->setGeometry(r.Left, r.Top, r.Width, r.Height);
    sub->installEventFilter(this);
    sub->show();
    return sub;
}

QAction* T__Main::newAction(const QString& name, const QString& caption, void (T__Main::*slot)()) {
    auto* a = new QAction(caption, this);
    a->setObjectName(name);
    if (slot)
        connect(a, &QAction::triggered, this, slot);
    else
        a->setEnabled(false); // its command is not part of this program yet
    return a;
}

QAction* T__Main::Action(const QString& name) const {
    return findChild<QAction*>(name);
}

void T__Main::createActions() {
    TGr* gr = m_gr;
    TObjList* ol = m_objList;
    auto call = [this](QAction* a, auto fn) {
        a->setEnabled(true);
        connect(a, &QAction::triggered, this, fn);
        return a;
    };

    // File.
    call(newAction("NewFileItem", "Новий"), [this] { NewFile(); });
    call(newAction("OpenItem", "Відкрити..."), [this] { OpenFile(); });
    call(newAction("AddFileItem", "Додати..."), [this] { AddFile(); });
    call(newAction("SaveItem", "Записати"), [this] { SaveFile(); });
    call(newAction("SaveAsItem", "Записати як..."), [this] { SaveFileAs(); });
    call(newAction("Vorn1Exit", "Вихід"), [this] { close(); });
    Action("NewFileItem")->setShortcut(QKeySequence::New);
    Action("OpenItem")->setShortcut(QKeySequence::Open);
    Action("SaveItem")->setShortcut(QKeySequence::Save);
    Action("SaveAsItem")->setShortcut(QKeySequence::SaveAs);
    Action("Vorn1Exit")->setShortcut(QKeySequence::Quit);

    // Object.
    call(newAction("NewObjItem", "Створити..."), [ol] { ol->NewObjPopupClick(); });
    call(newAction("ChangeObjItem", "Змінити..."), [ol] { ol->ChngObjPopupClick(); });
    call(newAction("FixParam", "Новий об'єкт з зафіксованими параметрами"), [this, ol] {
        ol->FixParams();
        m_doc.Objects.Modified = true;
    });
    call(newAction("DelObjItem", "Вилучити"), [ol] { ol->DelObjPopupClick(); });
    call(newAction("DelLastObjItem", "Вилучити останній"), [ol] { ol->DelLastObjPopUpClick(); });
    call(newAction("DelActiveItem", "Вилучити поточний"), [ol] { ol->DelActiveObjPopUpClick(); });
    newAction("ListObjItem", "Список об'єктів", &T__Main::ShowObjectList);

    // Edit.
    newAction("Cut1", "Вирізати", &T__Main::CutCommand)->setShortcut(QKeySequence::Cut);
    newAction("Copy1", "Скопіювати", &T__Main::CopyCommand)->setShortcut(QKeySequence::Copy);
    newAction("CopyFormItem", "Скопіювати поточне вікно", &T__Main::CopyWindowImage);
    newAction("Paste1", "Вставити", &T__Main::PasteCommand)->setShortcut(QKeySequence::Paste);
    newAction("PremierWins", "Початкові розміри та положення вікон", &T__Main::InitialWindowLayout);
    newAction("AutoWinItem", "Авторозміри вікон", &T__Main::ToggleAutoArrange)->setCheckable(true);
    newAction("G1OpsItem", "Налагодження параметрів програми...");

    // Graph.
    call(newAction("BuildGrItem", "Побудувати"), [gr] { gr->GrBldClick(); });
    call(newAction("ClearGrItem", "Очистити"), [gr] { gr->ClrClick(); });
    call(newAction("CoordItem", "Координати з клавіатури"), [this, gr] {
        m_grSub->showNormal();
        m_mdiArea->setActiveSubWindow(m_grSub);
        gr->CoordFromKeyboard();
    });
    call(newAction("N16", "Попередній масштаб"), [gr] { gr->OldMasshClick(); });
    call(newAction("BegMItem", "Початковий масштаб"), [gr] { gr->BegMasshClick(); });
    call(newAction("N17", "Показувати масштаб"), [gr] { gr->MasshViewClick(); })->setCheckable(true);
    m_scaleGroup = new QActionGroup(this);
    call(newAction("AutoMItem", "Автоматичний масштаб"), [this] { SetAutoScale(true); });
    call(newAction("UserMItem", "Масштаб користувача"), [this] { SetAutoScale(false); });
    for (const char* n : {"AutoMItem", "UserMItem"}) {
        Action(n)->setCheckable(true);
        m_scaleGroup->addAction(Action(n));
    }
    newAction("N23", "Мітки...");
    newAction("OptionGrItem", "Параметри вікна \"Графік\"...");

    // Operations: the analysis tools attach here as they are built.
    for (const auto& [name, caption] : std::initializer_list<std::pair<const char*, const char*>>{
             {"IntSItem", "Інтеграл..."},
             {"VOxSItem", "Об'єм та площа поверхні тіла обертання, вісь Ox..."},
             {"VOySItem", "Об'єм та площа поверхні тіла обертання, вісь Oy..."},
             {"LLongItem", "Довжина дуги..."},
             {"approxlineItem", "Усереднення за інтервалами..."},
             {"DarbouItem", "Суми Дарбу..."},
             {"LLongSItem", "Довжина ламаної..."},
             {"SLamSItem", "Площа многокутника"},
             {"VoxLItem", "Об'єм та площа поверхні тіла обертання, вісь Ox"},
             {"VoyLItem", "Об'єм та площа поверхні тіла обертання, вісь Оy"},
             {"NewLomItem", "Перетворення ламаної..."},
             {"NumSSItem", "Частотна таблиця"},
             {"PirsSItem", "Критерій Пірсона..."},
             {"NormItem", "Щільність нормального розподілу за вибіркою"},
             {"NerMenuItem", "Нерівність y(x)<(>)c..."},
             {"SysNerMenuItem", "С-ма нерівностей y(x)<(>)c..."},
             {"SysNerGMenuItem1", "С-ма нерівностей G(x,y)<0"},
             {"SysNerGMenuItem2", "С-ма нерівностей G(x,y)>0"},
             {"DerivMenuItem", "Похідна..."},
         })
        newAction(name, caption);
    call(newAction("RPointMenuItem", "Відстань до точки"), [gr] { gr->StartDistanceTool(); });
    call(newAction("GxyItem", "Значення виразу G(x,y) "), [this, gr] {
        if (TFn* f = m_doc.Objects.CurrentObject()) gr->StartValueTool(*f, f->FormulaText());
    });
    newAction("ViewAns", "Перегляд відповідей", &T__Main::ShowAnswers);
    call(newAction("ClrAns", "Очистити"), [this] { m_ans->Clear(); });
    newAction("CalcItem", "Калькулятор", &T__Main::ShowCalculator);

    // Help.
    newAction("HelpCntItem", "Допомога");
    call(newAction("AboutMenuItem", "Про програму..."), [this] { m_about->exec(); });

    // Toolbar.
    auto tool = [this](const char* name, const char* hint, ToolGlyph glyph) {
        QAction* a = newAction(name, hint);
        a->setIcon(ToolIcon(glyph));
        a->setToolTip(hint);
        a->setStatusTip(hint);
        return a;
    };
    call(tool("ToolButton1", "Побудувати графік", ToolGlyph::BuildGraph), [gr] { gr->GrBldClick(); });
    call(tool("ToolButton2", "Очистити", ToolGlyph::ClearGraph), [gr] { gr->ClrClick(); });
    m_coordGroup = new QActionGroup(this);
    call(tool("TBDec", "Декартові координати", ToolGlyph::Cartesian), [this] { SetCartesian(false); });
    call(tool("TBPolar", "Полярні координати", ToolGlyph::Polar), [this] { SetCartesian(true); });
    call(tool("TBMAuto", "Автоматичний масштаб", ToolGlyph::AutoScale), [this] { SetAutoScale(true); });
    call(tool("TBMUser", "Масштаб користувача", ToolGlyph::UserScale), [this] { SetAutoScale(false); });
    auto* userScaleGroup = new QActionGroup(this);
    for (const char* n : {"TBDec", "TBPolar"}) {
        Action(n)->setCheckable(true);
        m_coordGroup->addAction(Action(n));
    }
    for (const char* n : {"TBMAuto", "TBMUser"}) {
        Action(n)->setCheckable(true);
        userScaleGroup->addAction(Action(n));
    }
    call(tool("ToolButton7", "Попередній масштаб", ToolGlyph::PreviousScale), [gr] { gr->OldMasshClick(); });
    call(tool("ToolButton8", "Початковий масштаб (-5;5)-(-5;5)", ToolGlyph::InitialScale),
         [gr] { gr->BegMasshClick(); });
    call(tool("ToolButton9", "Зменшити масштаб", ToolGlyph::ZoomIn), [this] { ZoomIn(); });
    call(tool("ToolButton10", "Збільшити масштаб", ToolGlyph::ZoomOut), [this] { ZoomOut(); });
    call(tool("ToolNewObj", "Створити об'єкт", ToolGlyph::NewObject), [ol] { ol->NewObjPopupClick(); });
    call(tool("ToolOpen", "Відкрити файл", ToolGlyph::Open), [this] { OpenFile(); });
    call(tool("ToolSave", "Зберегти файл", ToolGlyph::Save), [this] { SaveFile(); });
}

void T__Main::createMenus() {
    auto add = [this](QMenu* m, std::initializer_list<const char*> names) {
        for (const char* n : names)
            if (n)
                m->addAction(Action(n));
            else
                m->addSeparator();
    };
    QMenu* file = menuBar()->addMenu("Файл");
    file->setObjectName("File1");
    add(file, {"NewFileItem", "OpenItem", "AddFileItem", "SaveItem", "SaveAsItem", nullptr, "Vorn1Exit"});

    m_objMenu = menuBar()->addMenu("Об'єкт");
    m_objMenu->setObjectName("ObjMenu");
    add(m_objMenu, {"NewObjItem", "ChangeObjItem", "FixParam", nullptr, "DelObjItem", "DelLastObjItem",
                    "DelActiveItem", nullptr, "ListObjItem"});
    connect(m_objMenu, &QMenu::aboutToShow, this, &T__Main::updateObjMenu);

    m_editMenu = menuBar()->addMenu("Виправлення");
    m_editMenu->setObjectName("Edit1");
    add(m_editMenu, {"Cut1", "Copy1", "CopyFormItem", "Paste1", nullptr, "PremierWins", "AutoWinItem",
                     nullptr, "G1OpsItem"});
    connect(m_editMenu, &QMenu::aboutToShow, this, &T__Main::updateEditMenu);

    m_graphMenu = menuBar()->addMenu("Графік");
    m_graphMenu->setObjectName("GraphMenu");
    add(m_graphMenu, {"BuildGrItem", "ClearGrItem", "CoordItem"});
    QMenu* scale = m_graphMenu->addMenu("Масштаб");
    scale->setObjectName("MashSub");
    add(scale, {"N16", "BegMItem", "N17", nullptr, "AutoMItem", "UserMItem"});
    QMenu* points = m_graphMenu->addMenu("Список точок на графіку");
    points->setObjectName("N1");
    points->menuAction()->setVisible(false);
    for (const auto& [name, caption, source] :
         std::initializer_list<std::tuple<const char*, const char*, QAction*>>{
             {"N3", "Запис", m_gr->RecPopup()},
             {"N4", "Показувати номери", m_gr->ShowNPopup()},
             {"N5", "Очистити", m_gr->ClrPopup()},
             {"N12", "Додавати точки", m_gr->AddPopup()},
             {"N13", "Вставляти точки", m_gr->InsPopup()},
             {"N15", "Сховати список", m_gr->HidePopup()},
         }) {
        QAction* a = newAction(name, caption);
        a->setEnabled(true);
        a->setCheckable(source->isCheckable());
        connect(a, &QAction::triggered, source, [source] { source->trigger(); });
        points->addAction(a);
    }
    add(m_graphMenu, {nullptr, "N23", "OptionGrItem"});
    connect(m_graphMenu, &QMenu::aboutToShow, this, &T__Main::updateGraphMenu);
    connect(scale, &QMenu::aboutToShow, this,
            [this] { Action(m_gr->I().MasshAuto() ? "AutoMItem" : "UserMItem")->setChecked(true); });

    m_opsMenu = menuBar()->addMenu("Операції");
    m_opsMenu->setObjectName("OpsMenu");
    QMenu* integrals = m_opsMenu->addMenu("Інтеграли");
    integrals->setObjectName("IntSub");
    add(integrals, {"IntSItem", "VOxSItem", "VOySItem", "LLongItem", "approxlineItem", "DarbouItem"});
    QMenu* broken = m_opsMenu->addMenu("Операції з ламаними");
    broken->setObjectName("LomMenu");
    add(broken, {"LLongSItem", "SLamSItem", "VoxLItem", "VoyLItem", "NewLomItem"});
    QMenu* stats = m_opsMenu->addMenu("Статистика");
    stats->setObjectName("StatSubMenu");
    add(stats, {"NumSSItem", "PirsSItem", "NormItem"});
    QMenu* ner = m_opsMenu->addMenu("Нерівності");
    ner->setObjectName("NerSubMenu");
    add(ner, {"NerMenuItem", "SysNerMenuItem"});
    Action("NerMenuItem")->setVisible(false);
    QMenu* nerG = ner->addMenu("С-ма нерівностей G(x,y)<(>)0");
    nerG->setObjectName("SysNerGMenuItem");
    add(nerG, {"SysNerGMenuItem1", "SysNerGMenuItem2"});
    nerG->menuAction()->setEnabled(false);
    add(m_opsMenu, {"DerivMenuItem", "RPointMenuItem", "GxyItem"});
    QMenu* answers = m_opsMenu->addMenu("Відповіді");
    answers->setObjectName("AnsMenu");
    add(answers, {"ViewAns", "ClrAns"});
    add(m_opsMenu, {nullptr, "CalcItem"});
    connect(m_opsMenu, &QMenu::aboutToShow, this, &T__Main::updateOpsMenu);
    for (QMenu* sub : {integrals, broken, stats, ner})
        connect(sub, &QMenu::aboutToShow, this,
                [this] { FillSelection(m_doc.Objects, m_doc.Selection, true); });

    QMenu* help = menuBar()->addMenu("?");
    help->setObjectName("N19");
    add(help, {"HelpCntItem", "AboutMenuItem"});
}

void T__Main::createToolBars() {
    QToolBar* bar = new QToolBar("ToolBar1", this);
    bar->setObjectName("ToolBar1");
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setOrientation(Qt::Vertical);
    addToolBar(Qt::LeftToolBarArea, bar);
    for (const char* n : std::initializer_list<const char*>{
             "ToolButton1", "ToolButton2", nullptr, "TBDec", "TBPolar", nullptr, "TBMAuto", "TBMUser",
             nullptr, "ToolButton7", "ToolButton8", "ToolButton9", "ToolButton10", nullptr, "ToolNewObj",
             "ToolOpen", "ToolSave"})
        if (n)
            bar->addAction(Action(n));
        else
            bar->addSeparator();
}

// The surface presses and releases the scale and coordinate buttons through these hooks.
void T__Main::connectSurface() {
    TMasshImage& image = m_gr->I();
    image.TBDec = [this](bool down) {
        if (down) Action("TBDec")->setChecked(true);
    };
    image.TBPolar = [this](bool down) {
        if (down) Action("TBPolar")->setChecked(true);
    };
    image.TBMAuto = [this](bool down) {
        if (down) {
            Action("TBMAuto")->setChecked(true);
            Action("AutoMItem")->setChecked(true);
        }
    };
    image.TBMUser = [this](bool down) {
        if (down) {
            Action("TBMUser")->setChecked(true);
            Action("UserMItem")->setChecked(true);
        }
    };
    image.SetCoord(image.Coord());
    image.SetMasshAuto(image.MasshAuto());
}

void T__Main::SetCartesian(bool polar) {
    m_gr->I().SetCoord(polar ? CoordType::ctPolar : CoordType::ctDec);
    m_gr->I().MasshUpdate();
}

void T__Main::SetAutoScale(bool automatic) {
    m_gr->I().SetMasshAuto(automatic);
}

void T__Main::ZoomIn() {
    m_gr->I().SetMassh(ShrunkMassh(m_gr->I().Massh()));
    m_gr->I().MasshUpdate();
}

void T__Main::ZoomOut() {
    m_gr->I().SetMassh(GrownMassh(m_gr->I().Massh()));
    m_gr->I().MasshUpdate();
}

void T__Main::updateObjMenu() {
    const TObjectList& list = m_doc.Objects;
    const bool any = !list.Empty();
    Action("ChangeObjItem")->setEnabled(any);
    Action("FixParam")->setEnabled(any && list.CurrentObject() && list.CurrentObject()->UsesParams());
    Action("DelObjItem")->setEnabled(list.CheckedCount() > 0);
    Action("DelLastObjItem")->setEnabled(any);
    Action("DelActiveItem")->setEnabled(any);
}

QWidget* T__Main::activeChildWidget() const {
    QMdiSubWindow* sub = m_mdiArea->activeSubWindow();
    return sub ? sub->widget() : nullptr;
}

void T__Main::updateEditMenu() {
    const FocusedEdit f = FocusedEdit::Get();
    const bool graphActive = activeChildWidget() == m_gr;
    const bool listActive = activeChildWidget() == m_objList && !m_doc.Objects.Empty();
    Action("Cut1")->setEnabled(f.HasSelection() && !f.ReadOnly());
    Action("Copy1")->setEnabled(f.HasSelection() || graphActive || listActive);
    const QMimeData* clip = QApplication::clipboard()->mimeData();
    Action("Paste1")->setEnabled(f.Any() && !f.ReadOnly() && clip && clip->hasText());
}

void T__Main::updateGraphMenu() {
    Action("BuildGrItem")->setEnabled(!m_doc.Objects.Empty());
    Action("N17")->setChecked(m_gr->MasshVisible());
    for (const auto& [mine, source] :
         std::initializer_list<std::pair<const char*, QAction*>>{{"N3", m_gr->RecPopup()},
                                                                 {"N4", m_gr->ShowNPopup()},
                                                                 {"N12", m_gr->AddPopup()},
                                                                 {"N13", m_gr->InsPopup()},
                                                                 {"N15", m_gr->HidePopup()}})
        Action(mine)->setChecked(source->isChecked());
}

void T__Main::updateOpsMenu() {
    FillSelection(m_doc.Objects, m_doc.Selection, false);
    const TFn* f = m_doc.Objects.CurrentObject();
    Action("GxyItem")->setEnabled(f && (f->Kind() == ObjKind::Implicit || f->Kind() == ObjKind::Circle));
}

void T__Main::CutCommand() {
    const FocusedEdit f = FocusedEdit::Get();
    if (f.HasSelection()) f.Cut();
}

void T__Main::CopyCommand() {
    const FocusedEdit f = FocusedEdit::Get();
    if (f.HasSelection()) f.Copy();
    QWidget* active = activeChildWidget();
    if (active == m_gr)
        QApplication::clipboard()->setImage(m_gr->Bitmap());
    else if (active == m_objList && m_doc.Objects.CurrentObject())
        QApplication::clipboard()->setText(Q(m_doc.Objects[m_doc.Objects.Current()].Caption));
}

void T__Main::PasteCommand() {
    const FocusedEdit f = FocusedEdit::Get();
    if (f.Any()) f.Paste();
}

// The active child as it shows on the screen, frame included.
void T__Main::CopyWindowImage() {
    if (QMdiSubWindow* sub = m_mdiArea->activeSubWindow()) QApplication::clipboard()->setPixmap(sub->grab());
}

void T__Main::ShowObjectList() {
    m_objListSub->showNormal();
    m_mdiArea->setActiveSubWindow(m_objListSub);
    m_objList->FocusKindSelector();
}

void T__Main::ShowAnswers() {
    m_ansSub->showNormal();
    m_mdiArea->setActiveSubWindow(m_ansSub);
}

void T__Main::ShowCalculator() {
    m_calc->show();
    m_calc->raise();
    m_calc->activateWindow();
}

// The initial client area holds the toolbar and the MDI area; the working windows' initial layout needs the
// MDI area at least as wide as the original's, whose toolbar was narrower than ours.
void T__Main::resizeToInitialClientArea() {
    const int toolbar = findChild<QToolBar*>("ToolBar1")->sizeHint().width();
    const int width = std::max(InitialClientWidth, toolbar + InitialClientWidth - OriginalToolbarWidth);
    resize(width, InitialClientHeight + menuBar()->sizeHint().height());
}

TWindowLayout T__Main::currentLayout() const {
    auto rect = [](const QMdiSubWindow* s) {
        const QRect g = s->geometry();
        return TWinRect{g.x(), g.y(), g.width(), g.height()};
    };
    return {rect(m_grSub), rect(m_objListSub), rect(m_ansSub)};
}

void T__Main::applyLayout(const TWindowLayout& l) {
    m_arranging = true;
    for (const auto& [sub, r] :
         {std::pair{m_grSub, l.Graph}, {m_objListSub, l.ObjList}, {m_ansSub, l.Answers}}) {
        if (sub->isMinimized() || sub->isMaximized()) sub->showNormal();
        sub->setGeometry(r.Left, r.Top, r.Width, r.Height);
    }
    m_arranging = false;
}

void T__Main::InitialWindowLayout() {
    showNormal();
    move(InitialMainLeft, InitialMainTop);
    resizeToInitialClientArea();
    applyLayout(InitialLayout());
}

void T__Main::ToggleAutoArrange() {
    QAction* item = Action("AutoWinItem");
    if (!item->isChecked()) return;
    applyLayout(ArrangeWindows(m_mdiArea->width(), m_mdiArea->height(), currentLayout()));
    m_gr->WasResized = m_objList->WasResized = m_ans->WasResized = false;
    ResizeHandling();
}

void T__Main::ResizeHandling() {
    if (m_arranging || !Action("AutoWinItem")->isChecked()) return;
    const TResizedFlags flags{m_gr->WasResized, m_objList->WasResized, m_ans->WasResized};
    applyLayout(AutoArrange(m_mdiArea->width(), m_mdiArea->height(), currentLayout(), flags));
    m_gr->WasResized = m_objList->WasResized = m_ans->WasResized = false;
}

bool T__Main::eventFilter(QObject* watched, QEvent* e) {
    auto* sub = qobject_cast<QMdiSubWindow*>(watched);
    if (sub && (sub == m_grSub || sub == m_objListSub || sub == m_ansSub)) {
        if (e->type() == QEvent::Close && isVisible()) {
            // Closing a working window only minimises it.
            e->ignore();
            QTimer::singleShot(0, sub, [sub] { sub->showMinimized(); });
            return true;
        }
        if ((e->type() == QEvent::Resize || e->type() == QEvent::Move) && !m_arranging && sub->isVisible()) {
            if (e->type() == QEvent::Resize) {
                if (sub == m_grSub) m_gr->WasResized = true;
                if (sub == m_objListSub) m_objList->WasResized = true;
                if (sub == m_ansSub) m_ans->WasResized = true;
            }
            QTimer::singleShot(0, this, [this] { ResizeHandling(); });
        }
    }
    return QMainWindow::eventFilter(watched, e);
}

void T__Main::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    QTimer::singleShot(0, this, [this] { ResizeHandling(); });
}

void T__Main::closeEvent(QCloseEvent* e) {
    if (!confirmDiscard()) {
        e->ignore();
        return;
    }
    m_calc->hide();
    e->accept();
}

bool T__Main::confirmDiscard() {
    if (!m_doc.Objects.Modified && !m_gr->HasLabels()) return true;
    const int answer =
        MessageDlg(Msg(msg::NotSavedQuestion), TMsgDlgType::mtConfirmation, mbYesNoCancel, 0, this);
    if (answer == mrYes) return SaveFile();
    return answer == mrNo;
}

void T__Main::updateCaption() {
    setWindowTitle(m_fileName.isEmpty() ? QString("Vorn1") : "Vorn1-" + m_fileName);
}

// The message table's filters are written "description|pattern|description|pattern".
static QString QtFilter(const std::string& filter) {
    const QStringList parts = Q(filter).split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        out << parts[i];
    return out.join(";;");
}

QString T__Main::dialogFile(bool save) {
    if (ChooseFile) return ChooseFile(save);
    QFileDialog dialog(this, Q(Msg(save ? msg::DocumentSaveTitle : msg::DocumentOpenTitle)),
                       QFileInfo(m_fileName).path(),
                       QtFilter(Msg(save ? msg::DocumentSaveFilter : msg::DocumentOpenFilter)));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(DocumentExtension);
    // The overwrite question is the program's own, with Yes, No and Cancel.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
               ? dialog.selectedFiles().first()
               : QString();
}

bool T__Main::NewFile() {
    if (!confirmDiscard()) return false;
    m_ans->Clear();
    m_fileName.clear();
    m_objList->DelAllObjPopupClick();
    m_gr->Labels().Clear();
    m_gr->I().SetMassh(InitialMassh);
    ParamTable().ResetForNewDocument();
    m_objList->RefreshParams();
    m_objList->ObjListBoxClick();
    m_doc.Objects.Modified = false;
    updateCaption();
    m_gr->Redraw();
    return true;
}

bool T__Main::OpenFile() {
    return NewFile() && AddFile();
}

bool T__Main::AddFile() {
    const QString path = dialogFile(false);
    return !path.isEmpty() && AddDocument(path);
}

bool T__Main::AddDocument(const QString& path) {
    TMasshImage& image = m_gr->I();
    // One redraw at the end, not one per object read.
    image.CanDraw = false;
    const bool modified = m_doc.Objects.Modified;
    const bool ok = LoadDocument(S(path), {m_doc, image, m_gr->Labels()});
    m_doc.Objects.Modified = modified;
    image.CanDraw = true;
    m_objList->ObjListBoxClick();
    m_objList->ParamPanel()->ShowValues();
    if (ok) {
        m_fileName = QFileInfo(path).absoluteFilePath();
        updateCaption();
    }
    image.MasshUpdate();
    return ok;
}

bool T__Main::SaveFile() {
    return m_fileName.isEmpty() ? SaveFileAs() : SaveDocumentTo(m_fileName);
}

bool T__Main::SaveFileAs() {
    for (;;) {
        QString path = dialogFile(true);
        if (path.isEmpty()) return false;
        if (QFileInfo(path).suffix().isEmpty()) path += QString(".") + DocumentExtension;
        if (QFileInfo::exists(path)) {
            const int answer =
                MessageDlg(Msg(msg::OverwriteQuestion), TMsgDlgType::mtConfirmation, mbYesNoCancel, 0, this);
            if (answer == mrNo) continue; // choose another name
            if (answer != mrYes) return false;
        }
        m_fileName = QFileInfo(path).absoluteFilePath();
        updateCaption();
        return SaveDocumentTo(m_fileName);
    }
}

bool T__Main::SaveDocumentTo(const QString& path) {
    if (SaveDocument(S(path), {m_doc, m_gr->I(), m_gr->Labels()})) return true;
    MessageDlg("Unable to save!", TMsgDlgType::mtError, mbOKOnly, 0, this);
    return false;
}

void T__Main::OpenStartupDocument(const QString& path) {
    if (AddDocument(path) && AutoGrBuild) m_gr->GrBldClick();
}
