#include "gui/plot/TLabelsDlg.h"
#include "gui/app/DialogButtons.h"

#include "core/base/MessageTable.h"
#include "core/plot/TPointList.h"
#include "gui/app/MessageDlg.h"
#include "gui/app/TNumPanel.h"
#include "gui/plot/TGr.h"
#include "gui/plot/TPointPickTool.h"

#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <cstring>

namespace {

constexpr int TextColumnWidth = 160;
constexpr int NumberColumnWidth = 80;
constexpr int PointColumnWidth = 50;
constexpr int ExactValueRole = Qt::UserRole;

// Enter goes on to the next cell; from the last column to the first of the next row, which is appended at
// the end of the table.
class TLabelGrid : public QTableWidget {
public:
    explicit TLabelGrid(QWidget* parent) : QTableWidget(1, TLabelsDlg::ColCount, parent) {}

    void NextCell() {
        int row = currentRow(), col = currentColumn() + 1;
        if (col >= columnCount()) {
            col = 0;
            if (++row >= rowCount()) insertRow(rowCount());
        }
        setCurrentCell(std::max(row, 0), col);
    }

protected:
    void keyPressEvent(QKeyEvent* e) override {
        if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && state() != EditingState) {
            NextCell();
            return;
        }
        QTableWidget::keyPressEvent(e);
    }
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override {
        // The editor reports Enter this way.
        const bool enter = hint == QAbstractItemDelegate::SubmitModelCache;
        QTableWidget::closeEditor(editor, enter ? QAbstractItemDelegate::NoHint : hint);
        if (enter) NextCell();
    }
};

QString CellText(const QTableWidget* t, int row, int col) {
    const QTableWidgetItem* item = t->item(row, col);
    return item ? item->text() : QString();
}

// The exact value a number cell was filled from, kept beside its text.
QVariant ExactValue(Real v) {
    return QByteArray(reinterpret_cast<const char*>(&v), sizeof v);
}

std::optional<Real> ExactValueOf(const QTableWidget* t, int row, int col) {
    const QTableWidgetItem* item = t->item(row, col);
    if (!item) return std::nullopt;
    const QByteArray bytes = item->data(ExactValueRole).toByteArray();
    if (bytes.size() != sizeof(Real)) return std::nullopt;
    Real v;
    std::memcpy(&v, bytes.constData(), sizeof v);
    return v;
}

QToolButton* SpeedButton(QWidget* parent, const char* name, const char* hint) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(hint);
    b->setToolTip(hint);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

} // namespace

TLabelsDlg::TLabelsDlg(TGr* gr, QWidget* parent) : QDialog(parent), m_gr(gr) {
    setObjectName("LabelsDlg");
    setWindowTitle("Мітки на графіку");

    m_sg = new TLabelGrid(this);
    m_sg->setObjectName("SG");
    m_sg->verticalHeader()->hide();
    m_sg->setColumnWidth(XCol, NumberColumnWidth);
    m_sg->setColumnWidth(YCol, NumberColumnWidth);
    m_sg->setColumnWidth(TextCol, TextColumnWidth);
    m_sg->setColumnWidth(PointCol, PointColumnWidth);
    m_sg->setSelectionMode(QAbstractItemView::SingleSelection);
    m_sg->setMinimumWidth(2 * NumberColumnWidth + TextColumnWidth + PointColumnWidth + 24);

    m_insButton = SpeedButton(this, "InsButton", "Вставити рядок");
    m_delButton = SpeedButton(this, "DelButton", "Вилучити рядок");
    m_clrButton = SpeedButton(this, "ClrButton", "Очистити таблицю");
    connect(m_insButton, &QToolButton::clicked, this, &TLabelsDlg::AppendRow);
    connect(m_delButton, &QToolButton::clicked, this, &TLabelsDlg::DeleteRow);
    connect(m_clrButton, &QToolButton::clicked, this, &TLabelsDlg::ClearTable);

    m_showLabels = new QCheckBox("Відображати мітки", this);
    m_showLabels->setObjectName("ShowLabels");
    m_showLabels->setChecked(true);
    m_fromScreen = new QPushButton("Мітка з екрану", this);
    m_fromScreen->setObjectName("Button1");
    m_fromScreen->setEnabled(gr != nullptr);
    connect(m_fromScreen, &QPushButton::clicked, this, &TLabelsDlg::LabelFromScreen);
    m_numPanel = new TNumPanel(this);
    m_numPanel->setObjectName("NumPanel1");

    const TDialogButtons okCancel = MakeDialogButtons(this);
    m_ok = okCancel.Ok;
    m_cancel = okCancel.Cancel;

    auto* tools = new QHBoxLayout;
    tools->addWidget(m_insButton);
    tools->addWidget(m_delButton);
    tools->addWidget(m_clrButton);
    tools->addStretch(1);
    tools->addWidget(m_showLabels);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_numPanel);
    bottom->addWidget(m_fromScreen);
    bottom->addStretch(1);
    bottom->addWidget(m_ok);
    bottom->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tools);
    layout->addWidget(m_sg, 1);
    layout->addLayout(bottom);
}

