#include "core/stats/SampleEntry.h"

#include "core/base/AtomicWrite.h"
#include "core/base/MessageTable.h"
#include "core/base/NumberText.h"
#include "core/formula/TFunc.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

namespace {
constexpr Real FrequencySumTolerance = 1e-5L;
constexpr Real SturgesFactor = 3.322L;
const char* const CheckLineBreak = "\n\r"; // between the two lines of the bounds message, as in the table

bool IsTokenChar(unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '(' ||
           c == ')' || c == '*' || c == '+' || c == '-' || c == '.' || c == '/' || c == '^';
}

class TokenReader {
public:
    TokenReader(int maxTokens) : m_max(maxTokens) {}
    // False once enough tokens were read.
    bool Take(char c) {
        if (IsTokenChar(static_cast<unsigned char>(c))) {
            m_current += c;
            return true;
        }
        return Flush();
    }
    bool Flush() {
        if (!m_current.empty()) {
            m_tokens.push_back(std::move(m_current));
            m_current.clear();
        }
        return static_cast<int>(m_tokens.size()) < m_max;
    }
    std::vector<std::string> Tokens() && { return std::move(m_tokens); }

private:
    int m_max;
    std::string m_current;
    std::vector<std::string> m_tokens;
};

Real CellValue(const std::string& text) {
    return TFunc(text).Calc(0, 0);
}

TSampleBuild Refuse(TSampleBuild& build, msg::Id message) {
    build.Message = message;
    build.Sample.Clear();
    build.Variants.Clear();
    return std::move(build);
}
} // namespace

std::vector<std::string> SampleGridHeaders(TSampleEntryType type) {
    switch (type) {
    case TSampleEntryType::RelativeFrequencies: return {"X", "Pn*"};
    case TSampleEntryType::Variants: return {" "};
    default: return {"X", "n"};
    }
}

int SampleGridColumns(TSampleEntryType type) {
    return static_cast<int>(SampleGridHeaders(type).size());
}

TGridRows SampleGridRows(const TXYList& variants, const TXList& sample, TSampleEntryType type) {
    TGridRows rows;
    if (variants.Count() <= 1) return rows;
    if (type == TSampleEntryType::Variants) {
        for (int i = 0; i < sample.Count(); ++i)
            rows.push_back({PlainNumberText(sample.NumberAt(i))});
        return rows;
    }
    const long long n = SampleSizeOf(variants);
    for (int i = 0; i < variants.Count(); ++i) {
        const Real f = variants.VariantCount(i);
        const Real shown = type == TSampleEntryType::RelativeFrequencies ? (n > 0 ? f / n : 0) : f;
        rows.push_back({PlainNumberText(variants.VariantValue(i)), PlainNumberText(shown)});
    }
    return rows;
}

bool RowIsEmpty(const std::vector<std::string>& row) {
    return std::all_of(row.begin(), row.end(), [](const std::string& cell) {
        return cell.find_first_not_of(" \t") == std::string::npos;
    });
}

void TrimTrailingRows(TGridRows& rows) {
    while (rows.size() > 1 && RowIsEmpty(rows.back()))
        rows.pop_back();
}

TSampleBuild BuildSampleFromGrid(TGridRows& rows, TSampleEntryType type, int sampleSize) {
    TSampleBuild build;
    TrimTrailingRows(rows);
    if (rows.size() <= 1) return Refuse(build, msg::SampleGridTooFewRows);
    const int columns = SampleGridColumns(type);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        for (int c = 0; c < columns; ++c)
            if (c >= static_cast<int>(rows[r].size()) || !FormulaCompiles(rows[r][c])) {
                build.FailedRow = r;
                build.FailedColumn = c;
                return Refuse(build, msg::ParamNumberError);
            }

    long long total = 0;
    for (const std::vector<std::string>& row : rows) {
        const Real x = CellValue(row[0]);
        if (IsUndefined(x)) return Refuse(build, msg::SampleGridBadData);
        if (type == TSampleEntryType::Variants) {
            if (++total > MaxSampleValues) return Refuse(build, msg::SampleGridBadData);
            build.Sample.AddNumber(x);
            continue;
        }
        const Real cell = CellValue(row[1]);
        if (IsUndefined(cell)) return Refuse(build, msg::SampleGridBadData);
        Real f = cell;
        if (type == TSampleEntryType::RelativeFrequencies) {
            build.FrequencySum += cell;
            f = sampleSize * cell;
        }
        f = std::nearbyint(f);
        // A negative frequency, or more values than memory holds, is no sample.
        if (f < 0 || total + f > MaxSampleValues) return Refuse(build, msg::SampleGridBadData);
        total += static_cast<long long>(f);
        build.Variants.AddVariant(static_cast<std::int32_t>(f), x);
        for (long long j = 0; j < static_cast<long long>(f); ++j)
            build.Sample.AddNumber(x);
    }
    build.Sample.Sort();
    if (type == TSampleEntryType::Variants) build.Variants = CountVariants(build.Sample);
    MergeVariants(build.Variants);

    if (build.Sample.Empty()) return Refuse(build, msg::SampleGridTooFewData);
    if (build.Sample.Count() < 2) return Refuse(build, msg::SampleGridTooFewValues);
    const Real s = build.FrequencySum;
    if (type == TSampleEntryType::RelativeFrequencies && s != 0 && std::fabs(s - 1) > FrequencySumTolerance) {
        build.Detail = " (" + FloatStr(s) + ")";
        return Refuse(build, msg::SampleGridFrequencySum);
    }
    return build;
}

