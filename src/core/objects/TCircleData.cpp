#include "core/objects/TCircleData.h"

#include "core/formula/TFunc.h"
#include "core/plot/TPointList.h"

std::vector<TCircleBox> CircleBoxes(int page) {
    if (page == CirclePagePoint)
        return {TCircleBox::X0ComboBox, TCircleBox::Y0ComboBox, TCircleBox::X1ComboBox,
                TCircleBox::Y1ComboBox};
    return {TCircleBox::X0ComboBox0, TCircleBox::Y0ComboBox0, TCircleBox::RComboBox0};
}

std::string& CircleBoxText(TCircleData& data, TCircleBox box) {
    switch (box) {
    case TCircleBox::X0ComboBox0: return data.X0Text;
    case TCircleBox::Y0ComboBox0: return data.Y0Text;
    case TCircleBox::RComboBox0: return data.RText;
    case TCircleBox::X0ComboBox: return data.X1Text;
    case TCircleBox::Y0ComboBox: return data.Y1Text;
    case TCircleBox::X1ComboBox: return data.X2Text;
    case TCircleBox::Y1ComboBox: return data.Y2Text;
    case TCircleBox::None: break;
    }
    static std::string none;
    none.clear();
    return none;
}

const std::string& CircleBoxText(const TCircleData& data, TCircleBox box) {
    return CircleBoxText(const_cast<TCircleData&>(data), box);
}

TCircleCheck CheckNewCircle(const TCircleData& data, int page) {
    TCircleCheck check;
    TFunc scratch("0");
    for (TCircleBox box : CircleBoxes(page)) {
        if (!scratch.SetFormula(CircleBoxText(data, box))) {
            check.Failed = box;
            check.Message = msg::CircleExpressionError;
            return check;
        }
        check.Passed.push_back(box);
    }
    return check;
}

msg::Id TakePickedPoints(TCircleData& data, int page, const TPointList& points) {
    const bool twoPoints = page == CirclePagePoint;
    if (points.PointCount() < (twoPoints ? 2 : 1))
        return twoPoints ? msg::CircleNeedsTwoPoints : msg::CircleNeedsPoint;
    const int first = TPointList::FirstPointRow;
    if (twoPoints) {
        data.X1Text = points.Cell(TPointList::XCol, first);
        data.Y1Text = points.Cell(TPointList::YCol, first);
        data.X2Text = points.Cell(TPointList::XCol, first + 1);
        data.Y2Text = points.Cell(TPointList::YCol, first + 1);
    } else {
        data.X0Text = points.Cell(TPointList::XCol, first);
        data.Y0Text = points.Cell(TPointList::YCol, first);
    }
    return msg::None;
}
