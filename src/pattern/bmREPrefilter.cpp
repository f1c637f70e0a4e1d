#include "bmREPrefilter.h"

#include <algorithm>
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
    std::vector<std::int32_t> chars;
    TState state;  // after reading them
    bool anchored;
};

// Whether the literal read so far must end at `state`: a match may end there, or what follows
// is too wide to spell out.
bool EndsLiteral(const TbmREPackedAutomata& automata, const Literal& literal) {
    if (literal.chars.size() == kMaxLength || automata.Accepts(literal.state, true)) return true;
    const auto transitions = automata.Transitions(literal.state);
    return std::any_of(transitions.begin(), transitions.end(),
                       [](const auto& t) { return t.Hi - t.Lo >= kMaxBranch; });
}

// The literals that every match begins with, read breadth first from the start (and the line
// head) until each ends or there would be too many; empty when they are not usable.
std::vector<Literal> LeadingLiterals(const TbmREPackedAutomata& automata,
                                     TbmREPackedAutomata::TEntry entry) {
    std::vector<Literal> literals;
    std::vector<Literal> frontier{{{}, entry.Start, false}};
    if (entry.AfterLineHead != TbmREPackedAutomata::kNoState)
        frontier.push_back({{}, entry.AfterLineHead, true});
    while (!frontier.empty()) {
        std::vector<Literal> longer;
        std::size_t ending = 0;
        for (const Literal& literal : frontier) {
            if (EndsLiteral(automata, literal)) {
                ++ending;
                continue;
            }
            for (const auto& t : automata.Transitions(literal.state)) {
                for (std::int32_t c = t.Lo; c <= t.Hi; ++c) {
                    longer.push_back({literal.chars, t.Target, literal.anchored});
                    longer.back().chars.push_back(c);
                }
            }
        }
        if (literals.size() + ending + longer.size() > kMaxLiterals) {
            // Too many ways on: every literal ends where it stands.
            std::move(frontier.begin(), frontier.end(), std::back_inserter(literals));
            break;
        }
        for (Literal& literal : frontier) {
            if (EndsLiteral(automata, literal)) literals.push_back(std::move(literal));
        }
        frontier = std::move(longer);
    }
    const bool usable = std::all_of(literals.begin(), literals.end(), [](const Literal& literal) {
        return literal.chars.size() >= kMinLength;
    });
    return usable ? literals : std::vector<Literal>{};
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
    if (parent_.empty()) {  // the root
        parent_.push_back(kRoot);
        last_.push_back(-1);
        depth_.push_back(0);
    }
    for (const Literal& literal : literals) {
        std::uint32_t node = kRoot;
        for (const std::int32_t c : literal.chars) node = Child(node, c);
        added_.push_back(
            {node, {pattern, literal.state, literal.anchored, automata.Accepting(literal.state)}});
    }
    return true;
}

std::uint32_t TbmREPrefilter::Child(std::uint32_t node, std::int32_t c) {
    if (const std::uint32_t* child = children_.Find(Key(node, c))) return *child;
    const auto child = static_cast<std::uint32_t>(parent_.size());
    parent_.push_back(node);
    last_.push_back(c);
    depth_.push_back(static_cast<std::uint16_t>(depth_[node] + 1));
    children_.Insert(Key(node, c), child);
    return child;
}

void TbmREPrefilter::Finish() {
    const std::size_t nodes = parent_.size();
    std::stable_sort(added_.begin(), added_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    entryBegin_.assign(nodes + 1, 0);
    for (const auto& [node, entry] : added_) ++entryBegin_[node + 1];
    for (std::size_t n = 0; n < nodes; ++n) entryBegin_[n + 1] += entryBegin_[n];
    entries_.clear();
    entries_.reserve(added_.size());
    for (const auto& [node, entry] : added_) entries_.push_back(entry);

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
        output_[node] = HasEntries(fail) ? fail : output_[fail];
    }
    // Only the links are needed from here on.
    std::vector<std::pair<std::uint32_t, Entry>>().swap(added_);
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
    std::uint32_t node = kRoot;
    for (std::size_t at = 0; at < line.size(); ++at) {
        node = Next(node, line[at]);
        const auto end = static_cast<std::uint32_t>(at + 1);
        for (std::uint32_t found = HasEntries(node) ? node : output_[node]; found != kNone;
             found = output_[found]) {
            const std::size_t begin = end - depth_[found];
            for (std::uint32_t e = entryBegin_[found]; e < entryBegin_[found + 1]; ++e) {
                const Entry& entry = entries_[e];
                if (!entry.anchored || StartsLine(line, begin))
                    hits.push_back({end, entry.pattern, entry.state, entry.matches});
            }
        }
    }
}

std::size_t TbmREPrefilter::Bytes() const {
    return children_.Bytes() + depth_.capacity() * sizeof(std::uint16_t) +
           (fail_.capacity() + output_.capacity() + entryBegin_.capacity()) *
               sizeof(std::uint32_t) +
           entries_.capacity() * sizeof(Entry);
}

}  // namespace kiova
