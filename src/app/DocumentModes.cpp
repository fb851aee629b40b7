#include "app/DocumentModes.h"

#include "core/base/NumberText.h"
#include "core/document/DocumentFile.h"
#include "core/document/GraphPicture.h"
#include "core/formula/ParamTable.h"
#include "core/plot/TMasshImage.h"
#include "core/stats/TGList.h"
#include "gui/plot/QImageCanvas.h"
#include "gui/plot/QPainterCanvas.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace {

constexpr int DefaultExportWidth = 800, DefaultExportHeight = 600;
// A side below this holds no readable graph; above it the bitmap alone would take a gigabyte.
constexpr int MinExportSide = 16, MaxExportSide = 16384;

// A program's state as start-up leaves it: the graph window's surface, an empty list, new parameters.
struct Session {
    TDocument doc;
    TMasshImage image;
    TGList labels;
    Session(int width, int height) {
        ApplyGraphWindowDefaults(image);
        image.SetSize(width, height);
        ParamTable().ResetForNewDocument();
    }
    TDocumentParts Parts() { return {doc, image, labels}; }
};

enum class TSizeText { Good, Malformed, OutOfRange };

TSizeText ParseSize(const std::string& text, int& w, int& h) {
    const std::size_t x = text.find_first_of("xX");
    if (x == std::string::npos || x == 0 || x + 1 >= text.size()) return TSizeText::Malformed;
    const std::string a = text.substr(0, x), b = text.substr(x + 1);
    if (a.find_first_not_of("0123456789") != std::string::npos ||
        b.find_first_not_of("0123456789") != std::string::npos)
        return TSizeText::Malformed;
    // Long digit strings are out of range, not numbers to convert.
    if (a.size() > 6 || b.size() > 6) return TSizeText::OutOfRange;
    w = std::stoi(a);
    h = std::stoi(b);
    const auto inRange = [](int side) { return side >= MinExportSide && side <= MaxExportSide; };
    return inRange(w) && inRange(h) ? TSizeText::Good : TSizeText::OutOfRange;
}

void Draw(Session& s, TCanvas& canvas) {
    s.image.SetCanvas(&canvas);
    DrawGraphPicture(s.image, s.doc, s.labels, {});
    s.image.SetCanvas(nullptr);
}

} // namespace

bool TakeDigitsOption(const std::vector<std::string>& args, std::size_t& i, std::string& err) {
    if (i >= args.size() || args[i] != "--digits") return true;
    if (i + 1 >= args.size()) {
        err += "vorn1: --digits needs a number\n";
        return false;
    }
    const std::string& n = args[i + 1];
    if (n.empty() || n.size() > 2 || n.find_first_not_of("0123456789") != std::string::npos) {
        err += "vorn1: --digits takes a number from 0 to 18, not \"" + n + "\"\n";
        return false;
    }
    SetDigits(std::stoi(n));
    i += 2;
    return true;
}

int RunInfoMode(const std::vector<std::string>& args, std::string& out, std::string& err) {
    std::size_t i = 0;
    if (!TakeDigitsOption(args, i, err)) return 2;
    if (i + 1 != args.size()) {
        err += "vorn1: usage: vorn1 --info [--digits N] DOC.vr1\n";
        return 2;
    }
    Session s(DefaultExportWidth, DefaultExportHeight);
    if (!LoadDocument(args[i], s.Parts())) {
        err += "vorn1: cannot read " + args[i] + "\n";
        return 1;
    }
    for (int k = 0; k < s.doc.Objects.Count(); ++k) {
        TFn& f = s.doc.Objects.Object(k);
        f.CalcBounds(s.image);
        out += f.Caption() + "\n";
        std::vector<std::string> lines;
        f.ShowInfo(lines);
        for (const std::string& line : lines)
            out += "  " + line + "\n";
        out += "\n";
    }
    return 0;
}

