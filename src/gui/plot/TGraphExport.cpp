#include "gui/plot/TGraphExport.h"

#include "core/base/MessageTable.h"
#include "gui/app/MessageDlg.h"
#include "gui/plot/PictureWriter.h"
#include "gui/plot/QPainterCanvas.h"
#include "gui/plot/TGr.h"
#include "gui/plot/TPictureSizeDlg.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {
// The file dialog's filters, each with the extension it gives a name typed without one.
struct TPictureFilter {
    const char* Text;
    const char* Suffix;
};
const TPictureFilter Filters[] = {
    {"Малюнок PNG (*.png)", "png"},
    {"Малюнок SVG (*.svg)", "svg"},
    {"Документ PDF (*.pdf)", "pdf"},
};
} // namespace

TGraphExport::TGraphExport(TGr& gr, QWidget* window) : QObject(window), m_gr(gr), m_window(window) {
    setObjectName("GraphExport");
    m_saveGraphItem = new QAction("Зберегти графік як...", window);
    m_saveGraphItem->setObjectName("SaveGraphItem");
    m_printItem = new QAction("Друк...", window);
    m_printItem->setObjectName("PrintItem");
    m_printItem->setShortcut(QKeySequence::Print);
    m_sizeDlg = new TPictureSizeDlg(window);
    connect(m_saveGraphItem, &QAction::triggered, this, [this] { SaveGraphAs(); });
    connect(m_printItem, &QAction::triggered, this, [this] { Print(); });
}

QString TGraphExport::DialogFile() {
    if (ChooseFile) return ChooseFile();
    QStringList filters;
    for (const TPictureFilter& f : Filters)
        filters << f.Text;
    QFileDialog dialog(m_window, m_saveGraphItem->text().remove("..."), m_lastDir, filters.join(";;"));
    dialog.setObjectName("SaveGraphDialog");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The overwrite question is the program's own, with Yes, No and Cancel.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(Filters[0].Suffix);
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        for (const TPictureFilter& f : Filters)
            if (filter == f.Text) dialog.setDefaultSuffix(f.Suffix);
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

bool TGraphExport::SaveGraphAs() {
    m_sizeDlg->SetPictureSize(m_gr.GraphSize());
    if (m_sizeDlg->exec() != QDialog::Accepted) return false;
    for (;;) {
        QString path = DialogFile();
        if (path.isEmpty()) return false;
        // A name whose ending says no format of ours is a PNG picture.
        const QString suffix = QFileInfo(path).suffix().toLower();
        if (suffix != "png" && suffix != "svg" && suffix != "pdf") path += QString(".") + Filters[0].Suffix;
        if (QFileInfo::exists(path)) {
            const int answer = MessageDlg(Msg(msg::OverwriteQuestion), TMsgDlgType::mtConfirmation,
                                          mbYesNoCancel, 0, m_window);
            if (answer == mrNo) continue; // choose another name
            if (answer != mrYes) return false;
        }
        m_lastDir = QFileInfo(path).path();
        return SavePicture(path, m_sizeDlg->PictureSize());
    }
}

bool TGraphExport::SavePicture(const QString& path, QSize size) {
    std::string err;
    const bool written = WritePictureFile(
        S(path), size.width(), size.height(),
        [this, size](TCanvas& canvas) { m_gr.DrawPicture(canvas, size.width(), size.height()); }, err);
    if (!written) ShowErrorMessage(msg::TableWriteError, m_window);
    return written;
}

void TGraphExport::Print() {
    QPrinter printer(QPrinter::HighResolution);
    const QSize graph = m_gr.GraphSize();
    printer.setPageOrientation(graph.width() > graph.height() ? QPageLayout::Landscape
                                                              : QPageLayout::Portrait);
    printer.setDocName("Vorn1");
    QPrintPreviewDialog preview(&printer, m_window);
    preview.setObjectName("PrintPreview");
    preview.setWindowTitle(m_printItem->text().remove("..."));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* p) { PrintOn(*p); });
    preview.exec();
}

void TGraphExport::PrintOn(QPrinter& printer) {
    const QSize graph = m_gr.GraphSize();
    if (graph.isEmpty()) return;
    QPainter painter;
    if (!painter.begin(&printer)) return;
    const QRect page = painter.viewport();
    const qreal scale = std::min(qreal(page.width()) / graph.width(), qreal(page.height()) / graph.height());
    painter.translate((page.width() - graph.width() * scale) / 2,
                      (page.height() - graph.height() * scale) / 2);
    painter.scale(scale, scale);
    TQPainterCanvas canvas(painter);
    m_gr.DrawPicture(canvas, graph.width(), graph.height());
    painter.end();
}
