#include "core/document/TObjectList.h"

#include "core/formula/ParamTable.h"

int TObjectList::Append(std::unique_ptr<TFn> object, bool checked) {
    TObjEntry entry;
    entry.Caption = object->Caption();
    entry.Checked = checked;
    entry.Object = std::move(object);
    m_entries.push_back(std::move(entry));
    m_current = Count() - 1;
    return m_current;
}

void TObjectList::Remove(int i) {
    m_entries.erase(m_entries.begin() + i);
    if (m_entries.empty())
        m_current = -1;
    else if (m_current >= Count())
        m_current = Count() - 1;
}

void TObjectList::Clear() {
    m_entries.clear();
    m_current = -1;
}

int TObjectList::CheckedCount() const {
    int n = 0;
    for (const TObjEntry& e : m_entries)
        n += e.Checked ? 1 : 0;
    return n;
}

void TObjectList::SetAllChecked(bool checked) {
    for (TObjEntry& e : m_entries)
        e.Checked = checked;
}

void TObjectList::MarkParams() const {
    ParamTable().ClearUsed();
    for (const TObjEntry& e : m_entries)
        e.Object->MarkParams();
}

void TObjectList::RecalcAll(TMasshImage& image) {
    // A table's caption is its polynomial, which follows the parameters of its points.
    for (TObjEntry& e : m_entries) {
        e.Object->CalcBounds(image);
        e.Caption = e.Object->Caption();
    }
}
