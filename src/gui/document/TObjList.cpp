#include "gui/document/TObjList.h"

#include "core/base/MessageTable.h"
#include "core/document/FixParams.h"
#include "core/document/ObjectDefaults.h"
#include "core/document/ObjectRemoval.h"
#include "core/document/TDocument.h"
#include "core/plot/TGlobColors.h"
#include "core/plot/TMasshImage.h"
#include "gui/app/LanguageWalk.h"
#include "gui/app/MessageDlg.h"
#include "gui/app/TNumPanelMini.h"
#include "gui/document/TObjListDelegate.h"
#include "gui/document/TParamPanel.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include <string>
#include <utility>
#include <vector>

namespace {
// The entries of the kind selector, by kind code.
const char* const KindTexts[ObjKindCount] = {
    "Явна: Y=Y(X)",        "Параметрична:  X=X(T), Y=Y(T)", "Полярна: R=R(F)", "Неявна: 0=G(X,Y)",
    "Таблична: Xi, Y(Xi)", "Статистична вибірка",           "Ламана",          "Коло",
};
} // namespace

TObjList::TObjList(TDocument& doc, TMasshImage& image, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_image(image) {
    setObjectName("ObjList");
    setWindowTitle("Список об'єктів");

    m_kindBox = new QComboBox(this);
    m_kindBox->setObjectName("ObjComboBox");
    m_kindBox->setToolTip("Тип залежності");
    auto* kinds = qobject_cast<QStandardItemModel*>(m_kindBox->model());
    for (int k = 0; k < ObjKindCount; ++k) {
        m_kindBox->addItem(KindTexts[k]);
        // Kinds whose objects the program cannot make yet are shown but not offered.
        if (!CanCreateObject(static_cast<ObjKind>(k))) kinds->item(k)->setEnabled(false);
    }
    m_kindBox->setCurrentIndex(0);
    connect(m_kindBox, &QComboBox::currentIndexChanged, this, [this](int index) { m_newKind = index; });

    m_numPanel = new TNumPanelMini(this);

    m_listBox = new QListWidget(this);
    m_listBox->setObjectName("ObjListBox");
    m_listBox->setItemDelegate(new TObjListDelegate(m_listBox));
    m_listBox->setUniformItemSizes(true);
    m_listBox->setContextMenuPolicy(Qt::CustomContextMenu);
    m_listBox->installEventFilter(this);
    connect(m_listBox, &QListWidget::currentRowChanged, this, [this](int row) {
        m_doc.Objects.SetCurrent(row);
        ObjListBoxClick();
    });
    connect(m_listBox, &QListWidget::itemClicked, this, [this] { ObjListBoxClick(); });
    connect(m_listBox, &QListWidget::itemChanged, this, &TObjList::ObjListBoxItemChanged);
    connect(m_listBox, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        UpdatePopupItems();
        m_popup->popup(m_listBox->viewport()->mapToGlobal(at));
    });

    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName("ObjMemo");
    m_memo->setReadOnly(true);

    m_splitter = new QSplitter(Qt::Vertical, this);
    m_splitter->setObjectName("Splitter1");
    m_splitter->addWidget(m_listBox);
    m_splitter->addWidget(m_memo);
    m_splitter->setStretchFactor(0, 2);
    m_splitter->setStretchFactor(1, 1);

    TParamPanelOptions params;
    params.ValueColumnWidth = TParamPanelOptions::ObjListValueWidth;
    params.MarkParams = [this] { m_doc.Objects.MarkParams(); };
    params.Unused = TUnusedParams::Keep;
    params.ValueChanged = [this] { ParamValueChanged(); };
    params.FixScale = [this] { FixScale(); };
    params.TrackFixesScale = true;
    m_paramPanel = new TParamPanel(std::move(params), this);

    m_status = new QLabel(this);
    m_status->setObjectName("ObjListStatus");
    SetComponentKind(m_status, TComponentKind::StatusBar); // counts the checked entries
    m_status->setFrameShape(QFrame::Panel);
    m_status->setFrameShadow(QFrame::Sunken);

    auto* body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->addWidget(m_splitter, 1);
    body->addWidget(m_paramPanel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(m_kindBox);
    layout->addWidget(m_numPanel);
    layout->addLayout(body, 1);
    layout->addWidget(m_status);

    BuildPopupMenu();
    ObjListBoxClick();
}

void TObjList::BuildPopupMenu() {
    m_popup = new QMenu(this);
    m_popup->setObjectName("ObjPopupMenu");
    auto item = [this](const char* caption, const char* name, void (TObjList::*handler)()) {
        QAction* a = m_popup->addAction(caption);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    m_newItem = item("Створити", "NewObjPopup", &TObjList::NewObjPopupClick);
    m_changeItem = item("Змінити", "ChngObjPopup", &TObjList::ChngObjPopupClick);
    m_gbuildItem = item("Будувати графік", "GBuildPopup", &TObjList::GBuildPopupClick);
    m_gbuildItem->setCheckable(true);
    m_delItem = item("Вилучити", "DelObjPopup", &TObjList::DelObjPopupClick);
    m_delLastItem = item("Вилучити останній", "DelLastObjPopUp", &TObjList::DelLastObjPopUpClick);
    m_delActiveItem = item("Вилучити поточний", "DelActiveObjPopUp", &TObjList::DelActiveObjPopUpClick);
    m_selAllItem = item("Відмітити все", "SelAllPopup", &TObjList::SelAllPopupClick);
    m_deselAllItem = item("Зняти відмітки", "DeSelAllPopup", &TObjList::DeSelAllPopupClick);
    connect(m_popup, &QMenu::aboutToShow, this, &TObjList::UpdatePopupItems);
}

void TObjList::UpdatePopupItems() {
    const bool any = !m_doc.Objects.Empty();
    const bool checked = m_doc.Objects.CheckedCount() > 0;
    const TFn* current = m_doc.Objects.CurrentObject();
    m_newItem->setEnabled(true);
    m_changeItem->setEnabled(any);
    m_gbuildItem->setEnabled(any);
    m_gbuildItem->setChecked(current && current->GBuild);
    m_delItem->setEnabled(checked);
    m_delLastItem->setEnabled(any);
    m_delActiveItem->setEnabled(any);
    m_selAllItem->setEnabled(any);
    m_deselAllItem->setEnabled(checked);
}

void TObjList::SyncListBox() {
    const QSignalBlocker block(m_listBox);
    const TObjectList& list = m_doc.Objects;
    while (m_listBox->count() > list.Count())
        delete m_listBox->takeItem(m_listBox->count() - 1);
    while (m_listBox->count() < list.Count()) {
        auto* item = new QListWidgetItem(m_listBox);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    }
    for (int i = 0; i < list.Count(); ++i) {
        QListWidgetItem* item = m_listBox->item(i);
        const QString caption = Q(list[i].Caption);
        if (item->text() != caption) item->setText(caption);
        item->setCheckState(list[i].Checked ? Qt::Checked : Qt::Unchecked);
        item->setData(TObjListDelegate::ColorRole, QVariant::fromValue(list.Object(i).Color));
    }
    if (m_listBox->currentRow() != list.Current()) m_listBox->setCurrentRow(list.Current());
}

void TObjList::ShowStatus() {
    const int n = m_doc.Objects.CheckedCount();
    m_status->setText(n > 0 ? Q(Msg(msg::CheckedCount) + std::to_string(n)) : QString());
}

void TObjList::ShowCurrentInfo() {
    m_memo->clear();
    const TFn* current = m_doc.Objects.CurrentObject();
    if (!current) return;
    std::vector<std::string> lines;
    current->ShowInfo(lines);
    QStringList text;
    for (const std::string& line : lines)
        text << Q(line);
    m_memo->setPlainText(text.join('\n'));
}

void TObjList::ObjListBoxClick() {
    SyncListBox();
    ShowStatus();
    ShowCurrentInfo();
}

void TObjList::ObjListBoxItemChanged(QListWidgetItem* item) {
    const int row = m_listBox->row(item);
    if (row < 0 || row >= m_doc.Objects.Count()) return;
    m_doc.Objects[row].Checked = item->checkState() == Qt::Checked;
    ObjListBoxClick();
}

void TObjList::NewObjPopupClick() {
    const auto kind = static_cast<ObjKind>(m_newKind);
    if (!CanCreateObject(kind)) return;
    std::unique_ptr<TFn> object = CreateDefaultObject(kind, GlobColors().NextColor());
    // Cancelled: the object goes, and the document is as it was.
    if (!object->Edit()) return;
    m_doc.Objects.Modified = true;
    object->CalcBounds(m_image);
    m_doc.Objects.Append(std::move(object), true);
    ObjListBoxClick();
    RefreshParams();
}

void TObjList::ChngObjPopupClick() {
    TFn* current = m_doc.Objects.CurrentObject();
    if (current && current->Edit()) {
        m_doc.Objects.Modified = true;
        current->CalcBounds(m_image);
        m_doc.Objects.UpdateCaption(m_doc.Objects.Current());
        RefreshParams();
        if (current->Drawn) {
            AutoMassh(m_doc.Objects, m_doc.DrawList, m_image);
            m_image.MasshUpdate();
        }
    }
    ObjListBoxClick();
}

void TObjList::GBuildPopupClick() {
    TFn* current = m_doc.Objects.CurrentObject();
    if (!current) return;
    current->GBuild = !current->GBuild;
    m_gbuildItem->setChecked(current->GBuild);
    m_doc.Objects.Modified = true;
    m_image.MasshUpdate();
    ObjListBoxClick();
}

bool TObjList::Confirm(msg::Id message) {
    return MessageDlg(Msg(message), TMsgDlgType::mtConfirmation, mbYesNo, 0, this) == mrYes;
}

void TObjList::AfterRemoval(const TRemovalResult& removal) {
    if (removal.Removed == 0) return;
    RefreshParams();
    if (removal.RemovedDrawn) m_image.MasshUpdate();
    ObjListBoxClick();
}

void TObjList::DelObjPopupClick() {
    if (m_doc.Objects.Empty()) return;
    m_paramPanel->FocusGrid();
    if (!Confirm(msg::DeleteCheckedQuestion)) return;
    AfterRemoval(RemoveCheckedOrCurrent(m_doc));
}

void TObjList::DelLastObjPopUpClick() {
    if (m_doc.Objects.Empty()) return;
    m_paramPanel->FocusGrid();
    if (!Confirm(msg::DeleteLastQuestion)) return;
    AfterRemoval(RemoveLastObject(m_doc));
}

void TObjList::DelActiveObjPopUpClick() {
    if (m_doc.Objects.Empty()) return;
    m_paramPanel->FocusGrid();
    if (!Confirm(msg::DeleteCurrentQuestion)) return;
    AfterRemoval(RemoveCurrentObject(m_doc));
}

void TObjList::DelAllObjPopupClick() {
    RemoveAllObjects(m_doc);
    RefreshParams();
    ObjListBoxClick();
}

void TObjList::SelAllPopupClick() {
    m_doc.Objects.SetAllChecked(true);
    ObjListBoxClick();
}

void TObjList::DeSelAllPopupClick() {
    m_doc.Objects.SetAllChecked(false);
    ObjListBoxClick();
}

void TObjList::FixParams() {
    if (::FixParams(m_doc, m_image)) ObjListBoxClick();
}

void TObjList::RefreshParams() {
    m_paramPanel->Refresh();
}

void TObjList::RecalcAll() {
    m_doc.Objects.RecalcAll(m_image);
}

void TObjList::FocusKindSelector() {
    m_kindBox->setFocus(Qt::OtherFocusReason);
}

void TObjList::FormActivate() {
    // Numbers are read and written with "." whatever the locale, so there is no separator to set.
    m_paramPanel->Activate();
}

void TObjList::ParamValueChanged() {
    RecalcAll();
    m_image.MasshUpdate();
    ShowCurrentInfo();
}

void TObjList::FixScale() {
    m_image.SetMasshAuto(false);
    emit ScaleFixed();
}

bool TObjList::event(QEvent* e) {
    if (e->type() == QEvent::ParentChange) {
        // Inside the main window the sub-window, not this widget, is what becomes active.
        if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
            connect(frame, &QMdiSubWindow::windowStateChanged, this, &TObjList::FrameStateChanged,
                    Qt::UniqueConnection);
    } else if (e->type() == QEvent::WindowActivate && isWindow()) {
        FormActivate();
    }
    return QWidget::event(e);
}

void TObjList::FrameStateChanged(Qt::WindowStates before, Qt::WindowStates now) {
    if (!(before & Qt::WindowActive) && (now & Qt::WindowActive)) FormActivate();
}

bool TObjList::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_listBox && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        DelObjPopupClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TObjList::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    // The size given before the window is first shown is the program's, not the user's.
    if (!isVisible()) return;
    WasResized = true;
    emit Resized();
}

void TObjList::closeEvent(QCloseEvent* e) {
    // The window lives as long as the program: closing it only minimises it.
    e->ignore();
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        frame->showMinimized();
    else if (isWindow())
        showMinimized();
}
