#include "core/stats/TXList.h"

#include <algorithm>
#include <stdexcept>

int TXList::AddNumber(Real x) {
    m_items.emplace_back(x);
    return Count() - 1;
}

int TXList::AddCount(std::int32_t n) {
    m_items.emplace_back(n);
    return Count() - 1;
}

const TXList::Item& TXList::At(int i) const {
    if (i < 0 || i >= Count()) throw std::out_of_range("TXList index");
    return m_items[i];
}

Real TXList::Key(const Item& item) {
    if (const Real* x = std::get_if<Real>(&item)) return *x;
    return std::get<std::int32_t>(item);
}

Real TXList::NumberAt(int i) const {
    return Key(At(i));
}

std::int32_t TXList::CountAt(int i) const {
    const Item& item = At(i);
    if (const std::int32_t* n = std::get_if<std::int32_t>(&item)) return *n;
    const Real x = std::get<Real>(item);
    // Saturated: a number beyond the 32-bit range has no count to give.
    if (!(x > INT32_MIN)) return INT32_MIN;
    if (!(x < INT32_MAX)) return INT32_MAX;
    return static_cast<std::int32_t>(x);
}

void TXList::Delete(int i) {
    At(i);
    m_items.erase(m_items.begin() + i);
}

void TXList::Exchange(int i, int j) {
    At(i);
    At(j);
    std::swap(m_items[i], m_items[j]);
}

void TXList::Sort() {
    std::stable_sort(m_items.begin(), m_items.end(),
                     [](const Item& l, const Item& r) { return Key(l) < Key(r); });
}
