#include "core/document/ParamStepping.h"
#include "core/base/NumberText.h"
#include "core/document/ParamPlay.h"
#include "support/LongDoubleNear.h"

#include <gtest/gtest.h>

#include <limits>

namespace {
TParam Param(Real value, Real min, Real max, Real h) {
    TParam p;
    p.Value = value;
    p.Min = min;
    p.Max = max;
    p.h = h;
    return p;
}
} // namespace

TEST(ParamStepping, TypedValueOutsideTheBoundsWidensThemByHalfItsMagnitude) {
    struct Row {
        const char* Reason;
        Real OldMin, OldMax, Typed, Min, Max;
    };
    const Row rows[] = {
        {"above Max", -5, 5, 12, -5, 18},
        {"inside leaves both", -5, 5, -4, -5, 5},
        {"below Min", -5, 5, -10, -15, 5},
        {"negative above a negative Max", -5, -2, -1, -5, -0.5L},
        {"zero below a positive Min lands on Min", 1, 5, 0, 0, 5},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Reason);
        TParam p = Param(1, row.OldMin, row.OldMax, 0.1L);
        CommitParamValue(p, row.Typed);
        EXPECT_LD_NEAR(p.Value, row.Typed, 0);
        EXPECT_LD_NEAR(p.Min, row.Min, 0);
        EXPECT_LD_NEAR(p.Max, row.Max, 0);
    }
}

TEST(ParamStepping, TrackStepsAndValuesOfTheTrack) {
    // 10/0.1 is 100 steps; step 37 is -1.3 as the cell shows it.
    const TParam tenths = Param(1, -5, 5, 0.1L);
    EXPECT_EQ(ParamNumSteps(tenths), 100);
    EXPECT_EQ(ParamTrackPosition(tenths, 100), 60);
    EXPECT_EQ(PlainNumberText(ParamValueAt(tenths, 37)), "-1.3");
    EXPECT_EQ(PlainNumberText(ParamValueAt(tenths, 100)), "5");

    // 1/0.3 rounds down to 3 steps, and the last one stops short of Max.
    const TParam thirds = Param(0, 0, 1, 0.3L);
    EXPECT_EQ(ParamNumSteps(thirds), 3);
    EXPECT_EQ(PlainNumberText(ParamValueAt(thirds, 3)), "0.9");

    // Halves go to the even neighbour: 2.5 steps is 2, 3.5 is 4.
    EXPECT_EQ(ParamNumSteps(Param(0, 0, 2.5L, 1)), 2);
    EXPECT_EQ(ParamNumSteps(Param(0, 0, 3.5L, 1)), 4);
    EXPECT_EQ(ParamTrackPosition(Param(0.5L, 0, 4, 1), 4), 0);
    EXPECT_EQ(ParamTrackPosition(Param(1.5L, 0, 4, 1), 4), 2);

    // A step past Max is held at Max (a track of 4 steps with h 0.3 over 0..1 would reach 1.2).
    EXPECT_LD_NEAR(ParamValueAt(thirds, 4), 1, 0);
}

TEST(ParamStepping, DegenerateTrackHasNoStepsAndPositionZero) {
    struct Row {
        const char* Reason;
        TParam P;
    };
    const Row rows[] = {
        {"Min = Max = 0, as the bound edits leave it after Min := 0", Param(0, 0, 0, 0.1L)},
        {"Max below Min", Param(0, 1, -1, 0.1L)},
        {"a step wider than the range", Param(0, 0, 1, 10)},
        {"a step that overflows the quotient", Param(0, -1e4000L, 1e4000L, 1e-4000L)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Reason);
        const int n = ParamNumSteps(row.P);
        EXPECT_EQ(n, 0);
        EXPECT_EQ(ParamTrackPosition(row.P, n), 0);
    }
    // A huge but finite count is held within the track bar's range.
    EXPECT_EQ(ParamNumSteps(Param(0, 0, 1, 1e-30L)), std::numeric_limits<int>::max());
}

