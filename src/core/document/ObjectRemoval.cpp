#include "core/document/ObjectRemoval.h"

#include "core/document/TDocument.h"

namespace {
void Take(TDocument& doc, int i, TRemovalResult& r) {
    if (doc.Objects.Object(i).Drawn) r.RemovedDrawn = true;
    doc.Objects.Remove(i);
    ++r.Removed;
}

void Finish(TDocument& doc, const TRemovalResult& r, int current) {
    if (r.Removed == 0) return;
    doc.Objects.Modified = true;
    doc.Objects.SetCurrent(current);
    doc.Selection.Clear();
    doc.DrawList.Clear();
    doc.ShadeList.Clear();
    doc.Selection.ShadeRel = 'N';
}

int LastIndex(const TDocument& doc) {
    return doc.Objects.Count() - 1;
}
} // namespace

TRemovalResult RemoveCheckedOrCurrent(TDocument& doc) {
    TRemovalResult r;
    TObjectList& list = doc.Objects;
    if (list.Empty()) return r;
    if (list.CheckedCount() == 0) {
        if (list.Current() >= 0) Take(doc, list.Current(), r);
    } else {
        for (int i = list.Count() - 1; i >= 0; --i)
            if (list[i].Checked) Take(doc, i, r);
    }
    Finish(doc, r, LastIndex(doc));
    return r;
}

TRemovalResult RemoveLastObject(TDocument& doc) {
    TRemovalResult r;
    if (doc.Objects.Empty()) return r;
    Take(doc, LastIndex(doc), r);
    Finish(doc, r, LastIndex(doc));
    return r;
}

TRemovalResult RemoveCurrentObject(TDocument& doc) {
    TRemovalResult r;
    const int current = doc.Objects.Current();
    if (current < 0) return r;
    Take(doc, current, r);
    Finish(doc, r, current); // SetCurrent falls back to the last entry
    return r;
}

TRemovalResult RemoveAllObjects(TDocument& doc) {
    TRemovalResult r;
    doc.Objects.SetAllChecked(true);
    while (!doc.Objects.Empty())
        Take(doc, LastIndex(doc), r);
    Finish(doc, r, -1);
    return r;
}
