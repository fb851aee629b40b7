#include "core/document/DocumentHistory.h"

#include "core/base/IniFile.h"
#include "core/objects/ObjectFactory.h"
#include "core/plot/TMasshImage.h"
#include "core/stats/TGList.h"

#include <utility>
#include <vector>

namespace {
// The sections and keys of the document file that a restore compares.
const char* const GlobalSection = "Vorn1";
const char* const LabelsSection = "Labels";
const char* const ParamsSection = "Params";
const char* const CheckedKey = "Checked";

std::string ObjSection(long long k) {
    return "Obj" + std::to_string(k);
}

// A section's keys and values as one text; skipKey left out.
std::string SectionText(const IniFile& ini, const std::string& section, const char* skipKey = nullptr) {
    std::string text;
    for (const std::string& key : ini.Keys(section)) {
        if (skipKey && key == skipKey) continue;
        text += key + '=' + ini.ReadString(section, key, "") + '\n';
    }
    return text;
}

// The object records without their check marks, in list order.
std::vector<std::string> ObjectRecords(const IniFile& ini) {
    std::vector<std::string> records;
    const long long num = ini.ReadInteger(GlobalSection, "Num", 0);
    for (long long k = 1; k <= num; ++k)
        records.push_back(SectionText(ini, ObjSection(k), CheckedKey));
    return records;
}

void RestoreGlobal(const IniFile& to, const IniFile& now, TMasshImage& image) {
    const auto differs = [&](const char* key) {
        return to.ReadString(GlobalSection, key, "") != now.ReadString(GlobalSection, key, "");
    };
    image.grXName = to.ReadString(GlobalSection, "XName", "X");
    image.grYName = to.ReadString(GlobalSection, "YName", "Y");
    if (differs("MasshAuto")) image.SetMasshAuto(to.ReadBool(GlobalSection, "MasshAuto", image.MasshAuto()));
    if (differs("MinArg") || differs("MaxArg") || differs("MinFunc") || differs("MaxFunc")) {
        const TMassh& m = image.Massh();
        image.SetMassh(
            {to.ReadFloat(GlobalSection, "MinArg", m.XMin), to.ReadFloat(GlobalSection, "MaxArg", m.XMax),
             to.ReadFloat(GlobalSection, "MinFunc", m.YMin), to.ReadFloat(GlobalSection, "MaxFunc", m.YMax)});
    }
    if (differs("Coord"))
        image.SetCoord(to.ReadInteger(GlobalSection, "Coord", 0) == 1 ? CoordType::ctPolar
                                                                      : CoordType::ctDec);
}

// The entries of the state in its order. An object whose record is unchanged is moved over from the list
// (preferring the one at the same place); the others are read from the state.
void RebuildObjects(const IniFile& to, const std::vector<std::string>& wanted,
                    const std::vector<std::string>& have, const TDocumentParts& parts) {
    TObjectList& list = parts.Doc.Objects;
    std::vector<std::unique_ptr<TFn>> old;
    for (int i = 0; i < list.Count(); ++i)
        old.push_back(std::move(list[i].Object));
    list.Clear();
    for (std::size_t k = 0; k < wanted.size(); ++k) {
        std::size_t j = k < old.size() && old[k] && have[k] == wanted[k] ? k : old.size();
        for (std::size_t i = 0; j == old.size() && i < old.size(); ++i)
            if (old[i] && have[i] == wanted[k]) j = i;
        const std::string section = ObjSection(static_cast<long long>(k) + 1);
        std::unique_ptr<TFn> object;
        if (j < old.size()) {
            object = std::move(old[j]);
        } else if ((object = ReadObject(to, section))) {
            object->CalcBounds(parts.Image);
        }
        if (object) list.Append(std::move(object), to.ReadBool(section, CheckedKey, true));
    }
    // The selections may point at objects that are about to go.
    TDocument& doc = parts.Doc;
    doc.Selection.Clear();
    doc.DrawList.Clear();
    for (const std::unique_ptr<TFn>& o : old)
        if (o) {
            doc.ShadeList.Clear();
            doc.Selection.ShadeRel = 'N';
            return;
        }
}
} // namespace

std::string DocumentText(const TDocumentParts& parts) {
    IniFile ini;
    WriteDocument(ini, parts);
    return ini.ToText();
}

void RestoreDocument(const TDocumentState& state, const TDocumentParts& parts) {
    IniFile to, now;
    to.LoadFromText(state.Text);
    WriteDocument(now, parts);
    TObjectList& list = parts.Doc.Objects;

    RestoreGlobal(to, now, parts.Image);

    const bool paramsChanged = SectionText(to, ParamsSection) != SectionText(now, ParamsSection);
    LoadParams(to);

    const std::vector<std::string> wanted = ObjectRecords(to), have = ObjectRecords(now);
    if (wanted == have) {
        for (int i = 0; i < list.Count(); ++i)
            list[i].Checked = to.ReadBool(ObjSection(i + 1), CheckedKey, true);
    } else {
        RebuildObjects(to, wanted, have, parts);
    }
    list.MarkParams();
    // Objects read above were tabulated with the state's parameters already; kept ones were not.
    if (paramsChanged) list.RecalcAll(parts.Image);

    if (SectionText(to, LabelsSection) != SectionText(now, LabelsSection)) {
        parts.Labels.Clear();
        LoadLabels(to, parts.Labels);
    }
    list.SetCurrent(state.Current);
}

TDocumentHistory::TDocumentHistory(const TDocumentParts& parts) : m_parts(parts), m_recorded(Capture()) {}

TDocumentStateRef TDocumentHistory::Capture() const {
    return std::make_shared<const TDocumentState>(
        TDocumentState{DocumentText(m_parts), m_parts.Doc.Objects.Current()});
}

std::optional<TDocumentHistory::TChange> TDocumentHistory::TakeChange() {
    TDocumentStateRef now = Capture();
    if (now->Text == m_recorded->Text) {
        if (now->Current != m_recorded->Current) m_recorded = std::move(now);
        return std::nullopt;
    }
    TChange change{m_recorded, now};
    m_recorded = std::move(now);
    return change;
}

void TDocumentHistory::Restore(const TDocumentState& state) {
    RestoreDocument(state, m_parts);
    m_recorded = Capture();
}

void TDocumentHistory::Reset() {
    m_recorded = Capture();
}