TEST(ParamStepping, BoundEditsKeepMinBelowMaxAndValueBetween) {
    struct Row {
        const char* Reason;
        bool IsMin;
        Real Typed;
        Real Value, Min, Max;
        bool ValueMoved;
    };
    const Row rows[] = {
        {"Min inside the range", true, -2, 1, -2, 5, false},
        {"Min above Value pulls Value up", true, 3, 3, 3, 5, true},
        {"Min above Max pushes Max by half of Min", true, 8, 8, 8, 12, true},
        {"Min equal to Max counts as above it", true, 5, 5, 5, 7.5L, true},
        {"Max below Value pulls Value down", false, 0.5L, 0.5L, -5, 0.5L, true},
        {"Max below Min pushes Min by half of Max", false, -8, -8, -12, -8, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Reason);
        TParam p = Param(1, -5, 5, 0.1L);
        const bool moved = row.IsMin ? SetParamMin(p, row.Typed) : SetParamMax(p, row.Typed);
        EXPECT_EQ(moved, row.ValueMoved);
        EXPECT_LD_NEAR(p.Value, row.Value, 0);
        EXPECT_LD_NEAR(p.Min, row.Min, 0);
        EXPECT_LD_NEAR(p.Max, row.Max, 0);
    }
    // Both bounds at 0: Max := 0 + |0*0.5| leaves no range, and the track must still be safe.
    TParam p = Param(0, -5, 0, 0.1L);
    SetParamMin(p, 0);
    EXPECT_LD_NEAR(p.Max, 0, 0);
    EXPECT_EQ(ParamTrackPosition(p, ParamNumSteps(p)), 0);
}

TEST(ParamStepping, StepIsStoredPositiveAndZeroIsRefused) {
    TParam p = Param(1, -5, 5, 0.1L);
    EXPECT_TRUE(SetParamStep(p, -0.5L));
    EXPECT_EQ(PlainNumberText(p.h), "0.5");
    EXPECT_FALSE(SetParamStep(p, 0));
    EXPECT_LD_NEAR(p.h, 0.5L, 0);
}

TEST(ParamStepping, StepButtonsStopAtBothEndsOfTheTrack) {
    struct Row {
        int Position, Step, NumSteps, Expected;
    };
    const Row rows[] = {
        {37, 1, 100, 38},
        {37, -1, 100, 36},
        {100, 1, 100, 100},
        {0, -1, 100, 0},
        {0, 1, 0, 0}, // a track with nothing to step
        {std::numeric_limits<int>::max(), 1, std::numeric_limits<int>::max(),
         std::numeric_limits<int>::max()},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.Position << " by " << row.Step << " of " << row.NumSteps);
        EXPECT_EQ(ParamSteppedPosition(row.Position, row.Step, row.NumSteps), row.Expected);
    }
}

TEST(ParamStepping, UnusedParametersAreKeptOrStartAgain) {
    for (TUnusedParams rule : {TUnusedParams::Keep, TUnusedParams::Reset}) {
        SCOPED_TRACE(rule == TUnusedParams::Keep ? "keep" : "reset");
        TParamTable table;
        table[1] = Param(2, -1, 3, 0.5L);
        table[1].Used = true;
        table[9] = Param(7, 0, 10, 1);
        RefreshUnusedParams(table, rule);
        EXPECT_LD_NEAR(table[1].Value, 2, 0); // in use: never touched
        EXPECT_LD_NEAR(table[1].h, 0.5L, 0);
        const bool reset = rule == TUnusedParams::Reset;
        EXPECT_LD_NEAR(table[9].Value, reset ? 1 : 7, 0);
        EXPECT_LD_NEAR(table[9].Min, reset ? -5 : 0, 0);
        EXPECT_LD_NEAR(table[9].Max, reset ? 5 : 10, 0);
        EXPECT_LD_NEAR(table[9].h, reset ? 0.1L : 1, 0);
    }
}

TEST(ParamPlay, GoesToAndFroTurningAtBothEnds) {
    const struct {
        int position, dir, numSteps;
        TPlayStep next;
    } rows[] = {
        {0, 1, 3, {1, 1}},   {2, 1, 3, {3, 1}},  {3, 1, 3, {2, -1}}, // turns at Max
        {1, -1, 3, {0, -1}}, {0, -1, 3, {1, 1}},                     // and at Min
        {9, 1, 3, {2, -1}},                                          // beyond the track: from its end
        {0, 1, 0, {0, 1}},                                           // nothing to step
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(::testing::Message() << r.position << " " << r.dir << " of " << r.numSteps);
        const TPlayStep s = ParamPlayStep(r.position, r.dir, r.numSteps);
        EXPECT_EQ(s.Position, r.next.Position);
        EXPECT_EQ(s.Dir, r.next.Dir);
    }
    EXPECT_EQ(PlayInterval(DefaultPlaySpeed), 200);
    EXPECT_EQ(PlayInterval(0), 1000);
}
