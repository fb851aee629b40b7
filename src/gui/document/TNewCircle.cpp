#include "gui/document/TNewCircle.h"
#include "gui/app/DialogButtons.h"

#include "core/plot/TGlobColors.h"
#include "gui/app/MessageDlg.h"
#include "gui/app/TNumPanel.h"
#include "gui/document/FormulaCaret.h"
#include "gui/document/HistoryBox.h"
#include "gui/document/TColorGrid.h"
#include "gui/plot/TGr.h"
#include "gui/plot/TPointPickTool.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// The centre alone, or the centre and a point on the circle; a click more drops the oldest point.
constexpr int CentrePoints = 1;
constexpr int TwoPoints = 2;

QGroupBox* MakeGroup(QWidget* parent, const char* name, const char* caption) {
    auto* group = new QGroupBox(caption, parent);
    group->setObjectName(name);
    new QGridLayout(group);
    return group;
}

int BoxIndex(TCircleBox box) {
    return static_cast<int>(box);
}

} // namespace

TNewCircle::TNewCircle(QWidget* parent) : QDialog(parent) {
    setObjectName("NewCircle");
    setWindowTitle("Коло");

    m_pageControl = new QTabWidget(this);
    m_pageControl->setObjectName("PageControl");
    m_pageControl->addTab(BuildRadiusPage(), "За центром та радіусом");
    m_pageControl->addTab(BuildPointPage(), "За двома точками");

    m_colorGrid = new TColorGrid(this);
    m_colorGrid->setObjectName("CircleColorGrid");
    m_buildCheckBox = new QCheckBox("Будувати графік", this);
    m_buildCheckBox->setObjectName("BuildCheckBox");
    m_buildCheckBox->setChecked(true);
    m_wLineGroupBox = new QGroupBox("Товщина лінії", this);
    m_wLineGroupBox->setObjectName("WLineGroupBox");
    m_wLineSpinEdit = new QSpinBox(m_wLineGroupBox);
    m_wLineSpinEdit->setObjectName("WLineSpinEdit");
    m_wLineSpinEdit->setRange(MinWLine, MaxWLine);
    m_wLineSpinEdit->setValue(MinWLine);
    (new QVBoxLayout(m_wLineGroupBox))->addWidget(m_wLineSpinEdit);
    m_numPanel = new TNumPanel(this);
    m_numPanel->setObjectName("NumPanel1");

    auto* options = new QHBoxLayout;
    options->addWidget(m_colorGrid, 0, Qt::AlignTop);
    options->addWidget(m_buildCheckBox, 0, Qt::AlignTop);
    options->addWidget(m_wLineGroupBox, 0, Qt::AlignTop);
    options->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pageControl);
    layout->addLayout(options);
    layout->addWidget(m_numPanel);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_pageControl, &QTabWidget::currentChanged, this, [this](int index) { SetPage(index); });
    SetPage(CirclePageRadius);
    SetGraphWindow(nullptr);
}

QComboBox* TNewCircle::AddBox(QGroupBox* group, int row, TCircleBox box, const char* labelName,
                              const char* caption, const char* name) {
    QComboBox* edit = MakeHistoryBox(group, name, QString());
    auto* grid = static_cast<QGridLayout*>(group->layout());
    grid->addWidget(MakeLabel(group, labelName, caption, edit), row, 0);
    grid->addWidget(edit, row, 1);
    grid->setColumnStretch(1, 1);
    m_boxes[BoxIndex(box)] = edit;
    return edit;
}

void TNewCircle::AddButtons(QWidget* page, int index, QPushButton* pick) {
    m_pickButton[index] = pick;
    const char* const suffix = index == CirclePageRadius ? "0" : "";
    m_okButton[index] = MakeNamedButton(page, (QByteArray("OKButton") + suffix).constData(), "OK");
    m_cancelButton[index] =
        MakeNamedButton(page, (QByteArray("CancelButton") + suffix).constData(), "Скасувати");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(pick);
    buttons->addStretch(1);
    buttons->addWidget(m_okButton[index]);
    buttons->addWidget(m_cancelButton[index]);
    static_cast<QVBoxLayout*>(page->layout())->addLayout(buttons);

    // Each OK confirms its own page.
    connect(m_okButton[index], &QPushButton::clicked, this, [this, index] {
        SetPage(index);
        accept();
    });
    connect(m_cancelButton[index], &QPushButton::clicked, this, &TNewCircle::reject);
    connect(pick, &QPushButton::clicked, this, [this, index] { PickFromGraph(index); });
}

QWidget* TNewCircle::BuildRadiusPage() {
    auto* page = new QWidget;
    page->setObjectName("RadiusSheet");
    auto* layout = new QVBoxLayout(page);
    QGroupBox* centre = MakeGroup(page, "CentreGroupBox0", "Координати центра кола");
    AddBox(centre, 0, TCircleBox::X0ComboBox0, "X0Label0", "X0=", "X0ComboBox0");
    AddBox(centre, 1, TCircleBox::Y0ComboBox0, "Y0Label0", "Y0=", "Y0ComboBox0");
    QGroupBox* radius = MakeGroup(page, "RadiusGroupBox0", "Радіус кола");
    AddBox(radius, 0, TCircleBox::RComboBox0, "RLabel0", "R=", "RComboBox0");
    layout->addWidget(centre);
    layout->addWidget(radius);
    layout->addStretch(1);
    AddButtons(page, CirclePageRadius,
               MakeNamedButton(page, "PickCentreButton", "Вибір центра кола з екрану"));
    return page;
}

