// The main window's commands: its actions, menus and toolbar, and their enabled states.
#include "gui/app/T__Main.h"

#include "core/analysis/FunctionPointsCommands.h"
#include "core/analysis/Shading.h"
#include "core/base/MessageTable.h"
#include "gui/analysis/BrokenLineActions.h"
#include "gui/analysis/TInequalityTools.h"
#include "gui/app/FocusedEdit.h"
#include "gui/app/MessageDlg.h"
#include "gui/app/TAboutDlg.h"
#include "gui/app/TAns.h"
#include "gui/app/TCalcForm.h"
#include "gui/app/TFunctionPointsTools.h"
#include "gui/app/TRecentMenu.h"
#include "gui/app/ToolIcons.h"
#include "gui/document/TObjList.h"
#include "gui/help/HelpKey.h"
#include "gui/plot/TGr.h"
#include "gui/plot/TGrSurface.h"
#include "gui/plot/TGraphExport.h"
#include "gui/plot/TGraphOps.h"
#include "gui/stats/TStatTools.h"

#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QToolBar>

#include <algorithm>

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
    call(newAction("HelpCntItem", "Допомога"), [] { OpenHelpContext(HelpContentsContext); });
    InstallHelpKey();
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
