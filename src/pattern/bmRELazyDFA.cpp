// Lazy search: a search table and texts in; cached states of ordered run lists, match positions
// out.
// What always holds: a state's runs are those SearchDFA would hold there, in the same order, with
// the same runs marked as started together; the transition's accept bit is set exactly where
// SearchDFA sees a run accept; so the last such place is SearchDFA's match end, and the leftmost
// start of a match ending there is its match start.
#include "bmRELazyDFA.h"

#include <algorithm>
#include <optional>

#include "bmREDecoders.h"
#include "bmRESearch.h"
#include "bmRESearchSupport.h"

namespace kiova {
namespace {

// A cache flushed after fewer bytes than this per state it held is not worth filling again.
constexpr int kMinBytesPerState = 10;

constexpr std::uint32_t kStartedWithPrevious = 1;

TbmRESearchTable::TState StateOf(char32_t run) {
    return static_cast<TbmRESearchTable::TState>(run >> 1);
}

// Whether line ends matter to the pattern: a ^ anchor, or a state that accepts only at one ($).
bool ReadsLineEnds(const TbmRESearchTable& table) {
    if (table.LineHead()) return true;
    for (std::size_t state = 0; state < table.StateCount(); ++state) {
        const auto s = static_cast<TbmRESearchTable::TState>(state);
        if (table.Accepts(s, true) != table.Accepts(s, false)) return true;
    }
    return false;
}

// Whether skipping text where no match can start pays in a search: a skip costs about as much
// as stepping this many bytes, so skips that move less on average are given up.
class SkipYield {
public:
    static constexpr int kTrial = 32;
    static constexpr int kBreakEven = 16;

