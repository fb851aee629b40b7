// The main window: it creates the working windows and the dialogs, and runs the commands that are not
// documents, layout or settings (those have their own files: T__MainActions, T__MainFile, T__MainLayout,
// T__MainSettings, T__MainAnalysis).
#include "gui/app/T__Main.h"

#include "core/plot/MasshZoom.h"
#include "gui/analysis/BrokenLineActions.h"
#include "gui/analysis/TInequalityTools.h"
#include "gui/app/FocusedEdit.h"
#include "gui/app/MessageDlg.h"
#include "gui/app/TAboutDlg.h"
#include "gui/app/TAns.h"
#include "gui/app/TCalcForm.h"
#include "gui/app/TFunctionPointsTools.h"
#include "gui/app/TNVOpsDlg.h"
#include "gui/app/TRecentMenu.h"
#include "gui/document/TFuInput.h"
#include "gui/document/TFuInputEditor.h"
#include "gui/document/TObjList.h"
#include "gui/plot/TGr.h"
#include "gui/plot/TGrSurface.h"
#include "gui/plot/TGraphExport.h"
#include "gui/plot/TGraphOps.h"
#include "gui/plot/TLabelsDlg.h"
#include "gui/stats/TStatTools.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QIcon>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>

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

void T__Main::closeEvent(QCloseEvent* e) {
    if (!confirmDiscard()) {
        e->ignore();
        return;
    }
    m_calc->hide();
    e->accept();
    WriteSettings();
}
