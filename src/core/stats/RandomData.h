#pragma once
// Random data for the table dialogs: the program's one generator, seeded from the clock, and the
// Brownian-motion track of the point table.
#include "core/base/Real.h"
#include "core/document/EntryChecks.h"

#include <cstdint>
#include <random>
#include <utility>
#include <vector>

class TRandomSource {
public:
    TRandomSource(); // seeded from the clock
    explicit TRandomSource(std::uint64_t seed);
    // Uniform in [0, 1).
    Real Uniform();

private:
    std::mt19937_64 m_engine;
};

// The program's generator, seeded once from the clock.
TRandomSource& ProgramRandom();

// n positions of a walk from (0, 0): each step has the length v U1 / sqrt(rm) and the direction 2 pi U2;
// with integer set both running coordinates are truncated toward zero after every step.
std::vector<std::pair<Real, Real>> BrownianTrack(int n, Real v, Real rm, bool integer, TRandomSource& random);

// "Випадкові значення" OK: A and B must compile (A first, "Помилка у виразі!"); with checkOrder, B must be
// greater than A (the dialog's own "    A>=B!      ", reported as Failed BEdit with msg::None).
enum class TRandomBox { None, AEdit, BEdit };
struct TRandomCheck {
    TRandomBox Failed = TRandomBox::None;
    msg::Id Message = msg::None; // msg::None with Failed set: A is not below B
    bool Ok() const { return Failed == TRandomBox::None; }
};
TRandomCheck CheckRandomInput(const std::string& a, const std::string& b, bool checkOrder);
