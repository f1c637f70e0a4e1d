// Pattern set: automata in; per text, the patterns whose search would find a match.
//
// A search (SearchDFA) starts a run in state 0 at every character position, and one in the state
// after a line head at every line start (the text start, after LF, after a CR not followed by
// LF); a pattern matches when one of its runs accepts, or reaches a line end where its $ may
// match. The set keeps all runs of all patterns together:
// - runs that have just started are implicit (they depend on nothing but the position);
// - runs that have read one character depend on that character alone (and on whether a line
//   started there): they are cached per character, with where they go on the next one;
// - runs that have read two or more form the state, interned and cached with its transitions.
// A pattern whose run accepts before reading anything matches every text (an empty match at the
// start, or a $ at the end) and is reported without running.
// What always holds: Match reports exactly the patterns whose search from the first byte finds a
// match, or returns false; the cache never keeps more than about the memory budget.
#include "bmRESet.h"

#include <algorithm>
#include <stdexcept>
#include <unordered_map>

#include "bmREDFA.h"
#include "bmREDecoders.h"
#include "bmWchReader.h"

namespace kiova {
namespace {

// One pattern's automaton in one state.
struct Run {
    std::uint32_t pattern;
    TbmREStateIndex state;

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

bool AcceptsAtLineTail(const TbmREDFATable& dfa, TbmREStateIndex state) {
    return dfa.LineTail() && dfa.Lookup(state, bmreLineTail) != bmreNoState;
}

bool Accepts(const TbmREDFATable& dfa, TbmREStateIndex state, bool atLineEnd) {
    return dfa.Accepting(state) || (atLineEnd && AcceptsAtLineTail(dfa, state));
}

// The first step of every pattern's runs from one kind of start (state 0, or after a line head).
class FirstSteps {
public:
    void Add(std::uint32_t pattern, const TbmREDFATable& dfa, TbmREStateIndex from) {
        for (const TbmRETransition& t : dfa.Transitions(from)) {
            if (t.Lo < 0) continue;  // line head and tail are never read from the text
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
        : patterns_(patterns), memoryBudget_(memoryBudget), stamps_(patterns.size(), 0) {
        for (std::uint32_t p = 0; p < patterns.size(); ++p) {
            const TbmREDFATable& dfa = *patterns[p];
            const TbmREStateIndex afterHead =
                dfa.LineHead() ? dfa.Lookup(0, bmreLineHead) : bmreNoState;
            if (Accepts(dfa, 0, true) || (afterHead != bmreNoState && dfa.Accepting(afterHead))) {
                always_.push_back(p);
                continue;
            }
            firstSteps_[0].Add(p, dfa, 0);
            if (afterHead == bmreNoState) continue;
            firstSteps_[1].Add(p, dfa, afterHead);
            if (AcceptsAtLineTail(dfa, afterHead)) headAtLineEnd_.push_back(p);
        }
    }

    template <class Decoder>
    bool Match(const std::uint8_t* bytes, int size, Decoder decoder,
               std::vector<std::uint32_t>& found) {
        found.clear();
        ++stamp_;
        for (const std::uint32_t p : always_) Report(p, found);
        int flushes = 0;
        std::uint32_t state = Intern({}, -1, false, LineMark::TextStart);
        for (int pos = 0;;) {
            int next = pos;
            const std::int32_t c = decoder.Read(bytes, size, next);
            auto transition = transitions_.find(Key(state, c));
            if (transition == transitions_.end()) {
                if (memory_ > memoryBudget_) {
                    if (++flushes > 1) return false;
                    state = Flush(state);
                }
                transition = transitions_.emplace(Key(state, c), Step(state, c)).first;
                memory_ += kEntryBytes;
            }
            const Transition& t = transition->second;
            for (std::uint32_t i = 0; i < t.matchedCount; ++i)
                Report(matched_[t.matchedBegin + i], found);
            if (c < 0) break;
            state = t.next;
            pos = std::min(next, size);  // a character cut off by the end ends at the end
        }
        std::sort(found.begin(), found.end());
        return true;
    }

private:
    // Runs that have read one character, and the patterns whose runs accept there.
    struct OneChar {
        std::vector<Run> runs;
        std::vector<std::uint32_t> accepting;
        std::vector<std::uint32_t> acceptingAtLineEnd;
    };
    struct State {
        std::uint32_t runsBegin;  // runs that have read two characters or more, ordered
        std::uint32_t runsCount;
        std::int32_t last;     // the character just read; -1 before the first
        bool lastStartedLine;  // whether runs from a line head started at that character
        LineMark mark;         // what the position after it follows
        std::uint32_t nextSameHash;
    };
    struct Transition {
        std::uint32_t next;
        std::uint32_t matchedBegin;
        std::uint32_t matchedCount;
    };
    static constexpr std::uint32_t kNone = UINT32_MAX;

    static std::uint64_t Key(std::uint32_t state, std::int32_t c) {
        return std::uint64_t{state} << 32 | static_cast<std::uint32_t>(c);
    }

    void Report(std::uint32_t pattern, std::vector<std::uint32_t>& found) {
        if (stamps_[pattern] == stamp_) return;
        stamps_[pattern] = stamp_;
        found.push_back(pattern);
    }

    // The transition of `state` on `c` (-1: the end of the text, which has no next state).
    Transition Step(std::uint32_t state, std::int32_t c) {
        const State s = states_[state];
        const bool lineStart = s.mark == LineMark::TextStart || s.mark == LineMark::AfterLF ||
                               (s.mark == LineMark::AfterCR && c != bmreLF);
        const bool atLineEnd = c < 0 || c == bmreLF || c == bmreCR;

        std::vector<std::uint32_t> matched;
        for (std::uint32_t i = 0; i < s.runsCount; ++i) {
            const Run run = runs_[s.runsBegin + i];
            if (Accepts(*patterns_[run.pattern], run.state, atLineEnd))
                matched.push_back(run.pattern);
        }
        std::vector<Run> next;
        if (c >= 0) next = Advance(s, c);
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

        Transition t{kNone, static_cast<std::uint32_t>(matched_.size()),
                     static_cast<std::uint32_t>(matched.size())};
        matched_.insert(matched_.end(), matched.begin(), matched.end());
        memory_ += matched.size() * sizeof(std::uint32_t);
        if (c >= 0) {
            const LineMark mark = c == bmreLF   ? LineMark::AfterLF
                                  : c == bmreCR ? LineMark::AfterCR
                                                : LineMark::None;
            t.next = Intern(std::move(next), c, lineStart, mark);
        }
        return t;
    }

    // The runs of `s` that have read two characters or more after `c`: its own, and those that
    // had read one.
    std::vector<Run> Advance(const State& s, std::int32_t c) {
        std::vector<Run> next;
        for (std::uint32_t i = 0; i < s.runsCount; ++i) {
            const Run run = runs_[s.runsBegin + i];
            const TbmREStateIndex target = patterns_[run.pattern]->Lookup(run.state, c);
            if (target != bmreNoState) next.push_back({run.pattern, target});
        }
        if (s.last >= 0) {
            for (const bool head : {false, true}) {
                if (head && !s.lastStartedLine) continue;
                const std::vector<Run>& two = AfterTwo(s.last, head, c);
                next.insert(next.end(), two.begin(), two.end());
            }
        }
        SortUnique(next);
        return next;
    }

    const OneChar& AfterOne(std::int32_t c, bool head) {
        const auto key = static_cast<std::uint32_t>(c) << 1 | (head ? 1u : 0u);
        const auto [entry, added] = oneChar_.try_emplace(key);
        OneChar& one = entry->second;
        if (!added) return one;
        one.runs = firstSteps_[head ? 1 : 0].After(c);
        for (const Run& run : one.runs) {
            const TbmREDFATable& dfa = *patterns_[run.pattern];
            if (dfa.Accepting(run.state)) one.accepting.push_back(run.pattern);
            if (AcceptsAtLineTail(dfa, run.state)) one.acceptingAtLineEnd.push_back(run.pattern);
        }
        memory_ += kEntryBytes + one.runs.size() * sizeof(Run) +
                   (one.accepting.size() + one.acceptingAtLineEnd.size()) * sizeof(std::uint32_t);
        return one;
    }

    const std::vector<Run>& AfterTwo(std::int32_t first, bool head, std::int32_t second) {
        const std::uint64_t key = std::uint64_t{static_cast<std::uint32_t>(first)} << 33 |
                                  std::uint64_t{head} << 32 | static_cast<std::uint32_t>(second);
        const auto [entry, added] = twoChars_.try_emplace(key);
        std::vector<Run>& runs = entry->second;
        if (!added) return runs;
        for (const Run& run : AfterOne(first, head).runs) {
            const TbmREStateIndex target = patterns_[run.pattern]->Lookup(run.state, second);
            if (target != bmreNoState) runs.push_back({run.pattern, target});
        }
        memory_ += kEntryBytes + runs.size() * sizeof(Run);
        return runs;
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
        states_.push_back({static_cast<std::uint32_t>(runs_.size()),
                           static_cast<std::uint32_t>(runs.size()), last, lastStartedLine, mark,
                           entry->second});
        entry->second = id;
        runs_.insert(runs_.end(), runs.begin(), runs.end());
        memory_ += kEntryBytes + sizeof(State) + runs.size() * sizeof(Run);
        return id;
    }

    // Empties the cache but for `state`, and returns that state's number afterwards.
    std::uint32_t Flush(std::uint32_t state) {
        const State s = states_[state];
        std::vector<Run> runs(runs_.begin() + s.runsBegin,
                              runs_.begin() + s.runsBegin + s.runsCount);
        states_.clear();
        runs_.clear();
        byHash_.clear();
        transitions_.clear();
        matched_.clear();
        oneChar_.clear();
        twoChars_.clear();
        memory_ = 0;
        return Intern(std::move(runs), s.last, s.lastStartedLine, s.mark);
    }

    const std::vector<const TbmREDFATable*>& patterns_;
    std::size_t memoryBudget_;
    std::vector<std::uint32_t> always_;         // match every text
    std::vector<std::uint32_t> headAtLineEnd_;  // match where a line start meets a line end
    FirstSteps firstSteps_[2];                  // from state 0; from after a line head

    // The cache.
    std::vector<State> states_;
    std::vector<Run> runs_;
    std::unordered_map<std::uint64_t, std::uint32_t> byHash_;  // the last state of each hash
    std::unordered_map<std::uint64_t, Transition> transitions_;
    std::vector<std::uint32_t> matched_;
    std::unordered_map<std::uint32_t, OneChar> oneChar_;
    std::unordered_map<std::uint64_t, std::vector<Run>> twoChars_;
    std::size_t memory_ = 0;

    std::vector<std::uint32_t> stamps_;  // patterns reported in the current Match
    std::uint32_t stamp_ = 0;
};

TbmRESet::TbmRESet(TbmCharCode code, std::size_t memoryBudget)
    : charCode_(code), memoryBudget_(memoryBudget) {}

TbmRESet::~TbmRESet() = default;

std::uint32_t TbmRESet::Add(const TbmREDFATable& dfa) {
    automaton_.reset();
    patterns_.push_back(&dfa);
    return static_cast<std::uint32_t>(patterns_.size() - 1);
}

void TbmRESet::Clear() {
    automaton_.reset();
    patterns_.clear();
}

bool TbmRESet::Match(std::string_view text, std::vector<std::uint32_t>& found) {
    bmccCreateReader(charCode_)->SetTextBuff(text);  // refuses what a search refuses
    if (!automaton_) automaton_ = std::make_unique<Automaton>(patterns_, memoryBudget_);
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
        default:
            throw std::invalid_argument("TbmRESet: no reader for this character code");
    }
}

}  // namespace kiova
