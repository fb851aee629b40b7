#include "app/DocumentModes.h"
#include "core/plot/TMasshImage.h"
#include "support/TempPath.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include <fstream>

namespace {
constexpr int W = 320, H = 240;

// A document holding one red sample on the fixed window (-1; 7)-(-0.5; 1.5).
std::string SampleDocument(int smodel, int graphType, int fxPlain, const char* variants) {
    return std::string(
               "[Vorn1]\nNum=1\nMinArg=-1\nMaxArg=7\nMinFunc=-0.5\nMaxFunc=1.5\nCoord=0\nMasshAuto=0\n") +
           "[Obj1]\nObjType=Stat\nColor=255\nA=" + (smodel ? "0" : "1") + "\nB=" + (smodel ? "6" : "5") +
           "\nSmodel=" + std::to_string(smodel) + "\nSrng=3\nSGraphType=" + std::to_string(graphType) +
           "\nFxPlain=" + std::to_string(fxPlain) + "\nDimension=3\n" + variants;
}

bool RedNear(const QImage& png, int x, int y) {
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (png.pixelColor(x + dx, y + dy) == QColor(255, 0, 0)) return true;
    return false;
}
} // namespace

// Each graph type exported: the pixels where its bars, spikes, segments, steps and marks are.
TEST(SampleExport, EveryGraphTypeDrawsWhereItsValuesAre) {
    TMasshImage m;
    m.SetSize(W, H);
    m.SetMassh({-1, 7, -0.5L, 1.5L});
    auto at = [&](double x, double y) { return QPoint(m.XToScr(x), m.YToScr(y)); };
    // Grouped: densities 0.1, 0.25, 0.15 on [0, 2], [2, 4], [4, 6]; cumulative 0, 0.2, 0.7, 1.
    const char* grouped = "X0=1\nk0=2\nX1=3\nk1=5\nX2=5\nk2=3\n";
    // By points: relative frequencies 0.25, 0.5, 0.25 at 1, 3, 5.
    const char* points = "X0=1\nk0=1\nX1=3\nk1=2\nX2=5\nk2=1\n";
    struct Row {
        const char* why;
        int smodel, graphType, fxPlain;
        const char* variants;
        QPoint on, off; // a pixel of the graph, and one it leaves alone
    } rows[] = {
        {"histogram bar top", 1, 0, 0, grouped, at(3, 0.25), at(3, 0.1)},
        {"spike", 0, 0, 0, points, at(3, 0.25), at(2, 0.25)},
        {"polygon segment", 0, 1, 0, points, at(2, 0.375), at(2, 0.25)},
        {"step of F*(x) by points", 0, 2, 0, points, at(2, 0.25), at(2, 0.5)},
        {"level 1 after the data", 0, 2, 0, points, at(6, 1), at(6, 0.5)},
        {"continuous F*(x)", 1, 2, 0, grouped, at(3, 0.45), at(3, 0.7)},
        {"circle of F*(x) by intervals", 1, 2, 1, grouped, at(2, 0.2) + QPoint(2, 0), at(3, 0.45)},
        {"stepped F*(x)", 1, 2, 2, grouped, at(3, 0.7), at(3, 0.45)},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.why);
        const std::string doc = TestTempPath("sample-export.vr1");
        std::ofstream(doc) << SampleDocument(r.smodel, r.graphType, r.fxPlain, r.variants);
        const std::string out = TestTempPath("sample-export.png");
        std::string err;
        ASSERT_EQ(RunExportMode({out, "--size", "320x240", doc}, err), 0) << err;
        const QImage png(QString::fromStdString(out));
        ASSERT_EQ(png.size(), QSize(W, H));
        EXPECT_TRUE(RedNear(png, r.on.x(), r.on.y()));
        EXPECT_FALSE(RedNear(png, r.off.x(), r.off.y()));
        // The mean's mark just below the axis: M = 2.967 grouped (spread values), 3 by points.
        bool mark = false;
        const int mx = m.XToScr(r.smodel ? 2.967 : 3.0), y0 = m.YToScr(0);
        for (int y = y0 + 1; y < y0 + 14; ++y)
            for (int dx = -3; dx <= 3; ++dx)
                mark = mark || png.pixelColor(mx + dx, y) == QColor(255, 0, 0);
        EXPECT_TRUE(mark);
    }
}
