#pragma once
// An owning list of numbers (a raw sample, extents) or of counts (the cumulative interval counts of a
// sample). A list holds one kind of record; positions are 0-based and out of range throws std::out_of_range.
#include "core/base/Real.h"

#include <cstdint>
#include <variant>
#include <vector>

class TXList {
public:
    int AddNumber(Real x); // the new record's position
    int AddCount(std::int32_t n);
    // A count read as a number gives the count, a number read as a count its integer part.
    Real NumberAt(int i) const;
    std::int32_t CountAt(int i) const;

    int Count() const { return static_cast<int>(m_items.size()); }
    bool Empty() const { return m_items.empty(); }
    void Clear() { m_items.clear(); }
    void Delete(int i);
    void Exchange(int i, int j);
    // Ascending; the order among equal records is not fixed.
    void Sort();

private:
    using Item = std::variant<Real, std::int32_t>;
    const Item& At(int i) const;
    static Real Key(const Item& item);

    std::vector<Item> m_items;
};