bool TLabelsDlg::Run() {
    // The headers come from the message table, which a language file may have replaced.
    m_sg->setHorizontalHeaderLabels({"X", "Y", Q(Msg(msg::LabelsGridText)), Q(Msg(msg::LabelsGridPoint))});
    if (m_gr) {
        SetRows(LabelRows(m_gr->Labels()));
        m_showLabels->setChecked(m_gr->ShowLabels());
    }
    const bool ok = exec() == QDialog::Accepted;
    if (m_gr) {
        if (ok) {
            RebuildLabels(Rows(), m_gr->Labels());
            m_gr->SetShowLabels(m_showLabels->isChecked());
        }
        m_gr->Redraw();
    }
    return ok;
}

void TLabelsDlg::SetRows(const std::vector<TLabelRow>& rows) {
    m_sg->clearContents();
    m_sg->setRowCount(std::max<int>(1, static_cast<int>(rows.size())));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const TLabelRow& row = rows[r];
        const std::pair<int, const std::string*> cells[] = {
            {XCol, &row.X}, {YCol, &row.Y}, {TextCol, &row.Text}, {PointCol, &row.Point}};
        for (const auto& [col, text] : cells)
            m_sg->setItem(r, col, new QTableWidgetItem(Q(*text)));
        if (row.XValue) m_sg->item(r, XCol)->setData(ExactValueRole, ExactValue(*row.XValue));
        if (row.YValue) m_sg->item(r, YCol)->setData(ExactValueRole, ExactValue(*row.YValue));
    }
    m_sg->setCurrentCell(0, XCol);
}

std::vector<TLabelRow> TLabelsDlg::Rows() const {
    std::vector<TLabelRow> rows;
    for (int r = 0; r < m_sg->rowCount(); ++r) {
        TLabelRow row;
        row.X = S(CellText(m_sg, r, XCol).trimmed());
        row.Y = S(CellText(m_sg, r, YCol).trimmed());
        row.Text = S(CellText(m_sg, r, TextCol));
        row.Point = S(CellText(m_sg, r, PointCol).trimmed());
        row.XValue = ExactValueOf(m_sg, r, XCol);
        row.YValue = ExactValueOf(m_sg, r, YCol);
        rows.push_back(std::move(row));
    }
    return rows;
}

void TLabelsDlg::accept() {
    const TLabelTableCheck check = CheckLabelRows(Rows());
    if (!check.Ok()) {
        m_sg->setCurrentCell(check.FailedRow, XCol);
        m_sg->setFocus();
        ShowErrorMessage(check.Message, this);
        return;
    }
    QDialog::accept();
}

void TLabelsDlg::AppendRow() {
    m_sg->insertRow(m_sg->rowCount());
}

void TLabelsDlg::DeleteRow() {
    const int row = std::max(0, m_sg->currentRow());
    if (m_sg->rowCount() > 1)
        m_sg->removeRow(row);
    else
        for (int c = 0; c < ColCount; ++c)
            delete m_sg->takeItem(0, c);
}

void TLabelsDlg::ClearTable() {
    m_sg->clearContents();
    m_sg->setRowCount(1);
}

void TLabelsDlg::LabelFromScreen() {
    if (!m_gr) return;
    TPointPickTool tool(1);
    m_gr->Borrow(tool);
    raise();
    activateWindow();

    const TPointList& points = m_gr->Points();
    if (!points.Empty()) {
        int last = m_sg->rowCount() - 1;
        if (!CellText(m_sg, last, XCol).isEmpty()) {
            AppendRow();
            ++last;
        }
        m_sg->setItem(last, XCol,
                      new QTableWidgetItem(Q(points.Cell(TPointList::XCol, TPointList::FirstPointRow))));
        m_sg->setItem(last, YCol,
                      new QTableWidgetItem(Q(points.Cell(TPointList::YCol, TPointList::FirstPointRow))));
        m_sg->setItem(last, TextCol, new QTableWidgetItem(QString()));
        m_sg->setCurrentCell(last, TextCol);
    }
    m_gr->ClrPopup()->trigger();
}
