#pragma once
// The document's history for undo and redo: a state is the document as "Записати" would write it, plus the
// current entry, so one kind of step ("the document went from this text to that") covers every edit the
// program can make, whichever command made it.
#include "core/document/DocumentFile.h"

#include <memory>
#include <optional>
#include <string>

struct TDocumentState {
    std::string Text; // the saved document's bytes
    int Current = -1; // the current entry; not saved, restored so the list stays where the user was
};
using TDocumentStateRef = std::shared_ptr<const TDocumentState>;

// The document as SaveDocument writes it.
std::string DocumentText(const TDocumentParts& parts);

// Makes the document the one of the state. Only what differs is touched: objects whose record did not
// change are kept as they are (with their place on the graph and in a shaded system), the window is set
// only when it changed (so "Попередній масштаб" keeps its step), labels only when they changed. The
// parameters named in the state take its values; the others keep theirs. No redraw; Modified is left alone.
void RestoreDocument(const TDocumentState& state, const TDocumentParts& parts);

class TDocumentHistory {
public:
    // The document as it is now becomes the recorded state.
    explicit TDocumentHistory(const TDocumentParts& parts);

    struct TChange {
        TDocumentStateRef Before, After;
    };
    // When the document differs from the recorded state: that state and the document as it is now, which
    // becomes the recorded one. Without a change only the current entry is noted.
    std::optional<TChange> TakeChange();
    // Restores the state; what the document then is becomes the recorded state.
    void Restore(const TDocumentState& state);
    // Forgets the recorded state and records the document as it is (a new or opened document).
    void Reset();
    const TDocumentStateRef& Recorded() const { return m_recorded; }

private:
    TDocumentStateRef Capture() const;

    TDocumentParts m_parts;
    TDocumentStateRef m_recorded;
};
