// One-pass search: text bytes, a start offset and a search table in; the leftmost match start and
// its longest length out.
//
// The runs that a search restarting at every character boundary would make are kept side by
// side, in the order of their starts, and all step over the same character. Two runs in the same
// state go on alike, so only the one that started earlier is kept: at most one run per state, and
// time linear in the text. Once a run accepts, runs that started later cannot win and are
// dropped, no new ones start, and the search ends when no run that started no later than the
// best is left. While no run is alive, text that no match can start in is skipped (memmem of a
// literal prefix, memchr of a single first byte, or a scan for possible first bytes), then the
// character boundary is checked.
// What always holds: the result equals that of the restarting search (position and length), and
// a match lies inside the text.
#include "bmRESearch.h"

#include <algorithm>
#include <array>
#include <memory>
#include <optional>

#include "bmREDecoders.h"
#include "bmRESearchSupport.h"

namespace kiova {
namespace {

// How runs step, through the dense rows of a search table.
class DenseSteps {
public:
    using TState = TbmRESearchTable::TState;
    using TClass = std::uint32_t;
    static constexpr TState kNone = TbmRESearchTable::kNoState;

    explicit DenseSteps(const TbmRESearchTable& table) : table_(table) {}

    std::size_t StateCount() const { return table_.StateCount(); }
    TClass ClassOf(std::int32_t c) const { return table_.ClassOf(c); }
    TState Next(TState state, TClass charClass) const { return table_.Next(state, charClass); }
    bool Accepts(TState state, bool atLineEnd) const { return table_.Accepts(state, atLineEnd); }
    bool LineHead() const { return table_.LineHead(); }
    TState AfterLineHead() const { return table_.AfterLineHead(); }
    const TbmRESearchTable* Skips() const { return table_.CanSkip() ? &table_ : nullptr; }

private:
    const TbmRESearchTable& table_;
};

// How runs step, through the range transitions of the automaton itself: no table to build, for
// texts too short to repay one.
class RangeSteps {
public:
    using TState = TbmREStateIndex;
    using TClass = std::int32_t;
    static constexpr TState kNone = bmreNoState;

    explicit RangeSteps(const TbmREDFATable& dfa) : dfa_(dfa) {}

    std::size_t StateCount() const { return dfa_.StateCount(); }
    TClass ClassOf(std::int32_t c) const { return c; }
    TState Next(TState state, TClass c) const { return dfa_.Lookup(state, c); }
    bool Accepts(TState state, bool atLineEnd) const {
        return dfa_.Accepting(state) ||
               (atLineEnd && dfa_.LineTail() && dfa_.Lookup(state, bmreLineTail) != kNone);
    }
    bool LineHead() const { return dfa_.LineHead(); }
    TState AfterLineHead() const { return dfa_.Lookup(0, bmreLineHead); }
    const TbmRESearchTable* Skips() const { return nullptr; }

private:
    const TbmREDFATable& dfa_;
};

// The live runs, in the order of their starts, with at most one per state.
template <class TState, TState kNone>
class Runs {
public:
    struct Run {
        TState state;
        int start;
    };

    explicit Runs(std::size_t states) {
        if (states > kInline) {
            heapRuns_ = std::make_unique<Run[]>(states);
            heapStamps_ = std::make_unique<std::uint32_t[]>(states);
            runs_ = heapRuns_.get();
            stamps_ = heapStamps_.get();
        }
    }

    int Count() const { return count_; }
    const Run& operator[](int i) const { return runs_[i]; }

    // Starts a run unless one in `state` is already live (that one started earlier).
    void Start(TState state, int start) {
        for (int i = 0; i < count_; ++i) {
            if (runs_[i].state == state) return;
        }
        runs_[count_++] = {state, start};
    }

