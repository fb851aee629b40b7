#pragma once
// What the graph shows, drawn through the surface's canvas: the one render path of the graph window, the
// exported pictures and the clipboard.
#include "core/document/TDocument.h"
#include "core/plot/Colors.h"

#include <functional>

class TGList;
class TMasshImage;

// Every object whose graph is built, in list order (sets their Drawn flags).
void DrawObjects(TMasshImage& image, TDocument& doc);

// The labels: each text in the label font on the background colour with its top-left corner at the anchor,
// and a circle of radius 2 pixels in the additional colour around anchors whose point flag is set.
void DrawLabels(TMasshImage& image, const TGList& labels);

struct TGraphPictureOptions {
    std::function<void(TColor)> PaintSidePanels; // the graph window's panels take the background colour
    bool GraphBuilt = true;                      // objects are drawn
    bool ShowLabels = true;                      // "Відображати мітки"
    // The shaded G(x,y) system, when one is pending; without it the remembered system is shaded again.
    std::function<void()> DrawPendingShading;
    std::function<void()> DrawPoints; // the point list's markers
};

// The full picture in the redraw's order: coordinate system, objects, pending shading, points, labels.
void DrawGraphPicture(TMasshImage& image, TDocument& doc, const TGList& labels,
                      const TGraphPictureOptions& options);

// "Побудувати графік" without a window: the automatic scale when it is on, then the picture with the objects.
void BuildGraph(TMasshImage& image, TDocument& doc);
