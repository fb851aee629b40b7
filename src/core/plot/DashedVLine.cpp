#include "core/plot/DashedVLine.h"

#include <algorithm>

namespace {
constexpr int DashPeriod = 8;
constexpr int DashOn = 4;
} // namespace

void DashedVLine(TCanvas& canvas, int column, int row1, int row2, TColor color) {
    for (int row = std::min(row1, row2), last = std::max(row1, row2); row <= last; ++row)
        if (((row % DashPeriod) + DashPeriod) % DashPeriod < DashOn) canvas.SetPixel(column, row, color);
}
