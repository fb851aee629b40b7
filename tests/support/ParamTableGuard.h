#pragma once
// The parameter table is shared by every formula: a test that sets parameters starts and ends with the table
// of a new document, however it ends. Declare it first in a fixture so that it outlives the windows and
// objects.
#include "core/formula/ParamTable.h"

class TParamTableGuard {
public:
    TParamTableGuard() { ParamTable().ResetForNewDocument(); }
    ~TParamTableGuard() { ParamTable().ResetForNewDocument(); }
    TParamTableGuard(const TParamTableGuard&) = delete;
    TParamTableGuard& operator=(const TParamTableGuard&) = delete;
};
