// Pattern set: automata in; per text, the patterns whose search would find a match.
//
// A search (SearchDFA) starts a run in state 0 at every character position, and one in the state
// after a line head at every line start (the text start, after LF, after a CR not followed by
// LF); a pattern matches when one of its runs accepts, or reaches a line end where its $ may
// match. The patterns the literal prefilter takes run only from their literals' hits, each run
// starting after its literal in the state the literal led to. The set keeps all runs of all
// other patterns together:
// - runs that have just started are implicit (they depend on nothing but the position);
// - runs that have read one character depend on that character alone (and on whether a line
//   started there): they are cached per character, with where they go on the next one;
// - runs that have read two or more form the state, interned and cached with its transitions.
// A pattern whose run accepts before reading anything matches every text (an empty match at the
// start, or a $ at the end) and is reported without running. A run that enters a state looping on
// every character (but perhaps the line breaks) has nothing left to decide but whether it accepts:
// it is reported there, or parked until the next line end when only $ accepts there, or dropped;
// so `.*` tails do not make every state of a line a new one.
// The cache keeps the per-character tables when it evicts states: they are costly to rebuild and
// shared by every text.
// What always holds: Match reports exactly the patterns whose search from the first byte finds a
// match, or returns false; the cache never keeps more than about the memory budget.
#include "bmRESet.h"

#include <algorithm>
#include <functional>
#include <iterator>
#include <stdexcept>
#include <unordered_map>

#include "bmREDecoders.h"
#include "bmREFlatMap.h"
#include "bmREPackedAutomata.h"
#include "bmREPrefilter.h"
#include "bmWchReader.h"

namespace kiova {
namespace {

using TState = TbmREPackedAutomata::TState;

// One pattern's automaton in one state.
struct Run {
    std::uint32_t pattern;
    TState state;

    auto operator<=>(const Run&) const = default;
};

// What the position after a character follows, for the line starts of ^.
enum class LineMark : std::uint8_t { None, TextStart, AfterLF, AfterCR };

// First steps spanning more characters than this are kept as ranges, not per character.
constexpr std::int32_t kNarrow = 16;
// What a cache entry costs beyond its contents (hash node, bookkeeping).
constexpr std::size_t kEntryBytes = 48;

template <class T>
void SortUnique(std::vector<T>& values) {
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
}

// Runs ordered by pattern become ordered by pattern and state, without duplicates: the runs of
// one pattern are few, so this is linear where a sort would not be.
void OrderWithinPatterns(std::vector<Run>& runs) {
    for (auto group = runs.begin(); group != runs.end();) {
        auto end = group + 1;
        while (end != runs.end() && end->pattern == group->pattern) ++end;
        if (end - group > 1) std::sort(group, end);
        group = end;
    }
    runs.erase(std::unique(runs.begin(), runs.end()), runs.end());
}

// The union of two lists ordered by pattern and state.
void MergeInto(std::vector<Run>& into, const std::vector<Run>& other, std::vector<Run>& scratch) {
    if (other.empty()) return;
    scratch.clear();
    std::set_union(into.begin(), into.end(), other.begin(), other.end(),
                   std::back_inserter(scratch));
    into.swap(scratch);
}

bool IsLineBreak(std::int32_t c) {
    return c == bmreLF || c == bmreCR;
}

// The first step of every pattern's runs from one kind of start (state 0, or after a line head).
class FirstSteps {
public:
    void Add(std::uint32_t pattern, const TbmREPackedAutomata& automata, TState from) {
        for (const TbmREPackedAutomata::TTransition& t : automata.Transitions(from)) {
            const Run run{pattern, t.Target};
            if (t.Hi - t.Lo >= kNarrow) {
                wide_.push_back({t.Lo, t.Hi, run});
            } else {
                for (std::int32_t c = t.Lo; c <= t.Hi; ++c) narrow_[c].push_back(run);
            }
        }
    }

