#include "app/PictureFile.h"

#include <QFileInfo>

#include <vector>

namespace {

enum class TSizeText { Good, Malformed, OutOfRange };

TSizeText ParseSize(const std::string& text, int& w, int& h) {
    const std::size_t x = text.find_first_of("xX");
    if (x == std::string::npos || x == 0 || x + 1 >= text.size()) return TSizeText::Malformed;
    const std::string a = text.substr(0, x), b = text.substr(x + 1);
    if (a.find_first_not_of("0123456789") != std::string::npos ||
        b.find_first_not_of("0123456789") != std::string::npos)
        return TSizeText::Malformed;
    // Long digit strings are out of range, not numbers to convert.
    if (a.size() > 6 || b.size() > 6) return TSizeText::OutOfRange;
    w = std::stoi(a);
    h = std::stoi(b);
    const auto inRange = [](int side) { return side >= MinExportSide && side <= MaxExportSide; };
    return inRange(w) && inRange(h) ? TSizeText::Good : TSizeText::OutOfRange;
}

QString Suffix(const std::string& name) {
    return QFileInfo(QString::fromStdString(name)).suffix().toLower();
}

} // namespace

bool TakeSizeOption(const std::vector<std::string>& args, std::size_t& i, int& width, int& height,
                    std::string& err) {
    if (i >= args.size() || args[i] != "--size") return true;
    const TSizeText size = i + 1 < args.size() ? ParseSize(args[i + 1], width, height) : TSizeText::Malformed;
    if (size == TSizeText::Malformed) {
        err += "vorn1: --size takes WIDTHxHEIGHT, e.g. 800x600\n";
        return false;
    }
    if (size == TSizeText::OutOfRange) {
        err += "vorn1: --size " + args[i + 1] + ": each side must be from " + std::to_string(MinExportSide) +
               " to " + std::to_string(MaxExportSide) + " pixels\n";
        return false;
    }
    i += 2;
    return true;
}

bool CheckPictureName(const std::string& name, std::string& err) {
    const QString suffix = Suffix(name);
    if (suffix == "png" || suffix == "svg" || suffix == "pdf") return true;
    err += "vorn1: the picture's name must end in .png, .svg or .pdf: " + name + "\n";
    return false;
}
