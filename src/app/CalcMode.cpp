#include "app/CalcMode.h"

#include "app/Calculator.h"
#include "base/NumberText.h"

int RunCalcMode(const std::vector<std::string>& args, std::string& out, std::string& err) {
    std::size_t i = 0;
    while (i < args.size() && args[i] == "--digits") {
        if (i + 1 >= args.size()) {
            err += "vorn1: --digits needs a number\n";
            return 2;
        }
        const std::string& n = args[i + 1];
        if (n.empty() || n.size() > 2 || n.find_first_not_of("0123456789") != std::string::npos) {
            err += "vorn1: --digits takes a number from 0 to 18, not \"" + n + "\"\n";
            return 2;
        }
        SetDigits(std::stoi(n));
        i += 2;
    }
    for (; i < args.size(); ++i)
        out += CalculatorLine(args[i]) + "\n";
    return 0;
}
