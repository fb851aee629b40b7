#include "gui/app/T__Main.h"

#include "core/analysis/FunctionPointsCommands.h"
#include "core/analysis/Shading.h"
#include "core/base/MessageTable.h"
#include "core/document/DocumentFile.h"
#include "core/formula/ParamTable.h"
#include "core/plot/MasshZoom.h"
#include "gui/analysis/BrokenLineActions.h"
#include "gui/analysis/TInequalityTools.h"
#include "gui/app/MessageDlg.h"
#include "gui/app/TAboutDlg.h"
#include "gui/app/TAns.h"
#include "gui/app/TCalcForm.h"
#include "gui/app/TFunctionPointsTools.h"
#include "gui/app/TNVOpsDlg.h"
#include "gui/app/TRecentMenu.h"
#include "gui/app/ToolIcons.h"
#include "gui/document/TDocumentUndo.h"
#include "gui/document/TFuInput.h"
#include "gui/document/TFuInputEditor.h"
#include "gui/document/TObjList.h"
#include "gui/document/TParamPanel.h"
#include "gui/plot/TGr.h"
#include "gui/plot/TGrSurface.h"
#include "gui/plot/TGraphExport.h"
#include "gui/plot/TGraphOps.h"
#include "gui/plot/TLabelsDlg.h"
#include "gui/stats/TStatTools.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>

#include <algorithm>

namespace {
constexpr int OriginalToolbarWidth = 29;

// The focused control when it is a text editor, with what the edit commands need of it.
struct FocusedEdit {
    QLineEdit* line = nullptr;
    QPlainTextEdit* plain = nullptr;
    QTextEdit* rich = nullptr;

