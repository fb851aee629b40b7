// Undo and redo in the main window: the keys, the menu items, and the modified mark following the stack.
#include "gui/app/T__Main.h"
#include "support/TempPath.h"

#include "../document/FuInputDriver.h"

#include "core/document/DocumentHistory.h"
#include "core/formula/ParamTable.h"
#include "core/objects/ObjectEditor.h"
#include "gui/document/TDocumentUndo.h"
#include "gui/document/TObjList.h"
#include "gui/plot/TGr.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolBar>
#include <QUndoStack>

#include <fstream>
#include <iterator>

namespace {

// The entry dialog's user: confirms the formula given.
class TTypedFormula : public TObjectEditor {
public:
    bool RunFuInput(TFuInputData& data) override {
        data.FyText = Formula;
        return true;
    }
    std::string Formula = "X";
};

class UndoTest : public ::testing::Test {
protected:
    void SetUp() override {
        ParamTable().ResetForNewDocument();
        m_main = std::make_unique<T__Main>();
        SetObjectEditor(&m_editor);
        m_main->show();
        m_main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_main.get()));
        m_main->ObjList()->ObjListBox()->setFocus();
    }
    void TearDown() override {
        m_main->Document().Objects.Modified = false;
        m_main->Gr()->Labels().Clear();
        m_main.reset();
        SetObjectEditor(nullptr);
        ParamTable().ResetForNewDocument();
    }
    void Key(int key, Qt::KeyboardModifiers modifiers) {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
    }
    std::string Text() {
        return DocumentText({m_main->Document(), m_main->Gr()->I(), m_main->Gr()->Labels()});
    }
    const TObjectList& List() { return m_main->Document().Objects; }

    TTypedFormula m_editor;
    std::unique_ptr<T__Main> m_main;
};

} // namespace

TEST_F(UndoTest, CtrlZTakesANewObjectAwayAndBothRedoKeysBringItBack) {
    QAction* undo = m_main->Action("UndoItem");
    QAction* redo = m_main->Action("RedoItem");
    ASSERT_TRUE(undo && redo);
    // Undo is offered while a change may be waiting to be recorded, and not once it is clear there is none.
    QTest::qWait(TDocumentUndo::SettleMs * 3);
    EXPECT_FALSE(undo->isEnabled());

    // Each object settles as a step of its own once the program has been left alone for a moment.
    for (const char* formula : {"X^2", "P1*X"}) {
        m_editor.Formula = formula;
        auto* bar = m_main->findChild<QToolBar*>("ToolBar1");
        QTest::mouseClick(bar->widgetForAction(m_main->Action("ToolNewObj")), Qt::LeftButton);
        ASSERT_EQ(List()[List().Count() - 1].Caption, std::string("Y(X)=") + formula);
        QTest::qWait(TDocumentUndo::SettleMs * 3);
    }
    ASSERT_EQ(m_main->Undo()->Stack()->count(), 2);
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());

    Key(Qt::Key_Z, Qt::ControlModifier);
    ASSERT_EQ(List().Count(), 1);
    EXPECT_EQ(List()[0].Caption, "Y(X)=X^2");
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(List().Count(), 0);
    EXPECT_EQ(m_main->ObjList()->ObjListBox()->count(), 0);
    QTest::qWait(TDocumentUndo::SettleMs * 3);
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_TRUE(redo->isEnabled());

    Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    Key(Qt::Key_Y, Qt::ControlModifier);
    ASSERT_EQ(List().Count(), 2);
    EXPECT_EQ(List()[1].Caption, "Y(X)=P1*X");
    EXPECT_EQ(m_main->ObjList()->ObjListBox()->count(), 2);
    EXPECT_EQ(m_main->ObjList()->ObjListBox()->currentRow(), 1);
    EXPECT_FALSE(redo->isEnabled());
}

TEST_F(UndoTest, TheModifiedMarkFollowsTheStackBackToTheSavedState) {
    const QString path = QString::fromStdString(TestTempPath("undo-saved.vr1"));
    m_main->ChooseFile = [&](bool) { return path; };
    m_editor.Formula = "SIN(P2*X)";
    m_main->Action("NewObjItem")->trigger();
    ASSERT_TRUE(m_main->SaveFileAs());
    EXPECT_FALSE(List().Modified);
    std::ifstream file(path.toStdString(), std::ios::binary);
    const std::string saved(std::istreambuf_iterator<char>(file), {});

    // Edits of every kind: scale, parameter, label, check mark; each settles as its own step.
    const std::function<void()> edits[] = {
        [&] { m_main->ZoomIn(); },
        [&] { ParamTable()[2].Value = 3; },
        [&] { m_main->Gr()->Labels().AddLabel(1, 1, "A", true); },
        [&] { m_main->ObjList()->ObjListBox()->item(0)->setCheckState(Qt::Unchecked); },
    };
    for (const auto& edit : edits) {
        edit();
        m_main->Undo()->Checkpoint();
        EXPECT_TRUE(List().Modified);
    }
    const std::string edited = Text();
    EXPECT_EQ(m_main->Undo()->Stack()->count(), 5);

    for (int i = 0; i < 4; ++i)
        m_main->Action("UndoItem")->trigger();
    EXPECT_EQ(Text(), saved);
    EXPECT_FALSE(List().Modified) << "back at the saved state";
    EXPECT_EQ(m_main->Gr()->I().Massh(), InitialMassh);
    EXPECT_EQ(m_main->ObjList()->ObjListBox()->item(0)->checkState(), Qt::Checked);
    m_main->Action("UndoItem")->trigger();
    EXPECT_TRUE(List().Modified) << "before the saved state";
    EXPECT_EQ(List().Count(), 0);

    for (int i = 0; i < 5; ++i)
        m_main->Action("RedoItem")->trigger();
    EXPECT_EQ(Text(), edited);
    EXPECT_TRUE(List().Modified);

    // A new document starts a history of its own.
    OnNextModal([](QDialog* box) { box->findChild<QPushButton*>("No")->click(); });
    ASSERT_TRUE(m_main->NewFile());
    EXPECT_EQ(m_main->Undo()->Stack()->count(), 0);
    EXPECT_FALSE(List().Modified);
}
