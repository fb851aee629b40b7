#pragma once
// The chi-square critical values Pearson's test compares against: 1..30 degrees of freedom at the 14
// cumulative probabilities the Pearson dialog offers, as the printed tables give them.
#include "core/base/Real.h"

constexpr int ChiSquareMaxDf = 30;
constexpr int ChiSquareLevelCount = 14;

// "0.01", "0.02", "0.05", "0.1", "0.2", "0.3", "0.5", "0.7", "0.8", "0.9", "0.95", "0.98", "0.99", "0.999".
extern const char* const ChiSquareLevelTexts[ChiSquareLevelCount];
// The level the dialog selects each time it is shown: "0.95", level 11.
constexpr int ChiSquareDefaultLevel = 11;

// Generated data (ChiSquareTableData.cpp): row df - 1, column level - 1.
extern const Real ChiSquareTableData[ChiSquareMaxDf][ChiSquareLevelCount];

// The value for df degrees of freedom (1..30) at level 1..14 (the position in the list above plus one);
// UndefinedValue outside the table.
Real ChiSquareCritical(int df, int level);
// The level whose text is given ("0.95" -> 11); 0 for a text that is none of them.
int ChiSquareLevelOf(const char* text);
