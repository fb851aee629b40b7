#include "gui/stats/TSGDlg.h"

#include "core/base/MessageTable.h"
#include "core/base/NumberText.h"
#include "core/document/EntryChecks.h"
#include "core/objects/PolyFit.h"
#include "core/plot/TGlobColors.h"
#include "core/stats/RandomData.h"
#include "gui/app/MessageDlg.h"
#include "gui/app/TCbStyleLine.h"
#include "gui/app/TNumPanel.h"
#include "gui/document/HistoryBox.h"
#include "gui/document/TColorGrid.h"
#include "gui/plot/TGr.h"
#include "gui/plot/TGraphTool.h"
#include "gui/stats/TDataGrid.h"
#include "gui/stats/TRandomDlg.h"

#include <QAction>
#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int GridColumns = 2; // X, Y
constexpr int MinGridRows = 2;
const char* const FormulaCaptions[] = {"Sin(", "Cos(", "Sqrt(", "Log("};
const char* const DegreeMessage = "Степінь полінома повинен бути меншим від кількості різних значень X!";

// Lends the graph window while the user adds points to those of the table, joined as the line will be.
class TScreenDataTool : public TGraphTool {
public:
    explicit TScreenDataTool(int link) : m_link(link) {}

    std::vector<std::string> ClosingLines() const override { return {}; }

    void Begin(TGr& gr) override {
        gr.I().LinkPoints = m_link;
        gr.I().MaxPoints = 0;
        if (!gr.RecPopup()->isChecked()) gr.RecPopup()->trigger();
        gr.I().SetMasshAuto(false);
    }

private:
    int m_link;
};

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    // Enter belongs to the grid: no button is pressed by it.
    button->setAutoDefault(false);
    return button;
}

TGridRows RowsOf(const std::vector<TTableRow>& rows) {
    TGridRows out;
    for (const TTableRow& row : rows)
        out.push_back({row.X, row.Y});
    return out;
}

std::vector<TTableRow> TableRowsOf(const TGridRows& rows) {
    std::vector<TTableRow> out;
    for (const std::vector<std::string>& row : rows)
        out.push_back({row.size() > 0 ? row[0] : std::string(), row.size() > 1 ? row[1] : std::string()});
    return out;
}

} // namespace