    // The runs after reading `c`, ordered.
    std::vector<Run> After(std::int32_t c) const {
        std::vector<Run> runs;
        if (const auto found = narrow_.find(c); found != narrow_.end()) runs = found->second;
        for (const Wide& w : wide_) {
            if (w.lo <= c && c <= w.hi) runs.push_back(w.run);
        }
        SortUnique(runs);
        return runs;
    }

private:
    struct Wide {
        std::int32_t lo;
        std::int32_t hi;
        Run run;
    };
    std::unordered_map<std::int32_t, std::vector<Run>> narrow_;
    std::vector<Wide> wide_;
};

}  // namespace

class TbmRESet::Automaton {
public:
    Automaton(const std::vector<const TbmREDFATable*>& patterns, std::size_t memoryBudget)
        : memoryBudget_(memoryBudget),
          stamps_(patterns.size(), 0),
          parkStamps_(patterns.size(), 0) {
        for (std::uint32_t p = 0; p < patterns.size(); ++p) {
            const TbmREPackedAutomata::TEntry entry = automata_.Add(*patterns[p]);
            if (prefilter_.Add(p, automata_, entry)) continue;
            const auto [start, afterHead] = entry;
            ++unfiltered_;
            if (automata_.Accepts(start, true) ||
                (afterHead != kNoState && automata_.Accepting(afterHead))) {
                always_.push_back(p);
                continue;
            }
            firstSteps_[0].Add(p, automata_, start);
            if (afterHead == kNoState) continue;
            firstSteps_[1].Add(p, automata_, afterHead);
            if (automata_.AcceptsAtLineTail(afterHead)) headAtLineEnd_.push_back(p);
        }
        prefilter_.Finish();
    }

    template <class Decoder>
    bool Match(const std::uint8_t* bytes, int size, Decoder decoder,
               std::vector<std::uint32_t>& found) {
        chars_.clear();
        for (int pos = 0; pos < size;) chars_.push_back(decoder.Read(bytes, size, pos));
        found.clear();
        ++stamp_;
        looked_ = 0;
        prefilter_.Scan(chars_, hits_);
        RunFromHits(found);
        const bool answered = unfiltered_ == 0 || RunUnfiltered(found);
        std::sort(found.begin(), found.end());
        return answered;
    }

    std::size_t PrefilterMemory() const { return prefilter_.Bytes(); }
    std::size_t PrefilteredWork() const { return looked_; }

    // What the cache holds: its entries and the capacity of its lists.
    std::size_t CacheMemory() const {
        return charBytes_ + byHash_.size() * kEntryBytes + byHash_.bucket_count() * sizeof(void*) +
               transitions_.Bytes() + states_.capacity() * sizeof(State) +
               runs_.capacity() * sizeof(Run) + matched_.capacity() * sizeof(std::uint32_t);
    }

private:
    // The prefiltered patterns, run from their hits only: each run starts after its literal in the
    // state the literal led to, and goes on as a search's run would. A run that reaches a state
    // it only leaves on a few characters waits, unlooked at, for the next of them.
    void RunFromHits(std::vector<std::uint32_t>& found) {
        live_.clear();
        waiting_.clear();
        auto hit = hits_.begin();
        for (std::size_t at = 0; at <= chars_.size(); ++at) {
            if (live_.empty()) {  // on to where a run starts or stops waiting
                std::size_t next = hit != hits_.end() ? hit->Position : SIZE_MAX;
                if (!waiting_.empty()) next = std::min<std::size_t>(next, waiting_.front().until);
                if (next == SIZE_MAX) return;
                at = next;
            }
            starting_.clear();
            for (; hit != hits_.end() && hit->Position == at; ++hit) {
                if (hit->Matches)
                    Report(hit->Pattern, found);
                else
                    starting_.push_back({hit->Pattern, hit->State});
            }
            while (!waiting_.empty() && waiting_.front().until == at) {
                std::pop_heap(waiting_.begin(), waiting_.end(), std::greater<>());
                starting_.push_back(waiting_.back().run);
                waiting_.pop_back();
            }
            SortUnique(starting_);
            MergeInto(live_, starting_, scratch_);
            const std::int32_t c = at < chars_.size() ? chars_[at] : -1;
            const bool atLineEnd = c < 0 || IsLineBreak(c);
            stepped_.clear();
            looked_ += live_.size();
            for (const Run& run : live_) {
                if (stamps_[run.pattern] == stamp_) continue;
                if (automata_.Accepts(run.state, atLineEnd)) {
                    Report(run.pattern, found);
                } else if (c >= 0) {
                    const TState target = automata_.Next(run.state, c);
                    if (target != kNoState) Continue({run.pattern, target}, at + 1);
                }
            }
            OrderWithinPatterns(stepped_);
            live_.swap(stepped_);
        }
    }

