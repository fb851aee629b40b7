#pragma once
// Runs an evaluation program code by code, exactly as compiled: the reference for the fast form.
#include "core/formula/Compiler.h"

Real EvaluatePlain(const Program& program, const TConstTable& consts, Real x, Real y);
