#pragma once
// The execution form of a compiled program: an expression rebuilt from the codes, constant parts folded,
// whole powers turned into products, and leaf operands fused into the operations. Every result is
// bit-identical to running the codes one by one.
#include "core/formula/Compiler.h"

#include <cstdint>
#include <vector>

class FastProgram {
public:
    // Builds the form; false when the program is not well formed (then Run gives the undefined value).
    bool Build(const Program& program, const TConstTable& consts);
    void Clear() { m_code.clear(); }

    // No allocation, no text: the innermost loop of plotting.
    Real Run(Real x, Real y) const;

    std::size_t Size() const { return m_code.size(); }
    int StackDepth() const { return m_depth; }

    // Largest stack a compiled formula can need: the token string has at most 255 codes.
    static constexpr int MaxStack = 128;

    enum Op : std::uint8_t;
    struct Instr {
        Op op;
        std::uint32_t n = 0;     // exponent of a whole power, function code
        const Real* p = nullptr; // parameter value
        Real k = 0;              // constant operand
    };

private:
    std::vector<Instr> m_code;
    int m_depth = 0;
};
