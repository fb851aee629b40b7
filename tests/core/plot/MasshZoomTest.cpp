#include "core/plot/MasshZoom.h"

#include <gtest/gtest.h>

TEST(MasshZoom, ShrinkAndGrowAboutTheCentre) {
    EXPECT_EQ(ShrunkMassh(InitialMassh), (TMassh{-2.5L, 2.5L, -2.5L, 2.5L}));
    EXPECT_EQ(GrownMassh(InitialMassh), (TMassh{-10, 10, -10, 10}));
    EXPECT_EQ(ShrunkMassh(TMassh{0, 8, 2, 6}), (TMassh{2, 6, 3, 5}));
}
