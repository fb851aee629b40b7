#include "core/objects/ObjKind.h"

#include <array>

namespace {
const std::array<const char*, ObjKindCount> ObjTypeNames = {"Normal",  "Param", "Polar", "TwoArg",
                                                            "Polinom", "Stat",  "Lom",   "Circ"};
} // namespace

const char* ObjTypeName(ObjKind kind) {
    const int code = KindCode(kind);
    return code >= 0 && code < ObjKindCount ? ObjTypeNames[code] : "";
}

bool ObjKindOfType(const std::string& objType, ObjKind& kind) {
    for (int code = 0; code < ObjKindCount; ++code)
        if (objType == ObjTypeNames[code]) {
            kind = static_cast<ObjKind>(code);
            return true;
        }
    return false;
}
