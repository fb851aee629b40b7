#include "gui/plot/QImageCanvas.h"
#include "core/plot/Osi.h"
#include "core/plot/TMasshImage.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QImage>

#include <functional>
#include <string>

namespace {
QImage Blank(int w = 40, int h = 30, QRgb fill = qRgb(255, 255, 255)) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

// A background where every pixel differs from its neighbours, so XOR faults show anywhere.
QImage Patterned() {
    QImage image = Blank();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 6, y * 8, (x * y) % 256));
    return image;
}

bool IsSet(const QImage& image, int x, int y, TColor c) {
    return image.pixel(x, y) == qRgb(RedOf(c), GreenOf(c), BlueOf(c));
}

int CountOf(const QImage& image, TColor c) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += IsSet(image, x, y, c);
    return n;
}
} // namespace

TEST(QImageCanvas, TransientDrawingTwiceLeavesTheBitmapAsItWas) {
    struct Row {
        const char* what;
        std::function<void(TCanvas&)> draw;
    } rows[] = {
        {"line", [](TCanvas& c) { c.Line(2, 3, 35, 20); }},
        {"steep line upwards", [](TCanvas& c) { c.Line(30, 28, 25, 1); }},
        {"dotted line",
         [](TCanvas& c) {
             c.Pen().Style = PenStyle::Dot;
             c.Line(0, 5, 39, 5);
         }},
        {"wide line",
         [](TCanvas& c) {
             c.Pen().Width = 3;
             c.Line(3, 3, 30, 25);
         }},
        {"closed polyline",
         [](TCanvas& c) {
             c.Polyline({{5, 5}, {30, 5}, {30, 25}, {5, 25}, {5, 5}});
         }},
        {"polyline turning back",
         [](TCanvas& c) {
             c.Polyline({{5, 5}, {20, 20}, {35, 5}, {20, 2}});
         }},
        {"rectangle", [](TCanvas& c) { c.Rectangle(4, 4, 30, 20); }},
        {"rectangle one pixel thin", [](TCanvas& c) { c.Rectangle(4, 4, 5, 20); }},
        {"rectangle of a wide pen",
         [](TCanvas& c) {
             c.Pen().Width = 3;
             c.Rectangle(4, 4, 12, 12);
         }},
        {"focus rectangle", [](TCanvas& c) { c.DrawFocusRect(3, 3, 25, 17); }},
    };
    for (PenMode mode : {PenMode::Xor, PenMode::NotXor})
        for (const Row& r : rows) {
            SCOPED_TRACE(::testing::Message() << r.what << (mode == PenMode::Xor ? " xor" : " not-xor"));
            const QImage before = Patterned();
            QImage image = before;
            TQImageCanvas canvas(&image);
            canvas.Pen().Mode = mode;
            canvas.Pen().Color = clSilver;
            canvas.Brush().Color = clTeal;
            r.draw(canvas);
            EXPECT_NE(image, before);
            r.draw(canvas);
            EXPECT_EQ(image, before);
        }
}

TEST(QImageCanvas, LineDrawsItsStartButNotItsEnd) {
    struct Row {
        int x1, y1, x2, y2;
    } rows[] = {{1, 1, 8, 1}, {8, 1, 1, 1}, {10, 1, 10, 8}, {10, 8, 10, 1},
                {1, 3, 8, 6}, {8, 6, 1, 3}, {3, 3, 9, 9}};
    for (const Row& r : rows) {
        SCOPED_TRACE(::testing::Message() << r.x1 << "," << r.y1 << " -> " << r.x2 << "," << r.y2);
        QImage image = Blank();
        TQImageCanvas canvas(&image);
        canvas.Line(r.x1, r.y1, r.x2, r.y2);
        EXPECT_TRUE(IsSet(image, r.x1, r.y1, clBlack));
        EXPECT_FALSE(IsSet(image, r.x2, r.y2, clBlack));
        EXPECT_EQ(CountOf(image, clBlack), std::max(std::abs(r.x2 - r.x1), std::abs(r.y2 - r.y1)));
    }
}

