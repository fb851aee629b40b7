#include "core/formula/FormulaError.h"

TFormulaError ToFormulaError(const TCompileFault& fault, const std::string& text) {
    TFormulaError error;
    error.Reason = fault.Reason;
    // Every character starts with a byte that is not a continuation byte (10xxxxxx).
    const std::size_t end = fault.Offset < text.size() ? fault.Offset : text.size();
    for (std::size_t i = 0; i < end; ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) ++error.Position;
    return error;
}