int RunExportMode(const std::vector<std::string>& args, std::string& err) {
    const char* usage =
        "vorn1: usage: vorn1 --export OUT.png|OUT.svg|OUT.pdf [--size WxH] [--digits N] DOC.vr1\n";
    if (args.empty()) {
        err += usage;
        return 2;
    }
    const std::string outName = args[0];
    int width = DefaultExportWidth, height = DefaultExportHeight;
    std::size_t i = 1;
    for (bool more = true; more;) {
        more = false;
        if (i < args.size() && args[i] == "--size") {
            const TSizeText size =
                i + 1 < args.size() ? ParseSize(args[i + 1], width, height) : TSizeText::Malformed;
            if (size == TSizeText::Malformed) {
                err += "vorn1: --size takes WIDTHxHEIGHT, e.g. 800x600\n";
                return 2;
            }
            if (size == TSizeText::OutOfRange) {
                err += "vorn1: --size " + args[i + 1] + ": each side must be from " +
                       std::to_string(MinExportSide) + " to " + std::to_string(MaxExportSide) + " pixels\n";
                return 2;
            }
            i += 2;
            more = true;
        }
        if (i < args.size() && args[i] == "--digits") {
            if (!TakeDigitsOption(args, i, err)) return 2;
            more = true;
        }
    }
    if (i + 1 != args.size()) {
        err += usage;
        return 2;
    }
    const QString suffix = QFileInfo(QString::fromStdString(outName)).suffix().toLower();
    if (suffix != "png" && suffix != "svg" && suffix != "pdf") {
        err += "vorn1: the picture's name must end in .png, .svg or .pdf: " + outName + "\n";
        return 2;
    }
    Session s(width, height);
    if (!LoadDocument(args[i], s.Parts())) {
        err += "vorn1: cannot read " + args[i] + "\n";
        return 1;
    }
    BuildGraph(s.image, s.doc);
    // The picture is made in memory first, so that each failure to write it is seen: a write cut short by a
    // full disk reports no error of its own.
    QByteArray picture;
    QBuffer buffer(&picture);
    buffer.open(QIODevice::WriteOnly);
    bool drawn = false;
    if (suffix == "png") {
        QImage bitmap(width, height, QImage::Format_RGB32);
        TQImageCanvas canvas(&bitmap);
        Draw(s, canvas);
        drawn = bitmap.save(&buffer, "PNG");
    } else if (suffix == "svg") {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(QSize(width, height));
        svg.setViewBox(QRect(0, 0, width, height));
        svg.setTitle("Vorn1");
        QPainter painter;
        if (painter.begin(&svg)) {
            TQPainterCanvas canvas(painter);
            Draw(s, canvas);
            drawn = painter.end();
        }
    } else {
        QPdfWriter pdf(&buffer);
        pdf.setTitle("Vorn1");
        pdf.setResolution(96);
        pdf.setPageSize(QPageSize(QSizeF(width, height), QPageSize::Point));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter;
        if (painter.begin(&pdf)) {
            // The page is in points; the picture in pixels of the size asked for.
            const QRect page = painter.viewport();
            painter.scale(qreal(page.width()) / width, qreal(page.height()) / height);
            TQPainterCanvas canvas(painter);
            Draw(s, canvas);
            drawn = painter.end();
        }
    }
    if (!drawn || picture.isEmpty()) {
        err += "vorn1: cannot draw the picture " + outName + "\n";
        return 1;
    }
    // Then it goes to a temporary beside the old file, which it replaces only once written whole.
    QSaveFile file(QString::fromStdString(outName));
    qint64 done = 0;
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        while (done < picture.size()) {
            const qint64 n = file.write(picture.constData() + done, picture.size() - done);
            if (n <= 0) break;
            done += n;
        }
    }
    if (done != picture.size() || !file.commit()) {
        err += "vorn1: cannot write " + outName + ": " + file.errorString().toStdString() + "\n";
        return 1;
    }
    return 0;
}
