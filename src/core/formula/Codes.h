#pragma once
// The one-byte codes of token strings and evaluation programs.
#include <cstdint>

using Code = std::uint8_t;

namespace codes {
constexpr Code Zero = 0x00;       // constant entry 0, always the literal zero
constexpr Code FirstConst = 0x01; // entries 1..27 of the constant table
constexpr Code LastConst = 0x1B;
constexpr Code Pi = 0x1C;
constexpr Code ArgY = 0x1D;
constexpr Code ArgX = 0x1E;   // written "X", "T" or "F"
constexpr Code Result = 0x1F; // an intermediate result, only while compiling
constexpr Code Open = 0x20;
constexpr Code Close = 0x21;
constexpr Code Add = 0x22;
constexpr Code Sub = 0x23;
constexpr Code Mul = 0x24;
constexpr Code Div = 0x25;
constexpr Code Pow = 0x26;
constexpr Code Sin = 0x41;
constexpr Code Cos = 0x42;
constexpr Code Tg = 0x43;
constexpr Code Ctg = 0x44;
constexpr Code Asin = 0x46;
constexpr Code Acos = 0x47;
constexpr Code Atg = 0x48;
constexpr Code Actg = 0x49;
constexpr Code Exp = 0x4A;
constexpr Code Lg = 0x4B;
constexpr Code Ln = 0x4C;
constexpr Code Abs = 0x4D;
constexpr Code Sqrt = 0x4E;
constexpr Code Log = 0x4F; // never valid in a compiled formula
constexpr Code Int = 0x51;
constexpr Code Swap = 0xFF;

constexpr bool IsOperand(Code c) {
    return c <= ArgX;
}
constexpr bool IsBinary(Code c) {
    return c >= Add && c <= Pow;
}
constexpr bool IsFunction(Code c) {
    return c >= Sin && c <= Int;
}
constexpr bool IsOperation(Code c) {
    return IsBinary(c) || IsFunction(c);
}
} // namespace codes

// Number of constant-table entries; entry 0 is the zero, 1..27 numbers and parameters.
constexpr int ConstTableSize = 28;
// The compiler addresses token strings with one byte.
constexpr int MaxTokenCodes = 255;
