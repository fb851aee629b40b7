#include "app/PictureFile.h"

#include "gui/plot/QImageCanvas.h"
#include "gui/plot/QPainterCanvas.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <vector>

namespace {

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

QString Suffix(const std::string& name) {
    return QFileInfo(QString::fromStdString(name)).suffix().toLower();
}

} // namespace

bool TakeSizeOption(const std::vector<std::string>& args, std::size_t& i, int& width, int& height,
                    std::string& err) {
    if (i >= args.size() || args[i] != "--size") return true;
    const TSizeText size = i + 1 < args.size() ? ParseSize(args[i + 1], width, height) : TSizeText::Malformed;
    if (size == TSizeText::Malformed) {
        err += "vorn1: --size takes WIDTHxHEIGHT, e.g. 800x600\n";
        return false;
    }
    if (size == TSizeText::OutOfRange) {
        err += "vorn1: --size " + args[i + 1] + ": each side must be from " + std::to_string(MinExportSide) +
               " to " + std::to_string(MaxExportSide) + " pixels\n";
        return false;
    }
    i += 2;
    return true;
}

bool CheckPictureName(const std::string& name, std::string& err) {
    const QString suffix = Suffix(name);
    if (suffix == "png" || suffix == "svg" || suffix == "pdf") return true;
    err += "vorn1: the picture's name must end in .png, .svg or .pdf: " + name + "\n";
    return false;
}

bool WritePictureFile(const std::string& name, int width, int height,
                      const std::function<void(TCanvas&)>& draw, std::string& err) {
    const QString suffix = Suffix(name);
    // The picture is made in memory first, so that each failure to write it is seen: a write cut short by a
    // full disk reports no error of its own.
    QByteArray picture;
    QBuffer buffer(&picture);
    buffer.open(QIODevice::WriteOnly);
    bool drawn = false;
    if (suffix == "png") {
        QImage bitmap(width, height, QImage::Format_RGB32);
        TQImageCanvas canvas(&bitmap);
        draw(canvas);
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
            draw(canvas);
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
            draw(canvas);
            drawn = painter.end();
        }
    }
    if (!drawn || picture.isEmpty()) {
        err += "vorn1: cannot draw the picture " + name + "\n";
        return false;
    }
    // Then it goes to a temporary beside the old file, which it replaces only once written whole.
    QSaveFile file(QString::fromStdString(name));
    qint64 done = 0;
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        while (done < picture.size()) {
            const qint64 n = file.write(picture.constData() + done, picture.size() - done);
            if (n <= 0) break;
            done += n;
        }
    }
    if (done != picture.size() || !file.commit()) {
        err += "vorn1: cannot write " + name + ": " + file.errorString().toStdString() + "\n";
        return false;
    }
    return true;
}