    static FocusedEdit Get(QWidget* w = QApplication::focusWidget()) {
        FocusedEdit f;
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

// The icon lives in the gui library's resources; a static library must register them itself.
static void InitIconResource() {
    Q_INIT_RESOURCE(vorn1);
}

T__Main::T__Main(QWidget* parent) : QMainWindow(parent) {
    setObjectName("__Main");
    setWindowTitle("Vorn1");
    InitIconResource();
    QApplication::setWindowIcon(QIcon::fromTheme("vorn1", QIcon(":/icons/vorn1.svg")));
    m_mdiArea = new QMdiArea(this);
    m_mdiArea->setObjectName("MdiArea");
    setCentralWidget(m_mdiArea);
    createWindows();
    createActions();
    createMenus();
    createToolBars();
    connectSurface();
    connectStateSources();
    createUndo();
    updateActions();
    move(InitialMainLeft, InitialMainTop);
    resizeToInitialClientArea();
    applyLayout(InitialLayout());
}

T__Main::~T__Main() {
    // The windows are destroyed after this part of the frame: nothing they report may reach it any more.
    disconnect(qApp, nullptr, this, nullptr);
    disconnect(QApplication::clipboard(), nullptr, this, nullptr);
    disconnect(m_mdiArea, nullptr, this, nullptr);
    disconnect(m_objList->ObjListBox(), nullptr, this, nullptr);
    disconnect(m_objList->ObjListBox()->model(), nullptr, this, nullptr);
    disconnect(m_focusedEditSelection);
    m_gr->Surface()->removeEventFilter(this);
}

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
    m_brokenLines = new TBrokenLineActions(m_doc, m_gr, m_ans, m_objList, this);
    m_graphExport = new TGraphExport(*m_gr, this);
    m_pointsTools = std::make_unique<TFunctionPointsTools>(m_doc, *m_gr, *m_ans, this);
    m_opsDlg = new TNVOpsDlg(this);
    m_graphOps = new TGraphOps(this);
    m_labelsDlg = new TLabelsDlg(m_gr, this);
    m_gr->SetGraphOps(m_graphOps);
    m_gr->I().OnMasshDialog = [this](TMasshImage& image) {
        if (m_graphOps->Run(image)) emit m_gr->MasshChanged();
    };
    m_inequalities = std::make_unique<TInequalityTools>(m_doc, *m_gr, *m_ans, this);
    createAnalysisTools();
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
    if (slot) {
        connect(a, &QAction::triggered, this, slot);
    } else {
        a->setEnabled(false); // its command is not part of this program yet
        m_unbuilt.insert(a);
    }
    return a;
}

QAction* T__Main::Action(const QString& name) const {
    return findChild<QAction*>(name);
}

TExtraSettings T__Main::ExtraSettings() const {
    return {m_gr->I().EqualScale(), m_recent->Files().Paths()};
}

void T__Main::ApplyExtraSettings(const TExtraSettings& settings) {
    m_gr->SetEqualScale(settings.EqualScale);
    m_recent->SetPaths(settings.RecentFiles);
}

void T__Main::createActions() {
    TGr* gr = m_gr;
    TObjList* ol = m_objList;
    auto call = [this](QAction* a, auto fn) {
        a->setEnabled(true);
        m_unbuilt.erase(a);
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
    m_changeObjItem = call(newAction("ChangeObjItem", "Змінити..."), [ol] { ol->ChngObjPopupClick(); });
    m_fixParam = call(newAction("FixParam", "Новий об'єкт з зафіксованими параметрами"), [this, ol] {
        ol->FixParams();
        m_doc.Objects.Modified = true;
    });
    m_delObjItem = call(newAction("DelObjItem", "Вилучити"), [ol] { ol->DelObjPopupClick(); });
    m_delLastObjItem =
        call(newAction("DelLastObjItem", "Вилучити останній"), [ol] { ol->DelLastObjPopUpClick(); });
    m_delActiveItem =
        call(newAction("DelActiveItem", "Вилучити поточний"), [ol] { ol->DelActiveObjPopUpClick(); });
    newAction("ListObjItem", "Список об'єктів", &T__Main::ShowObjectList);

    // Edit.
    m_cut1 = newAction("Cut1", "Вирізати", &T__Main::CutCommand);
    m_copy1 = newAction("Copy1", "Скопіювати", &T__Main::CopyCommand);
    newAction("CopyFormItem", "Скопіювати поточне вікно", &T__Main::CopyWindowImage);
    m_paste1 = newAction("Paste1", "Вставити", &T__Main::PasteCommand);
    m_cut1->setShortcut(QKeySequence::Cut);
    m_copy1->setShortcut(QKeySequence::Copy);
    m_paste1->setShortcut(QKeySequence::Paste);
    newAction("PremierWins", "Початкові розміри та положення вікон", &T__Main::InitialWindowLayout);
    newAction("AutoWinItem", "Авторозміри вікон", &T__Main::ToggleAutoArrange)->setCheckable(true);
    newAction("G1OpsItem", "Налагодження параметрів програми...", &T__Main::OptionsCommand);

    // Graph.
    m_buildGrItem = call(newAction("BuildGrItem", "Побудувати"), [gr] { gr->GrBldClick(); });
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
    call(newAction("UserMItem", "Масштаб користувача"), [this] {
        SetAutoScale(false);
        GraphOptionsCommand(TGraphOpsPage::Massh);
    });
    for (const char* n : {"AutoMItem", "UserMItem"}) {
        Action(n)->setCheckable(true);
        m_scaleGroup->addAction(Action(n));
    }
    call(newAction("EqualMItem", "Рівний масштаб"), [gr](bool on) {
        gr->SetEqualScale(on);
    })->setCheckable(true);
    newAction("N23", "Мітки...", &T__Main::LabelsCommand);
    call(newAction("OptionGrItem", "Параметри вікна \"Графік\"..."),
         [this] { GraphOptionsCommand(TGraphOpsPage::Axe); });

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
    m_intSItem = Action("IntSItem");
    m_vOxSItem = Action("VOxSItem");
    m_vOySItem = Action("VOySItem");
    m_lLongItem = Action("LLongItem");
    m_approxlineItem = Action("approxlineItem");
    m_darbouItem = Action("DarbouItem");
    m_lLongSItem = Action("LLongSItem");
    m_sLamSItem = Action("SLamSItem");
    m_voxLItem = Action("VoxLItem");
    m_voyLItem = Action("VoyLItem");
    m_newLomItem = Action("NewLomItem");
    TBrokenLineActions* lines = m_brokenLines;
    call(m_lLongSItem, [lines] { lines->LengthCommand(); });
    call(m_sLamSItem, [lines] { lines->PolygonAreaCommand(); });
    call(m_voxLItem, [lines] { lines->RevolutionCommand(true); });
    call(m_voyLItem, [lines] { lines->RevolutionCommand(false); });
    call(m_newLomItem, [lines] { lines->TransformCommand(); });
    m_numSSItem = Action("NumSSItem");
    m_pirsSItem = Action("PirsSItem");
    m_normItem = Action("NormItem");
    m_stats = new TStatTools(m_doc, gr->I(), m_objList, m_ans, this);
    call(m_numSSItem, [this] { m_stats->FrequencyTableCommand(); });
    call(m_pirsSItem, [this] { m_stats->PearsonCommand(); });
    call(m_normItem, [this] { m_stats->NormalDensityCommand(); });
    m_nerMenuItem = Action("NerMenuItem");
    m_sysNerMenuItem = Action("SysNerMenuItem");
    m_derivMenuItem = Action("DerivMenuItem");
    call(m_nerMenuItem, [this] { m_inequalities->SolveInequality(); });
    call(m_sysNerMenuItem, [this] { m_inequalities->SolveInequalitySystem(); });
    call(Action("SysNerGMenuItem1"), [this] { m_inequalities->ShadeGxySystem(ShadeLess); });
    call(Action("SysNerGMenuItem2"), [this] { m_inequalities->ShadeGxySystem(ShadeGreater); });
    connectAnalysisCommands();
    call(newAction("RPointMenuItem", "Відстань до точки"), [gr] { gr->StartDistanceTool(); });
    m_gxyItem = call(newAction("GxyItem", "Значення виразу G(x,y) "), [this, gr] {
        if (TFn* f = m_doc.Objects.CurrentObject()) gr->StartValueTool(*f, f->FormulaText());
    });
    namespace FP = FunctionPointTexts;
    m_rootsItem = call(newAction("RootsItem", FP::RootsItem), [this] { m_pointsTools->Run("roots"); });
    m_extremaItem =
        call(newAction("ExtremaItem", FP::ExtremaItem), [this] { m_pointsTools->Run("extrema"); });
    m_crossItem =
        call(newAction("CrossItem", FP::CrossItem), [this] { m_pointsTools->Run("intersections"); });
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
    call(tool("TBMUser", "Масштаб користувача", ToolGlyph::UserScale), [this] {
        SetAutoScale(false);
        GraphOptionsCommand(TGraphOpsPage::Massh);
    });
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
    add(file, {"NewFileItem", "OpenItem", "AddFileItem", "SaveItem", "SaveAsItem", nullptr, "SaveGraphItem",
               "PrintItem", nullptr, "Vorn1Exit"});
    m_recent = new TRecentMenu(file, Action("Vorn1Exit"), this);
    m_recent->Open = [this](const QString& path) {
        if (!NewFile()) return true; // the user kept the document he has
        if (OpenDocument(path)) return true;
        MessageDlg(Msg(msg::DocumentReadError), TMsgDlgType::mtError, mbOKOnly, 0, this);
        return false;
    };
    connect(this, &T__Main::DocumentNamed, m_recent, &TRecentMenu::Add);

    m_objMenu = menuBar()->addMenu("Об'єкт");
    m_objMenu->setObjectName("ObjMenu");
    add(m_objMenu, {"NewObjItem", "ChangeObjItem", "FixParam", nullptr, "DelObjItem", "DelLastObjItem",
                    "DelActiveItem", nullptr, "ListObjItem"});

    m_editMenu = menuBar()->addMenu("Виправлення");
    m_editMenu->setObjectName("Edit1");
    add(m_editMenu, {"Cut1", "Copy1", "CopyFormItem", "Paste1", nullptr, "PremierWins", "AutoWinItem",
                     nullptr, "G1OpsItem"});

    m_graphMenu = menuBar()->addMenu("Графік");
    m_graphMenu->setObjectName("GraphMenu");
    add(m_graphMenu, {"BuildGrItem", "ClearGrItem", "CoordItem"});
    QMenu* scale = m_graphMenu->addMenu("Масштаб");
    scale->setObjectName("MashSub");
    add(scale, {"N16", "BegMItem", "N17", nullptr, "AutoMItem", "UserMItem", nullptr, "EqualMItem"});
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
    connect(m_graphMenu, &QMenu::aboutToShow, this, &T__Main::updateGraphChecks);
    connect(scale, &QMenu::aboutToShow, this, [this] {
        Action(m_gr->I().MasshAuto() ? "AutoMItem" : "UserMItem")->setChecked(true);
        Action("EqualMItem")->setChecked(m_gr->I().EqualScale());
    });

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
    m_sysNerGMenuItem = nerG->menuAction();
    QMenu* fnPoints = m_opsMenu->addMenu(FunctionPointTexts::PointsSubMenu);
    fnPoints->setObjectName("FnPointsMenu");
    add(fnPoints, {"RootsItem", "ExtremaItem", "CrossItem"});
    add(m_opsMenu, {"DerivMenuItem", "RPointMenuItem", "GxyItem"});
    QMenu* answers = m_opsMenu->addMenu("Відповіді");
    answers->setObjectName("AnsMenu");
    add(answers, {"ViewAns", "ClrAns"});
    add(m_opsMenu, {nullptr, "CalcItem"});

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

QWidget* T__Main::activeChildWidget() const {
    QMdiSubWindow* sub = m_mdiArea->activeSubWindow();
    return sub ? sub->widget() : nullptr;
}

// Everything the enabled states depend on reports here: the active window, the focus, the focused editor's
// selection, the clipboard, the list and its check marks, and every repaint of the graph (the drawn flags).
void T__Main::connectStateSources() {
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &T__Main::updateActions);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        watchFocusedEdit(now);
        updateActions();
    });
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &T__Main::updateActions);
    QListWidget* box = m_objList->ObjListBox();
    QAbstractItemModel* model = box->model();
    connect(model, &QAbstractItemModel::rowsInserted, this, &T__Main::updateActions);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &T__Main::updateActions);
    connect(model, &QAbstractItemModel::modelReset, this, &T__Main::updateActions);
    connect(model, &QAbstractItemModel::dataChanged, this, &T__Main::updateActions);
    connect(box, &QListWidget::currentRowChanged, this, &T__Main::updateActions);
    m_gr->Surface()->installEventFilter(this);
    for (QMenu* menu : menuBar()->findChildren<QMenu*>())
        connect(menu, &QMenu::aboutToShow, this, &T__Main::updateActions);
}

