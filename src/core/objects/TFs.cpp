#include "core/objects/TFs.h"

#include "core/base/IniFile.h"
#include "core/base/MessageTable.h"
#include "core/base/NumberText.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {
constexpr Real GeometricLimit = 1e1000L; // the product stops taking factors beyond this magnitude
constexpr Real ZeroDeviation = 0.001L;   // s of equal values, and of a single value
constexpr Real MinYShare = 0.02L;        // MinY lies this share of MaxY below the axis
constexpr int MaxDimension = 65535;      // "Dimension" is a 16-bit count

int ReadInt(const IniFile& ini, const std::string& section, const std::string& key, int def) {
    return static_cast<int>(std::clamp<long long>(ini.ReadInteger(section, key, def), INT_MIN, INT_MAX));
}

TColor ReadColor(const IniFile& ini, const std::string& section) {
    return static_cast<TColor>(static_cast<unsigned long long>(ini.ReadInteger(section, "Color", 0)));
}

TSampleEntryType EntryTypeOf(int code) {
    switch (code) {
    case 0: return TSampleEntryType::Frequencies;
    case 1: return TSampleEntryType::RelativeFrequencies;
    case 2: return TSampleEntryType::Variants;
    default: return TSampleEntryType::None;
    }
}

// The number of values below x in an ascending list: the index of the first value >= x.
int CountBelow(const TXList& sample, Real x) {
    int lo = 0, hi = sample.Count();
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (sample.NumberAt(mid) < x)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo;
}
} // namespace

TFs::TFs(TColor color) : TFn("X", "0", "0", color) {
    ArgName = "S";
}

TFs::TFs(const IniFile& ini, const std::string& section)
    : TFn("X", ini.ReadString(section, "A", ""), ini.ReadString(section, "B", ""), ReadColor(ini, section)) {
    ArgName = "S";
    Smodel = ReadInt(ini, section, "Smodel", SampleByPoints) == SampleByIntervals ? SampleByIntervals
                                                                                  : SampleByPoints;
    K = std::clamp(ReadInt(ini, section, "Srng", 0), 0, MaxIntervals);
    SGraphType = ReadInt(ini, section, "SGraphType", SampleHistogram);
    const int dimension = std::clamp(ReadInt(ini, section, "Dimension", 0), 0, MaxDimension);
    StatEnterType = EntryTypeOf(ReadInt(ini, section, "StatEnterType", -1));
    WLine = std::clamp(ReadInt(ini, section, "WLine", DefaultWLine), 1, MaxWLine);
    LineT = std::clamp(ReadInt(ini, section, "LineT", 0), 0, MaxLineStyle);
    GBuild = ini.ReadBool(section, "GBuild", true);
    IntRozp = ini.ReadBool(section, "IntRozp", false);
    IntDiv = TFunc(ini.ReadString(section, "IntDiv", "1"));
    FxPlain = std::clamp(ReadInt(ini, section, "FxPlain", FxContinuous), FxContinuous, FxStepped);
    for (int k = 0; k < dimension; ++k) {
        Real x = 0;
        if (!ReadNumber(ini.ReadString(section, "X" + std::to_string(k), ""), x) || IsUndefined(x)) {
            m_readable = false;
            break;
        }
        Variants.AddVariant(ReadInt(ini, section, "k" + std::to_string(k), 0), x);
    }
    MergeVariants(Variants);
    LoadSample();
}

void TFs::LoadSample() {
    const Real d = Smodel == SampleByIntervals ? VariantStep(Variants) : 0;
    if (d != 0)
        SpreadSample(Variants, d, Sample);
    else
        RepeatSample(Variants, Sample);
}

void TFs::MarkParams() const {
    IntDiv.MarkParams();
    TFn::MarkParams();
}

