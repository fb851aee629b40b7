#pragma once
// A selection: references to objects of the list that one command works on, with counters of their kinds that
// enable the commands.
#include "core/objects/TFn.h"

#include <vector>

class TObjectList;

class TFuncs {
public:
    std::vector<TFn*> Items; // not owned, in list order
    int CurIndex = -1;       // the current entry's index when the selection is that entry alone
    int NumFunctionsOfX = 0;
    int NumExplicit = 0;
    int NumCurves = 0;
    int NumPolygons = 0;
    int NumBrokenLines = 0;
    int NumDrawnYx = 0;
    int NumDrawnGxy = 0;
    int NumWithParams = 0;
    // 'N' when no G(x,y) system is shaded, else the relation last shaded, '<' or '>'.
    char ShadeRel = 'N';

    int Count() const { return static_cast<int>(Items.size()); }
    bool Empty() const { return Items.empty(); }
    TFn& operator[](int i) const { return *Items[i]; }

    void Clear(); // the objects and the counters; ShadeRel stays
    // Counts one object for every counter but NumWithParams.
    void Count(const TFn& object);
};

// Fills the selection: allChecked false gives the current entry; true gives every checked entry, or the
// current entry alone when none is checked. With several checked objects a counter is non-zero only when
// every checked object qualifies.
void FillSelection(const TObjectList& list, TFuncs& funcs, bool allChecked);

// The objects whose graphs are built, in list order.
void FillDrawList(const TObjectList& list, TFuncs& drawList);

// The automatic scale: the union of the extents of the objects whose graphs are built, widened by five
// pixels' worth of the surface width on every side. Only when the surface's MasshAuto is on; no redraw.
void AutoMassh(const TObjectList& list, TFuncs& drawList, TMasshImage& image);
