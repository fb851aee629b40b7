#pragma once
// The content of the circle dialog "Коло" and the checks it makes, so that the dialog itself only shows
// and reads them. Page 0 defines the circle by its centre and radius, page 1 by its centre and a point on it.
#include "core/base/MessageIds.h"
#include "core/plot/Colors.h"

#include <string>
#include <vector>

class TPointList;

constexpr int CirclePageRadius = 0;
constexpr int CirclePagePoint = 1;

struct TCircleData {
    // Page 0: X0ComboBox0, Y0ComboBox0, RComboBox0.
    std::string X0Text = "0";
    std::string Y0Text = "0";
    std::string RText = "1";
    // Page 1: X0ComboBox, Y0ComboBox (the centre), X1ComboBox, Y1ComboBox (the point on the circle).
    std::string X1Text = "0";
    std::string Y1Text = "0";
    std::string X2Text = "1";
    std::string Y2Text = "0";
    // The page shown; after OK the page whose OK confirmed.
    int DataPage = CirclePageRadius;
    bool GBuild = true; // "Будувати графік"
    int WLine = 1;      // "Товщина лінії", 1..4
    // As in the shared entry dialog: the grid selects this colour's palette cell, if it has one.
    TColor Color = clBlack;
};

// The boxes of the dialog in creation order, page 0 first.
enum class TCircleBox {
    None,
    X0ComboBox0,
    Y0ComboBox0,
    RComboBox0,
    X0ComboBox,
    Y0ComboBox,
    X1ComboBox,
    Y1ComboBox
};

struct TCircleCheck {
    TCircleBox Failed = TCircleBox::None; // the box to focus
    msg::Id Message = msg::None;          // the message to show
    std::vector<TCircleBox> Passed;       // boxes whose texts join their histories, in checking order
    bool Ok() const { return Message == msg::None; }
};

// The boxes of a page, in checking order.
std::vector<TCircleBox> CircleBoxes(int page);
const std::string& CircleBoxText(const TCircleData& data, TCircleBox box);
std::string& CircleBoxText(TCircleData& data, TCircleBox box);

// OK on a page: every box of that page must compile, in creation order; the first that does not is refused.
TCircleCheck CheckNewCircle(const TCircleData& data, int page);

// "Вибір центра кола з екрану" / "Вибір точок з екрану": the first marked point (page 0) or the first two
// (page 1) as the user sees them in the point list go into the centre (and point) boxes. With fewer points
// the boxes stay and the answer is the message to show; msg::None when taken.
msg::Id TakePickedPoints(TCircleData& data, int page, const TPointList& points);
