#include "core/stats/TGList.h"

#include <stdexcept>
#include <utility>

int TGList::AddLabel(Real x, Real y, const std::string& text, bool pointFlag) {
    m_items.push_back({x, y, text, pointFlag});
    return Count() - 1;
}

const TGList::Label& TGList::At(int i) const {
    if (i < 0 || i >= Count()) throw std::out_of_range("TGList index");
    return m_items[i];
}

void TGList::Delete(int i) {
    At(i);
    m_items.erase(m_items.begin() + i);
}

void TGList::Exchange(int i, int j) {
    At(i);
    At(j);
    std::swap(m_items[i], m_items[j]);
}