void T__Main::watchFocusedEdit(QWidget* now) {
    disconnect(m_focusedEditSelection);
    const FocusedEdit f = FocusedEdit::Get(now);
    if (f.line)
        m_focusedEditSelection = connect(f.line, &QLineEdit::selectionChanged, this, &T__Main::updateActions);
    else if (f.plain)
        m_focusedEditSelection =
            connect(f.plain, &QPlainTextEdit::selectionChanged, this, &T__Main::updateActions);
    else if (f.rich)
        m_focusedEditSelection = connect(f.rich, &QTextEdit::selectionChanged, this, &T__Main::updateActions);
}

void T__Main::updateActions() {
    // A command not built yet stays disabled whatever the state.
    const auto enable = [this](QAction* a, bool on) { a->setEnabled(on && !m_unbuilt.count(a)); };
    const TObjectList& list = m_doc.Objects;
    const bool any = !list.Empty();
    const TFn* current = list.CurrentObject();
    const auto currentIs = [current](std::initializer_list<ObjKind> kinds) {
        return current && std::find(kinds.begin(), kinds.end(), current->Kind()) != kinds.end();
    };

    enable(m_changeObjItem, any);
    enable(m_fixParam, any && current && current->UsesParams());
    enable(m_delObjItem, list.CheckedCount() > 0);
    enable(m_delLastObjItem, any);
    enable(m_delActiveItem, any);

    const FocusedEdit f = FocusedEdit::Get(QApplication::focusWidget());
    const QWidget* active = activeChildWidget();
    enable(m_cut1, f.HasSelection() && !f.ReadOnly());
    enable(m_copy1, f.HasSelection() || active == m_gr || (active == m_objList && any));
    const QMimeData* clip = QApplication::clipboard()->mimeData();
    enable(m_paste1, f.Any() && !f.ReadOnly() && clip && clip->hasText());

    enable(m_buildGrItem, any);

    // The commands that work on the checked entries go by the counters of that selection; the shared one
    // that the commands fill is left alone.
    TFuncs checked;
    FillSelection(list, checked, true);
    for (QAction* a : {m_intSItem, m_vOxSItem, m_vOySItem, m_approxlineItem, m_darbouItem})
        enable(a, checked.NumFunctionsOfX > 0);
    enable(m_lLongItem, checked.NumCurves > 0);
    enable(m_sLamSItem, checked.NumPolygons > 0);
    enable(m_voxLItem, checked.NumBrokenLines > 0);
    enable(m_voyLItem, checked.NumBrokenLines > 0);
    enable(m_nerMenuItem, checked.NumExplicit > 0);
    enable(m_sysNerMenuItem, checked.NumDrawnYx > 0);
    const bool shadingBuilt =
        !m_unbuilt.count(Action("SysNerGMenuItem1")) || !m_unbuilt.count(Action("SysNerGMenuItem2"));
    m_sysNerGMenuItem->setEnabled(checked.NumDrawnGxy > 0 && shadingBuilt);
    const auto isSample = [](const TFn* g) { return g->Kind() == ObjKind::Sample; };
    const bool pearson = checked.Count() == 2 &&
                         ((isSample(checked.Items[0]) &&
                           (isSample(checked.Items[1]) || checked.Items[1]->Kind() == ObjKind::Explicit)) ||
                          (isSample(checked.Items[1]) && checked.Items[0]->Kind() == ObjKind::Explicit));
    enable(m_pirsSItem, pearson);
    enable(m_lLongSItem, currentIs({ObjKind::BrokenLine}));
    enable(m_newLomItem, currentIs({ObjKind::BrokenLine}));
    enable(m_numSSItem, currentIs({ObjKind::Sample}));
    enable(m_normItem, currentIs({ObjKind::Sample}));
    enable(m_derivMenuItem, currentIs({ObjKind::Explicit}) && current->Drawn);
    enable(m_gxyItem, currentIs({ObjKind::Implicit, ObjKind::Circle}));
    enable(m_rootsItem, TFunctionPointsTools::CanFindPoints(m_doc));
    enable(m_extremaItem, TFunctionPointsTools::CanFindPoints(m_doc));
    enable(m_crossItem, TFunctionPointsTools::CanIntersect(m_doc));
}