void TFs::Save(IniFile& ini, const std::string& section) const {
    ini.WriteString(section, "ObjType", ObjType());
    ini.WriteInteger(section, "Color", Color);
    ini.WriteString(section, "A", RangeA.FormulaText());
    ini.WriteString(section, "B", RangeB.FormulaText());
    ini.WriteInteger(section, "Smodel", Smodel);
    ini.WriteInteger(section, "Srng", K);
    ini.WriteInteger(section, "SGraphType", SGraphType);
    const int dimension = std::min(Variants.Count(), MaxDimension);
    ini.WriteInteger(section, "Dimension", dimension);
    ini.WriteInteger(section, "StatEnterType", static_cast<int>(StatEnterType));
    ini.WriteInteger(section, "WLine", WLine);
    ini.WriteInteger(section, "LineT", LineT);
    ini.WriteBool(section, "GBuild", GBuild);
    ini.WriteBool(section, "IntRozp", IntRozp);
    ini.WriteString(section, "IntDiv", IntDiv.FormulaText());
    ini.WriteInteger(section, "FxPlain", FxPlain);
    for (int k = 0; k < dimension; ++k) {
        ini.WriteString(section, "X" + std::to_string(k), FloatStr(Variants.VariantValue(k)));
        ini.WriteInteger(section, "k" + std::to_string(k), Variants.VariantCount(k));
    }
}

int TFs::Intervals() const {
    return Smodel == SampleByIntervals ? std::max(1, std::min(K, MaxIntervals)) : 0;
}

int TFs::IntervalCount(int i) const {
    if (i < 1 || i >= Cumul.Count()) return 0;
    return Cumul.CountAt(i) - Cumul.CountAt(i - 1);
}

Real TFs::Density(int i) const {
    if (N == 0 || H <= 0) return 0;
    return IntervalCount(i) / static_cast<Real>(N) / H;
}

void TFs::CalcBounds(const TMasshImage&) {
    N = Sample.Count();
    Smallest = N > 0 ? Sample.NumberAt(0) : 0;
    Largest = N > 0 ? Sample.NumberAt(N - 1) : 0;
    const Real a = RangeA.Value(), b = RangeB.Value();
    const int k = Intervals();
    H = k > 0 ? (b - a) / k : 1;

    Real sum = 0, sum2 = 0;
    for (int i = 0; i < N; ++i) {
        const Real x = Sample.NumberAt(i);
        sum += x;
        sum2 += x * x;
    }
    int maxFrequency = 0;
    Mode = Variants.Empty() ? 0 : Variants.VariantValue(0);
    for (int i = 0; i < Variants.Count(); ++i)
        if (Variants.VariantCount(i) > maxFrequency) {
            maxFrequency = Variants.VariantCount(i); // the first of equal frequencies stays the mode
            Mode = Variants.VariantValue(i);
        }

    Cumul.Clear();
    MaxDensity = 0;
    if (k > 0) {
        Cumul.AddCount(0);
        for (int i = 1; i < k; ++i)
            Cumul.AddCount(CountBelow(Sample, a + i * H));
        Cumul.AddCount(N);
        for (int i = 1; i <= k; ++i)
            MaxDensity = std::max(MaxDensity, Density(i));
    }

    MinX = a;
    MaxX = b;
    MaxRelFrequency = N > 0 ? static_cast<Real>(maxFrequency) / N : 0;
    if (SGraphType == SampleHistogram)
        MaxY = k > 0 ? MaxDensity : MaxRelFrequency;
    else if (SGraphType == SamplePolygon)
        MaxY = MaxRelFrequency;
    else
        MaxY = 1;
    MinY = -MinYShare * MaxY;

    M = N > 0 ? sum / N : 0;
    // A single value has no spread to measure; it is shown like equal values.
    S = N > 1 ? std::sqrt(std::fabs(sum2 / (N - 1) - M * M * N / (N - 1))) : 0;
    // Equal values have no spread, whatever the rounding of the sums leaves.
    if (S == 0 || Smallest == Largest) S = ZeroDeviation;

    if (N == 0)
        Median = 0;
    else if (N % 2 == 1)
        Median = Sample.NumberAt(N / 2);
    else
        Median = (Sample.NumberAt(N / 2 - 1) + Sample.NumberAt(N / 2)) / 2;

    Real reciprocals = 0, product = 1;
    for (int i = 0; i < N; ++i) {
        const Real x = Sample.NumberAt(i);
        if (x != 0) reciprocals += 1 / x;
        if (std::fabs(product) < GeometricLimit) product *= x;
    }
    Harmonic = reciprocals != 0 ? N / reciprocals : 0;
    Geometric = N > 0 && product != 0 ? std::copysign(std::pow(std::fabs(product), 1.0L / N), product) : 0;
    Quadratic = N > 0 ? std::sqrt(sum2 / N) : 0;
}

