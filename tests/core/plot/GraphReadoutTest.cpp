#include "core/plot/GraphReadout.h"
#include "core/plot/TMasshImage.h"

#include <gtest/gtest.h>

TEST(GraphReadout, CartesianOrPolarWithTheAngleInDegrees) {
    TMasshImage image;
    image.SetSize(400, 400); // 40 pixels a unit, the origin at (200, 200)
    struct Row {
        CoordType coord;
        TPoint p;
        const char* text;
    } rows[] = {
        {CoordType::ctDec, {240, 160}, "X=1  Y=1"},
        {CoordType::ctDec, {0, 400}, "X=-5  Y=-5"},
        {CoordType::ctPolar, {240, 160}, "R=1.414  F=0.7854 (45°)"},
        {CoordType::ctPolar, {160, 240}, "R=1.414  F=3.927 (225°)"},
        {CoordType::ctPolar, {200, 200}, "R=0  F=0 (0°)"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text);
        image.SetCoord(r.coord);
        EXPECT_EQ(CoordReadout(image, r.p), r.text);
    }
    EXPECT_EQ(MasshTopText({-2.5L, 10, 0.125L, 7}), "MinX=-2.5  MaxY=7");
    EXPECT_EQ(MasshBotText({-2.5L, 10, 0.125L, 7}), "MinY=0.125  MaxX=10");
}
