#pragma once
// The document reader's way from a section's "ObjType" to an object: each kind registers the reading
// constructor of its class under its ObjType string.
//
// The built-in kinds are listed in ObjectFactory.cpp (a kind that registered itself from a static
// initializer in its own file would be dropped by the linker from the core library); a kind added later
// adds its line there, and tests or plug-ins may register more at run time.
#include <functional>
#include <memory>
#include <string>

class IniFile;
class TFn;

using TObjectReader = std::function<std::unique_ptr<TFn>(const IniFile& ini, const std::string& section)>;

// Replaces any reader registered under the same ObjType.
void RegisterObjectReader(const std::string& objType, TObjectReader reader);
bool ObjectReaderRegistered(const std::string& objType);

// The object of the given ObjType read from the section; nullptr for a type that no kind registered.
std::unique_ptr<TFn> CreateObject(const std::string& objType, const IniFile& ini, const std::string& section);
// The same with the section's own "ObjType".
std::unique_ptr<TFn> ReadObject(const IniFile& ini, const std::string& section);
