// Pictures of the graph saved from the window: PNG, SVG and PDF drawn anew at the size asked for, readable
// by other programs, round circles with equal scale, and the printout.
#include "gui/plot/TGraphExport.h"

#include "core/document/DocumentFile.h"
#include "gui/plot/TGr.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>

namespace {
constexpr QRgb Red = qRgb(255, 0, 0);

// A red circle of radius 2 about the origin in the window (-5; 5)-(-5; 5).
const char* const CircleDoc = "[Vorn1]\nNum=1\nMinArg=-5\nMaxArg=5\nMinFunc=-5\nMaxFunc=5\nMasshAuto=0\n"
                              "[Obj1]\nObjType=Param\nFuncX=2*COS(T)\nFunc=2*SIN(T)\nA=0\nB=2*PI\nBGP=400\n"
                              "Points=400\nColor=255\n";

struct GraphExport : ::testing::Test {
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        const std::string path = Path("circle.vr1").toStdString();
        std::ofstream(path, std::ios::binary) << CircleDoc;
        ASSERT_TRUE(LoadDocument(path, {doc, gr.I(), gr.Labels()}));
        gr.resize(420, 360);
        gr.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&gr));
        gr.GrBldClick();
    }
    QString Path(const char* name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    TDocument doc;
    TGr gr{doc};
    TGraphExport exporter{gr, &gr};
};

// The bounding box of the pixels of one colour.
QRect BoxOf(const QImage& image, QRgb colour) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour) box |= QRect(x, y, 1, 1);
    return box;
}

// Reddish enough: vector renderers smooth their lines.
QRect BoxOfReddish(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 120 && c.blue() < 120) box |= QRect(x, y, 1, 1);
        }
    return box;
}
} // namespace

TEST_F(GraphExport, EqualScaleMakesTheCircleOfAWidePictureRound) {
    const QString stretched = Path("stretched.png"), round = Path("round.png");
    ASSERT_TRUE(exporter.SavePicture(stretched, QSize(800, 400)));
    gr.SetEqualScale(true);
    ASSERT_TRUE(exporter.SavePicture(round, QSize(800, 400)));
    const QImage a(stretched), b(round);
    ASSERT_EQ(b.size(), QSize(800, 400));
    const QRect ellipse = BoxOf(a, Red), circle = BoxOf(b, Red);
    ASSERT_FALSE(circle.isEmpty());
    EXPECT_GT(ellipse.width() - ellipse.height(), 50) << "without equal scale the window is stretched";
    EXPECT_LE(std::abs(circle.width() - circle.height()), 1)
        << circle.width() << " x " << circle.height() << ": the outline is round";
    EXPECT_NEAR(circle.height(), 4 * 400 / 10, 2) << "the height of the window is kept";
    EXPECT_EQ(gr.I().Width(), gr.GraphSize().width()) << "the window's own size is back";
}

TEST_F(GraphExport, SvgAndPdfOpenInOtherProgramsAndShowTheGraph) {
    const QSize size(640, 480);
    const QString svg = Path("graph.svg"), pdf = Path("graph.pdf");
    ASSERT_TRUE(exporter.SavePicture(svg, size));
    ASSERT_TRUE(exporter.SavePicture(pdf, size));

    QSvgRenderer renderer(svg);
    ASSERT_TRUE(renderer.isValid());
    QImage drawn(size, QImage::Format_RGB32);
    drawn.fill(Qt::white);
    QPainter painter(&drawn);
    renderer.render(&painter);
    painter.end();
    const QRect fromSvg = BoxOfReddish(drawn);
    // The circle of radius 2 on (-5; 5): 256 x 192 pixels about the middle.
    EXPECT_NEAR(fromSvg.width(), 256, 4);
    EXPECT_NEAR(fromSvg.height(), 192, 4);
    EXPECT_NEAR(fromSvg.center().x(), 320, 3);

    const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
    if (pdftoppm.isEmpty()) GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    QProcess render;
    render.start(pdftoppm, {"-png", "-r", "72", "-singlefile", pdf, Path("fromPdf")});
    ASSERT_TRUE(render.waitForFinished(30000));
    ASSERT_EQ(render.exitCode(), 0) << render.readAllStandardError().toStdString();
    const QImage page(Path("fromPdf.png"));
    ASSERT_FALSE(page.isNull()) << "poppler read the PDF";
    EXPECT_EQ(page.size(), size) << "one point a pixel at 72 dpi";
    const QRect fromPdf = BoxOfReddish(page);
    EXPECT_NEAR(fromPdf.width(), 256, 4);
    EXPECT_NEAR(fromPdf.height(), 192, 4);
}

TEST_F(GraphExport, ThePrintoutFillsThePageAtTheGraphsProportions) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(Path("printed.pdf"));
    printer.setPageOrientation(QPageLayout::Landscape);
    exporter.PrintOn(printer);
    EXPECT_GT(QFile(Path("printed.pdf")).size(), 500);
    const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
    if (pdftoppm.isEmpty()) GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    QProcess render;
    render.start(pdftoppm, {"-png", "-r", "50", "-singlefile", Path("printed.pdf"), Path("printed")});
    ASSERT_TRUE(render.waitForFinished(30000));
    const QImage page(Path("printed.png"));
    ASSERT_FALSE(page.isNull());
    const QRect circle = BoxOfReddish(page);
    const QSize graph = gr.GraphSize();
    // The circle spans 2/5 of the graph each way; the graph is as tall as the landscape page's printable
    // area.
    EXPECT_NEAR(double(circle.width()) / circle.height(), double(graph.width()) / graph.height(), 0.05);
    EXPECT_GT(circle.height(), page.height() / 3);
}
