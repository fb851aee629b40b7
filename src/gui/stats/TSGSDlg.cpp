#include "gui/stats/TSGSDlg.h"

#include "core/base/MessageTable.h"
#include "core/document/EntryChecks.h"
#include "core/plot/TGlobColors.h"
#include "gui/app/MessageDlg.h"
#include "gui/app/TCbStyleLine.h"
#include "gui/app/TNumPanel.h"
#include "gui/document/TColorGrid.h"
#include "gui/stats/StatFileDialog.h"
#include "gui/stats/TDataGrid.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <random>

namespace {
const char* const FormulaButtons[] = {"Sin(", "Cos(", "Sqrt(", "Log("};
const char* const SaveProposal = "Stat1";

int TypeIndex(TSampleEntryType type) {
    return type == TSampleEntryType::None ? 0 : static_cast<int>(type);
}

QGroupBox* Group(QWidget* parent, const char* name, const char* caption) {
    auto* group = new QGroupBox(caption, parent);
    group->setObjectName(name);
    new QVBoxLayout(group);
    return group;
}

QRadioButton* Radio(QGroupBox* group, const char* name, const char* caption) {
    auto* radio = new QRadioButton(caption, group);
    radio->setObjectName(name);
    group->layout()->addWidget(radio);
    return radio;
}
} // namespace