TEST(QImageCanvas, JoinedSegmentsInXorKeepTheirSharedVertex) {
    QImage image = Blank();
    TQImageCanvas canvas(&image);
    canvas.Pen().Mode = PenMode::Xor;
    canvas.Pen().Color = clWhite; // white XOR white: black where drawn
    canvas.Polyline({{2, 2}, {10, 2}, {10, 10}});
    EXPECT_TRUE(IsSet(image, 10, 2, clBlack));
    canvas.MoveTo(20, 2);
    canvas.LineTo(28, 2);
    canvas.LineTo(28, 10);
    EXPECT_TRUE(IsSet(image, 28, 2, clBlack));
    EXPECT_EQ(CountOf(image, clBlack), 32);
}

TEST(QImageCanvas, BoxesCoverLeftToRightMinusOne) {
    QImage image = Blank();
    TQImageCanvas canvas(&image);
    canvas.Brush().Color = clRed;
    canvas.Rectangle(2, 3, 7, 9);
    EXPECT_TRUE(IsSet(image, 2, 3, clBlack));
    EXPECT_TRUE(IsSet(image, 6, 8, clBlack));
    EXPECT_TRUE(IsSet(image, 4, 5, clRed));
    EXPECT_EQ(CountOf(image, clBlack) + CountOf(image, clRed), 5 * 6);
    EXPECT_EQ(CountOf(image, clRed), 3 * 4);

    image = Blank();
    canvas.Brush().Color = clBlue;
    canvas.FillRect(10, 10, 14, 12);
    EXPECT_EQ(CountOf(image, clBlue), 4 * 2);
    EXPECT_TRUE(IsSet(image, 13, 11, clBlue));

    image = Blank();
    canvas.Brush().Style = BrushStyle::Clear;
    canvas.Ellipse(10, 10, 20, 16);
    int left = 99, right = -1, top = 99, bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (IsSet(image, x, y, clBlack)) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    EXPECT_EQ(left, 10);
    EXPECT_EQ(right, 19);
    EXPECT_EQ(top, 10);
    EXPECT_EQ(bottom, 15);
}

TEST(QImageCanvas, DrawingOutsideTheBitmapIsIgnored) {
    QImage image = Blank();
    const QImage before = image;
    TQImageCanvas canvas(&image);
    canvas.SetPixel(-1, 0, clRed);
    canvas.SetPixel(40, 0, clRed);
    canvas.SetPixel(0, 30, clRed);
    canvas.Line(-30000, -5, 30000, -5);
    EXPECT_EQ(image, before);
    canvas.Line(-30000, 0, 30000, 0);
    EXPECT_EQ(CountOf(image, clBlack), 40);
}

TEST(QImageCanvas, TextSitsBelowAndRightOfItsAnchor) {
    QImage image = Blank(120, 40);
    TQImageCanvas canvas(&image);
    TFont font; // "Small Fonts": not on this platform, drawn in the default sans family
    font.Color = clRed;
    const int w = canvas.TextWidth("12.5", font);
    const int h = canvas.TextHeight("12.5", font);
    ASSERT_GT(w, 0);
    ASSERT_GT(h, 0);
    canvas.TextOut(20, 10, "12.5", font);
    int inside = 0, outside = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                (x >= 20 && x < 20 + w && y >= 10 && y < 10 + h ? inside : outside)++;
    EXPECT_GT(inside, 0);
    EXPECT_EQ(outside, 0);
    EXPECT_EQ(font.Name, "Small Fonts");
}

TEST(QImageCanvas, OsiPutsTheAxesWhereTheMappingSays) {
    QImage image = Blank(400, 400);
    TQImageCanvas canvas(&image);
    TMasshImage surface;
    ApplyGraphWindowDefaults(surface);
    surface.SetSize(400, 400);
    surface.SetCanvas(&canvas);
    surface.SetMassh({-3, 7, -8, 2});
    surface.grAxeColor = clRed;
    surface.grMarkColor = clBlue;
    surface.grBackColor = clYellow;
    Osi(surface);

    const int x0 = surface.XToScr(0);
    const int y0 = surface.YToScr(0);
    ASSERT_EQ(x0, 120);
    ASSERT_EQ(y0, 80);
    for (int y : {0, 150, 399})
        EXPECT_TRUE(IsSet(image, x0, y, clRed)) << "vertical axis at row " << y;
    for (int x : {0, 300, 399})
        EXPECT_TRUE(IsSet(image, x, y0, clRed)) << "horizontal axis at column " << x;
    EXPECT_TRUE(IsSet(image, x0 + 1, 300, clYellow));
    EXPECT_TRUE(IsSet(image, surface.XToScr(4), surface.YToScr(-6), clBlue));
}

