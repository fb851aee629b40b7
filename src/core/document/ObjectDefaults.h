#pragma once
// What "Створити" starts the entry dialog with: a new object of the chosen kind carrying the given colour
// and the kind's default formulas and ranges.
#include "core/objects/ObjKind.h"
#include "core/plot/Colors.h"

#include <memory>

class TFn;

// nullptr for a kind whose class the program does not have yet.
std::unique_ptr<TFn> CreateDefaultObject(ObjKind kind, TColor color);
// Whether CreateDefaultObject makes an object of that kind (the kind selector offers only those).
bool CanCreateObject(ObjKind kind);