TSGSDlg::TSGSDlg(QWidget* parent) : QDialog(parent) {
    setObjectName("SGSDlg");
    setWindowTitle("Дані статистичної вибірки");

    m_grid = new TDataGrid({/*NumberColumn=*/false, /*AlwaysShowEditor=*/true}, this);
    m_grid->verticalHeader()->setDefaultSectionSize(20);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->setMinimumSize(230, 260);

    QGroupBox* types = Group(this, "SDRadioGroup", "Тип даних");
    m_type[0] = Radio(types, "SDRadioButton1", "Частоти");
    m_type[1] = Radio(types, "SDRadioButton2", "Відносні частоти");
    m_type[2] = Radio(types, "SDRadioButton3", "Варіанти");
    auto* sizeRow = new QHBoxLayout;
    auto* sizeCaption = new QLabel("Об'єм вибірки", types);
    sizeCaption->setObjectName("NNameLabel");
    m_sizeLabel = new QLabel("N=", types);
    m_sizeLabel->setObjectName("NLabel");
    m_sampleSize = new QSpinBox(types);
    m_sampleSize->setObjectName("NSpinEdit");
    m_sampleSize->setRange(SampleSizeMin, SampleSizeMax);
    m_sampleSize->setValue(SampleSizeDefault);
    sizeRow->addWidget(sizeCaption);
    sizeRow->addWidget(m_sizeLabel);
    sizeRow->addWidget(m_sampleSize);
    static_cast<QVBoxLayout*>(types->layout())->addLayout(sizeRow);
    for (int i = 0; i < 3; ++i)
        connect(m_type[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) DataTypeChanged(static_cast<TSampleEntryType>(i));
        });

    QGroupBox* model = Group(this, "ModRadioGroup", "Розподіл");
    m_model[SampleByPoints] = Radio(model, "ModRadioButton1", "Поточковий");
    m_model[SampleByIntervals] = Radio(model, "ModRadioButton2", "Поінтервальний");
    m_model[SampleByPoints]->setChecked(true);
    for (QRadioButton* b : m_model)
        connect(b, &QRadioButton::toggled, this, [this](bool on) {
            if (on) ModelChanged();
        });

    QGroupBox* graph = Group(this, "GrRadioGroup", "Тип графіка");
    m_graph[0] = Radio(graph, "GrRadioButton1", "");
    m_graph[1] = Radio(graph, "GrRadioButton2", "Функція F*(x) ");
    m_graph[0]->setChecked(true);

    m_build = new QCheckBox("Будувати графік", this);
    m_build->setObjectName("BuildCheckBox");
    m_build->setChecked(true);
    m_intRozp = new QCheckBox("Підінтервали", this);
    m_intRozp->setObjectName("IntRozpCheckBox");
    m_intDiv = new QLineEdit("2", this);
    m_intDiv->setObjectName("IntDivEdit");
    m_intDiv->setMaximumWidth(50);
    m_fxGroup = Group(this, "FxPlainRadio", "Графік F*(x)");
    m_fx[FxContinuous] = Radio(m_fxGroup, "FxPlainRadio1", "Неперервний");
    m_fx[FxByInterval] = Radio(m_fxGroup, "FxPlainRadio2", "Поінтервальний");
    m_fx[FxStepped] = Radio(m_fxGroup, "FxPlainRadio3", "Ступінчастий");
    m_fx[FxContinuous]->setChecked(true);

    m_colors = new TColorGrid(this);
    m_colors->setObjectName("ColorGrid1");
    auto* line = Group(this, "WLineGroupBox", "Товщина лінії");
    m_wLine = new QSpinBox(line);
    m_wLine->setObjectName("WLineSpinEdit");
    m_wLine->setRange(MinWLine, MaxWLine);
    m_lineStyle = new TCbStyleLine(line);
    m_lineStyle->setObjectName("LineStyleBox");
    line->layout()->addWidget(m_wLine);
    line->layout()->addWidget(m_lineStyle);
    // Only a thin line can be dashed.
    connect(m_wLine, &QSpinBox::valueChanged, this, [this](int w) { m_lineStyle->setEnabled(w == 1); });

    m_numPanel = new TNumPanel(this);
    m_numPanel->setObjectName("NumPanel1");
    auto* formulaRow = new QHBoxLayout;
    for (const char* caption : FormulaButtons) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString("Fn") + QString(caption).chopped(1) + "Button");
        b->setFocusPolicy(Qt::NoFocus);
        formulaRow->addWidget(b);
        // Only into the grid's cells: the grid types only while it has the focus.
        connect(b, &QPushButton::clicked, this, [this, caption] { m_grid->TypeIntoCell(caption); });
    }

    auto* rowButtons = new QHBoxLayout;
    connect(AddButton("InsButton", "Вставити рядок"), &QPushButton::clicked, m_grid, &TDataGrid::InsertRow);
    connect(AddButton("DelButton", "Вилучити рядок"), &QPushButton::clicked, m_grid, &TDataGrid::DeleteRow);
    connect(AddButton("ClrButton", "Очистити таблицю"), &QPushButton::clicked, m_grid,
            &TDataGrid::ClearTable);
    for (const char* n : {"InsButton", "DelButton", "ClrButton"})
        rowButtons->addWidget(Button(n));
    auto* fileButtons = new QHBoxLayout;
    connect(AddButton("FileDataButton", "Дані з файлу"), &QPushButton::clicked, this, &TSGSDlg::ReadFile);
    connect(AddButton("FilesaveButton", "Записати у файл"), &QPushButton::clicked, this, &TSGSDlg::WriteFile);
    connect(AddButton("RandomButton", "Випадкові дані"), &QPushButton::clicked, this, &TSGSDlg::RandomData);
    for (const char* n : {"FileDataButton", "FilesaveButton", "RandomButton"})
        fileButtons->addWidget(Button(n));
    auto* closeButtons = new QHBoxLayout;
    closeButtons->addStretch(1);
    QPushButton* ok = AddButton("OKBtn", "Далі --->");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TSGSDlg::accept);
    connect(AddButton("CancelBtn", "Скасувати"), &QPushButton::clicked, this, &TSGSDlg::reject);
    closeButtons->addWidget(ok);
    closeButtons->addWidget(Button("CancelBtn"));

    auto* left = new QVBoxLayout;
    left->addWidget(m_grid, 1);
    left->addLayout(formulaRow);
    left->addLayout(rowButtons);
    left->addLayout(fileButtons);
    left->addWidget(m_numPanel);
    auto* subintervals = new QHBoxLayout;
    subintervals->addWidget(m_intRozp);
    subintervals->addWidget(m_intDiv);
    auto* right = new QVBoxLayout;
    right->addWidget(types);
    right->addWidget(model);
    right->addWidget(graph);
    right->addWidget(m_build);
    right->addLayout(subintervals);
    right->addWidget(m_fxGroup);
    auto* looks = new QHBoxLayout;
    looks->addWidget(m_colors, 0, Qt::AlignTop);
    looks->addWidget(line, 0, Qt::AlignTop);
    right->addLayout(looks);
    right->addStretch(1);
    auto* body = new QHBoxLayout;
    body->addLayout(left, 1);
    body->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(closeButtons);

    Uniform = [] {
        static std::mt19937_64 engine{std::random_device{}()};
        return static_cast<Real>(std::uniform_real_distribution<double>(0.0, 1.0)(engine));
    };
    SetRandomDialog(nullptr);
    m_type[0]->setChecked(true);
    ModelChanged();
}

