#include "gui/stats/TSView.h"

#include "gui/app/MessageDlg.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
const int ColumnWidths[TSView::Columns] = {117, 57, 61, 73, 74};
}

TSView::TSView(QWidget* parent) : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint) {
    setObjectName("SView");
    setWindowTitle("Частотна таблиця");
    setModal(false);
    m_grid = new QTableWidget(1, Columns, this);
    m_grid->setObjectName("SG");
    m_grid->verticalHeader()->setVisible(false);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    int width = 0;
    for (int c = 0; c < Columns; ++c) {
        m_grid->setColumnWidth(c, ColumnWidths[c]);
        width += ColumnWidths[c];
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(m_grid);
    resize(width + 24, 260);
}

void TSView::Fill(const std::vector<std::vector<std::string>>& rows) {
    m_grid->clearContents();
    m_grid->setRowCount(rows.empty() ? 1 : static_cast<int>(rows.size()) - 1);
    QStringList header;
    for (int c = 0; c < Columns; ++c)
        header << (rows.empty() || c >= static_cast<int>(rows[0].size()) ? QString() : Q(rows[0][c]));
    m_grid->setHorizontalHeaderLabels(header);
    for (int r = 1; r < static_cast<int>(rows.size()); ++r)
        for (int c = 0; c < Columns && c < static_cast<int>(rows[r].size()); ++c)
            m_grid->setItem(r - 1, c, new QTableWidgetItem(Q(rows[r][c])));
}
