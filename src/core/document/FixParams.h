#pragma once
// "Новий об'єкт з зафіксованими параметрами": a copy of the current object that no longer follows p1..p9.
#include "core/base/Real.h"

#include <string>

struct TDocument;
class TMasshImage;

// Appends, unchecked, a new object of the current object's kind whose formula texts have every parameter
// replaced by its value (FormulaWithParams) and whose range bounds are the bounds' values as FloatStr writes
// them; colour, GBuild and the kind's drawing settings are taken over (for explicit functions Points, WLine,
// ByPoints). The copy is tabulated (CalcBounds); the current entry stays current and the document's modified
// flag is left to the caller. False, with nothing appended, without a current object or for a kind that
// has no fixed form (tables, samples, broken lines).
bool FixParams(TDocument& doc, const TMasshImage& image);

// A bound's value as the text of a fixed copy: FloatStr, with the sign of a positive exponent written out
// ("1.235E+04"), because the formula language reads "1.235E04" as 1.235 followed by the word E04.
std::string FixedBoundText(Real value);
