#pragma once
// The open document's shared state: the object list and the three selections the windows and commands use.
#include "core/document/TFuncs.h"
#include "core/document/TObjectList.h"

struct TDocument {
    TObjectList Objects;
    TFuncs Selection; // refilled by every command
    TFuncs DrawList;  // the objects whose graphs are built, refilled before each redraw and automatic scale
    TFuncs ShadeList; // the objects of the last shaded G(x,y) system, shaded again by every redraw
};
