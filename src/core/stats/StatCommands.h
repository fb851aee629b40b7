#pragma once
// The statistics commands over the selection: the frequency table of a sample, the normal density fitted to
// it (a new explicit function in the list) and Pearson's chi-square comparison of a sample with another
// sample or with a density. Each answers the lines for the answers window, or the refusal to show.
#include "core/analysis/AnswerBlock.h"
#include "core/base/MessageIds.h"
#include "core/document/TFuncs.h"

#include <string>
#include <vector>

class TFs;
class TObjectList;

// The first selected object when it is a sample.
TFs* SelectedSample(const TFuncs& selection);

// The frequency table: a header row, one row per interval (by intervals) or variant (by points), and an
// empty row at the end, 5 cells each, numbers with 4 significant digits. Empty when the first selected
// object is no sample.
std::vector<std::vector<std::string>> FrequencyTable(const TFuncs& selection);

// Appends the normal density of the first selected sample to the list as a checked entry after the others,
// with the next palette colour and the sample's range; the current entry stays and the document is
// modified. The new entry's index, or -1 when the first selected object is no sample.
int NormalDensity(const TFuncs& selection, TObjectList& list, TMasshImage& image);
// The formula of the normal density with the mean and deviation of the sample.
std::string NormalDensityFormula(const TFs& sample);

// Pearson's test, in two steps around its dialog.
struct TPearsonSetup {
    msg::Id Message = msg::None;
    std::string Detail;
    TFs* E = nullptr; // the sample
    TFn* T = nullptr; // the theory: a sample or an explicit function
    bool TIsSample = false;
    int KE = 0; // classes: intervals, or distinct variants by points
    int KT = 0; // the same of T when it is a sample
    bool Ready() const { return E && Message == msg::None; }
};
// The checks before the dialog. Not Ready and no message when the selection is not two objects, one a sample
// and the other a sample or an explicit function.
TPearsonSetup PreparePearson(const TFuncs& selection);

struct TPearsonInputs {
    int Theory = 2;           // 1: E is the theory (only when both are samples), 2: T
    int Level = 11;           // 1..14, the position in the level list plus one
    int DegreesOfFreedom = 1; // 1..30
};
// The chi-square sum N_E * sum (p - t)^2 / t over the classes.
Real PearsonChiSquare(const TFs& e, const TFn& t, bool tIsSample);
// The answer lines: title, level, degrees of freedom, the two chi-squares, the verdict, the separator.
TAnswerBlock RunPearson(const TPearsonSetup& setup, const TPearsonInputs& inputs);