Real TFs::YOf(Real x) const {
    if (IsUndefined(x) || N == 0) return 0;
    const int k = Intervals();
    if (k > 0) {
        if (Cumul.Count() != k + 1 || !(H > 0)) return 0;
        const Real a = RangeA.Value();
        // The first j >= 1 with A + j*h >= x, at most K.
        Real guess = std::ceil((x - a) / H);
        int j = guess < 1 ? 1 : (guess > k ? k : static_cast<int>(guess));
        while (j > 1 && a + (j - 1) * H >= x)
            --j;
        while (j < k && a + j * H < x)
            ++j;
        return Density(j);
    }
    int lo = 0, hi = Variants.Count();
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (Variants.VariantValue(mid) < x)
            lo = mid + 1;
        else
            hi = mid;
    }
    if (lo < Variants.Count() && Variants.VariantValue(lo) == x)
        return static_cast<Real>(Variants.VariantCount(lo)) / N;
    return 0;
}

std::string TFs::Caption() const {
    return Msg(msg::SampleCaption) + FloatStr(M) + ", s=" + FloatStr(S);
}

std::string TFs::FormulaLine() const {
    return Caption();
}

void TFs::ShowInfo(std::vector<std::string>& lines) const {
    lines.push_back(Msg(msg::SampleMean) + FloatStr(M));
    lines.push_back(Msg(msg::SampleDeviation) + FloatStr(S));
    if (Smodel == SampleByIntervals) {
        lines.push_back("A=" + FloatStr(RangeA.Value()));
        lines.push_back("B=" + FloatStr(RangeB.Value()));
    }
    lines.push_back(Msg(msg::SampleSize) + FloatStr(N));
    lines.push_back("MinX=" + FloatStr(Smallest) + ", " + "MaxX=" + PlainNumberText(Largest));
    if (Smodel == SampleByIntervals)
        lines.push_back(Msg(msg::SampleMedian) + FloatStr(Median));
    else
        lines.push_back(Msg(msg::SampleMode) + FloatStr(Mode));
    lines.push_back(Msg(msg::SampleHarmonicMean) + FloatStr(Harmonic));
    lines.push_back(Msg(msg::SampleGeometricMean) + FloatStr(Geometric));
    lines.push_back(Msg(msg::SampleQuadraticMean) + FloatStr(Quadratic));
}

void TFs::DrawIntegralArea(int mode, TMasshImage& image, Real a, Real b) const {
    if (SGraphType == SampleHistogram && Smodel == SampleByIntervals)
        TFn::DrawIntegralArea(mode, image, a, b);
}

TSampleEntry TFs::EntryData() const {
    TSampleEntry e;
    e.Color = Color;
    e.GraphType = SGraphType;
    e.Smodel = Smodel;
    e.GBuild = GBuild;
    e.IntRozp = IntRozp;
    e.IntDivText = IntDiv.FormulaText();
    e.FxPlain = FxPlain;
    e.WLine = WLine;
    e.LineT = LineT;
    e.SampleSize = N > 2 ? N : 100;
    e.EntryType = StatEnterType;
    e.AText = RangeA.FormulaText();
    e.BText = RangeB.FormulaText();
    e.K = K;
    e.Variants = Variants;
    e.Sample = Sample;
    return e;
}

void TFs::TakeEntry(TSampleEntry&& e) {
    Sample = std::move(e.Sample);
    Variants = std::move(e.Variants);
    IntRozp = e.IntRozp;
    IntDiv.SetFormula(e.IntDivText);
    WLine = std::clamp(e.WLine, 1, MaxWLine);
    GBuild = e.GBuild;
    FxPlain = std::clamp(e.FxPlain, FxContinuous, FxStepped);
    LineT = std::clamp(e.LineT, 0, MaxLineStyle);
    K = std::clamp(e.K, 0, MaxIntervals);
    Color = e.Color;
    Smodel = e.Smodel == SampleByIntervals ? SampleByIntervals : SampleByPoints;
    RangeA.SetFormula(e.AText);
    RangeB.SetFormula(e.BText);
    StatEnterType = e.EntryType;
    SGraphType = e.GraphType;
}

bool TFs::Edit() {
    TObjectEditor* editor = ObjectEditor();
    if (!editor) return false;
    TSampleEntry entry = EntryData();
    if (!editor->RunSample(entry)) return false;
    TakeEntry(std::move(entry));
    return true;
}
