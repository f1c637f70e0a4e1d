#include "bmREPrefilter.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <utility>

#include "bmREDecoders.h"

namespace kiova {
namespace {

using TState = TbmREPackedAutomata::TState;

// Literals end at this length: longer ones would rarely rule out more lines.
constexpr std::size_t kMaxLength = 12;
// Past this many literals a pattern's literals end where they stand.
constexpr std::size_t kMaxLiterals = 16;
// A transition over more characters than this ends a literal.
constexpr std::int32_t kMaxBranch = 8;
// Shorter literals occur in too many lines to filter anything.
constexpr std::size_t kMinLength = 2;

struct Literal {
    std::array<std::int32_t, kMaxLength> read;  // held inline: literals are copied as they grow
    std::size_t length;
    TState state;  // after reading them
    bool anchored;

    std::span<const std::int32_t> Chars() const { return {read.data(), length}; }
};

// Whether the literal read so far must end at `state`: a match may end there, or what follows
// (but into `avoid`) is too wide to spell out.
bool EndsLiteral(const TbmREPackedAutomata& automata, const Literal& literal, TState avoid) {
    if (literal.length == kMaxLength || automata.Accepts(literal.state, true)) return true;
    const auto transitions = automata.Transitions(literal.state);
    return std::any_of(transitions.begin(), transitions.end(), [&](const auto& t) {
        return t.Target != avoid && t.Hi - t.Lo >= kMaxBranch;
    });
}

// The literals that every way from `frontier` to acceptance that never enters `avoid` begins
// with, read breadth first until each ends or there would be too many; empty when they are not
// usable.
std::vector<Literal> ReadLiterals(const TbmREPackedAutomata& automata,
                                  std::vector<Literal> frontier, TState avoid) {
    std::vector<Literal> literals;
    while (!frontier.empty()) {
        std::vector<Literal> longer;
        std::size_t ending = 0;
        for (const Literal& literal : frontier) {
            if (EndsLiteral(automata, literal, avoid)) {
                ++ending;
                continue;
            }
            for (const auto& t : automata.Transitions(literal.state)) {
                if (t.Target == avoid) continue;
                // Past the limit, how far past does not matter.
                for (std::int32_t c = t.Lo; c <= t.Hi && longer.size() <= kMaxLiterals; ++c) {
                    longer.push_back(literal);
                    longer.back().read[longer.back().length++] = c;
                    longer.back().state = t.Target;
                }
            }
        }
        if (literals.size() + ending + longer.size() > kMaxLiterals) {
            // Too many ways on: every literal ends where it stands.
            std::move(frontier.begin(), frontier.end(), std::back_inserter(literals));
            break;
        }
        for (Literal& literal : frontier) {
            if (EndsLiteral(automata, literal, avoid)) literals.push_back(std::move(literal));
        }
        frontier = std::move(longer);
    }
    const bool usable = std::all_of(literals.begin(), literals.end(), [](const Literal& literal) {
        return literal.length >= kMinLength;
    });
    return usable ? literals : std::vector<Literal>{};
}

// The literals every match begins with, from the start or, at a line start, the line head.
std::vector<Literal> LeadingLiterals(const TbmREPackedAutomata& automata,
                                     TbmREPackedAutomata::TEntry entry) {
    std::vector<Literal> starts{{{}, 0, entry.Start, false}};
    if (entry.AfterLineHead != TbmREPackedAutomata::kNoState)
        starts.push_back({{}, 0, entry.AfterLineHead, true});
    return ReadLiterals(automata, std::move(starts), TbmREPackedAutomata::kNoState);
}

// Literals one of which a run from `state` must read before it accepts: a way to acceptance
// leaves the state for the last time and then reads one of them. A literal that holds a shorter
// one is left out: wherever it stands, the shorter one does.
std::vector<Literal> LiteralsAfter(const TbmREPackedAutomata& automata, TState state) {
    std::vector<Literal> literals = ReadLiterals(automata, {{{}, 0, state, false}}, state);
    const auto holdsAnother = [&](const Literal& literal) {
        return std::any_of(literals.begin(), literals.end(), [&](const Literal& other) {
            return other.length < literal.length &&
                   std::ranges::search(literal.Chars(), other.Chars()).begin() !=
                       literal.Chars().end();
        });
    };
    std::vector<Literal> kept;
    for (const Literal& literal : literals) {
        if (!holdsAnother(literal)) kept.push_back(literal);
    }
    return kept;
}

// Lists (node, value) pairs by node: values[begin[n] .. begin[n + 1]) are those of node n, in the
// order they were added.
template <class T>
void GroupByNode(std::vector<std::pair<std::uint32_t, T>>& added, std::size_t nodes,
                 std::vector<std::uint32_t>& begin, std::vector<T>& values) {
    std::stable_sort(added.begin(), added.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    begin.assign(nodes + 1, 0);
    for (const auto& pair : added) ++begin[pair.first + 1];
    for (std::size_t n = 0; n < nodes; ++n) begin[n + 1] += begin[n];
    values.clear();
    values.reserve(added.size());
    for (auto& pair : added) values.push_back(std::move(pair.second));
    std::vector<std::pair<std::uint32_t, T>>().swap(added);
}

// Whether a line starts at `at` (< the line's length), as a search's line head sees it.
bool StartsLine(std::span<const std::int32_t> line, std::size_t at) {
    if (at == 0) return true;
    const std::int32_t before = line[at - 1];
    return before == bmreLF || (before == bmreCR && line[at] != bmreLF);
}

}  // namespace

bool TbmREPrefilter::Add(std::uint32_t pattern, const TbmREPackedAutomata& automata,
                         TbmREPackedAutomata::TEntry entry) {
    const std::vector<Literal> literals = LeadingLiterals(automata, entry);
    if (literals.empty()) return false;
    for (const Literal& literal : literals) {
        const bool matches = automata.Accepting(literal.state);
        std::uint32_t needs = kNone;
        if (!matches) {
            const std::vector<Literal> after = LiteralsAfter(automata, literal.state);
            if (!after.empty()) needs = requirements_++;
            for (const Literal& needed : after)
                meetsAdded_.push_back({Stash(needed.Chars()), needs});
        }
        added_.push_back(
            {Stash(literal.Chars()), {pattern, literal.state, needs, literal.anchored, matches}});
    }
    return true;
}

std::uint32_t TbmREPrefilter::Stash(std::span<const std::int32_t> chars) {
    if (stashBegin_.empty()) stashBegin_.push_back(0);
    stashed_.insert(stashed_.end(), chars.begin(), chars.end());
    stashBegin_.push_back(static_cast<std::uint32_t>(stashed_.size()));
    return static_cast<std::uint32_t>(stashBegin_.size() - 2);
}

std::vector<std::uint32_t> TbmREPrefilter::BuildTrie() {
    const std::size_t count = stashBegin_.empty() ? 0 : stashBegin_.size() - 1;
    const auto chars = [&](std::uint32_t literal) {
        return std::span<const std::int32_t>(stashed_.data() + stashBegin_[literal],
                                             stashBegin_[literal + 1] - stashBegin_[literal]);
    };
    // In sorted order a literal shares with the one before all the nodes it shares with any: past
    // that common start, its nodes are new, so no node is ever looked for.
    std::vector<std::uint32_t> order(count);
    for (std::uint32_t n = 0; n < count; ++n) order[n] = n;
    std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        const auto x = chars(a), y = chars(b);
        return std::lexicographical_compare(x.begin(), x.end(), y.begin(), y.end());
    });
    const auto common = [&](std::size_t n) -> std::size_t {
        if (n == 0) return 0;
        const auto now = chars(order[n]), before = chars(order[n - 1]);
        return std::mismatch(now.begin(), now.end(), before.begin(), before.end()).first -
               now.begin();
    };
    std::size_t edges = 0;
    for (std::size_t n = 0; n < count; ++n) edges += chars(order[n]).size() - common(n);
    children_.Release();
    children_.Reserve(edges);
    depth_.assign(1, 0);  // the root
    parent_.assign(1, kRoot);
    last_.assign(1, -1);
    std::vector<std::uint32_t> nodes(count);
    std::vector<std::uint32_t> path{kRoot};  // the nodes of the literal before
    for (std::size_t n = 0; n < count; ++n) {
        const std::uint32_t literal = order[n];
        const auto now = chars(literal);
        const std::size_t shared = common(n);
        path.resize(shared + 1);
        for (std::size_t at = shared; at < now.size(); ++at) {
            const auto child = static_cast<std::uint32_t>(depth_.size());
            depth_.push_back(static_cast<std::uint16_t>(at + 1));
            parent_.push_back(path.back());
            last_.push_back(now[at]);
            children_.Insert(Key(path.back(), now[at]), child);
            path.push_back(child);
        }
        nodes[literal] = path.back();
    }
    return nodes;
}

