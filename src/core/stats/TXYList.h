#pragma once
// An owning list of points (tables and broken lines: the numbers with the formula texts they came from) or
// of variants with their counts (the variant table of a sample). A list holds one kind of record; positions
// are 0-based and out of range throws std::out_of_range.
#include "core/base/Real.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

class TXYList {
public:
    // A point given by numbers, with empty texts.
    int AddPoint(Real x, Real y);
    // A point given by texts, each the value of its text as a formula without arguments (undefined when it
    // does not compile).
    int AddPointText(const std::string& xText, const std::string& yText);
    Real X(int i) const; // the stored numbers, as last evaluated
    Real Y(int i) const;
    const std::string& XText(int i) const;
    const std::string& YText(int i) const;
    // Evaluate the stored text again with the current parameter values, store the value and return it. A
    // point given by numbers has no text and keeps its number.
    Real EvalX(int i);
    Real EvalY(int i);

    int AddVariant(std::int32_t count, Real value);
    Real VariantValue(int i) const;
    std::int32_t VariantCount(int i) const;

    int Count() const { return static_cast<int>(m_items.size()); }
    bool Empty() const { return m_items.empty(); }
    void Clear() { m_items.clear(); }
    void Delete(int i);
    void Exchange(int i, int j);
    // Ascending by X (points) or by value (variants); the order among equal keys is not fixed.
    void Sort();

private:
    struct Point {
        Real X = 0, Y = 0;
        std::string XText, YText;
    };
    struct Variant {
        Real Value = 0;
        std::int32_t Count = 0;
    };
    using Item = std::variant<Point, Variant>;
    Point& PointAt(int i);
    const Point& PointAt(int i) const;
    const Variant& VariantAt(int i) const;
    static Real Key(const Item& item);

    std::vector<Item> m_items;
};
