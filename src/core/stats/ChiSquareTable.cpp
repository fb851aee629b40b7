#include "core/stats/ChiSquareTable.h"

#include <cstring>

const char* const ChiSquareLevelTexts[ChiSquareLevelCount] = {
    "0.01", "0.02", "0.05", "0.1", "0.2", "0.3", "0.5", "0.7", "0.8", "0.9", "0.95", "0.98", "0.99", "0.999"};

Real ChiSquareCritical(int df, int level) {
    if (df < 1 || df > ChiSquareMaxDf || level < 1 || level > ChiSquareLevelCount) return UndefinedValue;
    return ChiSquareTableData[df - 1][level - 1];
}

int ChiSquareLevelOf(const char* text) {
    for (int j = 0; j < ChiSquareLevelCount; ++j)
        if (std::strcmp(text, ChiSquareLevelTexts[j]) == 0) return j + 1;
    return 0;
}
