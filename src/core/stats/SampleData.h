#pragma once
// The two forms of a sample's data and the ways between them: the variant table (value, frequency) and the
// raw values it stands for.
#include "core/stats/TXList.h"
#include "core/stats/TXYList.h"

// Sorts the variant table ascending and merges rows of equal value by adding their frequencies.
void MergeVariants(TXYList& variants);
// The variant table of an ascending raw sample: runs of equal values counted.
TXYList CountVariants(const TXList& sample);

// The step of equally spaced variants: every difference of neighbours equals the first one (within the
// rounding their texts went through), and that difference is the step. 0 when they are not equally spaced
// or there are fewer than two variants.
Real VariantStep(const TXYList& variants);

// Each variant repeated by its frequency (none for a frequency below 1).
void RepeatSample(const TXYList& variants, TXList& sample);
// A grouped table spread over its intervals of width d: a variant x of frequency f gives the values
// x - d/2 + j*d/f, j = 0..f-1, except that the very last value of the last variant is x + d/2.
void SpreadSample(const TXYList& variants, Real d, TXList& sample);

// The total of the frequencies (0 for negative ones), saturated at the largest int.
long long SampleSizeOf(const TXYList& variants);
