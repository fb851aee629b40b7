#include "gui/plot/TGraphOps.h"

#include "core/plot/TGlobColors.h"
#include "core/plot/TMasshImage.h"
#include "gui/app/MessageDlg.h"
#include "gui/app/TNumPanel.h"
#include "gui/document/TColorGrid.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

constexpr int SwatchSize = 40;

const char* const ScaleNames[ScaleBoxCount][2] = {
    {"MinXEd", "MinX="}, {"MaxXEd", "MaxX="}, {"MinYEd", "MinY="}, {"MaxYEd", "MaxY="}};

const char* const WorkColorTexts[WorkColorCount] = {
    "Фон",
    "Система координат",
    "Розмітка",
    "Покажчик координат",
    "Додаткові побудови 1",
    "Додаткові побудови 2",
};

template <class W> W* Named(W* w, const char* name) {
    w->setObjectName(name);
    return w;
}

// A radio group: a titled box whose items are its unnamed radio buttons.
QGroupBox* RadioGroup(QWidget* parent, const char* name, const char* title, const char* first,
                      const char* second, QRadioButton* items[2]) {
    auto* box = Named(new QGroupBox(title, parent), name);
    auto* layout = new QVBoxLayout(box);
    items[0] = new QRadioButton(first, box);
    items[1] = new QRadioButton(second, box);
    layout->addWidget(items[0]);
    layout->addWidget(items[1]);
    return box;
}

QString DesktopFamily() {
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

bool DefaultChooseColor(QWidget* parent, TColor& color) {
    const QColor chosen = QColorDialog::getColor(ToQColor(color), parent);
    if (!chosen.isValid()) return false;
    color = RgbColor(chosen.red(), chosen.green(), chosen.blue());
    return true;
}

} // namespace

QFont DialogFont(const TFont& font) {
    QFont q;
    q.setFamily(IsDesktopFontName(font.Name) ? DesktopFamily() : QString::fromStdString(font.Name));
    q.setPointSize(std::max(1, font.Size));
    q.setBold(font.Bold);
    q.setItalic(font.Italic);
    return q;
}

TFont FromDialogFont(const QFont& chosen, const TFont& before) {
    TFont font = before;
    if (!(IsDesktopFontName(before.Name) && chosen.family() == DesktopFamily()))
        font.Name = chosen.family().toStdString();
    if (chosen.pointSize() > 0) font.Size = chosen.pointSize();
    font.Bold = chosen.bold();
    font.Italic = chosen.italic();
    return font;
}

