// TbmRECharHashSet: the characters of a text, folded into 4,096 one-bit slots, for quick
// "cannot match" tests before a search (see TbmREMatchFilter).
//
// In: character values (0..0xFFFF). Out: whether a slot is taken.
// What always holds: a character that was added has its slot taken, so a free slot proves that
// none of its characters was added. A taken slot only means "perhaps": characters share slots.
#pragma once

#include <array>
#include <cstdint>

namespace kiova {

class TbmRECharHashSet {
public:
    using TSlot = std::uint16_t;
    static constexpr int kSlotBits = 12;

    // Multiplicative hashing: neighbouring values (the kana of one lead byte) spread out.
    static TSlot SlotOf(std::int32_t c) {
        return static_cast<TSlot>((static_cast<std::uint32_t>(c) * 0x9E3779B1u) >>
                                  (32 - kSlotBits));
    }

    void Add(std::int32_t c) {
        const TSlot slot = SlotOf(c);
        words_[slot / 64] |= std::uint64_t{1} << (slot % 64);
    }
    bool Taken(TSlot slot) const { return (words_[slot / 64] >> (slot % 64) & 1) != 0; }

private:
    std::array<std::uint64_t, (1 << kSlotBits) / 64> words_{};
};

}  // namespace kiova
