#pragma once
// "vorn1 --calc [--digits N] EXPR...": the calculator without a window.
#include "core/app/Calculator.h"

#include <string>
#include <vector>

// Runs the mode over the arguments after "--calc"; writes one line per expression to out. Returns the exit
// code.
int RunCalcMode(const std::vector<std::string>& args, std::string& out, std::string& err);