TGraphOps::TGraphOps(QWidget* parent) : QDialog(parent) {
    setObjectName("GraphOps");
    setWindowTitle("Властивості вікна \"Графік\"");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    m_pages = Named(new QTabWidget(this), "GrOpsPage");
    m_pages->addTab(BuildMasshSheet(), "Масштаб");
    m_pages->addTab(BuildAxeSheet(), "Графік");
    m_pages->addTab(BuildColorSheet(), "Кольори");

    m_ok = Named(new QPushButton("OK", this), "OkBut");
    m_ok->setDefault(true);
    m_cancel = Named(new QPushButton("Скасувати", this), "CancelBut");
    connect(m_ok, &QPushButton::clicked, this, &TGraphOps::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    ChooseColor = [this](TColor& c) { return DefaultChooseColor(this, c); };
    ChooseFont = [this](TFont& font) {
        bool ok = false;
        const QFont chosen = QFontDialog::getFont(&ok, DialogFont(font), this);
        if (ok) font = FromDialogFont(chosen, font);
        return ok;
    };
}

QWidget* TGraphOps::BuildMasshSheet() {
    auto* page = Named(new QWidget, "MasshSheet");
    auto* grid = new QGridLayout;
    for (int i = 0; i < ScaleBoxCount; ++i) {
        m_scaleEdits[i] = Named(new QLineEdit(page), ScaleNames[i][0]);
        auto* label =
            Named(new QLabel(ScaleNames[i][1], page), (std::string(ScaleNames[i][0], 4) + "Label").c_str());
        label->setBuddy(m_scaleEdits[i]);
        grid->addWidget(label, i, 0);
        grid->addWidget(m_scaleEdits[i], i, 1);
    }
    QGroupBox* radio = RadioGroup(page, "MasshRadio", "Тип масштабування", "Масштаб автоматичний",
                                  "Масштаб користувача", m_masshRadio);
    m_yToX = Named(new QPushButton("Y-->X", page), "Button1");
    m_xToY = Named(new QPushButton("X-->Y", page), "Button2");
    connect(m_yToX, &QPushButton::clicked, this, [this] {
        ScaleEdit(TScaleBox::MinX)->setText(ScaleEdit(TScaleBox::MinY)->text());
        ScaleEdit(TScaleBox::MaxX)->setText(ScaleEdit(TScaleBox::MaxY)->text());
    });
    connect(m_xToY, &QPushButton::clicked, this, [this] {
        ScaleEdit(TScaleBox::MinY)->setText(ScaleEdit(TScaleBox::MinX)->text());
        ScaleEdit(TScaleBox::MaxY)->setText(ScaleEdit(TScaleBox::MaxX)->text());
    });
    m_numPanel = Named(new TNumPanel(page), "NumPanel1");

    auto* copies = new QHBoxLayout;
    copies->addWidget(m_yToX);
    copies->addWidget(m_xToY);
    auto* right = new QVBoxLayout;
    right->addWidget(radio);
    right->addLayout(copies);
    right->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addLayout(grid);
    top->addLayout(right);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addWidget(m_numPanel, 0, Qt::AlignLeft);
    return page;
}

QWidget* TGraphOps::BuildAxeSheet() {
    auto* page = Named(new QWidget, "AxeSheet");
    auto* axeBox = Named(new QGroupBox("Система координат", page), "AxeBox");
    m_axeBuild = Named(new QCheckBox("Систему координат будувати", axeBox), "AxeBuild");
    m_markBuild = Named(new QCheckBox("Розмітку  ставити", axeBox), "MarkBuild");
    auto* axeLayout = new QVBoxLayout(axeBox);
    axeLayout->addWidget(m_axeBuild);
    axeLayout->addWidget(m_markBuild);

    QGroupBox* coord = RadioGroup(page, "CoordRadio", "Тип  координат", "Декартові координати",
                                  "Полярні координати", m_coordRadio);

    m_axeGroupBox = Named(new QGroupBox("Назви осей", page), "AxeGroupBox");
    m_xEdit = Named(new QLineEdit(m_axeGroupBox), "XEdit");
    m_yEdit = Named(new QLineEdit(m_axeGroupBox), "YEdit");
    auto* xLabel = Named(new QLabel("Вісь Х", m_axeGroupBox), "XLabel");
    auto* yLabel = Named(new QLabel("Вісь Y", m_axeGroupBox), "YLabel");
    xLabel->setBuddy(m_xEdit);
    yLabel->setBuddy(m_yEdit);
    auto* names = new QGridLayout(m_axeGroupBox);
    names->addWidget(xLabel, 0, 0);
    names->addWidget(m_xEdit, 0, 1);
    names->addWidget(yLabel, 1, 0);
    names->addWidget(m_yEdit, 1, 1);

    m_labelFontButton = Named(new QPushButton("Шрифт мітки", page), "LabelFontButton");
    m_axeFontButton = Named(new QPushButton("Шрифт назв осей", page), "AxeFontButton");
    connect(m_labelFontButton, &QPushButton::clicked, this, [this] { PickFont(m_options.LabelFont); });
    connect(m_axeFontButton, &QPushButton::clicked, this, [this] { PickFont(m_options.AxeFont); });

    connect(m_axeBuild, &QCheckBox::toggled, this, &TGraphOps::UpdateAxisNames);
    connect(m_coordRadio[1], &QRadioButton::toggled, this, &TGraphOps::UpdateAxisNames);

    auto* fonts = new QHBoxLayout;
    fonts->addWidget(m_labelFontButton);
    fonts->addWidget(m_axeFontButton);
    auto* layout = new QGridLayout(page);
    layout->addWidget(axeBox, 0, 0);
    layout->addWidget(coord, 0, 1);
    layout->addWidget(m_axeGroupBox, 1, 0);
    layout->addLayout(fonts, 1, 1, Qt::AlignBottom);
    return page;
}

QWidget* TGraphOps::BuildColorSheet() {
    auto* page = Named(new QWidget, "ColorSheet");
    m_colorList = Named(new QListWidget(page), "ColorListBox");
    for (const char* text : WorkColorTexts)
        m_colorList->addItem(text);
    m_cg = Named(new TColorGrid(page), "CG");
    m_shape = Named(new QFrame(page), "Shape1");
    m_shape->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_shape->setFixedSize(SwatchSize, SwatchSize);
    m_shape->setAutoFillBackground(true);
    m_shape->hide();
    m_otherColor = Named(new QPushButton("Інший колір...", page), "Button3");

    connect(m_colorList, &QListWidget::currentRowChanged, this, &TGraphOps::ShowWorkColor);
    connect(m_cg, &TColorGrid::Change, this, &TGraphOps::GridPicked);
    connect(m_otherColor, &QPushButton::clicked, this, &TGraphOps::OtherColor);

    auto* right = new QVBoxLayout;
    right->addWidget(m_cg);
    right->addWidget(m_shape);
    right->addWidget(m_otherColor);
    right->addStretch(1);
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(m_colorList, 1);
    layout->addLayout(right);
    return page;
}

bool TGraphOps::Run(TMasshImage& image) {
    Fill(ReadGraphOptions(image));
    if (exec() != QDialog::Accepted) return false;
    ApplyGraphOptions(Options(), m_accepted, image);
    image.MasshUpdate();
    return true;
}

void TGraphOps::Fill(const TGraphOptions& options) {
    m_options = options;
    for (int i = 0; i < ScaleBoxCount; ++i)
        m_scaleEdits[i]->setText(QString::fromStdString(options.ScaleTexts[i]));
    m_masshRadio[options.AutoScale ? 0 : 1]->setChecked(true);
    m_axeBuild->setChecked(options.Axes);
    m_markBuild->setChecked(options.Marks);
    m_coordRadio[options.Polar ? 1 : 0]->setChecked(true);
    m_xEdit->setText(QString::fromStdString(options.XName));
    m_yEdit->setText(QString::fromStdString(options.YName));
    UpdateAxisNames();
    if (m_colorList->currentRow() == static_cast<int>(TWorkColor::Back))
        ShowWorkColor();
    else
        m_colorList->setCurrentRow(static_cast<int>(TWorkColor::Back));
}

TGraphOptions TGraphOps::Options() const {
    TGraphOptions o = m_options;
    for (int i = 0; i < ScaleBoxCount; ++i)
        o.ScaleTexts[i] = m_scaleEdits[i]->text().toStdString();
    o.AutoScale = m_masshRadio[0]->isChecked();
    o.Axes = m_axeBuild->isChecked();
    o.Marks = m_markBuild->isChecked();
    o.Polar = m_coordRadio[1]->isChecked();
    o.XName = m_xEdit->text().toStdString();
    o.YName = m_yEdit->text().toStdString();
    return o;
}

TColor TGraphOps::WorkColor() const {
    const int row = std::max(0, m_colorList->currentRow());
    return m_options.Colors[row];
}

void TGraphOps::accept() {
    const TScaleCheck check = CheckScale(Options());
    if (!check.Ok()) {
        if (check.Message == msg::GraphOpsExpressionError) {
            m_pages->setCurrentIndex(static_cast<int>(TGraphOpsPage::Massh));
            QLineEdit* box = ScaleEdit(check.Failed);
            box->setFocus(Qt::OtherFocusReason);
            box->selectAll();
        }
        ShowErrorMessage(check.Message, this);
        return;
    }
    m_accepted = check.Massh;
    QDialog::accept();
}

void TGraphOps::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    m_pages->setCurrentIndex(static_cast<int>(m_startPage));
    if (m_startPage == TGraphOpsPage::Massh) {
        ScaleEdit(TScaleBox::MinX)->setFocus(Qt::OtherFocusReason);
        ScaleEdit(TScaleBox::MinX)->selectAll();
    }
}