    // Steps on a run that stands at `at` after its step. A run reaching a state where one is
    // already waiting would wait for the same stop and go on as that one does: it is dropped, so
    // that each stretch is looked at once per waiting state, not once per hit before it.
    void Continue(Run run, std::size_t at) {
        if (automata_.Waits(run.state) && !automata_.Accepting(run.state)) {
            WaitMark& mark = waitMarks_[run.state];
            if (mark.stamp == stamp_ && at < mark.until) return;
            const TbmREPackedAutomata::TStops stops = automata_.Stops(run.state);
            std::size_t until = at;
            while (until < chars_.size() && !stops.Has(chars_[until])) ++until;
            looked_ += until - at;
            if (until > at) {
                mark = {stamp_, static_cast<std::uint32_t>(until)};
                waiting_.push_back({static_cast<std::uint32_t>(until), run});
                std::push_heap(waiting_.begin(), waiting_.end(), std::greater<>());
                return;
            }
        }
        stepped_.push_back(run);
    }

    // The patterns without a literal, through the cached states; false when the budget ran out.
    bool RunUnfiltered(std::vector<std::uint32_t>& found) {
        parked_.clear();
        for (const std::uint32_t p : always_) Report(p, found);
        int evictions = 0;
        std::uint32_t state = Intern({}, -1, false, LineMark::TextStart);
        for (std::size_t at = 0;; ++at) {
            const std::int32_t c = at < chars_.size() ? chars_[at] : -1;
            const Transition* known = transitions_.Find(Key(state, c));
            if (known == nullptr) {
                if (CacheMemory() + transitions_.GrowthBytes() > memoryBudget_) {
                    if (++evictions > 1) return false;
                    state = Evict(state);
                }
                known = &transitions_.Insert(Key(state, c), Step(state, c));
            }
            const Transition& t = *known;
            const std::uint32_t* listed = matched_.data() + t.listBegin;
            for (std::uint32_t i = 0; i < t.matchedCount; ++i) Report(listed[i], found);
            if (c < 0 || IsLineBreak(c)) ReportParked(found);
            if (c < 0) return true;
            for (std::uint32_t i = 0; i < t.parkedCount; ++i) Park(listed[t.matchedCount + i]);
            state = t.next;
        }
    }

    // Runs that have read one character, and the patterns whose runs accept there.
    struct OneChar {
        std::vector<Run> runs;
        std::vector<std::uint32_t> accepting;
        std::vector<std::uint32_t> acceptingAtLineEnd;
    };
    // Runs after a step: those still running, ordered; the patterns of those that entered a state
    // looping on every character, accepting there or only at a line end.
    struct Stepped {
        std::vector<Run> runs;
        std::vector<std::uint32_t> accepted;
        std::vector<std::uint32_t> parked;
    };
    struct State {
        std::uint32_t runsBegin;  // runs that have read two characters or more, ordered
        std::uint32_t runsCount;
        std::int32_t last;     // the character just read; -1 before the first
        bool lastStartedLine;  // whether runs from a line head started at that character
        LineMark mark;         // what the position after it follows
        std::uint32_t nextSameHash;
    };
    // Where a character leads; in matched_ from listBegin, the patterns matched before reading
    // it, then those parked until the next line end by reading it.
    struct Transition {
        std::uint32_t next;
        std::uint32_t listBegin;
        std::uint32_t matchedCount;
        std::uint32_t parkedCount;
    };
    static constexpr std::uint32_t kNone = UINT32_MAX;
    static constexpr TState kNoState = TbmREPackedAutomata::kNoState;

    // Never the flat map's reserved key: no state is numbered UINT32_MAX.
    static std::uint64_t Key(std::uint32_t state, std::int32_t c) {
        return std::uint64_t{state} << 32 | static_cast<std::uint32_t>(c);
    }