QPushButton* TSGSDlg::AddButton(const char* name, const char* caption) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QPushButton* TSGSDlg::Button(const char* name) const {
    return findChild<QPushButton*>(name);
}

QRadioButton* TSGSDlg::DataTypeButton(TSampleEntryType type) const {
    return m_type[TypeIndex(type)];
}

void TSGSDlg::SetRandomDialog(std::function<bool(TRandomRequest&)> run) {
    m_runRandom = std::move(run);
    Button("RandomButton")->setEnabled(static_cast<bool>(m_runRandom));
}

TSampleEntryType TSGSDlg::EntryType() const {
    for (int i = 0; i < 3; ++i)
        if (m_type[i]->isChecked()) return static_cast<TSampleEntryType>(i);
    return TSampleEntryType::Frequencies;
}

void TSGSDlg::SetEntryType(TSampleEntryType type) {
    QRadioButton* b = m_type[TypeIndex(type)];
    if (b->isChecked())
        DataTypeChanged(static_cast<TSampleEntryType>(TypeIndex(type)));
    else
        b->setChecked(true);
}

int TSGSDlg::Model() const {
    return m_model[SampleByIntervals]->isChecked() ? SampleByIntervals : SampleByPoints;
}

void TSGSDlg::SetModel(int smodel) {
    m_model[smodel == SampleByIntervals ? SampleByIntervals : SampleByPoints]->setChecked(true);
    ModelChanged();
}

void TSGSDlg::DataTypeChanged(TSampleEntryType type) {
    m_shownType = type;
    QStringList headers;
    for (const std::string& h : SampleGridHeaders(type))
        headers << Q(h);
    m_grid->SetColumns(headers);
    m_sampleSize->setEnabled(type == TSampleEntryType::RelativeFrequencies);
    m_sizeLabel->setEnabled(type == TSampleEntryType::RelativeFrequencies);
    const TGridRows rows = SampleGridRows(m_objectVariants, m_objectSample, type);
    if (!rows.empty()) m_grid->SetRows(rows);
}

void TSGSDlg::ModelChanged() {
    const bool byIntervals = Model() == SampleByIntervals;
    m_graph[0]->setText(Q(Msg(byIntervals ? msg::SampleHistogram : msg::SamplePolygon)));
    m_intRozp->setEnabled(byIntervals);
    m_intDiv->setEnabled(byIntervals);
    m_fxGroup->setEnabled(byIntervals);
}

