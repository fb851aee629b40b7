#include "core/document/ParamPlay.h"

#include <algorithm>

namespace {
constexpr int MillisecondsPerSecond = 1000;
}

TPlayStep ParamPlayStep(int position, int dir, int numSteps) {
    if (numSteps <= 0) return {0, dir < 0 ? -1 : 1};
    position = std::clamp(position, 0, numSteps);
    dir = dir < 0 ? -1 : 1;
    if ((dir > 0 && position == numSteps) || (dir < 0 && position == 0)) dir = -dir;
    return {position + dir, dir};
}

int PlayInterval(int stepsPerSecond) {
    return MillisecondsPerSecond / std::clamp(stepsPerSecond, MinPlaySpeed, MaxPlaySpeed);
}
