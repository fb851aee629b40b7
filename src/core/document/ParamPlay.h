#pragma once
// Playing a parameter: the track bar's position goes one step at a time from Min to Max and back again,
// turning at each end, so that the graph moves to and fro until the user stops it.

// Steps per second offered for playing, and the speed at start.
constexpr int MinPlaySpeed = 1, MaxPlaySpeed = 25, DefaultPlaySpeed = 5;

struct TPlayStep {
    int Position;
    int Dir; // +1 towards Max, -1 towards Min
};

// The next position on a track of numSteps steps: one step in the direction, which turns at 0 and at
// numSteps (a position beyond the track is brought back onto it first). A track with nothing to step stays
// at 0.
TPlayStep ParamPlayStep(int position, int dir, int numSteps);

// The timer interval, in milliseconds, of a speed in steps per second (held within the speeds offered).
int PlayInterval(int stepsPerSecond);