    void Report(std::uint32_t pattern, std::vector<std::uint32_t>& found) {
        if (stamps_[pattern] == stamp_) return;
        stamps_[pattern] = stamp_;
        found.push_back(pattern);
    }
    void Park(std::uint32_t pattern) {
        if (stamps_[pattern] == stamp_ || parkStamps_[pattern] == stamp_) return;
        parkStamps_[pattern] = stamp_;
        parked_.push_back(pattern);
    }
    void ReportParked(std::vector<std::uint32_t>& found) {
        for (const std::uint32_t p : parked_) Report(p, found);
        parked_.clear();
    }

    // The transition of `state` on `c` (-1: the end of the text, which has no next state).
    Transition Step(std::uint32_t state, std::int32_t c) {
        const State s = states_[state];
        const bool lineStart = s.mark == LineMark::TextStart || s.mark == LineMark::AfterLF ||
                               (s.mark == LineMark::AfterCR && c != bmreLF);
        const bool atLineEnd = c < 0 || IsLineBreak(c);

        std::vector<std::uint32_t> matched;
        for (std::uint32_t i = 0; i < s.runsCount; ++i) {
            const Run run = runs_[s.runsBegin + i];
            if (automata_.Accepts(run.state, atLineEnd)) matched.push_back(run.pattern);
        }
        Stepped next;
        if (c >= 0) next = Advance(s, c);
        matched.insert(matched.end(), next.accepted.begin(), next.accepted.end());
        if (s.last >= 0) {
            for (const bool head : {false, true}) {
                if (head && !s.lastStartedLine) continue;
                const OneChar& one = AfterOne(s.last, head);
                matched.insert(matched.end(), one.accepting.begin(), one.accepting.end());
                if (atLineEnd)
                    matched.insert(matched.end(), one.acceptingAtLineEnd.begin(),
                                   one.acceptingAtLineEnd.end());
            }
        }
        if (lineStart && atLineEnd)
            matched.insert(matched.end(), headAtLineEnd_.begin(), headAtLineEnd_.end());
        SortUnique(matched);
        SortUnique(next.parked);

        Transition t{kNone, static_cast<std::uint32_t>(matched_.size()),
                     static_cast<std::uint32_t>(matched.size()),
                     static_cast<std::uint32_t>(next.parked.size())};
        MakeRoom(matched_, matched.size() + next.parked.size());
        matched_.insert(matched_.end(), matched.begin(), matched.end());
        matched_.insert(matched_.end(), next.parked.begin(), next.parked.end());
        if (c >= 0) {
            const LineMark mark = c == bmreLF   ? LineMark::AfterLF
                                  : c == bmreCR ? LineMark::AfterCR
                                                : LineMark::None;
            t.next = Intern(std::move(next.runs), c, lineStart, mark);
        }
        return t;
    }

    // Where a run goes after reaching `run.state`: on running, or, when that state loops on
    // every character, reported now or at the next line end, or dropped (it can never accept).
    void Place(Run run, Stepped& into) const {
        if (!automata_.LoopsOnEveryCharacter(run.state)) {
            into.runs.push_back(run);
        } else if (automata_.Accepting(run.state)) {
            into.accepted.push_back(run.pattern);
        } else if (automata_.AcceptsAtLineTail(run.state)) {
            into.parked.push_back(run.pattern);
        }
    }

    // The runs of `s` that have read two characters or more after `c`: its own, and those that
    // had read one.
    Stepped Advance(const State& s, std::int32_t c) {
        Stepped next;
        for (std::uint32_t i = 0; i < s.runsCount; ++i) {
            const Run run = runs_[s.runsBegin + i];
            const TState target = automata_.Next(run.state, c);
            if (target != kNoState) Place({run.pattern, target}, next);
        }
        OrderWithinPatterns(next.runs);
        if (s.last >= 0) {
            for (const bool head : {false, true}) {
                if (head && !s.lastStartedLine) continue;
                const Stepped& two = AfterTwo(s.last, head, c);
                MergeInto(next.runs, two.runs, scratch_);
                next.accepted.insert(next.accepted.end(), two.accepted.begin(), two.accepted.end());
                next.parked.insert(next.parked.end(), two.parked.begin(), two.parked.end());
            }
        }
        return next;
    }

