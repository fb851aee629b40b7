// F1 and "Допомога" as the user meets them: the page of the window or menu item at hand, in the pages of the
// interface language, found beside the program in the build tree.
#include "core/app/HelpContexts.h"
#include "core/app/LanguageFile.h"
#include "core/base/MessageTable.h"
#include "core/formula/ParamTable.h"
#include "gui/analysis/TDerivDlg.h"
#include "gui/analysis/TRngInputP.h"
#include "gui/app/LanguageWalk.h"
#include "gui/app/TAns.h"
#include "gui/app/TCalcForm.h"
#include "gui/app/T__Main.h"
#include "gui/document/TObjList.h"
#include "gui/help/HelpKey.h"
#include "gui/help/THelpWindow.h"
#include "gui/plot/TGr.h"
#include "gui/plot/TGraphOps.h"
#include "gui/plot/TLabelsDlg.h"
#include "gui/stats/TASDlg.h"
#include "gui/stats/TPirsonDlg.h"
#include "gui/stats/TSGSDlg.h"
#include "gui/stats/TSView.h"

#include "../document/FuInputDriver.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>

#include <filesystem>
#include <fstream>

namespace {

class Help : public ::testing::Test {
protected:
    void SetUp() override {
        // The pages the build copies beside the program.
        const std::string root = FindHelpRoot(std::filesystem::path(VORN1_BINARY).parent_path().string());
        ASSERT_FALSE(root.empty()) << "the build puts help/ beside the program";
        SetHelpRoot(QString::fromStdString(root));
        ResetBuiltInTexts();
        ParamTable().ResetForNewDocument();
        m_main = std::make_unique<T__Main>();
        m_main->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_main.get()));
    }
    void TearDown() override {
        if (HelpWindow()) HelpWindow()->close();
        m_main->Document().Objects.Modified = false;
        m_main.reset();
        ParamTable().ResetForNewDocument();
    }
    void Build(const std::string& objects, int count) {
        const std::string path = ::testing::TempDir() + "help-test.vr1";
        std::ofstream(path) << "[Vorn1]\nNum=" << count
                            << "\nMinArg=-5\nMaxArg=5\nMinFunc=-5\nMaxFunc=5\nMasshAuto=0\n"
                            << objects;
        ASSERT_TRUE(m_main->AddDocument(QString::fromStdString(path)));
        m_main->Action("BuildGrItem")->trigger();
    }
    static QString Folder() {
        return HelpWindow() ? QFileInfo(HelpWindow()->PagesFolder()).fileName() : QString();
    }

    std::unique_ptr<T__Main> m_main;
};

} // namespace

TEST_F(Help, F1InTheIntegralDialogOpensItsPageOverTheModalDialog) {
    Build("[Obj1]\nObjType=Normal\nFunc=SIN(X)\nA=0\nB=3\nColor=255\n", 1);
    QString page, folder, title;
    bool usable = false;
    OnNextModal([&](QDialog* dlg) {
        auto* tool = qobject_cast<TRngInputP*>(dlg);
        ASSERT_NE(tool, nullptr);
        QTest::keyClick(tool->RngAEdit(), Qt::Key_F1);
        ASSERT_NE(HelpWindow(), nullptr);
        page = HelpWindow()->CurrentPage();
        folder = Folder();
        title = HelpWindow()->Browser()->documentTitle();
        // Its window belongs to the dialog, so the dialog's modality does not block it.
        usable = HelpWindow()->isVisible() && HelpWindow()->parentWidget() == dlg;
        HelpWindow()->close();
        tool->CancelBtn()->click();
    });
    m_main->Action("IntSItem")->trigger();
    EXPECT_EQ(page, "integral.html");
    EXPECT_EQ(folder, "uk");
    EXPECT_EQ(title, "Інтегрування");
    EXPECT_TRUE(usable);
}

