#include "ObjectRecord.h"

#include "core/base/IniFile.h"

std::string RecordText(const TFn& object, const std::string& section) {
    IniFile ini;
    object.Save(ini, section);
    return ini.ToText();
}
