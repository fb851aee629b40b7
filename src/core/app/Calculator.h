#pragma once
// The calculator's one step: an expression in, the line its result memo gets out.
#include <string>

// The value of a constant expression as FloatStr, or the message for a text that does not compile
// ("Помилка у виразі!") or has no value ("Помилка обчислення!").
std::string CalculatorLine(const std::string& expression);
