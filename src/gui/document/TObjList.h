#pragma once
// The object list window "Список об'єктів": the document's objects with their check marks, the kind of the
// next new object, the current object's description, and the parameters p1..p9 with their stepping panel.
// The objects themselves live in the document; the window shows them and runs the commands on them.
#include "core/base/MessageIds.h"

#include <QWidget>

class QAction;
class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QPlainTextEdit;
class QSplitter;
class TMasshImage;
class TParamPanel;
struct TDocument;
struct TRemovalResult;

class TObjList : public QWidget {
    Q_OBJECT
public:
    static constexpr int HelpContext = 11000;

    TObjList(TDocument& doc, TMasshImage& image, QWidget* parent = nullptr);

    // The popup menu's commands; the main window's "Об'єкт" menu runs the same.
    void NewObjPopupClick();
    void ChngObjPopupClick();
    void GBuildPopupClick();
    void DelObjPopupClick();
    void DelLastObjPopUpClick();
    void DelActiveObjPopUpClick();
    void SelAllPopupClick();
    void DeSelAllPopupClick();
    // Removes every object without asking and without redrawing, for a new document.
    void DelAllObjPopupClick();
    // "Новий об'єкт з зафіксованими параметрами"; the main window marks the document modified.
    void FixParams();

    // Marks the parameters the objects use and shows their values in the grid.
    void RefreshParams();
    // Every object tabulates itself again on the plot surface (after a parameter changed).
    void RecalcAll();
    void FocusKindSelector();
    // The click handling, run after every change of the list: the list shows the document's entries, the
    // status line counts the checked ones, the memo describes the current one.
    void ObjListBoxClick();
    // The window became the active child: the grid's view of the current parameter is refreshed.
    void FormActivate();

    int NewKind() const { return m_newKind; }
    QListWidget* ObjListBox() const { return m_listBox; }
    QComboBox* ObjComboBox() const { return m_kindBox; }
    QPlainTextEdit* ObjMemo() const { return m_memo; }
    QLabel* ObjListStatus() const { return m_status; }
    TParamPanel* ParamPanel() const { return m_paramPanel; }
    QMenu* PopupMenu() const { return m_popup; }
    // Enables the popup items for the list as it is.
    void UpdatePopupItems();

    // The user resized the window: the main window's automatic arrangement reads and clears it.
    bool WasResized = false;

signals:
    void Resized();
    // The panel switched the graph to the fixed scale (the surface's toolbar hooks have been called).
    void ScaleFixed();

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void BuildPopupMenu();
    void SyncListBox();
    void ShowStatus();
    void ShowCurrentInfo();
    // Asks the question (Yes, No); true for Yes.
    bool Confirm(msg::Id message);
    void AfterRemoval(const TRemovalResult& removal);
    void ParamValueChanged();
    void FixScale();
    void ObjListBoxItemChanged(QListWidgetItem* item);
    void FrameStateChanged(Qt::WindowStates before, Qt::WindowStates now);

    TDocument& m_doc;
    TMasshImage& m_image;
    int m_newKind = 0;

    QComboBox* m_kindBox = nullptr;
    QWidget* m_numPanel = nullptr;
    QSplitter* m_splitter = nullptr;
    QListWidget* m_listBox = nullptr;
    QPlainTextEdit* m_memo = nullptr;
    TParamPanel* m_paramPanel = nullptr;
    QLabel* m_status = nullptr;

    QMenu* m_popup = nullptr;
    QAction* m_newItem = nullptr;
    QAction* m_changeItem = nullptr;
    QAction* m_gbuildItem = nullptr;
    QAction* m_delItem = nullptr;
    QAction* m_delLastItem = nullptr;
    QAction* m_delActiveItem = nullptr;
    QAction* m_selAllItem = nullptr;
    QAction* m_deselAllItem = nullptr;
};