    bool Worthwhile() const { return skips_ < kTrial || skipped_ >= kBreakEven * skips_; }
    void Add(int skipped) {
        ++skips_;
        skipped_ += skipped;
    }

private:
    std::int64_t skips_ = 0;
    std::int64_t skipped_ = 0;
};

// No state's row: a row a loop never stops at.
constexpr std::int32_t kNoRow = -1;

// Rows fit in a transition's value with a bit to spare.
constexpr std::size_t kMaxBudget = std::size_t{1} << 28;

// A transition the byte loop leaves alone: the target's row, and whether a run accepted.
std::int32_t Special(std::int32_t row, bool accepted) {
    return -2 - (row << 1 | (accepted ? 1 : 0));
}
std::int32_t SpecialRow(std::int32_t step) {
    return (-2 - step) >> 1;
}
bool SpecialAccepts(std::int32_t step) {
    return ((-2 - step) & 1) != 0;
}

// Room for at least this many states of the widest kind, whatever budget is asked for: a state
// just added then leaves room for the two that are always there.
constexpr std::size_t kMinStates = 4;

std::size_t ForwardBudget(const TbmRESearchTable& table, std::size_t symbols, std::size_t budget) {
    const std::size_t widest =
        table.StateCount() * sizeof(char32_t) + symbols * sizeof(std::int32_t) + 256;
    return std::max(std::min(budget, kMaxBudget) / 4 * 3, kMinStates * widest);
}

}  // namespace

TbmRELazyDFA::TbmRELazyDFA(const TbmRESearchTable& table, std::size_t budget)
    : table_(table),
      lfSymbol_(table.ClassCount()),
      crSymbol_(lfSymbol_ + 1),
      crLfSymbol_(lfSymbol_ + 2),
      endSymbol_(lfSymbol_ + 3),
      slowSymbol_(lfSymbol_ + 4),
      symbolCount_(lfSymbol_ + 5),
      skips_(table.CanSkip() && table.AfterLineHead() != 0),
      cache_(symbolCount_, ForwardBudget(table, symbolCount_, budget)),
      reverse_(table, std::min(budget, kMaxBudget) / 4),
      stamps_(table.StateCount()) {
    const bool lineEnds = ReadsLineEnds(table);
    for (std::uint32_t byte = 0; byte < 256; ++byte) {
        byteSymbols_[byte] = lineEnds && byte == bmreLF   ? lfSymbol_
                             : lineEnds && byte == bmreCR ? crSymbol_
                                                          : table.ClassOf(byte);
        fastSymbols_[byte] = byteSymbols_[byte] == crSymbol_ ? slowSymbol_ : byteSymbols_[byte];
    }
    InternFixed();
}

int TbmRELazyDFA::Search(std::string_view text, int start, int& length) {
    length = 0;
    return search::WithDecoder(
        text, start, table_.CharCode(), table_.LineHead(),
        [&](auto decoder, bool lineStart) { return Run(text, start, lineStart, decoder, length); });
}

template <class Decoder>
int TbmRELazyDFA::Run(std::string_view text, int start, bool lineStart, Decoder decoder,
                      int& length) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    const auto size = static_cast<int>(text.size());
    const auto fallBack = [&] {
        ++fallBacks_;
        return SearchDFA(text, start, table_, length);
    };
    std::optional<search::Skipper<Decoder>> skipper;
    if (skips_) skipper.emplace(bytes, size, start, table_, decoder);
    SkipYield yield;
    const TIndex initial = Initial(lineStart);
    if (initial == TCache::kTooLarge) return fallBack();
    TRow row = RowOf(initial);
    std::uint64_t flushes = cache_.Flushes();
    int flushedAt = start;
    int end = -1;
    for (int pos = start;;) {
        const TRow skipRow = skipper && yield.Worthwhile() ? RowOf(plainStart_) : kNoRow;
        pos = RunCharacters(decoder, bytes, size, pos, row, skipRow);
        if (row == skipRow) {
            const int from = pos;
            pos = skipper->NextPossibleStart(pos);
            yield.Add(pos - from);
        }
        int next = pos;
        const std::int32_t c = decoder.Read(bytes, size, next);
        const std::uint32_t symbol = SymbolOf(c, decoder, bytes, size, next);
        std::int32_t step = cache_.Transitions()[row + static_cast<TRow>(symbol)];
        if (step == TCache::kUnknown) {
            const std::size_t held = cache_.StateCount();
            step = Compute(static_cast<TIndex>(row) / symbolCount_, symbol);
            if (step == TCache::kUnknown) return fallBack();
            if (cache_.Flushes() != flushes) {
                if (pos - flushedAt < kMinBytesPerState * static_cast<int>(held)) return fallBack();
                flushes = cache_.Flushes();
                flushedAt = pos;
            }
        }
        if (step >= 0) {
            row = step;
        } else {
            row = SpecialRow(step);
            if (SpecialAccepts(step)) end = pos;
        }
        if (c < 0 || row == RowOf(done_)) break;
        pos = std::min(next, size);  // a character cut off by the end ends at the end
    }
    if (end < 0) return -1;
    const int begin = reverse_.LeftmostStart(bytes, size, start, end, lineStart, decoder);
    length = end - begin;
    return begin;
}

template <class Decoder>
int TbmRELazyDFA::RunCharacters(const Decoder& decoder, const std::uint8_t* bytes, int size,
                                int pos, TRow& row, TRow stopRow) const {
    const std::int32_t* next = cache_.Transitions();
    TRow at = row;
    while (pos < size && at != stopRow) {
        int after = pos;
        const std::int32_t c = decoder.Read(bytes, size, after);
        if (after > size) break;  // cut off by the end: left to the character loop
        const std::uint32_t symbol = static_cast<std::uint32_t>(c) < 256
                                         ? fastSymbols_[static_cast<std::size_t>(c)]
                                         : table_.ClassOf(c);
        const std::int32_t step = next[at + static_cast<TRow>(symbol)];
        if (step < 0) break;
        at = step;
        pos = after;
    }
    row = at;
    return pos;
}

template <class Decoder>
std::uint32_t TbmRELazyDFA::SymbolOf(std::int32_t c, const Decoder& decoder,
                                     const std::uint8_t* bytes, int size, int next) const {
    if (static_cast<std::uint32_t>(c) >= 256) return c < 0 ? endSymbol_ : table_.ClassOf(c);
    const std::uint32_t symbol = byteSymbols_[static_cast<std::size_t>(c)];
    if (symbol != crSymbol_) return symbol;
    return decoder.Read(bytes, size, next) == bmreLF ? crLfSymbol_ : crSymbol_;
}

