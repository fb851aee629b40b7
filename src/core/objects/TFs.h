#pragma once
// A statistical sample: the variants with their frequencies and the raw values they stand for, taken point
// by point (discrete) or by intervals of [A, B] (grouped). It is drawn as a histogram, spikes, a polygon of
// relative frequencies or the empirical distribution function F*(x), and described by its measures. In
// interval mode it is a function of x (its density), so the integral tools and Pearson's test can use it.
#include "core/objects/TFn.h"
#include "core/stats/SampleData.h"

#include <string>
#include <vector>

// How the data were entered: the layouts of the sample's data dialog.
enum class TSampleEntryType : int { None = -1, Frequencies = 0, RelativeFrequencies = 1, Variants = 2 };

// The distribution model ("Smodel").
constexpr int SampleByPoints = 0;    // "Поточковий"
constexpr int SampleByIntervals = 1; // "Поінтервальний"

// The graph type ("SGraphType").
constexpr int SampleHistogram = 0; // spikes in point mode
constexpr int SamplePolygon = 1;
constexpr int SampleDistribution = 2; // F*(x)

// The style of F*(x) in interval mode ("FxPlain").
constexpr int FxContinuous = 0; // "Неперервний"
constexpr int FxByInterval = 1; // "Поінтервальний"
constexpr int FxStepped = 2;    // "Ступінчастий"

// What the sample's entry dialogs show and give back; the object fills it and takes it over after OK.
struct TSampleEntry {
    TColor Color = clBlack;
    int GraphType = SamplePolygon; // SGraphType
    int Smodel = SampleByPoints;
    bool GBuild = true;
    bool IntRozp = false;
    std::string IntDivText = "2";
    int FxPlain = FxContinuous;
    int WLine = 1;
    int LineT = 0;
    int SampleSize = 100; // "N=" of relative frequencies
    TSampleEntryType EntryType = TSampleEntryType::None;
    std::string AText = "0", BText = "0";
    int K = 0;
    // The object's data (the grid is refilled from it); after OK, the data confirmed.
    TXYList Variants;
    TXList Sample;
};

class TFs : public TFn {
public:
    static constexpr int MaxLineStyle = 4;
    // Beyond any sample the dialogs make; a document asking for more intervals is read with this many.
    static constexpr int MaxIntervals = 10000;

    // A new sample: no data, the formula "X", A = B = 0, the argument letter "S", a polygon by points.
    explicit TFs(TColor color);
    // The record written by Save. Variants are read as numbers; Readable() tells whether every one was.
    TFs(const IniFile& ini, const std::string& section);

    void MarkParams() const override;
    void Save(IniFile& ini, const std::string& section) const override;
    void CalcBounds(const TMasshImage& image) override;
    ObjKind Kind() const override { return ObjKind::Sample; }
    std::string Caption() const override;
    std::string FormulaLine() const override;
    bool IsIntegrable() const override { return Smodel == SampleByIntervals; }
    void Draw(TMasshImage& image) override;
    bool Edit() override;
    void ShowInfo(std::vector<std::string>& lines) const override;
    void DrawIntegralArea(int mode, TMasshImage& image, Real a, Real b) const override;
    // Interval mode: the density of the interval holding x (the first interval left of A, the last right of
    // B). Point mode: the relative frequency of the variant equal to x, 0 between variants.
    Real YOf(Real x) const override;

    // The entry dialogs' view of the sample, and taking their result over.
    TSampleEntry EntryData() const;
    void TakeEntry(TSampleEntry&& entry);

    // The raw values again from the variants: each repeated by its frequency, or spread over its interval.
    void LoadSample();

    bool Readable() const { return m_readable; }

    // Stored settings.
    int Smodel = SampleByPoints;
    int K = 0; // "Srng": the number of intervals
    int SGraphType = SamplePolygon;
    TSampleEntryType StatEnterType = TSampleEntryType::None;
    int LineT = 0; // pen style 0..4
    bool IntRozp = false;
    TFunc IntDiv{"1"}; // subintervals per interval
    int FxPlain = FxContinuous;

    TXYList Variants; // (value, frequency), ascending, no duplicates
    TXList Sample;    // the raw values, ascending
    TXList Cumul;     // c_0..c_K in interval mode

    // Derived by CalcBounds.
    int N = 0;      // sample size
    Real H = 1;     // interval width (1 in point mode)
    Real M = 0;     // mean
    Real S = 0.001; // standard deviation with n - 1, never 0
    Real Mode = 0;
    Real Median = 0;
    Real Harmonic = 0;
    Real Geometric = 0;
    Real Quadratic = 0;
    Real MaxRelFrequency = 0;
    Real MaxDensity = 0;
    Real Smallest = 0;
    Real Largest = 0;

    // The count of interval i (1..K) and its density; 0 before CalcBounds.
    int IntervalCount(int i) const;
    Real Density(int i) const;
    // K limited to what CalcBounds tabulated (0 in point mode).
    int Intervals() const;

private:
    void DrawHistogram(TMasshImage& image) const;
    void DrawSpikes(TMasshImage& image) const;
    void DrawPolygon(TMasshImage& image) const;
    void DrawDistribution(TMasshImage& image) const;
    void DrawSubintervals(TMasshImage& image, const std::vector<Real>& heights) const;
    void DrawMeanMarks(TMasshImage& image) const;

    bool m_readable = true;
};