namespace {
// The 2 x 2 blocks of a bitmap at ratio 2: whether each is one colour, and that colour at 1 x.
bool BlocksUniform(const QImage& big, QImage* small = nullptr) {
    bool uniform = true;
    if (small) *small = QImage(big.width() / 2, big.height() / 2, QImage::Format_RGB32);
    for (int y = 0; y + 1 < big.height(); y += 2)
        for (int x = 0; x + 1 < big.width(); x += 2) {
            const QRgb c = big.pixel(x, y);
            uniform = uniform && big.pixel(x + 1, y) == c && big.pixel(x, y + 1) == c &&
                      big.pixel(x + 1, y + 1) == c;
            if (small) small->setPixel(x / 2, y / 2, c);
        }
    return uniform;
}

QImage Doubled(int w, int h) {
    QImage image = Blank(2 * w, 2 * h);
    image.setDevicePixelRatio(2);
    return image;
}
} // namespace

TEST(QImageCanvas, AtRatioTwoBoxesAndStraightLinesCoverWholeBlocksWhereTheyLieAtOne) {
    const auto scene = [](TCanvas& c) {
        c.Brush() = {clYellow, BrushStyle::Solid};
        c.FillRect(3, 4, 17, 12);
        c.Pen() = {clBlue, 1, PenStyle::Solid, PenMode::Copy};
        c.Rectangle(20, 2, 35, 9);
        c.Line(1, 20, 38, 20);
        c.Line(25, 28, 25, 12); // upwards: its end's block is left out as at 1 x
        c.Pen().Style = PenStyle::Dash;
        c.Line(0, 26, 39, 26);
        c.SetPixel(39, 29, clRed);
        c.DrawFocusRect(5, 14, 15, 24);
    };
    QImage one = Blank(), two = Doubled(40, 30);
    TQImageCanvas c1(&one), c2(&two);
    scene(c1);
    scene(c2);
    QImage sampled;
    EXPECT_TRUE(BlocksUniform(two, &sampled));
    EXPECT_EQ(sampled, one);
}

TEST(QImageCanvas, AtRatioTwoSlopesTextAndCirclesUseTheFinerPixelsAndXorStillErases) {
    const struct {
        const char* what;
        std::function<void(TCanvas&)> draw;
    } rows[] = {
        {"slope", [](TCanvas& c) { c.Line(2, 3, 35, 20); }},
        {"circle", [](TCanvas& c) { c.Ellipse(5, 5, 26, 26); }},
        {"text", [](TCanvas& c) { c.TextOut(3, 3, "y=2.5", TFont()); }},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        QImage two = Doubled(40, 30);
        TQImageCanvas canvas(&two);
        canvas.Brush().Style = BrushStyle::Clear;
        r.draw(canvas);
        EXPECT_NE(two, Doubled(40, 30));
        EXPECT_FALSE(BlocksUniform(two)) << "drawn at the bitmap's own resolution";
    }
    QImage two = Doubled(40, 30);
    const QImage before = two;
    TQImageCanvas canvas(&two);
    canvas.Pen() = {clRed, 1, PenStyle::Solid, PenMode::Xor};
    canvas.Brush().Style = BrushStyle::Clear;
    for (int pass = 0; pass < 2; ++pass) {
        canvas.Polyline({{2, 2}, {30, 9}, {12, 27}, {2, 2}});
        canvas.Rectangle(4, 4, 20, 16);
        canvas.DrawFocusRect(6, 6, 30, 25);
        canvas.Ellipse(10, 3, 33, 26);
    }
    EXPECT_EQ(two, before);
}
