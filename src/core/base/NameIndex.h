#pragma once
// A hash index from names to positions in an ordered list, matching names without regard to ASCII case, as
// INI section and key names are matched. It stores hashes and positions only; the list keeps the names.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b);

class NameIndex {
public:
    static constexpr std::ptrdiff_t NotFound = -1;

    // The position of the name equal to `name`, where nameAt(position) gives the listed names; NotFound if
    // none.
    template <class NameAt> std::ptrdiff_t Find(std::string_view name, const NameAt& nameAt) const;
    // The caller makes sure the name is not in the index yet.
    void Insert(std::string_view name, std::size_t position);
    void Clear();
    bool Empty() const { return m_count == 0; }

private:
    struct Slot {
        std::uint32_t hash = 0;
        std::uint32_t positionPlusOne = 0; // 0: empty slot
    };
    static std::uint32_t Hash(std::string_view name);
    void Grow();

    std::vector<Slot> m_slots; // a power of two long, kept at most half full
    std::size_t m_count = 0;
};

template <class NameAt> std::ptrdiff_t NameIndex::Find(std::string_view name, const NameAt& nameAt) const {
    if (m_slots.empty()) return NotFound;
    const std::uint32_t hash = Hash(name);
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& slot = m_slots[i];
        if (slot.positionPlusOne == 0) return NotFound;
        if (slot.hash == hash) {
            const std::size_t position = slot.positionPlusOne - 1;
            if (EqualIgnoringAsciiCase(nameAt(position), name)) return static_cast<std::ptrdiff_t>(position);
        }
    }
}
