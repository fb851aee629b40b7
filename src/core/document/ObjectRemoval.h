#pragma once
// Removing entries from the document's object list. Every removal that removes something marks the document
// modified, ends the shading of a G(x,y) system (Selection.ShadeRel 'N') and empties the three selections,
// which would otherwise refer to released objects; they are refilled before every use. An empty list is
// left alone.
struct TDocument;

struct TRemovalResult {
    int Removed = 0;
    bool RemovedDrawn = false; // a removed object was on the graph: the caller redraws
};

// "Вилучити": every checked entry, or the current one when none is checked. The last entry becomes current.
TRemovalResult RemoveCheckedOrCurrent(TDocument& doc);
// "Вилучити останній". The new last entry becomes current.
TRemovalResult RemoveLastObject(TDocument& doc);
// "Вилучити поточний". The entry that moves into its place becomes current, or the new last one when the
// removed entry was last.
TRemovalResult RemoveCurrentObject(TDocument& doc);
// Every entry, for a new document.
TRemovalResult RemoveAllObjects(TDocument& doc);