void SpreadGroupedData(TSampleBuild& build, int smodel, TSampleEntryType type) {
    if (smodel != SampleByIntervals || type == TSampleEntryType::Variants) return;
    const Real d = VariantStep(build.Variants);
    if (d != 0) SpreadSample(build.Variants, d, build.Sample);
}

TIntervalProposal ProposeInterval(const TSampleEntry& object, const TSampleBuild& build, int smodel,
                                  TSampleEntryType type) {
    TIntervalProposal p;
    const TXYList& v = build.Variants;
    p.VariantCount = v.Count();
    p.N = build.Sample.Count();
    if (p.VariantCount > 0) {
        p.Smallest = v.VariantValue(0);
        p.Largest = v.VariantValue(p.VariantCount - 1);
    }
    const bool byIntervals = smodel == SampleByIntervals;
    p.D = byIntervals ? VariantStep(v) : 0;
    p.IntervalControls = byIntervals;
    Real a = p.Smallest, b = p.Largest;
    p.AText = PlainNumberText(a);
    p.BText = PlainNumberText(b);
    if (byIntervals) {
        // The object's bounds stay as typed unless a variant lies outside them.
        const Real objectA = CellValue(object.AText), objectB = CellValue(object.BText);
        if (!IsUndefined(objectA) && objectA <= p.Smallest) {
            a = objectA;
            p.AText = object.AText;
        }
        if (!IsUndefined(objectB) && objectB >= p.Largest) {
            b = objectB;
            p.BText = object.BText;
        }
    }
    if (a == b || (byIntervals && type != TSampleEntryType::Variants)) ApplySampleBounds(p);
    const int k =
        byIntervals && type == TSampleEntryType::Variants && object.K > 0 ? object.K : p.VariantCount;
    p.K = std::clamp(k, SampleIntervalsMin, SampleIntervalsMax);
    p.Show = byIntervals && (type == TSampleEntryType::Variants || p.D == 0);
    return p;
}

void ApplySampleBounds(TIntervalProposal& p) {
    p.AText = PlainNumberText(p.Smallest - p.D / 2);
    p.BText = PlainNumberText(p.Largest + p.D / 2);
}

int SturgesIntervals(int n) {
    if (n < 1) return SampleIntervalsMin;
    const Real k = std::nearbyint(SturgesFactor * std::log10(static_cast<Real>(n)) + 1);
    return static_cast<int>(std::clamp<Real>(k, SampleIntervalsMin, SampleIntervalsMax));
}

TIntervalCheck CheckIntervalInput(const std::string& aText, const std::string& bText, Real smallest,
                                  Real largest, const std::string& proposedA, const std::string& proposedB) {
    TIntervalCheck check;
    for (const auto& [text, box] :
         {std::pair{&aText, TIntervalBox::AEdit}, std::pair{&bText, TIntervalBox::BEdit}})
        if (!FormulaCompiles(*text)) {
            check.Failed = box;
            check.Message = Msg(msg::SampleBoundsExpressionError);
            return check;
        }
    const Real a = CellValue(aText), b = CellValue(bText);
    // A bound without a value holds nothing either.
    if (!(a <= smallest) || !(b >= largest) || IsUndefined(a) || IsUndefined(b)) {
        check.Failed = TIntervalBox::AEdit;
        check.Message = Msg(msg::SampleAAboveSmallest) + proposedA + "," + CheckLineBreak +
                        Msg(msg::SampleBBelowLargest) + proposedB;
    }
    return check;
}

void TakeSampleResult(TSampleEntry& entry, TSampleBuild&& build) {
    entry.Sample = std::move(build.Sample);
    entry.Variants = std::move(build.Variants);
}

std::vector<std::string> DataFileTokens(const std::string& text, int maxTokens) {
    TokenReader reader(maxTokens);
    for (char c : text)
        if (!reader.Take(c)) return std::move(reader).Tokens();
    reader.Flush();
    return std::move(reader).Tokens();
}

TGridRows TokensToRows(const std::vector<std::string>& tokens, int columns) {
    TGridRows rows;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (i % columns == 0) rows.emplace_back(columns);
        rows.back()[i % columns] = tokens[i];
    }
    if (rows.empty()) rows.emplace_back(columns);
    return rows;
}

std::string DataFileText(const TGridRows& rows) {
    std::string text;
    for (const std::vector<std::string>& row : rows) {
        for (const std::string& cell : row)
            text += cell + " ";
        text += "\r\n";
    }
    return text;
}

bool ReadDataFile(const std::string& fileName, int maxTokens, int columns, TGridRows& rows) {
    std::ifstream in(fileName, std::ios::binary);
    if (!in) return false;
    TokenReader reader(maxTokens);
    bool more = true;
    for (char c; more && in.get(c);)
        more = reader.Take(c);
    if (more) reader.Flush();
    if (in.bad()) return false;
    rows = TokensToRows(std::move(reader).Tokens(), columns);
    return true;
}

bool WriteDataFile(const std::string& fileName, const TGridRows& rows) {
    return WriteFileAtomically(fileName, DataFileText(rows));
}

TGridRows RandomSampleRows(int n, Real a, Real b, bool wholeNumbers, const std::function<Real()>& uniform) {
    TGridRows rows;
    for (int i = 0; i < n; ++i) {
        Real x = a + uniform() * (b - a);
        if (wholeNumbers) x = std::trunc(x);
        rows.push_back({PlainNumberText(x)});
    }
    return rows;
}
