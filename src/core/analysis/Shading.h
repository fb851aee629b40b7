#pragma once
// Systems G1(x,y) < 0, ..., Gn(x,y) < 0 (or all > 0) of the implicit curves and circles on the graph, shown
// by a diagonal hatch over the part of the window where every G is <= 0 (or >= 0). The hatch is drawn again
// by every redraw until the graph is built anew or objects are removed.
class TFuncs;
class TMasshImage;
struct TDocument;

// The relations of a shaded system, as ShadeRel holds them.
constexpr char ShadeLess = '<';
constexpr char ShadeGreater = '>';
constexpr char ShadeNone = 'N';

struct TShadeResult {
    bool Shaded = false;      // an object was left to shade: the selection's ShadeRel holds the relation
    long long PointTests = 0; // point tests made, each evaluating every object's G once
};

// Keeps in the selection only the implicit curves and circles on the graph; with none left nothing
// happens. The window, narrowed to every object's rectangle, is tested at the corners of cells of 10 x 10
// pixels; a cell with a corner in the region is tested pixel by pixel and every pixel of the hatch (its
// column and row adding up to a multiple of 5) that lies in the region, with defined neighbours to the
// right and below, is painted in the construction colour. Sets the selection's ShadeRel to rel.
TShadeResult ShadeGxySystem(TFuncs& selection, char rel, TMasshImage& image);

// The redraw's part: the system last shaded is shaded again while one is pending (Selection.ShadeRel is
// not 'N'). Objects of that system that have left the document meanwhile are passed over.
void ShadePendingSystem(TMasshImage& image, TDocument& doc);

// "С-ма нерівностей G(x,y)<0" and ">0": a pending hatch is first taken off by a redraw; then the checked
// entries (or the current one) are shaded and remembered for the redraws to come.
TShadeResult ShadeCommand(TDocument& doc, TMasshImage& image, char rel);