    const OneChar& AfterOne(std::int32_t c, bool head) {
        const auto key = static_cast<std::uint32_t>(c) << 1 | (head ? 1u : 0u);
        const auto [entry, added] = oneChar_.try_emplace(key);
        OneChar& one = entry->second;
        if (!added) return one;
        one.runs = firstSteps_[head ? 1 : 0].After(c);
        for (const Run& run : one.runs) {
            if (automata_.Accepting(run.state)) one.accepting.push_back(run.pattern);
            if (automata_.AcceptsAtLineTail(run.state))
                one.acceptingAtLineEnd.push_back(run.pattern);
        }
        charBytes_ +=
            kEntryBytes + one.runs.size() * sizeof(Run) +
            (one.accepting.size() + one.acceptingAtLineEnd.size()) * sizeof(std::uint32_t);
        return one;
    }

    const Stepped& AfterTwo(std::int32_t first, bool head, std::int32_t second) {
        const std::uint64_t key = std::uint64_t{static_cast<std::uint32_t>(first)} << 33 |
                                  std::uint64_t{head} << 32 | static_cast<std::uint32_t>(second);
        const auto [entry, added] = twoChars_.try_emplace(key);
        Stepped& two = entry->second;
        if (!added) return two;
        for (const Run& run : AfterOne(first, head).runs) {
            const TState target = automata_.Next(run.state, second);
            if (target != kNoState) Place({run.pattern, target}, two);
        }
        OrderWithinPatterns(two.runs);
        charBytes_ += kEntryBytes + two.runs.size() * sizeof(Run) +
                      (two.accepted.size() + two.parked.size()) * sizeof(std::uint32_t);
        return two;
    }

    std::uint32_t Intern(std::vector<Run> runs, std::int32_t last, bool lastStartedLine,
                         LineMark mark) {
        std::uint64_t hash = static_cast<std::uint64_t>(last) * 0x9E3779B97F4A7C15u ^
                             (lastStartedLine ? 0x5555u : 0) ^ static_cast<std::uint64_t>(mark);
        for (const Run& run : runs) hash = (hash ^ run.pattern) * 0x100000001B3u ^ run.state;
        const auto [entry, added] = byHash_.try_emplace(hash, kNone);
        for (std::uint32_t id = entry->second; id != kNone; id = states_[id].nextSameHash) {
            const State& s = states_[id];
            if (s.last == last && s.lastStartedLine == lastStartedLine && s.mark == mark &&
                std::equal(runs.begin(), runs.end(), runs_.begin() + s.runsBegin,
                           runs_.begin() + s.runsBegin + s.runsCount))
                return id;
        }
        const auto id = static_cast<std::uint32_t>(states_.size());
        MakeRoom(states_, 1);
        MakeRoom(runs_, runs.size());
        states_.push_back({static_cast<std::uint32_t>(runs_.size()),
                           static_cast<std::uint32_t>(runs.size()), last, lastStartedLine, mark,
                           entry->second});
        entry->second = id;
        runs_.insert(runs_.end(), runs.begin(), runs.end());
        return id;
    }

    // Grows a list of the cache for `extra` more elements: by doubling while small, then by a
    // sixteenth of the budget, so that growing never takes the cache far past its budget.
    template <class T>
    void MakeRoom(std::vector<T>& values, std::size_t extra) const {
        const std::size_t needed = values.size() + extra;
        if (needed <= values.capacity()) return;
        const std::size_t step = std::max<std::size_t>(memoryBudget_ / 16 / sizeof(T), 1);
        values.reserve(std::max(needed, std::min(2 * values.capacity(), values.capacity() + step)));
    }

    // Empties the cache of states but for `state`, and returns that state's number afterwards.
    // The per-character tables stay unless they hold half the budget themselves.
    std::uint32_t Evict(std::uint32_t state) {
        const State s = states_[state];
        std::vector<Run> runs(runs_.begin() + s.runsBegin,
                              runs_.begin() + s.runsBegin + s.runsCount);
        // Swapped out rather than cleared, so that their memory is released with them.
        std::vector<State>().swap(states_);
        std::vector<Run>().swap(runs_);
        std::vector<std::uint32_t>().swap(matched_);
        decltype(byHash_)().swap(byHash_);
        transitions_.Release();
        if (charBytes_ > memoryBudget_ / 2) {
            oneChar_.clear();
            twoChars_.clear();
            charBytes_ = 0;
        }
        return Intern(std::move(runs), s.last, s.lastStartedLine, s.mark);
    }

