#pragma once
// The point list under the graph ("SG"): a grid of number, X and Y that shows the graph window's points and
// lets the user correct them, with its popup of commands ("SGPopup"). Hidden at start; the popup's
// "Сховати список" shows and hides it.
#include <QTableWidget>

class QAction;
class QActionGroup;
class QKeyEvent;
class QMenu;
class TPointList;

class TPointGrid : public QTableWidget {
    Q_OBJECT
public:
    // points must outlive the grid.
    explicit TPointGrid(TPointList& points, QWidget* parent = nullptr);

    // Shows the list as it stands: after every change made to it from outside.
    void Sync();
    // The Delete key: the current point goes; a single point empties the list instead.
    void DeleteCurrentOrLast();
    // The point of the given row goes, as with "Вилучити": only while the list holds two points or more.
    void DeletePoint(int row);
    // Insert mode with the given row current: the next recorded point goes before it.
    void InsertBefore(int row);

    QMenu* Popup() const { return m_popup; }
    QAction* RecPopup() const { return m_recPopup; } // "Запис": clicks on the graph record points
    QAction* ShowNPopup() const { return m_showNPopup; } // "Показувати номери": markers carry their numbers
    QAction* DelPopup() const { return m_delPopup; }
    QAction* ClrPopup() const { return m_clrPopup; }
    QAction* AddPopup() const { return m_addPopup; } // "Додавати координати": a click appends a point
    QAction* InsPopup() const {
        return m_insPopup;
    } // "Вставляти кординати": a click inserts at the current row
    QAction* HidePopup() const { return m_hidePopup; }

signals:
    // The points, or how they are shown, changed: the graph is to be redrawn.
    void Changed();

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void CreatePopup();
    void CellEdited(int row, int col);
    void ChangedHere();

    TPointList& m_points;
    QMenu* m_popup = nullptr;
    QAction* m_recPopup = nullptr;
    QAction* m_showNPopup = nullptr;
    QAction* m_delPopup = nullptr;
    QAction* m_clrPopup = nullptr;
    QAction* m_addPopup = nullptr;
    QAction* m_insPopup = nullptr;
    QAction* m_hidePopup = nullptr;
    QActionGroup* m_modeGroup = nullptr;
};
