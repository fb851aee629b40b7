#include "gui/app/TCbStyleLine.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

namespace {

constexpr int ItemHeight = 16;
constexpr int LineRow = 7;

QImage DrawnItem(const TCbStyleLine& box, int index) {
    QImage image(box.width(), ItemHeight, QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter painter(&image);
    box.DrawItem(painter, index, image.rect());
    return image;
}

// The x range of the pixels of colour c in a row, and how many there are.
struct TRun {
    int First = -1, Last = -1, Count = 0;
};
TRun RunOf(const QImage& image, int y, QRgb c) {
    TRun run;
    for (int x = 0; x < image.width(); ++x) {
        if (image.pixel(x, y) != c) continue;
        if (run.First < 0) run.First = x;
        run.Last = x;
        ++run.Count;
    }
    return run;
}

} // namespace

TEST(CbStyleLine, EachItemIsAOnePixelLineInItsStyle) {
    TCbStyleLine box;
    ASSERT_EQ(box.count(), 5);
    EXPECT_EQ(box.width(), 50);
    const QRgb black = qRgb(0, 0, 0);
    const QRgb white = qRgb(255, 255, 255);
    for (int i = 0; i < box.count(); ++i) {
        SCOPED_TRACE(box.itemText(i).toStdString());
        const QImage image = DrawnItem(box, i);
        const TRun line = RunOf(image, LineRow, black);
        EXPECT_EQ(line.First, 2);
        EXPECT_LE(line.Last, 45);
        EXPECT_GE(line.Last, 40);
        // Solid fills the row; every other style leaves gaps.
        if (i == 0) {
            EXPECT_EQ(line.Count, 44);
        } else {
            EXPECT_LT(line.Count, 40);
        }
        // Everything else is white background.
        for (int y = 0; y < image.height(); ++y)
            if (y != LineRow) {
                EXPECT_EQ(RunOf(image, y, white).Count, image.width()) << "row " << y;
            }
    }
    EXPECT_EQ(box.itemText(4), QString("psDashDotDot"));
}

TEST(CbStyleLine, DisabledIsGrayAndTheUserDrawRunsLast) {
    TCbStyleLine box;
    box.setEnabled(false);
    EXPECT_EQ(RunOf(DrawnItem(box, 0), LineRow, QColor(Qt::gray).rgb()).Count, 44);

    int calls = 0;
    box.SetUserDraw([&calls](QPainter& p, int index, const QRect& rect) {
        ++calls;
        p.fillRect(rect.left(), rect.top() + LineRow, 10, 1, Qt::green);
        EXPECT_EQ(index, 3);
    });
    const QImage image = DrawnItem(box, 3);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(image.pixel(2, LineRow), QColor(Qt::green).rgb());
}