    TbmREPackedAutomata automata_;
    std::size_t memoryBudget_;
    TbmREPrefilter prefilter_;
    std::uint32_t unfiltered_ = 0;              // patterns the prefilter refused
    std::vector<std::uint32_t> always_;         // match every text
    std::vector<std::uint32_t> headAtLineEnd_;  // match where a line start meets a line end
    FirstSteps firstSteps_[2];                  // from state 0; from after a line head

    // The cache: states and their transitions, then the per-character tables.
    std::vector<State> states_;
    std::vector<Run> runs_;
    std::unordered_map<std::uint64_t, std::uint32_t> byHash_;  // the last state of each hash
    TbmREFlatMap<Transition> transitions_;
    std::vector<std::uint32_t> matched_;
    std::unordered_map<std::uint32_t, OneChar> oneChar_;
    std::unordered_map<std::uint64_t, Stepped> twoChars_;
    std::size_t charBytes_ = 0;  // what the per-character tables hold
    std::vector<Run> scratch_;

    // The current Match: its characters, the prefilter's hits and the runs from them, the
    // patterns reported, and those parked until the next line end.
    std::vector<std::int32_t> chars_;
    std::vector<TbmREPrefilter::THit> hits_;
    std::vector<Run> live_, starting_, stepped_;
    struct Waiting {
        std::uint32_t until;  // the position of its next stop
        Run run;

        auto operator<=>(const Waiting&) const = default;
    };
    std::vector<Waiting> waiting_;  // a heap, the first to stop on top
    // By waiting state: the Match and the stop of the last run that waited there.
    struct WaitMark {
        std::uint32_t stamp = 0;
        std::uint32_t until = 0;
    };
    std::unordered_map<TState, WaitMark> waitMarks_;
    std::size_t looked_ = 0;  // runs stepped and characters scanned for stops, this Match
    std::vector<std::uint32_t> stamps_;
    std::vector<std::uint32_t> parkStamps_;
    std::vector<std::uint32_t> parked_;
    std::uint32_t stamp_ = 0;
};

TbmRESet::TbmRESet(TbmCharCode code, std::size_t memoryBudget)
    : charCode_(code), memoryBudget_(memoryBudget) {}

TbmRESet::~TbmRESet() = default;

std::size_t TbmRESet::MemoryFor(std::size_t patterns) {
    return std::min(kMaxMemory, kBaseMemory + patterns * kMemoryPerPattern);
}

std::uint32_t TbmRESet::Add(const TbmREDFATable& dfa) {
    automaton_.reset();
    patterns_.push_back(&dfa);
    return static_cast<std::uint32_t>(patterns_.size() - 1);
}

void TbmRESet::Clear() {
    automaton_.reset();
    patterns_.clear();
}

std::size_t TbmRESet::CacheMemory() const {
    return automaton_ ? automaton_->CacheMemory() : 0;
}

std::size_t TbmRESet::PrefilterMemory() const {
    return automaton_ ? automaton_->PrefilterMemory() : 0;
}

std::size_t TbmRESet::PrefilteredWork() const {
    return automaton_ ? automaton_->PrefilteredWork() : 0;
}

bool TbmRESet::Match(std::string_view text, std::vector<std::uint32_t>& found) {
    bmccCreateReader(charCode_)->SetTextBuff(text);  // refuses what a search refuses
    if (!automaton_) {
        const std::size_t budget =
            memoryBudget_ == kSizedWithPatterns ? MemoryFor(patterns_.size()) : memoryBudget_;
        automaton_ = std::make_unique<Automaton>(patterns_, budget);
    }
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    const int size = static_cast<int>(text.size());
    switch (charCode_) {
        case TbmCharCode::ShiftJIS:
        case TbmCharCode::JapaneseEUC:
            return automaton_->Match(bytes, size, MbcsDecoder{bmccLeadByteTable(charCode_)}, found);
        case TbmCharCode::Western:
            return automaton_->Match(bytes, size, SbcsDecoder{}, found);
        case TbmCharCode::UniCode:
            return automaton_->Match(bytes, size, Utf16Decoder{}, found);
        case TbmCharCode::UTF8:
            return automaton_->Match(bytes, size, Utf8Decoder{}, found);
        default:
            throw std::invalid_argument("TbmRESet: no reader for this character code");
    }
}

}  // namespace kiova