void TGraphOps::UpdateAxisNames() {
    m_axeGroupBox->setEnabled(AxisNamesEnabled(m_axeBuild->isChecked(), m_coordRadio[1]->isChecked()));
}

void TGraphOps::ShowWorkColor() {
    const TColor c = WorkColor();
    const bool inPalette = GlobColors().ColorIndex(c) != NoColorIndex;
    m_cg->SetForegroundColor(c);
    if (!inPalette) {
        QPalette palette = m_shape->palette();
        palette.setColor(QPalette::Window, ToQColor(c));
        m_shape->setPalette(palette);
    }
    m_shape->setVisible(!inPalette);
}

void TGraphOps::GridPicked() {
    const int row = std::max(0, m_colorList->currentRow());
    m_options.Colors[row] = m_cg->ForegroundColor(m_options.Colors[row]);
    m_shape->hide();
}

void TGraphOps::OtherColor() {
    const int row = std::max(0, m_colorList->currentRow());
    TColor c = m_options.Colors[row];
    if (!ChooseColor || !ChooseColor(c)) return;
    m_options.Colors[row] = c;
    m_cg->SetForegroundIndex(NoColorIndex);
    QPalette palette = m_shape->palette();
    palette.setColor(QPalette::Window, ToQColor(c));
    m_shape->setPalette(palette);
    m_shape->show();
}

void TGraphOps::PickFont(TFont& font) {
    TFont chosen = font;
    if (ChooseFont && ChooseFont(chosen)) font = chosen;
}
