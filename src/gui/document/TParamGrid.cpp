#include "gui/document/TParamGrid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyle>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {
constexpr int MinVisibleRows = 3;
constexpr QAbstractItemView::EditTriggers EditingTriggers =
    QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed;

// The keys the owner hears of; Enter on the keypad counts as Return.
int OwnerKey(int key) {
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return Qt::Key_Return;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Escape: return key;
    default: return 0;
    }
}
} // namespace

// The in-place editor: a bare line edit whose keys reach the grid's owner before the delegate's own
// handling of Enter and Escape.
class TParamGridDelegate : public QStyledItemDelegate {
public:
    explicit TParamGridDelegate(TParamGrid* grid) : QStyledItemDelegate(grid), m_grid(grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex& index) const override {
        auto* editor = new QLineEdit(parent);
        editor->setFrame(false);
        m_grid->EditorOpened(editor, index.row());
        return editor;
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = OwnerKey(static_cast<QKeyEvent*>(event)->key());
            if (key != 0 && m_grid->EditorKey(key)) return true;
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    TParamGrid* m_grid;
};

TParamGrid::TParamGrid(int valueColumnWidth, QWidget* parent) : QTableWidget(parent) {
    setObjectName("ParamSG");
    setRowCount(ParamCount);
    setColumnCount(1);
    horizontalHeader()->hide();
    QStringList names;
    for (int r = 0; r < ParamCount; ++r) {
        names << QString("p%1").arg(r + 1);
        setItem(r, 0, new QTableWidgetItem());
    }
    setVerticalHeaderLabels(names);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(RowHeight);
    verticalHeader()->setSectionsClickable(false);
    setColumnWidth(0, valueColumnWidth);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A short window scrolls the rows rather than letting the stepping controls overlap them.
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setItemDelegate(new TParamGridDelegate(this));
    setEditTriggers(EditingTriggers);
    setCurrentCell(0, 0);
    const int frame = 2 * frameWidth();
    setFixedWidth(verticalHeader()->sizeHint().width() + valueColumnWidth + frame +
                  style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    setMinimumHeight(MinVisibleRows * RowHeight + frame);
    setMaximumHeight(ParamCount * RowHeight + frame);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
}

QString TParamGrid::CellText(int row) const {
    if (m_editor && m_editorRow == row) return m_editor->text();
    return item(row, 0)->text();
}

void TParamGrid::SetCellText(int row, const QString& text) {
    item(row, 0)->setText(text);
    if (m_editor && m_editorRow == row) m_editor->setText(text);
}

void TParamGrid::SetReadOnly(bool readOnly) {
    m_readOnly = readOnly;
    setEditTriggers(readOnly ? QAbstractItemView::NoEditTriggers : EditingTriggers);
    const Qt::ItemFlags flags = readOnly ? Qt::ItemIsEnabled | Qt::ItemIsSelectable
                                         : Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
    for (int r = 0; r < ParamCount; ++r)
        item(r, 0)->setFlags(flags);
}

bool TParamGrid::Editing() const {
    return !m_editor.isNull();
}

QLineEdit* TParamGrid::Editor() const {
    return m_editor.data();
}

bool TParamGrid::Owns(const QWidget* w) const {
    return w && (w == this || isAncestorOf(w));
}

void TParamGrid::EditorOpened(QLineEdit* editor, int row) {
    if (OnEditStart) OnEditStart(row);
    m_editor = editor;
    m_editorRow = row;
}

bool TParamGrid::EditorKey(int key) {
    const QPointer<QLineEdit> editor = m_editor;
    if (OnKeyDown) OnKeyDown(key);
    // A message box shown by the owner may have closed the editor already.
    if (editor && editor == m_editor) {
        if (key != Qt::Key_Escape) commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
    if (key == Qt::Key_Up) MoveRow(-1);
    if (key == Qt::Key_Down) MoveRow(1);
    return true;
}

bool TParamGrid::KeypadKey(TKeypadAction action, const QString& text) {
    if (action == TKeypadAction::Enter) return false;
    if (!m_editor) {
        const QModelIndex current = currentIndex();
        if (!current.isValid() || !(current.flags() & Qt::ItemIsEditable)) return true;
        // As a double click: it also ends the wait of a click on the current cell, which would swallow keys
        // and open the editor again later.
        edit(current, QAbstractItemView::DoubleClicked, nullptr);
        if (!m_editor) return true;
    }
    // The view selects the whole text when it opens the editor; keypad keys go on from it instead.
    if (m_editor->hasSelectedText() && m_editor->selectedText() == m_editor->text()) m_editor->end(false);
    KeypadEdit(m_editor, action, text);
    return true;
}

void TParamGrid::MoveRow(int step) {
    setCurrentCell(std::clamp(currentRow() + step, 0, ParamCount - 1), 0);
}

void TParamGrid::keyPressEvent(QKeyEvent* e) {
    const int key = OwnerKey(e->key());
    if (key == Qt::Key_Return || key == Qt::Key_Escape) {
        if (OnKeyDown) OnKeyDown(key);
        e->accept();
        return;
    }
    if (key != 0 && OnKeyDown) OnKeyDown(key);
    QTableWidget::keyPressEvent(e);
}

void TParamGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    if (editor == m_editor) {
        m_editor = nullptr;
        m_editorRow = -1;
    }
    QTableWidget::closeEditor(editor, hint);
}