void TbmREPrefilter::Finish() {
    const std::vector<std::uint32_t> literalNodes = BuildTrie();
    for (auto& [literal, entry] : added_) literal = literalNodes[literal];
    for (auto& [literal, requirement] : meetsAdded_) literal = literalNodes[literal];
    std::vector<std::int32_t>().swap(stashed_);
    std::vector<std::uint32_t>().swap(stashBegin_);
    const std::size_t nodes = depth_.size();
    GroupByNode(added_, nodes, entryBegin_, entries_);
    GroupByNode(meetsAdded_, nodes, meetsBegin_, meets_);
    met_.assign(requirements_, 0);

    // Suffix links, shallow nodes first, as every link points to a shallower node.
    std::vector<std::uint32_t> byDepth(nodes);
    for (std::uint32_t n = 0; n < nodes; ++n) byDepth[n] = n;
    std::stable_sort(byDepth.begin(), byDepth.end(),
                     [&](std::uint32_t a, std::uint32_t b) { return depth_[a] < depth_[b]; });
    fail_.assign(nodes, kRoot);
    output_.assign(nodes, kNone);
    for (const std::uint32_t node : byDepth) {
        if (depth_[node] <= 1) continue;
        fail_[node] = Next(fail_[parent_[node]], last_[node]);
        const std::uint32_t fail = fail_[node];
        output_[node] = Reports(fail) ? fail : output_[fail];
    }
    std::vector<std::uint32_t>().swap(parent_);
    std::vector<std::int32_t>().swap(last_);
}

