#include "core/base/NameIndex.h"

#include <stdexcept>

namespace {

constexpr std::size_t InitialSlots = 16;

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    return true;
}

std::uint32_t NameIndex::Hash(std::string_view name) {
    // 64-bit FNV-1a folded to 32 bits: the low bits pick the slot, so they must depend on every byte.
    std::uint64_t h = 14695981039346656037ull;
    for (const char c : name) {
        h ^= static_cast<unsigned char>(LowerAscii(c));
        h *= 1099511628211ull;
    }
    return static_cast<std::uint32_t>(h ^ (h >> 32));
}

void NameIndex::Insert(std::string_view name, std::size_t position) {
    if (position >= UINT32_MAX) throw std::length_error("NameIndex: too many names");
    if ((m_count + 1) * 2 > m_slots.size()) Grow();
    const std::uint32_t hash = Hash(name);
    const std::size_t mask = m_slots.size() - 1;
    std::size_t i = hash & mask;
    while (m_slots[i].positionPlusOne != 0)
        i = (i + 1) & mask;
    m_slots[i] = {hash, static_cast<std::uint32_t>(position + 1)};
    ++m_count;
}

void NameIndex::Clear() {
    m_slots.clear();
    m_count = 0;
}

void NameIndex::Grow() {
    std::vector<Slot> old;
    old.swap(m_slots);
    m_slots.assign(old.empty() ? InitialSlots : old.size() * 2, Slot{});
    const std::size_t mask = m_slots.size() - 1;
    for (const Slot& slot : old) {
        if (slot.positionPlusOne == 0) continue;
        std::size_t i = slot.hash & mask;
        while (m_slots[i].positionPlusOne != 0)
            i = (i + 1) & mask;
        m_slots[i] = slot;
    }
}