QWidget* TNewCircle::BuildPointPage() {
    auto* page = new QWidget;
    page->setObjectName("PointSheet");
    auto* layout = new QVBoxLayout(page);
    QGroupBox* centre = MakeGroup(page, "CentreGroupBox", "Координати центра кола");
    AddBox(centre, 0, TCircleBox::X0ComboBox, "X0Label", "X0=", "X0ComboBox");
    AddBox(centre, 1, TCircleBox::Y0ComboBox, "Y0Label", "Y0=", "Y0ComboBox");
    QGroupBox* point = MakeGroup(page, "PointGroupBox", "Координати точки на колі");
    AddBox(point, 0, TCircleBox::X1ComboBox, "X1Label", "X1=", "X1ComboBox");
    AddBox(point, 1, TCircleBox::Y1ComboBox, "Y1Label", "Y1=", "Y1ComboBox");
    layout->addWidget(centre);
    layout->addWidget(point);
    layout->addStretch(1);
    AddButtons(page, CirclePagePoint, MakeNamedButton(page, "PickPointsButton", "Вибір точок з екрану"));
    return page;
}

void TNewCircle::SetGraphWindow(TGr* gr) {
    m_gr = gr;
    for (QPushButton* pick : m_pickButton)
        pick->setEnabled(gr != nullptr);
}

TGr* TNewCircle::GraphWindow() const {
    return m_gr;
}

QComboBox* TNewCircle::Box(TCircleBox box) const {
    return m_boxes[BoxIndex(box)];
}

void TNewCircle::SetPage(int page) {
    m_page = page == CirclePagePoint ? CirclePagePoint : CirclePageRadius;
    if (m_pageControl->currentIndex() != m_page) m_pageControl->setCurrentIndex(m_page);
    // Enter confirms the page that is shown.
    m_okButton[m_page]->setDefault(true);
    m_okButton[1 - m_page]->setDefault(false);
}

void TNewCircle::SetBoxTexts(const TCircleData& data, int page) {
    for (TCircleBox box : CircleBoxes(page))
        Box(box)->setEditText(Q(CircleBoxText(data, box)));
}

void TNewCircle::Fill(const TCircleData& data) {
    SetBoxTexts(data, CirclePageRadius);
    SetBoxTexts(data, CirclePagePoint);
    SetPage(data.DataPage);
    m_buildCheckBox->setChecked(data.GBuild);
    m_wLineSpinEdit->setValue(data.WLine);
    m_filledColor = data.Color;
    m_colorGrid->SetForegroundIndex(GlobColors().ColorIndex(data.Color));
}

TCircleData TNewCircle::Values() const {
    TCircleData data;
    for (int page : {CirclePageRadius, CirclePagePoint})
        for (TCircleBox box : CircleBoxes(page))
            CircleBoxText(data, box) = S(Box(box)->currentText());
    data.DataPage = m_page;
    data.GBuild = m_buildCheckBox->isChecked();
    data.WLine = m_wLineSpinEdit->value();
    data.Color = m_colorGrid->ForegroundColor(m_filledColor);
    return data;
}

bool TNewCircle::Run(TCircleData& data) {
    Fill(data);
    const bool ok = exec() == QDialog::Accepted;
    if (ok)
        data = Values();
    else
        data.DataPage = m_page;
    return ok;
}

void TNewCircle::FocusBox(TCircleBox box) {
    Box(box)->setFocus(Qt::OtherFocusReason);
    Box(box)->lineEdit()->selectAll();
}

void TNewCircle::accept() {
    // A width typed but not yet taken by the spinner counts as typed.
    m_wLineSpinEdit->interpretText();
    const TCircleCheck check = CheckNewCircle(Values(), m_page);
    for (TCircleBox box : check.Passed)
        RememberText(Box(box));
    if (!check.Ok()) {
        FocusBox(check.Failed);
        PutCaretAtFormulaError(Box(check.Failed)->lineEdit());
        ShowErrorMessage(check.Message, this);
        return;
    }
    QDialog::accept();
}

void TNewCircle::PickFromGraph(int page) {
    if (!m_gr) return;
    TPointPickTool tool(page == CirclePagePoint ? TwoPoints : CentrePoints);
    m_gr->Borrow(tool);
    // Giving the window back shows it in its frame again; the dialog is still the one being worked in.
    raise();
    activateWindow();

    TCircleData data = Values();
    const msg::Id message = TakePickedPoints(data, page, m_gr->Points());
    if (message == msg::None)
        SetBoxTexts(data, page);
    else
        ShowErrorMessage(message, this);
    m_gr->ClrPopup()->trigger();
}

void TNewCircle::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    FocusBox(CircleBoxes(m_page).front());
}