    // Moves every run that started no later than `latestStart` one step on; drops dead runs and
    // later duplicates.
    template <class StepFn>
    void Step(int latestStart, StepFn next) {
        ++stamp_;
        int kept = 0;
        for (int i = 0; i < count_ && runs_[i].start <= latestStart; ++i) {
            const TState state = next(runs_[i].state);
            if (state == kNone || stamps_[state] == stamp_) continue;
            stamps_[state] = stamp_;
            runs_[kept++] = {state, runs_[i].start};
        }
        count_ = kept;
    }

private:
    static constexpr std::size_t kInline = 64;

    std::array<Run, kInline> inlineRuns_;
    std::array<std::uint32_t, kInline> inlineStamps_{};
    std::unique_ptr<Run[]> heapRuns_;
    std::unique_ptr<std::uint32_t[]> heapStamps_;
    Run* runs_ = inlineRuns_.data();
    std::uint32_t* stamps_ = inlineStamps_.data();
    std::uint32_t stamp_ = 0;
    int count_ = 0;
};

template <class Decoder, class Steps>
class Searcher {
public:
    Searcher(std::string_view text, Steps steps, Decoder decoder)
        : bytes_(reinterpret_cast<const std::uint8_t*>(text.data())),
          size_(static_cast<int>(text.size())),
          steps_(steps),
          decoder_(decoder) {}

    int Run(int start, bool lineStart, int& length) const {
        using TState = typename Steps::TState;
        Runs<TState, Steps::kNone> runs(steps_.StateCount());
        int best = -1;
        int bestLength = 0;
        const TbmRESearchTable* skips = steps_.Skips();
        std::optional<search::Skipper<Decoder>> skipper;
        if (skips) skipper.emplace(bytes_, size_, start, *skips, decoder_);
        for (int pos = start;;) {
            if (skipper && runs.Count() == 0 && !lineStart) pos = skipper->NextPossibleStart(pos);
            int next = pos;
            const std::int32_t c = decoder_.Read(bytes_, size_, next);
            if (best < 0) {
                runs.Start(0, pos);
                if (lineStart) runs.Start(steps_.AfterLineHead(), pos);
            }
            // Runs are in start order: the first that accepts has the earliest start.
            const bool atLineEnd = c < 0 || c == bmreLF || c == bmreCR;
            for (int i = 0; i < runs.Count(); ++i) {
                if (!steps_.Accepts(runs[i].state, atLineEnd)) continue;
                if (best < 0 || runs[i].start <= best) {
                    best = runs[i].start;
                    bestLength = std::min(pos, size_) - best;
                }
                break;
            }
            const typename Steps::TClass charClass = steps_.ClassOf(c);
            runs.Step(best < 0 ? size_ : best,
                      [&](TState state) { return steps_.Next(state, charClass); });
            if (c < 0 || (best >= 0 && runs.Count() == 0)) break;
            if (steps_.LineHead()) {
                int after = next;
                lineStart =
                    c == bmreLF || (c == bmreCR && decoder_.Read(bytes_, size_, after) != bmreLF);
            }
            pos = std::min(next, size_);  // a character cut off by the end ends at the end
        }
        length = best < 0 ? 0 : bestLength;
        return best;
    }

private:
    const std::uint8_t* bytes_;
    int size_;
    Steps steps_;
    Decoder decoder_;
};

template <class Steps>
int SearchIn(std::string_view text, int start, TbmCharCode code, Steps steps, int& length) {
    length = 0;
    return search::WithDecoder(
        text, start, code, steps.LineHead(), [&](auto decoder, bool lineStart) {
            return Searcher(text, steps, decoder).Run(start, lineStart, length);
        });
}

}  // namespace

int SearchDFA(std::string_view text, int start, const TbmRESearchTable& table, int& length) {
    return SearchIn(text, start, table.CharCode(), DenseSteps(table), length);
}

int SearchDFA(std::string_view text, int start, TbmCharCode code, const TbmREDFATable& dfa,
              int& length) {
    return SearchIn(text, start, code, RangeSteps(dfa), length);
}

}  // namespace kiova