void TSGSDlg::Prepare(const TSampleEntry& e) {
    m_objectVariants = e.Variants;
    m_objectSample = e.Sample;
    m_filledColor = e.Color;
    m_colors->SetForegroundIndex(GlobColors().ColorIndex(e.Color));
    SetModel(e.Smodel);
    (e.GraphType == SampleDistribution ? m_graph[1] : m_graph[0])->setChecked(true);
    m_build->setChecked(e.GBuild);
    m_intRozp->setChecked(e.IntRozp);
    m_intDiv->setText(Q(e.IntDivText));
    m_fx[std::clamp(e.FxPlain, FxContinuous, FxStepped)]->setChecked(true);
    m_wLine->setValue(e.WLine);
    m_lineStyle->SetStyle(static_cast<PenStyle>(std::clamp(e.LineT, 0, TFs::MaxLineStyle)));
    m_lineStyle->setEnabled(e.WLine == 1);
    m_sampleSize->setValue(std::clamp(e.SampleSize, SampleSizeMin, SampleSizeMax));
    SetEntryType(e.EntryType);
    m_result = TSampleBuild();
    if (e.EntryType == TSampleEntryType::None) m_type[0]->setFocus(Qt::OtherFocusReason);
}

void TSGSDlg::ReadSettings(TSampleEntry& e) const {
    e.Color = m_colors->ForegroundColor(m_filledColor);
    e.Smodel = Model();
    e.GraphType = m_graph[1]->isChecked()         ? SampleDistribution
                  : e.Smodel == SampleByIntervals ? SampleHistogram
                                                  : SamplePolygon;
    e.GBuild = m_build->isChecked();
    e.IntRozp = m_intRozp->isChecked();
    e.IntDivText = S(m_intDiv->text());
    for (int i = FxContinuous; i <= FxStepped; ++i)
        if (m_fx[i]->isChecked()) e.FxPlain = i;
    e.WLine = m_wLine->value();
    e.LineT = static_cast<int>(m_lineStyle->Style());
    e.SampleSize = m_sampleSize->value();
    e.EntryType = EntryType();
}

void TSGSDlg::FocusGridCell(int row, int column) {
    m_grid->FocusCell(std::max(0, row), std::max(0, column));
}

void TSGSDlg::accept() {
    m_sampleSize->interpretText();
    TGridRows rows = m_grid->Rows();
    m_result = BuildSampleFromGrid(rows, EntryType(), m_sampleSize->value());
    m_grid->KeepRows(static_cast<int>(rows.size()));
    if (!m_result.Ok()) {
        FocusGridCell(m_result.FailedRow, m_result.FailedColumn);
        MessageDlg(Msg(m_result.Message) + m_result.Detail, TMsgDlgType::mtError, mbOKOnly, 0, this);
        return;
    }
    QDialog::accept();
}

void TSGSDlg::ReadFile() {
    const QString name = ChooseFile
                             ? ChooseFile(false)
                             : ChooseDataFile(this, false, msg::SampleOpenTitle, msg::SampleOpenFilter, "");
    if (name.isEmpty()) return;
    TGridRows rows;
    m_grid->ClearTable();
    if (!ReadDataFile(S(name), SampleFileTokens, m_grid->columnCount(), rows)) {
        ShowErrorMessage(msg::SampleGridReadError, this);
        return;
    }
    m_grid->SetRows(rows);
}

void TSGSDlg::WriteFile() {
    const QString name =
        ChooseFile ? ChooseFile(true)
                   : ChooseDataFile(this, true, msg::SampleSaveTitle, msg::SampleSaveFilter, SaveProposal);
    if (name.isEmpty()) return;
    if (!WriteDataFile(S(name), m_grid->Rows())) ShowErrorMessage(msg::SampleGridWriteError, this);
}

void TSGSDlg::RandomData() {
    if (!m_runRandom) return;
    TRandomRequest request;
    if (!m_runRandom(request)) return;
    const Real a = EntryValue(request.AText), b = EntryValue(request.BText);
    if (IsUndefined(a) || IsUndefined(b)) return;
    SetEntryType(TSampleEntryType::Variants);
    m_grid->ClearTable();
    SetModel(SampleByIntervals);
    m_grid->SetRows(RandomSampleRows(request.N, a, b, request.WholeNumbers, Uniform));
    m_sampleSize->setValue(request.N);
}
