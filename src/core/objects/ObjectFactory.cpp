#include "core/objects/ObjectFactory.h"

#include "core/base/IniFile.h"
#include "core/objects/ObjKind.h"
#include "core/objects/TFc.h"
#include "core/objects/TFf.h"
#include "core/objects/TFg.h"
#include "core/objects/TFn.h"
#include "core/objects/TFp.h"
#include "core/objects/TFs.h"

#include <map>

namespace {
template <typename Kind> TObjectReader ReaderOf() {
    return [](const IniFile& ini, const std::string& section) -> std::unique_ptr<TFn> {
        return std::make_unique<Kind>(ini, section);
    };
}

// ObjType strings are matched exactly, as the program writes them.
std::map<std::string, TObjectReader>& Readers() {
    static std::map<std::string, TObjectReader> readers = {
        {ObjTypeName(ObjKind::Explicit), ReaderOf<TFn>()},
        {ObjTypeName(ObjKind::Parametric), ReaderOf<TFp>()},
        {ObjTypeName(ObjKind::Polar), ReaderOf<TFf>()},
        {ObjTypeName(ObjKind::Implicit), ReaderOf<TFg>()},
        {ObjTypeName(ObjKind::Circle), ReaderOf<TFc>()},
        // A sample whose variants cannot be read is not made up from the rest.
        {ObjTypeName(ObjKind::Sample),
         [](const IniFile& ini, const std::string& section) -> std::unique_ptr<TFn> {
             auto sample = std::make_unique<TFs>(ini, section);
             if (!sample->Readable()) return nullptr;
             return sample;
         }},
    };
    return readers;
}
} // namespace

void RegisterObjectReader(const std::string& objType, TObjectReader reader) {
    Readers()[objType] = std::move(reader);
}

bool ObjectReaderRegistered(const std::string& objType) {
    const auto it = Readers().find(objType);
    return it != Readers().end() && it->second;
}

std::unique_ptr<TFn> CreateObject(const std::string& objType, const IniFile& ini,
                                  const std::string& section) {
    const auto it = Readers().find(objType);
    if (it == Readers().end() || !it->second) return nullptr;
    return it->second(ini, section);
}

std::unique_ptr<TFn> ReadObject(const IniFile& ini, const std::string& section) {
    return CreateObject(ini.ReadString(section, "ObjType", ""), ini, section);
}
