#include "gui/analysis/TDPPLam.h"

#include "core/document/TDocument.h"
#include "gui/app/DialogButtons.h"
#include "gui/app/MessageDlg.h"
#include "gui/app/TNumPanel.h"
#include "gui/document/FormulaCaret.h"
#include "gui/document/HistoryBox.h"
#include "gui/plot/TGr.h"
#include "gui/plot/TPointPickTool.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

int Index(TTransformKind kind) {
    return static_cast<int>(kind);
}

} // namespace

TDPPLam::TDPPLam(TDocument& doc, TGr* gr, QWidget* parent) : QDialog(parent), m_doc(doc), m_gr(gr) {
    setObjectName("DPPLam");
    setWindowTitle("Нова ламана на основі існуючої");
    m_pages = new QTabWidget(this);
    m_pages->setObjectName("PageControl1");
    m_pages->addTab(BuildScalePage(), "Деформація");
    m_pages->addTab(BuildRotatePage(), "Поворот");
    m_pages->addTab(BuildTranslatePage(), "Пар. перенесення");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(m_pages, &QTabWidget::currentChanged, this, [this](int page) {
        for (int i = 0; i < PageCount; ++i)
            m_ok[i]->setDefault(i == page);
    });
    m_ok[0]->setDefault(true);
    m_moveButton->setEnabled(gr != nullptr);
    m_vectorButton->setEnabled(gr != nullptr);
}

QComboBox* TDPPLam::AddBox(QWidget* parent, QGridLayout* grid, int row, TTransformBox box,
                           const char* labelName, const char* caption, const char* name, const char* text) {
    QComboBox* edit = MakeHistoryBox(parent, name, text);
    grid->addWidget(MakeLabel(parent, labelName, caption, edit), row, 0);
    grid->addWidget(edit, row, 1);
    m_boxes[static_cast<int>(box)] = edit;
    return edit;
}

void TDPPLam::AddButtons(QWidget* page, TTransformKind kind, const char* okName, const char* cancelName,
                         const char* panelName, QPushButton* pick) {
    const int i = Index(kind);
    m_ok[i] = MakeNamedButton(page, okName, "OK");
    m_cancel[i] = MakeNamedButton(page, cancelName, "Скасувати");
    auto* panel = new TNumPanel(page);
    panel->setObjectName(panelName);
    auto* buttons = new QHBoxLayout;
    if (pick) buttons->addWidget(pick);
    buttons->addStretch(1);
    buttons->addWidget(m_ok[i]);
    buttons->addWidget(m_cancel[i]);
    auto* layout = static_cast<QVBoxLayout*>(page->layout());
    layout->addStretch(1);
    layout->addWidget(panel);
    layout->addLayout(buttons);
    connect(m_ok[i], &QPushButton::clicked, this, [this, kind] { PageOK(kind); });
    connect(m_cancel[i], &QPushButton::clicked, this, &TDPPLam::reject);
    if (pick) connect(pick, &QPushButton::clicked, this, [this, kind] { PickFromGraph(kind); });
}

QWidget* TDPPLam::BuildScalePage() {
    auto* page = new QWidget;
    page->setObjectName("TabSheet1");
    auto* layout = new QVBoxLayout(page);
    auto* group = new QGroupBox("Коефіцієнти деформації", page);
    group->setObjectName("GroupBox1");
    auto* grid = new QGridLayout(group);
    AddBox(group, grid, 0, TTransformBox::X0CB, "X0Label", "dX=", "X0CB", "1");
    AddBox(group, grid, 1, TTransformBox::Y0CB, "Y0Label", "dY=", "Y0CB", "1");
    layout->addWidget(group);
    AddButtons(page, TTransformKind::Scale, "LomButton", "Button1", "NumPanel1");
    return page;
}

QWidget* TDPPLam::BuildRotatePage() {
    auto* page = new QWidget;
    page->setObjectName("TabSheet2");
    auto* layout = new QVBoxLayout(page);
    auto* grid = new QGridLayout;
    AddBox(page, grid, 0, TTransformBox::AngComboBox, "AngLabel", "Кут повороту:", "AngComboBox", "0");
    layout->addLayout(grid);
    auto* units = new QGroupBox(page);
    units->setObjectName("AngRadioGroup");
    m_radians = new QRadioButton("Кут у радіанах", units);
    m_degrees = new QRadioButton("Кут у градусах", units);
    m_radians->setChecked(true);
    auto* unitsLayout = new QHBoxLayout(units); // two columns
    unitsLayout->addWidget(m_radians);
    unitsLayout->addWidget(m_degrees);
    layout->addWidget(units);
    connect(m_degrees, &QRadioButton::toggled, this, &TDPPLam::AngleUnitChanged);
    m_moveButton = MakeNamedButton(page, "MoveButton", "Вибір точок з екрану для визначення кута");
    layout->addWidget(m_moveButton);
    AddButtons(page, TTransformKind::Rotate, "Button2", "Button4", "NumPanel2");
    connect(m_moveButton, &QPushButton::clicked, this, [this] { PickFromGraph(TTransformKind::Rotate); });
    return page;
}