TEST_F(Help, MenuItemsWindowsAndTheHelpCommandOpenTheirPagesWithContentsIndexAndSearch) {
    // The highlighted item's own context, else its menu's.
    QMenu* ops = m_main->findChild<QMenu*>("OpsMenu");
    QMenu* integrals = m_main->findChild<QMenu*>("IntSub");
    QMenu* file = m_main->findChild<QMenu*>("File1");
    const struct {
        const QAction* item;
        const QWidget* menu;
        int context;
    } items[] = {
        {m_main->Action("DarbouItem"), integrals, TRngInputP::HelpContext},
        {m_main->Action("DerivMenuItem"), ops, TDerivDlg::HelpContext},
        {integrals->menuAction(), ops, TRngInputP::HelpContext},
        {nullptr, ops, 25000},
        {m_main->Action("OpenItem"), file, 21000},
        {file->actions().value(file->actions().size() - 1), file, 21000},
    };
    for (const auto& row : items) {
        SCOPED_TRACE(row.item ? row.item->objectName().toStdString() : "no item");
        EXPECT_EQ(HelpContextOf(row.item, row.menu), row.context);
    }
    // Each window's declared context is in the table, and a widget inside a window finds its window's.
    EXPECT_EQ(HelpContextOf(m_main->ObjListWindow()->findChild<QWidget*>("ObjListBox")),
              TObjList::HelpContext);
    EXPECT_EQ(HelpContextOf(m_main->Gr()), TGr::HelpContext);
    EXPECT_EQ(HelpContextOf(m_main.get()), HelpContentsContext);
    for (int context :
         {TObjList::HelpContext, TGr::HelpContext, TAns::HelpContext, TCalcForm::HelpContext,
          TRngInputP::HelpContext, TDerivDlg::HelpContext, TGraphOps::HelpContext, TLabelsDlg::HelpContext,
          TASDlg::HelpContext, TSGSDlg::HelpContext, TSView::HelpContext, TPirsonDlg::HelpContext}) {
        OpenHelpContext(context);
        EXPECT_NE(HelpWindow()->CurrentPage(), HelpContentsPage) << context;
    }

    m_main->Action("HelpCntItem")->trigger();
    THelpWindow* help = HelpWindow();
    ASSERT_TRUE(help && help->isVisible());
    EXPECT_EQ(help->CurrentPage(), "contents.html");
    // The contents list the pages under their headings; choosing one shows it, and back returns.
    QListWidget* contents = help->ContentsList();
    ASSERT_GT(contents->count(), 30);
    QListWidgetItem* formulas = contents->findItems("Запис формул", Qt::MatchContains).value(0);
    ASSERT_NE(formulas, nullptr);
    emit contents->itemClicked(formulas);
    EXPECT_EQ(help->CurrentPage(), "formulas.html");
    help->Browser()->backward();
    EXPECT_EQ(help->CurrentPage(), "contents.html");
    // The index filters by keyword; the search finds pages holding every word, case ignored.
    help->IndexEdit()->setText("суми дарбу");
    int shown = 0;
    for (int i = 0; i < help->IndexList()->count(); ++i)
        if (!help->IndexList()->item(i)->isHidden()) ++shown;
    EXPECT_GE(shown, 1);
    const auto found = help->Search("сімпсона ІНТЕГРАЛ");
    ASSERT_FALSE(found.empty());
    EXPECT_EQ(found.front()->File, "integral.html");
    EXPECT_TRUE(help->Search("сімпсона пінгвін").empty());
}

TEST_F(Help, TheEnglishLanguageFileShowsTheEnglishPages) {
    ASSERT_TRUE(ApplyLanguageFile(std::string(VORN1_SOURCE_DIR) + "/lang/Vorn1eng.lng"));
    OpenHelpContext(TRngInputP::HelpContext);
    EXPECT_EQ(Folder(), "en");
    EXPECT_EQ(HelpWindow()->CurrentPage(), "integral.html");
    EXPECT_EQ(HelpWindow()->Browser()->documentTitle(), "Integration");
    EXPECT_EQ(HelpWindow()->findChild<QTabWidget*>()->tabText(0), "Contents");

    ASSERT_TRUE(ApplyLanguageFile(""));
    OpenHelpContext(TRngInputP::HelpContext);
    EXPECT_EQ(Folder(), "uk") << "back with the built-in texts";
    EXPECT_EQ(HelpWindow()->findChild<QTabWidget*>()->tabText(0), "Зміст");
}
