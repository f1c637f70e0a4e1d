// TbmRESearchTable: a compiled automaton laid out for searching one character code.
//
// Characters map to classes (a byte map below 256; above it, one class per 256-character block
// where the block is uniform, else a binary search of the class ranges), and each state's
// transitions sit in one dense row indexed by class, so a step is two array reads. The table
// also tells a search where a match cannot start: the bytes every match begins with (a literal
// prefix, or the set of possible first bytes), so runs of text are skipped with memchr/memmem.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "bmCharCode.h"

namespace kiova {

class TbmREDFATable;

class TbmRESearchTable {
public:
    using TState = std::uint16_t;
    static constexpr TState kNoState = 0xFFFF;

    TbmRESearchTable(const TbmREDFATable& dfa, TbmCharCode code);

    TbmCharCode CharCode() const { return charCode_; }
    std::size_t StateCount() const { return flags_.size(); }
    // Classes are 0..ClassCount()-1.
    std::uint32_t ClassCount() const { return classCount_; }

    std::uint32_t ClassOf(std::int32_t c) const {
        if (static_cast<std::uint32_t>(c) < 256) return byteClasses_[static_cast<std::size_t>(c)];
        if (c < 0) return 0;                    // the end of the text: no transition
        if (c > 0xFFFF) return WideClassOf(c);  // a UTF-8 code point past the blocks
        const std::uint32_t block = blockClasses_[static_cast<std::uint32_t>(c) >> 8 & 0xFF];
        return block != kMixedBlock ? block : WideClassOf(c);
    }
    TState Next(TState state, std::uint32_t charClass) const {
        return next_[static_cast<std::size_t>(state) * classCount_ + charClass];
    }
    // Whether a run in `state` accepts before reading a character; `atLineEnd` when that
    // character is the end of the text, LF or CR (where a $ at the end may match).
    bool Accepts(TState state, bool atLineEnd) const {
        const std::uint8_t flags = flags_[state];
        return (flags & kAccepting) != 0 || (atLineEnd && (flags & kAcceptsAtLineTail) != 0);
    }
    bool LineHead() const { return afterLineHead_ != kNoState; }
    // The state after a line head; kNoState when the pattern has no ^ anchor.
    TState AfterLineHead() const { return afterLineHead_; }

    // Starts that are not line heads need not be tried before a byte for which MayStart is true:
    // no match from state 0 can begin elsewhere (and, with a ^ anchor, LF and CR are such bytes).
    bool CanSkip() const { return canSkip_; }
    bool MayStart(std::uint8_t byte) const { return startBytes_[byte] != 0; }
    // Bytes every match from state 0 begins with (whole characters); may be empty.
    const std::string& Literal() const { return literal_; }
    // The one byte MayStart holds, or -1 when it holds several.
    int SingleStartByte() const { return singleStartByte_; }

private:
    static constexpr std::uint32_t kMixedBlock = UINT32_MAX;
    static constexpr std::uint8_t kAccepting = 1;
    static constexpr std::uint8_t kAcceptsAtLineTail = 2;

    std::uint32_t WideClassOf(std::int32_t c) const;
    void BuildClasses(const TbmREDFATable& dfa);
    void BuildSkip(const TbmREDFATable& dfa);

    TbmCharCode charCode_;
    std::uint32_t classCount_ = 1;  // class 0: characters no state reads
    std::array<std::uint32_t, 256> byteClasses_{};
    std::array<std::uint32_t, 256> blockClasses_{};  // per block of 256 characters above 255
    std::vector<std::int32_t> wideStarts_;           // ascending starts of class ranges above 255
    std::vector<std::uint32_t> wideClasses_;
    std::vector<TState> next_;  // state * classCount_ + class
    std::vector<std::uint8_t> flags_;
    TState afterLineHead_ = kNoState;
    bool canSkip_ = false;
    std::array<std::uint8_t, 256> startBytes_{};
    std::string literal_;
    int singleStartByte_ = -1;
};

}  // namespace kiova