QWidget* TDPPLam::BuildTranslatePage() {
    auto* page = new QWidget;
    page->setObjectName("TabSheet3");
    auto* layout = new QVBoxLayout(page);
    auto* from = new QGroupBox("Початкова точка вектора", page);
    from->setObjectName("GroupBox2");
    auto* fromGrid = new QGridLayout(from);
    AddBox(from, fromGrid, 0, TTransformBox::X0CBP, "X0PLabel", "X0=", "X0CBP", "0");
    AddBox(from, fromGrid, 1, TTransformBox::Y0CBP, "Y0PLabel", "Y0=", "Y0CBP", "0");
    auto* to = new QGroupBox("Кінцева точка вектора", page);
    to->setObjectName("GroupBox3");
    auto* toGrid = new QGridLayout(to);
    AddBox(to, toGrid, 0, TTransformBox::XCB, "XLabel", "X=", "XCB", "1");
    AddBox(to, toGrid, 1, TTransformBox::YCB, "YLabel", "Y=", "YCB", "1");
    auto* points = new QHBoxLayout;
    points->addWidget(from);
    points->addWidget(to);
    layout->addLayout(points);
    m_vectorButton = MakeNamedButton(page, "Button3", "Вибір точок з екрану для визначення вектора ");
    layout->addWidget(m_vectorButton);
    AddButtons(page, TTransformKind::Translate, "Button5", "Button6", "NumPanel3");
    connect(m_vectorButton, &QPushButton::clicked, this,
            [this] { PickFromGraph(TTransformKind::Translate); });
    return page;
}

QComboBox* TDPPLam::Box(TTransformBox box) const {
    return m_boxes[static_cast<int>(box)];
}

TTransformInputs TDPPLam::Inputs() const {
    TTransformInputs in;
    in.Kind = static_cast<TTransformKind>(m_pages->currentIndex());
    for (TTransformKind kind : {TTransformKind::Scale, TTransformKind::Rotate, TTransformKind::Translate})
        for (TTransformBox box : TransformBoxes(kind))
            TransformBoxText(in, box) = S(Box(box)->currentText());
    in.Degrees = m_degrees->isChecked();
    return in;
}

bool TDPPLam::CurrentIsBrokenLine() const {
    FillSelection(m_doc.Objects, m_doc.Selection, false);
    return !m_doc.Selection.Empty() && m_doc.Selection[0].Kind() == ObjKind::BrokenLine;
}

void TDPPLam::Open() {
    if (!CurrentIsBrokenLine() || !m_gr) return;
    m_coord = m_gr->I().Coord();
    m_degreesShown = m_degrees->isChecked();
    exec();
}

void TDPPLam::changeEvent(QEvent* e) {
    QDialog::changeEvent(e);
    if (e->type() != QEvent::ActivationChange || !isActiveWindow() || !isVisible()) return;
    m_degreesShown = m_degrees->isChecked();
    if (m_refusing || CurrentIsBrokenLine()) return;
    // Hidden first: the box's closing must not activate the dialog, and so ask again.
    m_refusing = true;
    reject();
    ShowErrorMessage(msg::BrokenTransformNotBroken, parentWidget());
    m_refusing = false;
}

void TDPPLam::AngleUnitChanged() {
    const bool degrees = m_degrees->isChecked();
    if (degrees == m_degreesShown) return;
    std::string angle = S(Box(TTransformBox::AngComboBox)->currentText());
    if (!ConvertAngleText(angle, degrees))
        return; // the unit shown stays the old one: the text is still in it
    Box(TTransformBox::AngComboBox)->setEditText(Q(angle));
    m_degreesShown = degrees;
}

void TDPPLam::PageOK(TTransformKind kind) {
    if (!m_gr) return;
    m_pages->setCurrentIndex(Index(kind));
    TEntryCheck<TTransformBox> check;
    const int index = AppendTransformedLine(m_doc, Inputs(), m_gr->I(), &check);
    for (TTransformBox box : check.Passed)
        RememberText(Box(box));
    if (!check.Ok()) {
        QComboBox* box = Box(check.Failed);
        box->setFocus(Qt::OtherFocusReason);
        PutCaretAtFormulaError(box->lineEdit());
        ShowErrorMessage(check.Message, this);
        return;
    }
    if (index < 0) return;
    if (OnAppended) OnAppended();
    m_gr->I().SetCoord(m_coord);
    m_gr->I().MasshUpdate();
    accept();
}

void TDPPLam::PickFromGraph(TTransformKind kind) {
    if (!m_gr) return;
    const bool angle = kind == TTransformKind::Rotate;
    // Polar coordinates for an angle, Cartesian for a vector.
    TPointPickTool tool(TPointPickTool::AnyNumber, angle ? CoordType::ctPolar : CoordType::ctDec);
    m_gr->Borrow(tool);
    m_gr->I().SetCoord(m_coord);
    m_gr->Redraw();
    raise();
    activateWindow();

    TTransformInputs in = Inputs();
    msg::Id message = msg::None;
    if (angle) {
        message = TakeAnglePoints(m_gr->Points(), m_gr->I(), m_degrees->isChecked(), in.Angle);
        if (message == msg::None) Box(TTransformBox::AngComboBox)->setEditText(Q(in.Angle));
    } else {
        message = TakeVectorPoints(m_gr->Points(), in);
        if (message == msg::None)
            for (TTransformBox box : TransformBoxes(TTransformKind::Translate))
                Box(box)->setEditText(Q(TransformBoxText(in, box)));
    }
    m_gr->ClrPopup()->trigger();
    if (message != msg::None) ShowErrorMessage(message, this);
    FillSelection(m_doc.Objects, m_doc.Selection, false);
}
