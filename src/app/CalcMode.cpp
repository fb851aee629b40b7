#include "app/CalcMode.h"

#include "app/DocumentModes.h"

int RunCalcMode(const std::vector<std::string>& args, std::string& out, std::string& err) {
    std::size_t i = 0;
    while (i < args.size() && args[i] == "--digits")
        if (!TakeDigitsOption(args, i, err)) return 2;
    if (i == args.size()) {
        err += "vorn1: --calc needs an expression\n";
        return 2;
    }
    for (; i < args.size(); ++i)
        out += CalculatorLine(args[i]) + "\n";
    return 0;
}
