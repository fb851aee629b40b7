#include "core/plot/TCanvasLog.h"
#include "core/document/GraphPicture.h"
#include "core/objects/TFn.h"
#include "core/plot/TMasshImage.h"
#include "core/stats/TGList.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
// Draws a graph with axes, two functions, a label with its point circle, and an arc.
void DrawSample(TMasshImage& image, TCanvas& canvas) {
    TDocument doc;
    doc.Objects.Append(std::make_unique<TFn>("SIN(X)", "-5", "5", clRed), true);
    doc.Objects.Append(std::make_unique<TFn>("X*X/4", "-3", "3", clBlue), true);
    TGList labels;
    labels.AddLabel(1, 1, "A", true);
    image.SetCanvas(&canvas);
    for (int i = 0; i < doc.Objects.Count(); ++i)
        doc.Objects.Object(i).CalcBounds(image);
    DrawGraphPicture(image, doc, labels, {});
    canvas.Pen() = TPen{clGreen, 2, PenStyle::Dash, PenMode::Xor};
    canvas.Arc(10, 10, 50, 30, 0, 180);
    image.SetCanvas(nullptr);
}
} // namespace

TEST(CanvasLog, ReplayDrawsExactlyWhatWasDrawn) {
    TMasshImage image;
    ApplyGraphWindowDefaults(image);
    image.SetSize(300, 200);

    TRecordingCanvas direct;
    DrawSample(image, direct);

    TRecordingCanvas metrics, replayed;
    TCanvasLog log(&metrics);
    DrawSample(image, log);
    ASSERT_GT(log.Size(), 10u);
    log.Replay(replayed);

    ASSERT_EQ(replayed.Calls().size(), direct.Calls().size());
    for (std::size_t i = 0; i < direct.Calls().size(); ++i)
        ASSERT_EQ(replayed.Calls()[i], direct.Calls()[i]) << "call " << i;

    log.Clear();
    replayed.Clear();
    log.Replay(replayed);
    EXPECT_TRUE(replayed.Calls().empty());
}