TSGDlg::TSGDlg(TRandomDlg* random, QWidget* parent) : QDialog(parent), m_random(random) {
    setObjectName("SGDlg");
    setWindowTitle(Q(Msg(msg::TableDlgCaption)));
    if (!m_random) m_random = new TRandomDlg(this);

    m_sg = new TDataGrid({/*NumberColumn=*/true, /*AlwaysShowEditor=*/false}, this);
    m_sg->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_sg->SetColumns({"", "X", "Y"}, {30, 100, 103});
    m_sg->setMinimumWidth(260);

    m_insButton = MakeButton(this, "InsButton", "Вставити рядок");
    m_delButton = MakeButton(this, "DelButton", "Вилучити рядок");
    m_clrButton = MakeButton(this, "ClrButton", "Очистити таблицю");
    m_fileDataButton = MakeButton(this, "FileDataButton", "Дані з файлу");
    m_filesaveButton = MakeButton(this, "FilesaveButton", "Записати у файл");
    m_xyDataButton = MakeButton(this, "XYDataButton", "Броунівський рух");
    m_scrButton = MakeButton(this, "ScrButton", "Дані з екрану");
    m_okBtn = MakeButton(this, "OKBtn", "OK");
    m_cancelBtn = MakeButton(this, "CancelBtn", "Скасувати");

    m_powerPanel = new QWidget(this);
    m_powerPanel->setObjectName("PowerPanel");
    m_powerEdit = new QSpinBox(m_powerPanel);
    m_powerEdit->setObjectName("PowerEdit");
    m_powerEdit->setRange(0, MaxPolyDegree);
    auto* powerLayout = new QHBoxLayout(m_powerPanel);
    powerLayout->setContentsMargins(0, 0, 0, 0);
    powerLayout->addWidget(MakeLabel(m_powerPanel, "PowerLabel", "Степінь полінома:", m_powerEdit));
    powerLayout->addWidget(m_powerEdit);
    powerLayout->addStretch(1);
    m_buildPolinom = new QCheckBox("Будувати поліном", this);
    m_buildPolinom->setObjectName("BuildPolinom");
    m_lCheckBox = new QCheckBox("Ламана замкнена", this);
    m_lCheckBox->setObjectName("LCheckBox");

    m_styleGroup = new QGroupBox("Тип лінії", this);
    m_styleGroup->setObjectName("LineStyleGroupBox");
    m_styleBox = new TCbStyleLine(m_styleGroup);
    m_styleBox->setObjectName("StyleComboBox");
    (new QVBoxLayout(m_styleGroup))->addWidget(m_styleBox);
    m_wLineGroupBox = new QGroupBox("Товщина лінії", this);
    m_wLineGroupBox->setObjectName("WLineGroupBox");
    m_wLineSpinEdit = new QSpinBox(m_wLineGroupBox);
    m_wLineSpinEdit->setObjectName("WLineSpinEdit");
    m_wLineSpinEdit->setRange(MinWLine, MaxWLine);
    (new QVBoxLayout(m_wLineGroupBox))->addWidget(m_wLineSpinEdit);
    m_buildCheckBox = new QCheckBox("Будувати графік", this);
    m_buildCheckBox->setObjectName("BuildCheckBox");
    m_colorGrid = new TColorGrid(this);
    m_colorGrid->setObjectName("ColorGrid");
    m_numPanel = new TNumPanel(this);
    m_degreeMessage = new QLabel(DegreeMessage, this);
    m_degreeMessage->setObjectName("PowerMessageLabel");
    m_degreeMessage->hide();

    auto* formulaRow = new QHBoxLayout;
    for (int i = 0; i < FormulaButtonCount; ++i) {
        auto* key = new QToolButton(this);
        key->setObjectName(QString("SpeedButton%1").arg(i + 1));
        key->setText(FormulaCaptions[i]);
        key->setFocusPolicy(Qt::NoFocus); // the grid keeps the focus the key types into
        formulaRow->addWidget(key);
        m_formulaButtons[i] = key;
        connect(key, &QToolButton::clicked, this, [this, i] { m_sg->TypeIntoCell(FormulaCaptions[i]); });
    }
    formulaRow->addStretch(1);

    auto* rowButtons = new QVBoxLayout;
    for (QPushButton* b : {m_insButton, m_delButton, m_clrButton, m_fileDataButton, m_filesaveButton,
                           m_xyDataButton, m_scrButton})
        rowButtons->addWidget(b);
    rowButtons->addWidget(m_powerPanel);
    rowButtons->addWidget(m_buildPolinom);
    rowButtons->addWidget(m_lCheckBox);
    rowButtons->addStretch(1);

    auto* options = new QHBoxLayout;
    options->addWidget(m_colorGrid, 0, Qt::AlignTop);
    auto* lineOptions = new QVBoxLayout;
    lineOptions->addWidget(m_buildCheckBox);
    lineOptions->addWidget(m_wLineGroupBox);
    lineOptions->addWidget(m_styleGroup);
    options->addLayout(lineOptions);
    options->addStretch(1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_numPanel);
    buttons->addStretch(1);
    buttons->addWidget(m_okBtn);
    buttons->addWidget(m_cancelBtn);

    auto* top = new QHBoxLayout;
    top->addWidget(m_sg, 1);
    top->addLayout(rowButtons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(formulaRow);
    layout->addLayout(options);
    layout->addLayout(buttons);

    connect(m_insButton, &QPushButton::clicked, m_sg, &TDataGrid::InsertRow);
    connect(m_delButton, &QPushButton::clicked, m_sg, &TDataGrid::DeleteRow);
    connect(m_clrButton, &QPushButton::clicked, m_sg, &TDataGrid::ClearTable);
    connect(m_fileDataButton, &QPushButton::clicked, this, &TSGDlg::FileDataButtonClick);
    connect(m_filesaveButton, &QPushButton::clicked, this, &TSGDlg::FilesaveButtonClick);
    connect(m_xyDataButton, &QPushButton::clicked, this, &TSGDlg::XYDataButtonClick);
    connect(m_scrButton, &QPushButton::clicked, this, &TSGDlg::ScrButtonClick);
    connect(m_okBtn, &QPushButton::clicked, this, &TSGDlg::accept);
    connect(m_cancelBtn, &QPushButton::clicked, this, &TSGDlg::reject);
    connect(m_wLineSpinEdit, &QSpinBox::valueChanged, this, &TSGDlg::UpdateStyleBox);
    SetGraphWindow(nullptr);
}

void TSGDlg::SetGraphWindow(TGr* gr) {
    m_gr = gr;
    m_scrButton->setEnabled(gr != nullptr);
}

TGr* TSGDlg::GraphWindow() const {
    return m_gr;
}

void TSGDlg::UpdateStyleBox() {
    // Wider pens draw solid whatever the style.
    m_styleBox->setEnabled(m_wLineSpinEdit->value() == MinWLine);
}

void TSGDlg::Fill(const TTableData& data) {
    m_use = data.Use;
    const bool polynomial = data.Use == TTableUse::Polynomial;
    setWindowTitle(Q(Msg(polynomial ? msg::TableDlgCaption : msg::BrokenVertexTitle)));
    m_powerPanel->setVisible(polynomial);
    m_buildPolinom->setVisible(polynomial);
    m_lCheckBox->setVisible(!polynomial);
    m_styleGroup->setVisible(!polynomial);
    m_xyDataButton->setVisible(!polynomial);

    m_sg->SetRows(RowsOf(data.Rows), std::max<int>(MinGridRows, static_cast<int>(data.Rows.size()) + 1));
    m_powerEdit->setValue(data.Degree);
    m_buildPolinom->setChecked(data.BuildPoly);
    m_lCheckBox->setChecked(data.Locked);
    m_styleBox->SetStyle(static_cast<PenStyle>(std::clamp(data.LineT, 0, 4)));
    m_wLineSpinEdit->setValue(data.WLine);
    m_buildCheckBox->setChecked(data.GBuild);
    m_filledColor = data.Color;
    m_colorGrid->SetForegroundIndex(GlobColors().ColorIndex(data.Color));
    UpdateStyleBox();
}

TTableData TSGDlg::Values() const {
    TTableData data;
    data.Use = m_use;
    data.Rows = TableRowsOf(m_sg->Rows());
    data.Degree = m_powerEdit->value();
    data.BuildPoly = m_buildPolinom->isChecked();
    data.Locked = m_lCheckBox->isChecked();
    data.LineT = static_cast<int>(m_styleBox->Style());
    data.WLine = m_wLineSpinEdit->value();
    data.GBuild = m_buildCheckBox->isChecked();
    data.Color = m_colorGrid->ForegroundColor(m_filledColor);
    return data;
}

bool TSGDlg::Run(TTableData& data) {
    Fill(data);
    if (exec() != QDialog::Accepted) return false;
    data = Values();
    RemoveTrailingEmptyRows(data.Rows);
    return true;
}

void TSGDlg::Refuse(const TTableCheck& check) {
    m_sg->FocusCell(check.Row >= 0 ? check.Row : 0, check.Col >= 0 ? check.Col : 0);
    if (check.Refusal == TTableRefusal::DegreeTooHigh) {
        m_powerEdit->setFocus(Qt::OtherFocusReason);
        MessageDlg(S(m_degreeMessage->text()), TMsgDlgType::mtError, mbOKOnly, 0, this);
    } else {
        ShowErrorMessage(TableRefusalMessage(check.Refusal), this);
    }
}

void TSGDlg::accept() {
    m_powerEdit->interpretText();
    m_wLineSpinEdit->interpretText();
    m_sg->RemoveTrailingEmptyRows();
    TTableData data = Values();
    RemoveTrailingEmptyRows(data.Rows);
    const TTableCheck check = CheckTableData(data);
    if (!check.Ok()) {
        Refuse(check);
        return;
    }
    QDialog::accept();
}

QString TSGDlg::DialogFile(bool save) {
    if (ChooseFile) return ChooseFile(save);
    QFileDialog dialog(this, Q(Msg(save ? msg::TableSaveTitle : msg::TableOpenTitle)), QString(),
                       QtFileFilter(Msg(save ? msg::TableSaveFilter : msg::TableOpenFilter)));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
               ? dialog.selectedFiles().first()
               : QString();
}

void TSGDlg::FileDataButtonClick() {
    const QString path = DialogFile(false);
    if (path.isEmpty()) return;
    TGridRows rows;
    if (!ReadDataFile(S(path), TableFileTokens, GridColumns, rows)) {
        ShowErrorMessage(msg::TableReadError, this);
        return;
    }
    m_sg->SetRows(rows);
}

void TSGDlg::FilesaveButtonClick() {
    const QString path = DialogFile(true);
    if (path.isEmpty()) return;
    if (!WriteDataFile(S(path), m_sg->Rows())) ShowErrorMessage(msg::TableWriteError, this);
}

void TSGDlg::XYDataButtonClick() {
    m_random->SetBrownianMode(true);
    const bool ok = m_random->exec() == QDialog::Accepted;
    m_random->SetBrownianMode(false);
    if (!ok) return;
    const Real v = EntryValue(S(m_random->AText())), rm = EntryValue(S(m_random->BText()));
    // A walk needs a step: a speed with a value and a positive R*M under the root.
    if (IsUndefined(v) || IsUndefined(rm) || !(rm > 0)) {
        ShowErrorMessage(msg::TableNumberError, this);
        return;
    }
    TGridRows rows;
    for (const auto& [x, y] : BrownianTrack(m_random->N(), v, rm, m_random->IntegerValues(), ProgramRandom()))
        rows.push_back({FormulaNumberText(PlainNumberText(x)), FormulaNumberText(PlainNumberText(y))});
    m_sg->SetRows(rows);
}

void TSGDlg::ScrButtonClick() {
    if (!m_gr) return;
    m_sg->RemoveTrailingEmptyRows();
    std::vector<TTableRow> rows = TableRowsOf(m_sg->Rows());
    RemoveTrailingEmptyRows(rows);
    TPointList& points = m_gr->Points();
    int badRow = 0, badCol = 0;
    if (!CopyRowsToPoints(rows, points, badRow, badCol)) {
        m_sg->FocusCell(badRow, badCol);
        ShowErrorMessage(msg::TableNumberError, this);
        return;
    }
    m_gr->PointsChanged();
    TMasshImage& image = m_gr->I();
    const bool wasAuto = image.MasshAuto();
    const bool wasRecording = m_gr->RecPopup()->isChecked();
    const bool closed = m_use == TTableUse::BrokenLine && m_lCheckBox->isChecked();
    TScreenDataTool tool(closed ? 2 : 1);
    const bool ok = m_gr->Borrow(tool);
    // Giving the window back shows it in its frame again; the dialog is still the one being worked in.
    raise();
    activateWindow();

    if (ok && !points.Empty()) m_sg->SetRows(RowsOf(RowsFromPoints(points)));
    points.Clear();
    m_gr->PointsChanged();
    image.LinkPoints = 0;
    image.SetMasshAuto(wasAuto);
    if (m_gr->RecPopup()->isChecked() != wasRecording) m_gr->RecPopup()->trigger();
    m_gr->Redraw();
}

void TSGDlg::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    m_sg->FocusCell(0, 0);
}
