// The main window's undo and redo: "Скасувати" and "Повторити" at the top of "Виправлення", on the
// document's undo stack.
#include "gui/app/T__Main.h"
#include "gui/document/TDocumentUndo.h"
#include "gui/document/TObjList.h"
#include "gui/document/TParamPanel.h"
#include "gui/plot/TGr.h"
#include "gui/plot/TGrSurface.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QUndoStack>

void T__Main::createUndo() {
    m_undo = new TDocumentUndo({m_doc, m_gr->I(), m_gr->Labels()}, this);
    m_undo->WatchRepaints(m_gr->Surface());
    // Changes that come without input of the user's (a document added, a parameter played) show here.
    QAbstractItemModel* list = m_objList->ObjListBox()->model();
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(list, signal, m_undo, &TDocumentUndo::Touched);
    connect(list, &QAbstractItemModel::dataChanged, m_undo, &TDocumentUndo::Touched);
    connect(m_gr, &TGr::MasshChanged, m_undo, &TDocumentUndo::Touched);
    m_undo->Refresh = [this] {
        m_objList->ObjListBoxClick();
        m_objList->RefreshParams();
        m_gr->Redraw();
        updateActions();
    };
    m_undo->Busy = [this] {
        return QApplication::activeModalWidget() || QApplication::mouseButtons() != Qt::NoButton ||
               m_objList->ParamPanel()->Playing() || m_gr->Borrowed();
    };

    // A parameter being played would move on at once: it stops where it is, and that is the step undone.
    auto* undo = new QAction("Скасувати", this);
    undo->setObjectName("UndoItem");
    undo->setShortcuts(QKeySequence::Undo);
    undo->setEnabled(false);
    connect(undo, &QAction::triggered, this, [this] {
        m_objList->ParamPanel()->SetPlaying(false);
        m_undo->Undo();
    });
    connect(m_undo, &TDocumentUndo::CanUndoChanged, undo, &QAction::setEnabled);

    auto* redo = new QAction("Повторити", this);
    redo->setObjectName("RedoItem");
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    const QKeySequence ctrlY(Qt::CTRL | Qt::Key_Y);
    if (!redoKeys.contains(ctrlY)) redoKeys << ctrlY;
    redo->setShortcuts(redoKeys);
    redo->setEnabled(false);
    connect(redo, &QAction::triggered, this, [this] {
        m_objList->ParamPanel()->SetPlaying(false);
        m_undo->Redo();
    });
    connect(m_undo->Stack(), &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);

    QAction* first = m_editMenu->actions().value(0);
    m_editMenu->insertActions(first, {undo, redo});
    m_editMenu->insertSeparator(first);
    // The menu offers exactly what there is to undo.
    connect(m_editMenu, &QMenu::aboutToShow, m_undo, &TDocumentUndo::Checkpoint);
}
