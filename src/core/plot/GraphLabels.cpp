#include "core/plot/GraphLabels.h"

#include "core/plot/TMasshImage.h"
#include "core/stats/TGList.h"

TPixelRect LabelBox(const TMasshImage& image, const TGList& labels, int i, TPoint at) {
    TCanvas& c = image.Canvas();
    const std::string& text = labels.Text(i);
    const TFont& font = image.grLabelFont;
    return {at.x, at.y, at.x + c.TextWidth(text, font), at.y + c.TextHeight(text, font)};
}

void MoveLabel(TGList& labels, int i, Real x, Real y) {
    // The list keeps its records as they were added: a moved label is the same label at a new anchor.
    TGList moved;
    for (int k = 0; k < labels.Count(); ++k)
        moved.AddLabel(k == i ? x : labels.X(k), k == i ? y : labels.Y(k), labels.Text(k),
                       labels.PointFlag(k));
    labels = moved;
}
