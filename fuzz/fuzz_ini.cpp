// Arbitrary bytes as INI text: reading must never crash, every typed read must return, and the written text
// must read back to the same content.
#include "core/base/IniFile.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

constexpr std::size_t ProbedSections = 4;
constexpr std::size_t ProbedKeys = 8;

void ReadEveryWay(const IniFile& ini, const std::string& section, const std::string& key) {
    volatile long long i = ini.ReadInteger(section, key, 0);
    volatile bool b = ini.ReadBool(section, key, false);
    volatile Real r = ini.ReadFloat(section, key, 0);
    volatile std::size_t s = ini.ReadString(section, key, "").size();
    (void)i, (void)b, (void)r, (void)s;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    IniFile ini;
    ini.LoadFromText(std::string(reinterpret_cast<const char*>(data), size));

    ReadEveryWay(ini, "Vorn1", "Num");
    ReadEveryWay(ini, "Obj1", "MinArg");
    const std::vector<std::string> sections = ini.Sections();
    for (std::size_t s = 0; s < sections.size() && s < ProbedSections; ++s) {
        const std::vector<std::string> keys = ini.Keys(sections[s]);
        for (std::size_t k = 0; k < keys.size() && k < ProbedKeys; ++k)
            ReadEveryWay(ini, sections[s], keys[k]);
    }

    const std::string text = ini.ToText();
    IniFile back;
    back.LoadFromText(text);
    if (back.ToText() != text) __builtin_trap();
    if (back.Sections() != sections) __builtin_trap();
    return 0;
}
