#include "core/document/GraphPicture.h"

#include "core/analysis/Shading.h"
#include "core/plot/Osi.h"
#include "core/plot/TMasshImage.h"
#include "core/stats/TGList.h"

namespace {
constexpr int LabelPointRadius = 2;
}

void DrawObjects(TMasshImage& image, TDocument& doc) {
    FillDrawList(doc.Objects, doc.DrawList);
    for (TFn* f : doc.DrawList.Items)
        f->Draw(image);
}

void DrawLabels(TMasshImage& image, const TGList& labels) {
    TCanvas& c = image.Canvas();
    for (int i = 0; i < labels.Count(); ++i) {
        const int x = image.XToScr(labels.X(i)), y = image.YToScr(labels.Y(i));
        const std::string& text = labels.Text(i);
        c.Pen().Mode = PenMode::Copy;
        c.Brush() = TBrush{image.grBackColor, BrushStyle::Solid};
        c.FillRect(x, y, x + c.TextWidth(text, image.grLabelFont), y + c.TextHeight(text, image.grLabelFont));
        c.TextOut(x, y, text, image.grLabelFont);
        if (labels.PointFlag(i)) {
            c.Pen() = TPen{image.grAddColor, 1, PenStyle::Solid, PenMode::Copy};
            c.Brush().Style = BrushStyle::Clear;
            // A box's right and bottom edges are outside it: one more keeps the circle centred on the anchor.
            c.Ellipse(x - LabelPointRadius, y - LabelPointRadius, x + LabelPointRadius + 1,
                      y + LabelPointRadius + 1);
        }
    }
}

void DrawGraphPicture(TMasshImage& image, TDocument& doc, const TGList& labels,
                      const TGraphPictureOptions& options) {
    Osi(image, options.PaintSidePanels);
    if (options.GraphBuilt) {
        DrawObjects(image, doc);
        if (doc.Selection.ShadeRel != ShadeNone) {
            if (options.DrawPendingShading)
                options.DrawPendingShading();
            else
                ShadePendingSystem(image, doc);
        }
    }
    if (options.DrawPoints) options.DrawPoints();
    if (options.ShowLabels && !labels.Empty()) DrawLabels(image, labels);
}

void BuildGraph(TMasshImage& image, TDocument& doc) {
    AutoMassh(doc.Objects, doc.DrawList, image);
    doc.Selection.ShadeRel = 'N';
}
