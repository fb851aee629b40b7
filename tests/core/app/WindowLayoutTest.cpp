#include "core/app/WindowLayout.h"

#include <gtest/gtest.h>

#include <ostream>

static std::ostream& operator<<(std::ostream& s, const TWinRect& r) {
    return s << "(" << r.Left << ", " << r.Top << ", " << r.Width << " x " << r.Height << ")";
}

TEST(WindowLayout, StandardArrangementFillsTheClientArea) {
    const TWindowLayout l = ArrangeWindows(795, 506, InitialLayout());
    EXPECT_EQ(l.Graph, (TWinRect{0, 0, 795 - 326 - 29, 500}));
    EXPECT_EQ(l.ObjList, (TWinRect{440, 0, 326, 333}));
    EXPECT_EQ(l.Answers, (TWinRect{440, 333, 326, 167}));
}

TEST(WindowLayout, ResizedGraphKeepsItsWidthAndTheOthersFollow) {
    TWindowLayout current = InitialLayout();
    current.Graph.Width = 500;
    const TWindowLayout l = AutoArrange(900, 606, current, {true, false, false});
    EXPECT_EQ(l.Graph, (TWinRect{0, 0, 500, 600}));
    EXPECT_EQ(l.ObjList, (TWinRect{500, 0, 900 - 500 - 29, 333}));
    EXPECT_EQ(l.Answers, (TWinRect{500, 333, 900 - 500 - 29, 600 - 333}));
}

TEST(WindowLayout, ResizedAnswersKeepTheirSize) {
    TWindowLayout current = InitialLayout();
    current.Answers.Width = 300;
    current.Answers.Height = 200;
    const TWindowLayout l = AutoArrange(795, 506, current, {false, false, true});
    EXPECT_EQ(l.Graph, (TWinRect{0, 0, 795 - 300 - 29, 500}));
    EXPECT_EQ(l.ObjList, (TWinRect{466, 0, 326, 300}));
    EXPECT_EQ(l.Answers, (TWinRect{466, 300, 300, 200}));
}

TEST(WindowLayout, ResizedObjectListGivesTheStandardArrangement) {
    TWindowLayout current = InitialLayout();
    current.ObjList.Width = 250;
    EXPECT_EQ(AutoArrange(795, 506, current, {false, true, false}), ArrangeWindows(795, 506, current));
    EXPECT_EQ(AutoArrange(795, 506, current, {}), ArrangeWindows(795, 506, current));
}
