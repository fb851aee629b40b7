#include "app/TerminalText.h"

#include <cerrno>
#include <cstring>

namespace {
constexpr char Shown = '?';

// The length of the UTF-8 sequence at text[i], 0 when none starts there (overlong forms, surrogates and
// code points beyond U+10FFFF included).
std::size_t SequenceLength(std::string_view text, std::size_t i) {
    const auto at = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char c = at(i);
    std::size_t n;
    unsigned min;
    unsigned code;
    if (c < 0x80) return 1;
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
        min = 0x80;
        code = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        min = 0x800;
        code = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        min = 0x10000;
        code = c & 0x07;
    } else {
        return 0;
    }
    if (i + n > text.size()) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        if ((at(i + k) & 0xC0) != 0x80) return 0;
        code = code << 6 | (at(i + k) & 0x3F);
    }
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    // The C1 controls U+0080..U+009F: a terminal may take them for escape sequences too.
    if (code >= 0x80 && code <= 0x9F) return 0;
    return n;
}
} // namespace

std::string TerminalSafe(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
            continue;
        }
        if (c < 0x80) {
            out += (c < 0x20 && c != '\n' && c != '\t') || c == 0x7F ? Shown : static_cast<char>(c);
            ++i;
            continue;
        }
        const std::size_t n = SequenceLength(text, i);
        if (n == 0) {
            out += Shown;
            ++i;
        } else {
            out.append(text, i, n);
            i += n;
        }
    }
    return out;
}

bool WriteWhole(std::FILE* stream, const std::string& text, std::string& error) {
    errno = 0;
    const bool ok =
        std::fwrite(text.data(), 1, text.size(), stream) == text.size() && std::fflush(stream) == 0;
    if (!ok) error = errno ? std::strerror(errno) : "write error";
    return ok;
}
