// Search table: an automaton with range transitions in; character classes, dense rows and the
// bytes matches begin with out.
// What always holds: ClassOf(c) of two characters is the same only when every state moves alike
// on both; class 0 is read by no state; MayStart is true for the first byte of every character
// state 0 can read (and for LF and CR under a ^ anchor), so skipping to such a byte never passes
// a start where a match begins, unless state 0 may accept before reading anything, in which case
// CanSkip is false.
#include "bmRESearchTable.h"

#include <algorithm>
#include <map>
#include <stdexcept>

#include "bmREDFA.h"
#include "bmREDecoders.h"
#include "bmWchReader.h"

namespace kiova {
namespace {

constexpr std::uint32_t kBlockSize = 256;
// A skip that stops at most bytes saves nothing.
constexpr int kMaxUsefulStartBytes = 192;
// Long enough for memmem to skip well; longer prefixes add nothing.
constexpr std::size_t kMaxLiteral = 32;

// The cuts of the alphabet: every transition's bounds, so that the characters between two
// neighbouring cuts move alike in every state.
std::vector<std::int32_t> Cuts(const TbmREDFATable& dfa) {
    std::vector<std::int32_t> cuts{0, bmreMaxCodePoint + 1};
    for (TbmREStateIndex state = 0; state < dfa.StateCount(); ++state) {
        for (const TbmRETransition& t : dfa.Transitions(state)) {
            if (t.Lo < 0) continue;  // line head and line tail are never read from the text
            cuts.push_back(t.Lo);
            cuts.push_back(t.Hi + 1);
        }
    }
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
    return cuts;
}

// The bytes of character `c` as a text of `code` holds it.
std::string CharBytes(std::int32_t c, TbmCharCode code) {
    const auto byte = [](std::int32_t value) { return static_cast<char>(value & 0xFF); };
    if (code == TbmCharCode::UniCode) return {byte(c), byte(c >> 8)};
    if (code == TbmCharCode::UTF8) return TbmUtf8Reader().CharToStr(c);
    if (c >= 256) return {byte(c >> 8), byte(c)};
    return {byte(c)};
}

}  // namespace

TbmRESearchTable::TbmRESearchTable(const TbmREDFATable& dfa, TbmCharCode code) : charCode_(code) {
    if (dfa.StateCount() >= kNoState) throw std::length_error("TbmRESearchTable: too many states");
    flags_.resize(dfa.StateCount());
    for (TbmREStateIndex state = 0; state < dfa.StateCount(); ++state) {
        flags_[state] = static_cast<std::uint8_t>(
            (dfa.Accepting(state) ? kAccepting : 0) |
            (dfa.Lookup(state, bmreLineTail) != bmreNoState ? kAcceptsAtLineTail : 0));
    }
    if (dfa.LineHead()) afterLineHead_ = static_cast<TState>(dfa.Lookup(0, bmreLineHead));
    BuildClasses(dfa);
    BuildSkip(dfa);
}

void TbmRESearchTable::BuildClasses(const TbmREDFATable& dfa) {
    const std::vector<std::int32_t> cuts = Cuts(dfa);
    const std::size_t pieces = cuts.size() - 1;  // piece i: [cuts[i], cuts[i+1])
    const std::size_t states = dfa.StateCount();

    // Each piece's column: where every state goes on it.
    std::vector<TState> columns(pieces * states, kNoState);
    for (TbmREStateIndex state = 0; state < states; ++state) {
        for (const TbmRETransition& t : dfa.Transitions(state)) {
            if (t.Lo < 0) continue;
            auto piece = static_cast<std::size_t>(std::lower_bound(cuts.begin(), cuts.end(), t.Lo) -
                                                  cuts.begin());
            for (; cuts[piece] <= t.Hi; ++piece)
                columns[piece * states + state] = static_cast<TState>(t.Target);
        }
    }

    // Pieces with equal columns share a class; the column of no transitions is class 0.
    std::map<std::vector<TState>, std::uint32_t> classOfColumn{
        {std::vector<TState>(states, kNoState), 0}};
    std::vector<std::uint32_t> pieceClasses(pieces);
    for (std::size_t piece = 0; piece < pieces; ++piece) {
        std::vector<TState> column(
            columns.begin() + static_cast<std::ptrdiff_t>(piece * states),
            columns.begin() + static_cast<std::ptrdiff_t>((piece + 1) * states));
        const auto [found, added] = classOfColumn.emplace(std::move(column), classCount_);
        if (added) ++classCount_;
        pieceClasses[piece] = found->second;
    }
    // Row-major: state * classCount_ + class.
    next_.assign(states * classCount_, kNoState);
    for (const auto& [column, charClass] : classOfColumn) {
        for (std::size_t state = 0; state < states; ++state)
            next_[state * classCount_ + charClass] = column[state];
    }

    // Byte map, then the pieces above 255 with neighbours of one class merged.
    std::size_t piece = 0;
    for (std::uint32_t c = 0; c < 256; ++c) {
        while (cuts[piece + 1] <= static_cast<std::int32_t>(c)) ++piece;
        byteClasses_[c] = pieceClasses[piece];
    }
    for (; piece < pieces; ++piece) {
        if (cuts[piece + 1] <= 256) continue;
        const std::int32_t from = std::max(cuts[piece], std::int32_t{256});
        if (!wideClasses_.empty() && wideClasses_.back() == pieceClasses[piece]) continue;
        wideStarts_.push_back(from);
        wideClasses_.push_back(pieceClasses[piece]);
    }
    // A block of 256 characters inside one class range needs no search.
    for (std::uint32_t block = 1; block < 256; ++block) {
        const auto first = static_cast<std::int32_t>(block * kBlockSize);
        const auto range = std::upper_bound(wideStarts_.begin(), wideStarts_.end(), first) - 1;
        const bool uniform = range + 1 == wideStarts_.end() ||
                             *(range + 1) >= first + static_cast<std::int32_t>(kBlockSize);
        blockClasses_[block] =
            uniform ? wideClasses_[static_cast<std::size_t>(range - wideStarts_.begin())]
                    : kMixedBlock;
    }
}

std::uint32_t TbmRESearchTable::WideClassOf(std::int32_t c) const {
    const auto range = std::upper_bound(wideStarts_.begin(), wideStarts_.end(), c) - 1;
    return wideClasses_[static_cast<std::size_t>(range - wideStarts_.begin())];
}

void TbmRESearchTable::BuildSkip(const TbmREDFATable& dfa) {
    if (Accepts(0, true)) return;  // an empty match may begin anywhere
    const auto mark = [this](std::int32_t byte) {
        startBytes_[static_cast<std::size_t>(byte)] = 1;
    };
    for (const TbmRETransition& t : dfa.Transitions(0)) {
        if (t.Lo < 0) continue;
        if (charCode_ == TbmCharCode::UniCode) {
            if (t.Hi - t.Lo >= 255) {
                startBytes_.fill(1);
            } else {
                for (std::int32_t c = t.Lo; c <= t.Hi; ++c) mark(c & 0xFF);
            }
            continue;
        }
        if (charCode_ == TbmCharCode::UTF8) {
            // Invalid bytes read as U+FFFD; otherwise a character's first byte grows with it.
            if (t.Lo <= Utf8Decoder::kReplacement && t.Hi >= Utf8Decoder::kReplacement) {
                startBytes_.fill(1);
                continue;
            }
            const auto first = [](std::int32_t c) {
                return static_cast<std::uint8_t>(TbmUtf8Reader().CharToStr(c)[0]);
            };
            for (std::int32_t b = first(t.Lo); b <= first(t.Hi); ++b) mark(b);
            continue;
        }
        for (std::int32_t c = t.Lo; c <= std::min(t.Hi, std::int32_t{255}); ++c) mark(c);
        if (charCode_ != TbmCharCode::Western && t.Hi >= 256) {
            // A double-byte character is at most 0xFFFF; the alphabet runs on for UTF-8.
            const std::int32_t hi = std::min(t.Hi, std::int32_t{0xFFFF});
            for (std::int32_t lead = std::max(t.Lo, std::int32_t{256}) >> 8; lead <= hi >> 8;
                 ++lead)
                mark(lead);
        }
    }
    if (LineHead()) {
        mark('\n');
        mark('\r');
    }
    const auto marked = std::count(startBytes_.begin(), startBytes_.end(), 1);
    canSkip_ = marked <= kMaxUsefulStartBytes;
    if (marked == 1)
        singleStartByte_ = static_cast<int>(std::find(startBytes_.begin(), startBytes_.end(), 1) -
                                            startBytes_.begin());
    if (LineHead()) return;  // a line head may start anywhere after LF or CR

    // Characters that state 0 and the states after it must read one by one, until a state may
    // accept. A double-byte character completed by the zero past the text's end is left out:
    // its bytes are not all in the text.
    TbmREStateIndex state = 0;
    while (literal_.size() < kMaxLiteral && !Accepts(static_cast<TState>(state), true)) {
        const auto transitions = dfa.Transitions(state);
        if (transitions.size() != 1 || transitions[0].Lo != transitions[0].Hi ||
            transitions[0].Lo < 0)
            break;
        const std::int32_t c = transitions[0].Lo;
        if (charCode_ == TbmCharCode::UTF8 && c == Utf8Decoder::kReplacement) break;
        if (charCode_ != TbmCharCode::Western && charCode_ != TbmCharCode::UTF8 &&
            charCode_ != TbmCharCode::UniCode && c >= 256 && (c & 0xFF) == 0)
            break;
        literal_ += CharBytes(c, charCode_);
        state = transitions[0].Target;
    }
}

}  // namespace kiova
