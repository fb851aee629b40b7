#include "gui/plot/TPointGrid.h"

#include "core/plot/TPointList.h"
#include "gui/app/MessageDlg.h" // Q(), S()

#include <QAction>
#include <QActionGroup>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QSignalBlocker>

#include <algorithm>

namespace {
constexpr int ColumnWidths[TPointList::ColCount] = {64, 113, 111};
constexpr int RowHeight = 12;

QAction* AddAction(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}
} // namespace

TPointGrid::TPointGrid(TPointList& points, QWidget* parent)
    : QTableWidget(0, TPointList::ColCount, parent), m_points(points) {
    setObjectName("SG");
    setHorizontalHeaderLabels({"", "X", "Y"});
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(RowHeight);
    verticalHeader()->setDefaultSectionSize(std::max(RowHeight, fontMetrics().height() + 2));
    for (int c = 0; c < TPointList::ColCount; ++c)
        setColumnWidth(c, ColumnWidths[c]);
    QFont boldFont = font();
    boldFont.setBold(true);
    setFont(boldFont);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setContextMenuPolicy(Qt::CustomContextMenu);
    hide();
    CreatePopup();

    connect(this, &QTableWidget::currentCellChanged, this,
            [this](int row, int, int, int) { m_points.SetRow(row + 1); });
    connect(this, &QTableWidget::cellChanged, this, &TPointGrid::CellEdited);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { m_popup->exec(viewport()->mapToGlobal(at)); });
    Sync();
}

void TPointGrid::CreatePopup() {
    m_popup = new QMenu(this);
    m_popup->setObjectName("SGPopup");
    m_recPopup = AddAction(m_popup, "RecPopup", "Запис");
    m_recPopup->setCheckable(true);
    m_showNPopup = AddAction(m_popup, "ShowNPopup", "Показувати номери");
    m_showNPopup->setCheckable(true);
    m_showNPopup->setChecked(true);
    m_popup->addSeparator();
    m_delPopup = AddAction(m_popup, "DelPopup", "Вилучити");
    m_clrPopup = AddAction(m_popup, "ClrPopup", "Очистити");
    m_popup->addSeparator();
    m_addPopup = AddAction(m_popup, "AddPopup", "Додавати координати");
    m_insPopup = AddAction(m_popup, "InsPopup", "Вставляти кординати");
    m_modeGroup = new QActionGroup(this);
    for (QAction* a : {m_addPopup, m_insPopup}) {
        a->setCheckable(true);
        m_modeGroup->addAction(a);
    }
    m_addPopup->setChecked(true);
    m_popup->addSeparator();
    m_hidePopup = AddAction(m_popup, "HidePopup", "Сховати список");
    m_hidePopup->setCheckable(true);
    m_hidePopup->setChecked(true);

    connect(m_popup, &QMenu::aboutToShow, this, [this] { m_hidePopup->setChecked(isHidden()); });
    connect(m_showNPopup, &QAction::triggered, this, &TPointGrid::Changed);
    connect(m_delPopup, &QAction::triggered, this, [this] {
        if (m_points.DeleteCurrent()) ChangedHere();
    });
    connect(m_clrPopup, &QAction::triggered, this, [this] {
        m_points.Clear();
        ChangedHere();
    });
    connect(m_hidePopup, &QAction::triggered, this, [this](bool hidden) { setVisible(!hidden); });
}

void TPointGrid::Sync() {
    const QSignalBlocker block(this);
    const int rows = m_points.RowCount() - 1;
    setRowCount(rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < TPointList::ColCount; ++c) {
            QTableWidgetItem* cell = item(r, c);
            if (!cell) {
                cell = new QTableWidgetItem;
                setItem(r, c, cell);
            }
            cell->setText(Q(m_points.Cell(c, r + 1)));
            Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
            // The user may correct a point, not its number nor the row kept for the next one.
            if (c != TPointList::NumberCol && m_points.IsPointRow(r + 1)) flags |= Qt::ItemIsEditable;
            cell->setFlags(flags);
        }
    const int column = std::max(currentColumn(), TPointList::XCol);
    setCurrentCell(m_points.Row() - 1, column);
}

void TPointGrid::DeleteCurrentOrLast() {
    if (m_points.DeleteCurrentOrLast()) ChangedHere();
}

void TPointGrid::DeletePoint(int row) {
    if (m_points.PointCount() < 2 || !m_points.IsPointRow(row)) return;
    m_points.SetRow(row);
    m_points.DeleteCurrent();
    ChangedHere();
}

void TPointGrid::InsertBefore(int row) {
    m_insPopup->setChecked(true);
    m_points.SetRow(row);
    Sync();
}

void TPointGrid::ChangedHere() {
    Sync();
    emit Changed();
}

void TPointGrid::CellEdited(int row, int col) {
    const QTableWidgetItem* cell = item(row, col);
    if (!cell) return;
    m_points.SetCell(col, row + 1, S(cell->text()));
    emit Changed();
}

void TPointGrid::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Delete) {
        DeleteCurrentOrLast();
        return;
    }
    QTableWidget::keyPressEvent(e);
}
