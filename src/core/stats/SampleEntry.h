#pragma once
// What the sample's entry dialogs decide: the grid layouts of the three data types, building the sample
// from the grid with the checks of "Далі --->", the proposal of the interval dialog with Sturges' formula and
// its check, the plain-text data files and random data.
#include "core/base/MessageIds.h"
#include "core/objects/TFs.h"

#include <functional>
#include <string>
#include <vector>

// The data cells of a grid, row by row (no row numbers, no header).
using TGridRows = std::vector<std::vector<std::string>>;

constexpr int SampleSizeMin = 2; // "N=" of relative frequencies
constexpr int SampleSizeMax = 15000;
constexpr int SampleSizeDefault = 100;
constexpr int SampleFileTokens = 15000; // tokens read from a data file
constexpr int SampleIntervalsMin = 2;   // "K="
constexpr int SampleIntervalsMax = 50;
// More raw values than this would only exhaust the memory; such data are refused as wrongly given.
constexpr long long MaxSampleValues = 1000000;

// "X", "n" / "X", "Pn*" / one column " ".
std::vector<std::string> SampleGridHeaders(TSampleEntryType type);
int SampleGridColumns(TSampleEntryType type);

// The grid of a sample already entered, in the layout of the type: every raw value, each variant with its
// relative frequency, or each variant with its frequency (plain number texts). Empty for fewer than two
// variants.
TGridRows SampleGridRows(const TXYList& variants, const TXList& sample, TSampleEntryType type);

// Empty trailing rows go while more than one row remains (the dialog removes them from its grid too).
void TrimTrailingRows(TGridRows& rows);
bool RowIsEmpty(const std::vector<std::string>& row);

struct TSampleBuild {
    msg::Id Message = msg::None; // the refusal; msg::None when built
    std::string Detail;          // follows the message: " (0.99)" for the sum of relative frequencies
    int FailedRow = -1;          // the cell to focus, for a cell that does not compile
    int FailedColumn = -1;
    TXList Sample;         // ascending
    TXYList Variants;      // ascending, equal values merged
    Real FrequencySum = 0; // of the relative frequencies
    bool Ok() const { return Message == msg::None; }
};

// The checks and the building of "Далі --->": rows trimmed first; sampleSize is N of relative frequencies.
TSampleBuild BuildSampleFromGrid(TGridRows& rows, TSampleEntryType type, int sampleSize);

// Grouped data by intervals: the raw values spread over the intervals when the variants are equally spaced
// and were not entered one by one.
void SpreadGroupedData(TSampleBuild& build, int smodel, TSampleEntryType type);

// The interval dialog as the flow prepares it.
struct TIntervalProposal {
    Real Smallest = 0, Largest = 0; // variants
    Real D = 0;                     // step of equally spaced variants by intervals, else 0
    int N = 0;
    int VariantCount = 0;
    std::string AText, BText; // also the bounds the check proposes
    int K = SampleIntervalsMin;
    bool IntervalControls = false; // enabled in interval mode only
    bool Show = false;             // the dialog is shown, else the flow goes on as after its OK
};

TIntervalProposal ProposeInterval(const TSampleEntry& object, const TSampleBuild& build, int smodel,
                                  TSampleEntryType type);
// "Відрізок за вибіркою": the smallest variant - d/2 and the largest + d/2, as plain numbers.
void ApplySampleBounds(TIntervalProposal& p);
// "Застосувати формулу  Стерджеса": round(3.322 log10(n) + 1), halves to even, within 2..50.
int SturgesIntervals(int n);

enum class TIntervalBox { None, AEdit, BEdit };
struct TIntervalCheck {
    TIntervalBox Failed = TIntervalBox::None;
    std::string Message; // empty when accepted
    bool Ok() const { return Message.empty(); }
};
// A and B must compile and hold every variant; the message proposes the bounds given.
TIntervalCheck CheckIntervalInput(const std::string& aText, const std::string& bText, Real smallest,
                                  Real largest, const std::string& proposedA, const std::string& proposedB);

// The flow's end: the settings of the dialogs and the built data given to the object.
void TakeSampleResult(TSampleEntry& entry, TSampleBuild&& build);

// Data files: a token is a run of ( ) * + - . / 0-9 A-Z ^ a-z; anything else separates. At most maxTokens.
std::vector<std::string> DataFileTokens(const std::string& text, int maxTokens);
// Tokens into rows of the given width, left to right; the last row may be partly empty. One empty row for
// no tokens.
TGridRows TokensToRows(const std::vector<std::string>& tokens, int columns);
// One line per row, each cell followed by a blank, lines ended by CR LF.
std::string DataFileText(const TGridRows& rows);
bool ReadDataFile(const std::string& fileName, int maxTokens, int columns, TGridRows& rows);
bool WriteDataFile(const std::string& fileName, const TGridRows& rows);

// "Випадкові дані": n values A + U (B - A), U from uniform() in [0, 1), truncated toward zero for whole
// numbers; one value a row, as plain numbers.
TGridRows RandomSampleRows(int n, Real a, Real b, bool wholeNumbers, const std::function<Real()>& uniform);
