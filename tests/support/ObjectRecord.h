#pragma once
// A document object's record: what it writes into a section of a document, key by key. An object read back
// from a document is the one saved when it writes the same record again.
#include "core/objects/TFn.h"

#include <string>

std::string RecordText(const TFn& object, const std::string& section = "Obj1");