// The check marks of the graph menu copy those of the graph window when the menu opens.
void T__Main::updateGraphChecks() {
    Action("N17")->setChecked(m_gr->MasshVisible());
    for (const auto& [mine, source] :
         std::initializer_list<std::pair<const char*, QAction*>>{{"N3", m_gr->RecPopup()},
                                                                 {"N4", m_gr->ShowNPopup()},
                                                                 {"N12", m_gr->AddPopup()},
                                                                 {"N13", m_gr->InsPopup()},
                                                                 {"N15", m_gr->HidePopup()}})
        Action(mine)->setChecked(source->isChecked());
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
    // Every redraw repaints the surface: the objects' drawn flags may have changed.
    if (watched == m_gr->Surface() && e->type() == QEvent::Paint) updateActions();
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
    WriteSettings();
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
    m_undo->Reset();
    updateCaption();
    m_gr->Redraw();
    return true;
}

bool T__Main::OpenFile() {
    if (!NewFile()) return false;
    const QString path = dialogFile(false);
    if (path.isEmpty()) return false;
    if (OpenDocument(path)) return true;
    MessageDlg(Msg(msg::DocumentReadError), TMsgDlgType::mtError, mbOKOnly, 0, this);
    return false;
}

bool T__Main::AddFile() {
    const QString path = dialogFile(false);
    return !path.isEmpty() && AddDocument(path);
}

