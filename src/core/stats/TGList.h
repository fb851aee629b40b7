#pragma once
// An owning list of the labels placed on the graph. Positions are 0-based; out of range throws
// std::out_of_range.
#include "core/base/Real.h"

#include <string>
#include <vector>

class TGList {
public:
    // pointFlag: a small circle is drawn at the anchor.
    int AddLabel(Real x, Real y, const std::string& text, bool pointFlag);
    Real X(int i) const { return At(i).X; }
    Real Y(int i) const { return At(i).Y; }
    const std::string& Text(int i) const { return At(i).Text; }
    bool PointFlag(int i) const { return At(i).PointFlag; }

    int Count() const { return static_cast<int>(m_items.size()); }
    bool Empty() const { return m_items.empty(); }
    void Clear() { m_items.clear(); }
    void Delete(int i);
    void Exchange(int i, int j);

private:
    struct Label {
        Real X = 0, Y = 0;
        std::string Text;
        bool PointFlag = false;
    };
    const Label& At(int i) const;

    std::vector<Label> m_items;
};
