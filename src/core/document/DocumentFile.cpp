#include "core/document/DocumentFile.h"

#include "core/base/IniFile.h"
#include "core/base/NameIndex.h"
#include "core/formula/ParamTable.h"
#include "core/objects/ObjectFactory.h"
#include "core/plot/TMasshImage.h"
#include "core/stats/TGList.h"

#include <algorithm>
#include <climits>
#include <string_view>
#include <vector>

const char* const DocumentExtension = "vr1";

namespace {
const char* const GlobalSection = "Vorn1";
const char* const LabelsSection = "Labels";
const char* const ParamsSection = "Params";
constexpr Real ReadDefaultStep = 1; // a [Params] entry without "h"; a new document gives 0.1

std::string ObjSection(long long k) {
    return "Obj" + std::to_string(k);
}
std::string Key(const char* name, long long i) {
    return name + std::to_string(i);
}

int Clamped(long long v) {
    return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
}
} // namespace

void WriteDocument(IniFile& ini, const TDocumentParts& parts) {
    const TObjectList& list = parts.Doc.Objects;
    const TMasshImage& image = parts.Image;
    // The order of the sections is fixed before any key is written.
    ini.AddSection(GlobalSection);
    for (int k = 1; k <= list.Count(); ++k)
        ini.AddSection(ObjSection(k));

    ini.WriteInteger(GlobalSection, "Num", list.Count());
    ini.WriteString(GlobalSection, "XName", image.grXName);
    ini.WriteString(GlobalSection, "YName", image.grYName);
    ini.WriteFloat(GlobalSection, "MinArg", image.Massh().XMin);
    ini.WriteFloat(GlobalSection, "MaxArg", image.Massh().XMax);
    ini.WriteFloat(GlobalSection, "MinFunc", image.Massh().YMin);
    ini.WriteFloat(GlobalSection, "MaxFunc", image.Massh().YMax);
    ini.WriteInteger(GlobalSection, "Coord", image.Coord() == CoordType::ctPolar ? 1 : 0);
    ini.WriteBool(GlobalSection, "MasshAuto", image.MasshAuto());
    for (int k = 1; k <= list.Count(); ++k) {
        list.Object(k - 1).Save(ini, ObjSection(k));
        ini.WriteBool(ObjSection(k), "Checked", list[k - 1].Checked);
    }

    const TGList& labels = parts.Labels;
    if (!labels.Empty()) {
        ini.WriteInteger(LabelsSection, "Num", labels.Count());
        for (int i = 0; i < labels.Count(); ++i) {
            ini.WriteFloat(LabelsSection, Key("X", i), labels.X(i));
            ini.WriteFloat(LabelsSection, Key("Y", i), labels.Y(i));
            ini.WriteString(LabelsSection, Key("S", i), labels.Text(i));
            ini.WriteBool(LabelsSection, Key("P", i), labels.PointFlag(i));
        }
    }

    list.MarkParams();
    int used = 0;
    for (int n = 1; n <= TParamTable::Count; ++n)
        used += ParamTable()[n].Used ? 1 : 0;
    if (used > 0) {
        ini.WriteInteger(ParamsSection, "Num", used);
        int k = 0;
        for (int n = 1; n <= TParamTable::Count; ++n) {
            const TParam& p = ParamTable()[n];
            if (!p.Used) continue;
            ++k;
            ini.WriteInteger(ParamsSection, Key("n", k), n);
            ini.WriteFloat(ParamsSection, Key("Value", k), p.Value);
            ini.WriteFloat(ParamsSection, Key("Min", k), p.Min);
            ini.WriteFloat(ParamsSection, Key("Max", k), p.Max);
            ini.WriteFloat(ParamsSection, Key("h", k), p.h);
        }
    }
}

bool SaveDocument(const std::string& fileName, const TDocumentParts& parts) {
    IniFile ini;
    WriteDocument(ini, parts);
    if (!ini.SaveAs(fileName)) return false;
    parts.Doc.Objects.Modified = false;
    return true;
}

namespace {

// The number k of a section or key named prefix + k (prefix matched without regard to case, k written without
// leading zeros); -1 for any other name.
long long NumberAfter(std::string_view name, std::string_view prefix) {
    if (name.size() <= prefix.size() || !EqualIgnoringAsciiCase(name.substr(0, prefix.size()), prefix))
        return -1;
    const std::string_view digits = name.substr(prefix.size());
    if (digits.size() > 15 || (digits.size() > 1 && digits.front() == '0')) return -1;
    long long k = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') return -1;
        k = k * 10 + (c - '0');
    }
    return k;
}

// The greatest number that a key of the section carries after one of the prefixes; -1 when none does. A
// count read from the file is cut to it, so a huge count costs nothing while records after a gap still count.
long long LastKeyNumber(const IniFile& ini, const char* section,
                        std::initializer_list<const char*> prefixes) {
    long long last = -1;
    for (const std::string& key : ini.Keys(section))
        for (const char* prefix : prefixes)
            last = std::max(last, NumberAfter(key, prefix));
    return last;
}