bool T__Main::readDocument(const QString& path, TReadDemand demand) {
    TMasshImage& image = m_gr->I();
    // One redraw at the end, not one per object read.
    image.CanDraw = false;
    const bool modified = m_doc.Objects.Modified;
    const bool ok = LoadDocument(S(path), {m_doc, image, m_gr->Labels()}, demand);
    m_doc.Objects.Modified = modified;
    image.CanDraw = true;
    if (!ok) return false;
    m_objList->ObjListBoxClick();
    m_objList->ParamPanel()->ShowValues();
    image.MasshUpdate();
    return true;
}

bool T__Main::OpenDocument(const QString& path) {
    if (!readDocument(path, TReadDemand::Document)) return false;
    m_undo->Reset();
    m_fileName = QFileInfo(path).absoluteFilePath();
    updateCaption();
    emit DocumentNamed(m_fileName);
    return true;
}

// The document keeps its own name: saving must not write the merged document over the added file.
bool T__Main::AddDocument(const QString& path) {
    if (!readDocument(path, TReadDemand::Objects)) {
        MessageDlg(Msg(msg::DocumentReadError), TMsgDlgType::mtError, mbOKOnly, 0, this);
        return false;
    }
    m_doc.Objects.Modified = true;
    return true;
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
        if (!SaveDocumentTo(m_fileName)) return false;
        emit DocumentNamed(m_fileName);
        return true;
    }
}

bool T__Main::SaveDocumentTo(const QString& path) {
    if (SaveDocument(S(path), {m_doc, m_gr->I(), m_gr->Labels()})) {
        m_undo->MarkSaved();
        return true;
    }
    MessageDlg("Unable to save!", TMsgDlgType::mtError, mbOKOnly, 0, this);
    return false;
}

void T__Main::OpenStartupDocument(const QString& path) {
    if (OpenDocument(path) && AutoGrBuild) m_gr->GrBldClick();
}
