// Graphs as the exported picture shows them: a document read, the graph built, the picture drawn into a
// QImage through DrawGraphPicture, as `vorn1 --export` does.
#include "core/document/GraphPicture.h"
#include "core/base/IniFile.h"
#include "core/document/DocumentFile.h"
#include "core/formula/ParamTable.h"
#include "core/plot/TMasshImage.h"
#include "core/stats/TGList.h"
#include "gui/plot/QImageCanvas.h"

#include <gtest/gtest.h>

#include <QImage>

#include <cmath>
#include <string>

namespace {
constexpr int Side = 400;
const QRgb GraphColor = qRgb(255, 0, 0); // "Color=255"

// One object on a new document's surface, drawn in red; `window` is empty for the automatic scale.
struct Picture {
    TDocument doc;
    TMasshImage image;
    TGList labels;
    QImage bitmap{Side, Side, QImage::Format_RGB32};

    Picture(const std::string& object, const std::string& window) {
        ApplyGraphWindowDefaults(image);
        image.SetSize(Side, Side);
        ParamTable().ResetForNewDocument();
        IniFile ini;
        ini.LoadFromText("[Vorn1]\nNum=1\n" + (window.empty() ? "MasshAuto=1\n" : "MasshAuto=0\n" + window) +
                         "[Obj1]\n" + object + "Color=255\n");
        LoadObjects(ini, {doc, image, labels});
        doc.Objects.RecalcAll(image);
        BuildGraph(image, doc);
        TQImageCanvas canvas(&bitmap);
        image.SetCanvas(&canvas);
        DrawGraphPicture(image, doc, labels, {});
        image.SetCanvas(nullptr);
    }
    bool IsGraph(int x, int y) const { return bitmap.pixel(x, y) == GraphColor; }
};

const char* const SquareWindow = "MinArg=-5\nMaxArg=5\nMinFunc=-5\nMaxFunc=5\n";
} // namespace

TEST(GraphPicture, SteepLineIsDrawnThroughTheOriginFromEdgeToEdge) {
    const Picture p("ObjType=Normal\nFunc=1000*X\nA=-5\nB=5\n", SquareWindow);
    for (int y : {1, Side / 4, Side / 2, 3 * Side / 4, Side - 2}) {
        SCOPED_TRACE(y);
        EXPECT_TRUE(p.IsGraph(Side / 2, y) || p.IsGraph(Side / 2 - 1, y) || p.IsGraph(Side / 2 + 1, y));
    }
}

TEST(GraphPicture, TangentUnderTheAutomaticScaleHasNoStrokesAtItsAsymptotes) {
    const Picture p("ObjType=Normal\nFunc=TG(X)\nA=-5\nB=5\n", "");
    int drawn = 0;
    for (int x = 0; x < Side; ++x)
        for (int y = 0; y < Side; ++y)
            drawn += p.IsGraph(x, y);
    EXPECT_GT(drawn, 1000);
    for (Real asymptote : {-3 * Pi / 2, -Pi / 2, Pi / 2, 3 * Pi / 2}) {
        const int column = p.image.XToScr(asymptote);
        for (int x = column - 1; x <= column + 1; ++x)
            for (int y = 0; y < Side; ++y)
                EXPECT_FALSE(p.IsGraph(x, y)) << "at " << x << ", " << y;
    }
}

TEST(GraphPicture, HugeArgumentRangeDrawsOnlyTheUnitCircle) {
    for (const char* object : {"ObjType=Polar\nFunc=1\nA=0\nB=1000000\n",
                               "ObjType=Param\nFunc=SIN(T)\nFuncX=COS(T)\nA=0\nB=1000000\n"}) {
        SCOPED_TRACE(object);
        const Picture p(object, "");
        int drawn = 0;
        for (int x = 0; x < Side; ++x)
            for (int y = 0; y < Side; ++y) {
                if (!p.IsGraph(x, y)) continue;
                ++drawn;
                // The nearest point of the circle, in pixels.
                const Real wx = p.image.ScrToX(x), wy = p.image.ScrToY(y), r = std::hypot(wx, wy);
                const Real dx = p.image.XToScr(wx / r) - x, dy = p.image.YToScr(wy / r) - y;
                EXPECT_LE(std::hypot(dx, dy), 2) << "at " << x << ", " << y;
            }
        EXPECT_GT(drawn, 1000); // the circumference, about 2*PI*200 pixels
    }
}
