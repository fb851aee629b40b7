#include "gui/plot/PictureWriter.h"

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
QString Suffix(const std::string& name) {
    return QFileInfo(QString::fromStdString(name)).suffix().toLower();
}
} // namespace

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