std::uint32_t TbmREPrefilter::Next(std::uint32_t node, std::int32_t c) const {
    for (;;) {
        if (const std::uint32_t* child = children_.Find(Key(node, c))) return *child;
        if (node == kRoot) return kRoot;
        node = fail_[node];
    }
}

void TbmREPrefilter::Scan(std::span<const std::int32_t> line, std::vector<THit>& hits) {
    hits.clear();
    if (entries_.empty()) return;
    ++stamp_;
    hitNeeds_.clear();
    std::uint32_t node = kRoot;
    for (std::size_t at = 0; at < line.size(); ++at) {
        node = Next(node, line[at]);
        const auto end = static_cast<std::uint32_t>(at + 1);
        for (std::uint32_t found = Reports(node) ? node : output_[node]; found != kNone;
             found = output_[found]) {
            const std::size_t begin = end - depth_[found];
            for (std::uint32_t e = entryBegin_[found]; e < entryBegin_[found + 1]; ++e) {
                const Entry& entry = entries_[e];
                if (entry.anchored && !StartsLine(line, begin)) continue;
                hits.push_back({end, entry.pattern, entry.state, entry.matches});
                hitNeeds_.push_back(entry.needs);
            }
            for (std::uint32_t m = meetsBegin_[found]; m < meetsBegin_[found + 1]; ++m)
                met_[meets_[m]] = stamp_;
        }
    }
    // Hits whose run would still need a literal the line lacks cannot lead to a match.
    std::size_t kept = 0;
    for (std::size_t h = 0; h < hits.size(); ++h) {
        if (hitNeeds_[h] == kNone || met_[hitNeeds_[h]] == stamp_) hits[kept++] = hits[h];
    }
    hits.resize(kept);
}

std::size_t TbmREPrefilter::Bytes() const {
    return children_.Bytes() + depth_.capacity() * sizeof(std::uint16_t) +
           (fail_.capacity() + output_.capacity() + entryBegin_.capacity() +
            meetsBegin_.capacity() + meets_.capacity() + met_.capacity()) *
               sizeof(std::uint32_t) +
           entries_.capacity() * sizeof(Entry);
}

}  // namespace kiova
