#pragma once
// The document's objects: one ordered list of entries, each with its caption, check mark and owned object.
#include "core/objects/TFn.h"

#include <memory>
#include <string>
#include <vector>

struct TObjEntry {
    std::string Caption;
    bool Checked = true;
    std::unique_ptr<TFn> Object;
};

class TObjectList {
public:
    int Count() const { return static_cast<int>(m_entries.size()); }
    bool Empty() const { return m_entries.empty(); }
    TObjEntry& operator[](int i) { return m_entries[i]; }
    const TObjEntry& operator[](int i) const { return m_entries[i]; }
    TFn& Object(int i) const { return *m_entries[i].Object; }

    // Appends an entry with the object's caption and makes it current.
    int Append(std::unique_ptr<TFn> object, bool checked);
    void Remove(int i);
    void Clear();
    void UpdateCaption(int i) { m_entries[i].Caption = m_entries[i].Object->Caption(); }

    int CheckedCount() const;
    void SetAllChecked(bool checked);

    // The current entry, -1 when the list is empty.
    int Current() const { return m_current; }
    void SetCurrent(int i) {
        m_current = m_entries.empty() ? -1 : (i < 0 ? 0 : (i >= Count() ? Count() - 1 : i));
    }
    TFn* CurrentObject() const { return m_current >= 0 ? m_entries[m_current].Object.get() : nullptr; }

    // Clears the Used flags of the parameters and lets every object mark the ones it refers to.
    void MarkParams() const;
    // Every object tabulates itself again (after a parameter changed), and the captions follow.
    void RecalcAll(TMasshImage& image);

    // Unsaved changes of the document.
    bool Modified = false;

private:
    std::vector<TObjEntry> m_entries;
    int m_current = -1;
};
