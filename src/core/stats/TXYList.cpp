#include "core/stats/TXYList.h"

#include "core/formula/TFunc.h"

#include <algorithm>
#include <stdexcept>

namespace {
Real TextValue(const std::string& text) {
    return TFunc(text).Calc(0, 0);
}
} // namespace

int TXYList::AddPoint(Real x, Real y) {
    m_items.emplace_back(Point{x, y, {}, {}});
    return Count() - 1;
}

int TXYList::AddPointText(const std::string& xText, const std::string& yText) {
    m_items.emplace_back(Point{TextValue(xText), TextValue(yText), xText, yText});
    return Count() - 1;
}

TXYList::Point& TXYList::PointAt(int i) {
    if (i < 0 || i >= Count()) throw std::out_of_range("TXYList index");
    Point* p = std::get_if<Point>(&m_items[i]);
    if (!p) throw std::out_of_range("TXYList: not a point");
    return *p;
}

const TXYList::Point& TXYList::PointAt(int i) const {
    return const_cast<TXYList*>(this)->PointAt(i);
}

const TXYList::Variant& TXYList::VariantAt(int i) const {
    if (i < 0 || i >= Count()) throw std::out_of_range("TXYList index");
    const Variant* v = std::get_if<Variant>(&m_items[i]);
    if (!v) throw std::out_of_range("TXYList: not a variant");
    return *v;
}

Real TXYList::X(int i) const {
    return PointAt(i).X;
}

Real TXYList::Y(int i) const {
    return PointAt(i).Y;
}

const std::string& TXYList::XText(int i) const {
    return PointAt(i).XText;
}

const std::string& TXYList::YText(int i) const {
    return PointAt(i).YText;
}

Real TXYList::EvalX(int i) {
    Point& p = PointAt(i);
    if (!p.XText.empty()) p.X = TextValue(p.XText);
    return p.X;
}

Real TXYList::EvalY(int i) {
    Point& p = PointAt(i);
    if (!p.YText.empty()) p.Y = TextValue(p.YText);
    return p.Y;
}

int TXYList::AddVariant(std::int32_t count, Real value) {
    m_items.emplace_back(Variant{value, count});
    return Count() - 1;
}

Real TXYList::VariantValue(int i) const {
    return VariantAt(i).Value;
}

std::int32_t TXYList::VariantCount(int i) const {
    return VariantAt(i).Count;
}

void TXYList::Delete(int i) {
    if (i < 0 || i >= Count()) throw std::out_of_range("TXYList index");
    m_items.erase(m_items.begin() + i);
}

void TXYList::Exchange(int i, int j) {
    if (i < 0 || i >= Count() || j < 0 || j >= Count()) throw std::out_of_range("TXYList index");
    std::swap(m_items[i], m_items[j]);
}

Real TXYList::Key(const Item& item) {
    if (const Point* p = std::get_if<Point>(&item)) return p->X;
    return std::get<Variant>(item).Value;
}

void TXYList::Sort() {
    std::stable_sort(m_items.begin(), m_items.end(),
                     [](const Item& l, const Item& r) { return Key(l) < Key(r); });
}
