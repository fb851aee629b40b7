#include "core/document/GraphPicture.h"

#include "core/analysis/Shading.h"
#include "core/base/WorkerPool.h"
#include "core/plot/Osi.h"
#include "core/plot/TDeferredCanvas.h"
#include "core/plot/TMasshImage.h"
#include "core/stats/TGList.h"

namespace {
constexpr int LabelPointRadius = 2;

// The graphs drawn by walking their argument: each reads its own formulas and the surface's mapping and
// writes nothing but its picture and its Drawn flag, so several can be walked at once.
bool IsWalked(const TFn& f) {
    const ObjKind k = f.Kind();
    return k == ObjKind::Explicit || k == ObjKind::Parametric || k == ObjKind::Polar;
}

// A surface that maps as the given one does, for a walk away from it.
void CopyMapping(const TMasshImage& from, TMasshImage& to) {
    to.SetSize(from.Width(), from.Height());
    to.SetMassh(from.Massh());
    to.SetBasic(from.XBasic(), from.YBasic());
    to.SetCoord(from.Coord());
}

// The walks of objects[first..last) on the worker threads, each onto a canvas of its own; their drawings are
// then drawn on the surface in list order, as the walks one after another would draw them.
void DrawWalkedTogether(TMasshImage& image, const std::vector<TFn*>& objects, std::size_t first,
                        std::size_t last) {
    const int count = static_cast<int>(last - first);
    std::vector<TDeferredCanvas> drawings(count);
    for (TDeferredCanvas& d : drawings)
        d.Begin(image.Canvas());
    TWorkerPool::Instance().Run(count, [&](int i) {
        TMasshImage surface;
        CopyMapping(image, surface);
        surface.SetCanvas(&drawings[i]);
        objects[first + i]->Draw(surface);
    });
    for (const TDeferredCanvas& d : drawings)
        d.Replay(image.Canvas());
}
} // namespace

void DrawObjects(TMasshImage& image, TDocument& doc) {
    FillDrawList(doc.Objects, doc.DrawList);
    const std::vector<TFn*>& items = doc.DrawList.Items;
    const bool shared = TWorkerPool::Instance().Threads() > 1;
    for (std::size_t i = 0; i < items.size();) {
        // A run of walked graphs is shared out; the others draw themselves here (the implicit curves share
        // out their own scans).
        std::size_t end = i;
        while (shared && end < items.size() && IsWalked(*items[end]))
            ++end;
        if (end - i > 1) {
            DrawWalkedTogether(image, items, i, end);
            i = end;
        } else {
            items[i]->Draw(image);
            ++i;
        }
    }
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