struct TReadEntry {
    std::unique_ptr<TFn> Object;
    bool Checked;
};

// The objects of sections "Obj1".."ObjNum" in the order of their numbers. A missing section, or one of a kind
// this program does not know, is skipped and the rest are read.
std::vector<TReadEntry> ReadObjects(const IniFile& ini) {
    const long long num = ini.ReadInteger(GlobalSection, "Num", 0);
    std::vector<std::pair<long long, std::string>> sections;
    for (const std::string& name : ini.Sections()) {
        const long long k = NumberAfter(name, "Obj");
        if (k >= 1 && k <= num) sections.emplace_back(k, name);
    }
    std::sort(sections.begin(), sections.end());
    std::vector<TReadEntry> entries;
    for (const auto& [k, section] : sections)
        if (std::unique_ptr<TFn> object = ReadObject(ini, section))
            entries.push_back({std::move(object), ini.ReadBool(section, "Checked", true)});
    return entries;
}

void ReadGlobalSection(const IniFile& ini, TMasshImage& image) {
    image.grXName = ini.ReadString(GlobalSection, "XName", "X");
    image.grYName = ini.ReadString(GlobalSection, "YName", "Y");
    const TMassh& now = image.Massh();
    const TMassh m{
        ini.ReadFloat(GlobalSection, "MinArg", now.XMin), ini.ReadFloat(GlobalSection, "MaxArg", now.XMax),
        ini.ReadFloat(GlobalSection, "MinFunc", now.YMin), ini.ReadFloat(GlobalSection, "MaxFunc", now.YMax)};
    const long long coord =
        ini.ReadInteger(GlobalSection, "Coord", image.Coord() == CoordType::ctPolar ? 1 : 0);
    image.SetMasshAuto(ini.ReadBool(GlobalSection, "MasshAuto", image.MasshAuto()));
    image.SetMassh(m); // refuses an empty window
    image.SetCoord(coord == 1 ? CoordType::ctPolar : CoordType::ctDec);
}

void AppendObjects(std::vector<TReadEntry> entries, const TDocumentParts& parts) {
    TObjectList& list = parts.Doc.Objects;
    for (TReadEntry& e : entries) {
        e.Object->CalcBounds(parts.Image);
        list.Append(std::move(e.Object), e.Checked);
    }
    list.MarkParams();
}

} // namespace

void LoadObjects(const IniFile& ini, const TDocumentParts& parts) {
    ReadGlobalSection(ini, parts.Image);
    AppendObjects(ReadObjects(ini), parts);
}

void LoadLabels(const IniFile& ini, TGList& labels) {
    if (!ini.SectionExists(LabelsSection)) return;
    const long long num = std::min(ini.ReadInteger(LabelsSection, "Num", 0),
                                   LastKeyNumber(ini, LabelsSection, {"X", "Y", "S", "P"}) + 1);
    for (long long i = 0; i < num; ++i)
        labels.AddLabel(
            ini.ReadFloat(LabelsSection, Key("X", i), 0), ini.ReadFloat(LabelsSection, Key("Y", i), 0),
            ini.ReadString(LabelsSection, Key("S", i), ""), ini.ReadBool(LabelsSection, Key("P", i), false));
}

void LoadParams(const IniFile& ini) {
    if (!ini.SectionExists(ParamsSection)) return;
    const long long num = std::min(ini.ReadInteger(ParamsSection, "Num", 0),
                                   LastKeyNumber(ini, ParamsSection, {"n", "Value", "Min", "Max", "h"}));
    for (long long k = 1; k <= num; ++k) {
        const long long n = ini.ReadInteger(ParamsSection, Key("n", k), 1);
        if (n < 1 || n > TParamTable::Count) continue; // not a parameter of this program
        TParam& p = ParamTable()[Clamped(n)];
        p.Value = ini.ReadFloat(ParamsSection, Key("Value", k), TParam::NewValue);
        p.Min = ini.ReadFloat(ParamsSection, Key("Min", k), TParam::NewMin);
        p.Max = ini.ReadFloat(ParamsSection, Key("Max", k), TParam::NewMax);
        p.h = ini.ReadFloat(ParamsSection, Key("h", k), ReadDefaultStep);
        p.Used = true;
    }
}

bool LoadDocument(const std::string& fileName, const TDocumentParts& parts, TReadDemand demand) {
    IniFile ini;
    if (!ini.Load(fileName)) return false;
    std::vector<TReadEntry> objects = ReadObjects(ini);
    if (objects.empty() && (demand == TReadDemand::Objects ||
                            (demand == TReadDemand::Document && !ini.SectionExists(GlobalSection))))
        return false;
    ReadGlobalSection(ini, parts.Image);
    AppendObjects(std::move(objects), parts);
    LoadLabels(ini, parts.Labels);
    LoadParams(ini);
    // The objects were tabulated before their parameters took the document's values.
    parts.Doc.Objects.RecalcAll(parts.Image);
    return true;
}