TbmRELazyDFA::TIndex TbmRELazyDFA::Initial(bool lineStart) {
    NextStamp();
    TKey key(1, 0);
    AppendStarts(key, lineStart);
    return Intern(std::move(key));
}

std::int32_t TbmRELazyDFA::Compute(TIndex from, std::uint32_t symbol) {
    const TKey source = cache_.KeyOf(from);  // a copy: interning may flush the cache
    const bool atLineEnd = symbol >= lfSymbol_;
    const std::uint32_t charClass = symbol < lfSymbol_     ? symbol
                                    : symbol == lfSymbol_  ? table_.ClassOf(bmreLF)
                                    : symbol == endSymbol_ ? 0
                                                           : table_.ClassOf(bmreCR);

    // The first run that accepts started earliest; runs that started after it cannot win.
    bool matched = source[0] != 0;
    bool accepted = false;
    std::size_t runs = source.size();
    for (std::size_t i = 1; i < runs; ++i) {
        if (!table_.Accepts(StateOf(source[i]), atLineEnd)) continue;
        matched = accepted = true;
        runs = i + 1;
        while (runs < source.size() && (source[runs] & kStartedWithPrevious) != 0) ++runs;
        break;
    }

    // Runs step in order; of two reaching one state the earlier stays.
    NextStamp();
    TKey key(1, matched ? 1 : 0);
    std::size_t group = 0, lastKeptGroup = SIZE_MAX;
    for (std::size_t i = 1; i < runs; ++i) {
        if ((source[i] & kStartedWithPrevious) == 0) ++group;
        const TState state = table_.Next(StateOf(source[i]), charClass);
        if (state == TbmRESearchTable::kNoState || stamps_[state] == stamp_) continue;
        stamps_[state] = stamp_;
        key.push_back(static_cast<char32_t>(state << 1 | (group == lastKeptGroup ? 1 : 0)));
        lastKeptGroup = group;
    }
    if (!matched)
        AppendStarts(key, table_.LineHead() && (symbol == lfSymbol_ || symbol == crSymbol_));

    const auto flushes = cache_.Flushes();
    const TIndex target =
        symbol == endSymbol_ || (matched && key.size() == 1) ? done_ : Intern(std::move(key));
    if (target == TCache::kTooLarge) return TCache::kUnknown;
    const bool special = accepted || target == done_;
    const std::int32_t step = special ? Special(RowOf(target), accepted) : RowOf(target);
    // A flush renumbered the states: the source's slot is gone.
    if (cache_.Flushes() == flushes) cache_.Transition(from, symbol) = step;
    return step;
}

void TbmRELazyDFA::AppendStarts(TKey& key, bool lineStart) {
    const std::size_t before = key.size();
    const auto start = [&](TState state) {
        if (stamps_[state] == stamp_) return;  // a run that started earlier is there
        stamps_[state] = stamp_;
        key.push_back(static_cast<char32_t>(state << 1 | (key.size() > before ? 1 : 0)));
    };
    start(0);
    if (lineStart) start(table_.AfterLineHead());
}

void TbmRELazyDFA::NextStamp() {
    if (++stamp_ != 0) return;
    std::fill(stamps_.begin(), stamps_.end(), 0);  // wrapped: old stamps could pass for new ones
    stamp_ = 1;
}

TbmRELazyDFA::TIndex TbmRELazyDFA::Intern(TKey key) {
    const auto flushes = cache_.Flushes();
    const TIndex index = cache_.Intern(std::move(key));
    if (cache_.Flushes() != flushes) InternFixed();
    return index;
}

void TbmRELazyDFA::InternFixed() {
    done_ = cache_.Intern(TKey(1, 1));
    plainStart_ = cache_.Intern(TKey{0, 0});
}

}  // namespace kiova
