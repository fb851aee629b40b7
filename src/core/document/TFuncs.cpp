#include "core/document/TFuncs.h"

#include "core/document/TObjectList.h"

void TFuncs::Clear() {
    Items.clear();
    CurIndex = -1;
    NumFunctionsOfX = NumExplicit = NumCurves = NumPolygons = NumBrokenLines = NumDrawnYx = NumDrawnGxy =
        NumWithParams = 0;
}

void TFuncs::Count(const TFn& f) {
    const ObjKind k = f.Kind();
    if (f.IsIntegrable()) ++NumFunctionsOfX;
    if (k == ObjKind::Explicit) ++NumExplicit;
    if (k == ObjKind::Explicit || k == ObjKind::Parametric || k == ObjKind::Polar || k == ObjKind::Table)
        ++NumCurves;
    if (k == ObjKind::BrokenLine) {
        ++NumBrokenLines;
        if (f.IsClosedPolygon()) ++NumPolygons;
    }
    if ((k == ObjKind::Explicit || k == ObjKind::Table) && f.Drawn) ++NumDrawnYx;
    if ((k == ObjKind::Implicit || k == ObjKind::Circle) && f.Drawn) ++NumDrawnGxy;
}

void FillSelection(const TObjectList& list, TFuncs& funcs, bool allChecked) {
    funcs.Clear();
    const int n = list.CheckedCount();
    if (list.Empty() || list.Current() < 0) return;
    if (!allChecked || n == 0) {
        const TFn& current = list.Object(list.Current());
        funcs.Items.push_back(&list.Object(list.Current()));
        funcs.Count(current);
        if (!allChecked) {
            funcs.CurIndex = list.Current();
            if (current.UsesParams()) ++funcs.NumWithParams;
        }
        return;
    }
    for (int i = 0; i < list.Count(); ++i)
        if (list[i].Checked) {
            funcs.Items.push_back(&list.Object(i));
            funcs.Count(list.Object(i));
        }
    // With several checked objects a counter counts only when every one of them qualifies.
    for (int* c : {&funcs.NumFunctionsOfX, &funcs.NumExplicit, &funcs.NumCurves, &funcs.NumPolygons,
                   &funcs.NumBrokenLines, &funcs.NumDrawnYx, &funcs.NumDrawnGxy})
        if (*c < n) *c = 0;
}

void FillDrawList(const TObjectList& list, TFuncs& drawList) {
    drawList.Clear();
    for (int i = 0; i < list.Count(); ++i)
        if (list.Object(i).GBuild) drawList.Items.push_back(&list.Object(i));
}

void AutoMassh(const TObjectList& list, TFuncs& drawList, TMasshImage& image) {
    if (!image.MasshAuto()) return;
    FillDrawList(list, drawList);
    if (drawList.Empty()) return;
    TMassh m{drawList[0].MinX, drawList[0].MaxX, drawList[0].MinY, drawList[0].MaxY};
    for (int i = 1; i < drawList.Count(); ++i) {
        const TFn& f = drawList[i];
        if (f.MinX < m.XMin) m.XMin = f.MinX;
        if (f.MaxX > m.XMax) m.XMax = f.MaxX;
        if (f.MinY < m.YMin) m.YMin = f.MinY;
        if (f.MaxY > m.YMax) m.YMax = f.MaxY;
    }
    // Five pixels' worth of the width on each side; each margin from the range as already widened, and both
    // axes measured against the width.
    const Real w = image.Width();
    m.YMax = m.YMax + (m.YMax - m.YMin) * 5 / w;
    m.YMin = m.YMin - (m.YMax - m.YMin) * 5 / w;
    m.XMax = m.XMax + (m.XMax - m.XMin) * 5 / w;
    m.XMin = m.XMin - (m.XMax - m.XMin) * 5 / w;
    image.SetMassh(m);
}
