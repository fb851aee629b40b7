#include "core/plot/MasshZoom.h"
#include "core/plot/MouseGesture.h"
#include "core/plot/TMasshImage.h"
#include "support/RecordingCanvas.h" // prints a TMassh

#include <gtest/gtest.h>

TEST(MasshZoom, ShrinkAndGrowAboutTheCentre) {
    EXPECT_EQ(ShrunkMassh(InitialMassh), (TMassh{-2.5L, 2.5L, -2.5L, 2.5L}));
    EXPECT_EQ(GrownMassh(InitialMassh), (TMassh{-10, 10, -10, 10}));
    EXPECT_EQ(ShrunkMassh(TMassh{0, 8, 2, 6}), (TMassh{2, 6, 3, 5}));
}

TEST(MasshZoom, RectangleCornersInAnyOrderAndTheWheelAboutTheMouse) {
    TMasshImage image;
    image.SetSize(400, 400);
    const TMassh spanned{-4, -2, 1, 4}; // pixels 40..120 across, 40..160 down
    EXPECT_EQ(SpannedMassh(image, {40, 40}, {120, 160}), spanned);
    EXPECT_EQ(SpannedMassh(image, {120, 160}, {40, 40}), spanned);
    EXPECT_EQ(SpannedMassh(image, {40, 160}, {120, 40}), spanned);

    struct Row {
        int notches;
        TMassh expected;
    } rows[] = {
        {0, {-5, 5, -5, 5}},
        {1, {-2, 3, -3.5L, 1.5L}}, // half the width and height, (1; -2) where it was
        {2, {-0.5L, 2, -2.75L, -0.25L}},
        {-1, {-11, 9, -8, 12}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.notches);
        EXPECT_EQ(WheelMassh(InitialMassh, 1, -2, r.notches), r.expected);
    }
}

TEST(MouseGesture, ClickUnderEightPixelsZoomFromThirtyOne) {
    struct Row {
        TPoint up;
        bool click, zoom;
    } rows[] = {
        {{100, 100}, true, false}, {{107, 93}, true, false},   {{108, 100}, false, false},
        {{100, 92}, false, false}, {{130, 131}, false, false}, {{131, 131}, false, true},
        {{69, 69}, false, true},   {{131, 200}, false, true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(::testing::Message() << r.up.x << "," << r.up.y);
        EXPECT_EQ(IsClick({100, 100}, r.up), r.click);
        EXPECT_EQ(IsZoomRect({100, 100}, r.up), r.zoom);
    }
}

TEST(MasshZoom, DraggingMovesTheWorldWithTheMouseAtTheSameScale) {
    TMasshImage image;
    image.SetSize(400, 200); // 40 pixels a unit across, 20 down
    const struct {
        TPoint from, to;
        TMassh expected;
    } rows[] = {
        {{100, 100}, {100, 100}, {-5, 5, -5, 5}},
        {{100, 100}, {140, 100}, {-6, 4, -5, 5}}, // the picture moves right: the window goes left
        {{100, 100}, {100, 120}, {-5, 5, -4, 6}}, // pixel rows grow downwards: the window goes up
        {{300, 50}, {260, 10}, {-4, 6, -7, 3}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(::testing::Message() << r.to.x << "," << r.to.y);
        const TMassh m = DraggedMassh(image, InitialMassh, r.from, r.to);
        EXPECT_EQ(m, r.expected);
    }
}

TEST(MasshZoom, EqualScaleWidensTheAxisWithMorePixelsPerUnit) {
    const struct {
        const char* what;
        TMassh m;
        int width, height;
        TMassh expected;
    } rows[] = {
        {"wide surface: x widened", {-5, 5, -5, 5}, 800, 400, {-10, 10, -5, 5}},
        {"tall surface: y widened", {-5, 5, -5, 5}, 400, 800, {-5, 5, -10, 10}},
        {"tall window on a square: x widened about its centre", {0, 2, 1, 9}, 300, 300, {-3, 5, 1, 9}},
        {"already equal", {-4, 4, -3, 3}, 400, 300, {-4, 4, -3, 3}},
        {"no pixels yet", {-5, 5, -1, 1}, 0, 0, {-5, 5, -1, 1}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        EXPECT_EQ(EqualScaleMassh(r.m, r.width, r.height), r.expected);
    }
}
