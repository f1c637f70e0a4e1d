// Simple patterns straight to their automaton. The pattern is first read into lexemes exactly as
// the scanner reads it (the same reader calls, so the same character values), then matched
// against the two shapes; anything else, and anything the scanner would refuse, is left to the
// full compile. States are numbered as the full compile numbers them: in the order they are
// first reached, each state's targets reached from its highest character down.
//
// Size limits keep every accepted pattern far inside the full compile's budget, so that a
// pattern too complex for it is never given an automaton here: a wide item (a bracket or a dot)
// makes one tree leaf per alphabet member it spans, and two wide items in a row a follow set of
// the product of those counts.
#include "bmRESimpleDFA.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <memory>
#include <memory_resource>
#include <span>
#include <vector>

#include "bmREDecoders.h"
#include "bmRENode.h"
#include "bmWchReader.h"

namespace kiova {
namespace {

constexpr std::size_t kMaxPatternBytes = 128;
constexpr int kMaxWideItems = 4;  // a trailing .* or .+ counts as two

struct TLexeme {
    enum class Kind : std::uint8_t { Char, Class, Operator };
    Kind Kind;
    std::int32_t Value;  // the character, or the operator's
    std::uint32_t FirstRange = 0;
    std::uint32_t RangeCount = 0;  // Class: its ranges in TLexemes::Ranges

    bool IsOperator(char op) const { return Kind == Kind::Operator && Value == op; }
};

struct TLexemes {
    explicit TLexemes(std::pmr::memory_resource* arena) : Items(arena), Ranges(arena) {}

    std::pmr::vector<TLexeme> Items;
    std::pmr::vector<TbmREWchRange> Ranges;  // each bracket's in ascending order

    std::span<const TbmREWchRange> RangesOf(const TLexeme& bracket) const {
        return std::span(Ranges).subspan(bracket.FirstRange, bracket.RangeCount);
    }
};

TbmWchReader* ReaderFor(TbmCharCode code) {
    thread_local std::array<std::unique_ptr<TbmWchReader>, 8> readers;
    const auto index = static_cast<std::size_t>(code);
    if (index >= readers.size()) return nullptr;
    if (!readers[index]) readers[index] = bmccCreateReader(code);
    return readers[index].get();
}

bool IsOperator(std::int32_t c) {
    switch (c) {
        case '|':
        case '(':
        case ')':
        case '*':
        case '+':
        case '?':
        case '.':
        case '^':
        case '$':
            return true;
        default:
            return false;
    }
}

// The character after a backslash already read; -1 for an invalid escape.
std::int32_t ReadEscaped(TbmWchReader& reader, std::int32_t c) {
    return c == '\\' ? reader.ReadEscape() : c;
}

// The items of a bracket whose [ has been read, as the scanner reads them; false for a negated
// or unterminated bracket or an invalid item.
bool ReadBracket(TbmWchReader& reader, TLexemes& lexemes) {
    if (reader.ReadChar() == '^') return false;
    reader.UnreadChar();
    TLexeme bracket{TLexeme::Kind::Class, '[', static_cast<std::uint32_t>(lexemes.Ranges.size())};
    for (bool first = true;; first = false) {
        std::int32_t c = reader.ReadChar();
        if (c < 0) return false;
        if (c == ']' && !first) break;
        if ((c = ReadEscaped(reader, c)) < 0) return false;
        std::int32_t hi = c;
        if (reader.ReadChar() == '-') {
            const std::int32_t next = reader.ReadChar();
            if (next != ']' && next >= 0) {
                if ((hi = ReadEscaped(reader, next)) < c) return false;
                lexemes.Ranges.push_back({c, hi});
                continue;
            }
            reader.UnreadChar();
        }
        reader.UnreadChar();
        lexemes.Ranges.push_back({c, c});
    }
    bracket.RangeCount = static_cast<std::uint32_t>(lexemes.Ranges.size()) - bracket.FirstRange;
    std::sort(lexemes.Ranges.begin() + bracket.FirstRange, lexemes.Ranges.end());
    lexemes.Items.push_back(bracket);
    return true;
}

bool Lex(std::string_view pattern, TbmWchReader& reader, TLexemes& lexemes) {
    reader.SetTextBuff(pattern);
    for (std::int32_t c; (c = reader.ReadChar()) >= 0;) {
        if (c == '[') {
            if (!ReadBracket(reader, lexemes)) return false;
        } else if (IsOperator(c)) {
            lexemes.Items.push_back({TLexeme::Kind::Operator, c});
        } else {
            if ((c = ReadEscaped(reader, c)) < 0) return false;
            lexemes.Items.push_back({TLexeme::Kind::Char, c});
        }
    }
    return true;
}

using TLexemeSpan = std::span<const TLexeme>;

// Groups of single characters, (a|b|c), are brackets: the same union of leaves.
void FoldGroups(TLexemes& lexemes) {
    std::pmr::vector<TLexeme>& items = lexemes.Items;
    const auto isChar = [&](std::size_t i) {
        return i < items.size() && items[i].Kind == TLexeme::Kind::Char;
    };
    const auto isOperator = [&](std::size_t i, char op) {
        return i < items.size() && items[i].IsOperator(op);
    };
    std::size_t kept = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        std::size_t last = i + 1;  // the group's last character
        while (isChar(last) && isOperator(last + 1, '|')) last += 2;
        if (!isOperator(i, '(') || !isChar(last) || !isOperator(last + 1, ')')) {
            items[kept++] = items[i];
            continue;
        }
        TLexeme bracket{TLexeme::Kind::Class, '(',
                        static_cast<std::uint32_t>(lexemes.Ranges.size())};
        for (std::size_t c = i + 1; c <= last; c += 2)
            lexemes.Ranges.push_back({items[c].Value, items[c].Value});
        bracket.RangeCount = static_cast<std::uint32_t>(lexemes.Ranges.size()) - bracket.FirstRange;
        std::sort(lexemes.Ranges.begin() + bracket.FirstRange, lexemes.Ranges.end());
        items[kept++] = bracket;
        i = last + 1;
    }
    items.resize(kept);
}

bool IsDots(TLexemeSpan lexemes, std::size_t at) {
    return at + 1 < lexemes.size() && lexemes[at].IsOperator('.') &&
           (lexemes[at + 1].IsOperator('*') || lexemes[at + 1].IsOperator('+'));
}

// [^] item... [ending] [$]: a chain of states, one per item, then the ending's. The ending is
// nothing, a .* or .+ tail, an optional last item, or a gap (.* or .+) before a last word of
// characters, whose states tell which of the word's beginnings the text read last.
class TChain {
public:
    TChain(const TLexemes& lexemes, std::int32_t maxChar) : lexemes_(lexemes), maxChar_(maxChar) {}

    bool Read(TLexemeSpan body) {
        int wide = 0;
        std::size_t word = body.size();
        while (word > 0 && body[word - 1].Kind == TLexeme::Kind::Char) --word;
        if (word >= 2 && IsDots(body, word - 2)) {
            dots_ = body[word - 1].Value;
            word_ = body.subspan(word);
            wide += 2;
            body = body.first(word - 2);
            for (const TLexeme& c : word_) {
                if (c.Value == bmreLF || c.Value == bmreCR || c.Value > maxChar_) return false;
            }
        } else if (body.size() >= 2 && body.back().IsOperator('?') &&
                   body[body.size() - 2].Kind != TLexeme::Kind::Operator) {
            optional_ = &body[body.size() - 2];
            wide += optional_->Kind == TLexeme::Kind::Class ? 1 : 0;
            body = body.first(body.size() - 2);
        }
        for (const TLexeme& item : body) {
            if (item.Kind == TLexeme::Kind::Operator && !item.IsOperator('.')) return false;
            wide += item.Kind == TLexeme::Kind::Char ? 0 : 1;
        }
        items_ = body;
        return wide <= kMaxWideItems && (!items_.empty() || dots_ != 0 || optional_ != nullptr);
    }

    void Build(TbmREDFATable& dfa, bool lineHead, bool lineTail) const {
        TbmREStateIndex state = 0;
        if (lineHead) {
            dfa.AddState(false);
            dfa.AddTransition({bmreLineHead, bmreLineHead, ++state});
        }
        for (const TLexeme& item : items_) {
            dfa.AddState(false);
            AddItem(dfa, item, ++state);
        }
        // From here on, next is the end marker, or the $ that leads to it.
        const TbmREStateIndex after = state;
        if (!word_.empty())
            BuildGap(dfa, after, lineTail);
        else if (optional_ != nullptr)
            BuildOptional(dfa, after, lineTail);
        else
            BuildTail(dfa, after, lineTail);
    }

private:
    // {next}, or with a tail {dot, next}, reached through one more dot for .+.
    void BuildTail(TbmREDFATable& dfa, TbmREStateIndex after, bool lineTail) const {
        const TbmREStateIndex loop = dots_ == '+' ? after + 1 : after;
        if (dots_ == '+') {
            dfa.AddState(false);
            AddDot(dfa, loop);
        }
        dfa.AddState(!lineTail);
        if (lineTail) dfa.AddTransition({bmreLineTail, bmreLineTail, loop + 1});
        if (dots_ != 0) AddDot(dfa, loop);
        if (lineTail) dfa.AddState(true);
    }

    // {optional item, next}, then {next}.
    void BuildOptional(TbmREDFATable& dfa, TbmREStateIndex after, bool lineTail) const {
        dfa.AddState(!lineTail);
        if (lineTail) dfa.AddTransition({bmreLineTail, bmreLineTail, after + 2});
        AddItem(dfa, *optional_, after + 1);
        dfa.AddState(!lineTail);
        if (lineTail) {
            dfa.AddTransition({bmreLineTail, bmreLineTail, after + 2});
            dfa.AddState(true);
        }
    }

    // The word's beginnings read last: bit j for "the word's first j characters", always
    // including 0 (the dots go on), the bit of the whole word standing for next.
    using TBeginnings = std::bitset<kMaxPatternBytes + 1>;

    TBeginnings Step(const TBeginnings& beginnings, std::int32_t c) const {
        TBeginnings next;
        next.set(0);
        for (std::size_t j = 0; j < word_.size(); ++j) {
            if (beginnings[j] && word_[j].Value == c) next.set(j + 1);
        }
        return next;
    }

    void BuildGap(TbmREDFATable& dfa, TbmREStateIndex after, bool lineTail) const {
        const TbmREStateIndex first = dots_ == '+' ? after + 1 : after;
        if (dots_ == '+') {
            dfa.AddState(false);
            AddDot(dfa, first);
        }
        std::array<std::int32_t, kMaxPatternBytes> chars{};
        std::size_t distinct = 0;
        for (const TLexeme& c : word_) chars[distinct++] = c.Value;
        std::sort(chars.begin(), chars.begin() + static_cast<long>(distinct));
        distinct = static_cast<std::size_t>(
            std::unique(chars.begin(), chars.begin() + static_cast<long>(distinct)) -
            chars.begin());
        const std::span<const std::int32_t> wordChars(chars.data(), distinct);

        // States in the order they are first reached; the empty set stands for {end marker}
        // after $.
        const std::size_t whole = word_.size();
        std::vector<TBeginnings> order(1, TBeginnings().set(0));
        const auto reach = [&](const TBeginnings& beginnings) {
            const auto at = std::find(order.begin(), order.end(), beginnings);
            if (at != order.end()) return first + static_cast<TbmREStateIndex>(at - order.begin());
            order.push_back(beginnings);
            return first + static_cast<TbmREStateIndex>(order.size() - 1);
        };
        for (std::size_t i = 0; i < order.size(); ++i) {
            const TBeginnings beginnings = order[i];
            if (beginnings.none()) continue;
            for (auto c = wordChars.rbegin(); c != wordChars.rend(); ++c)
                reach(Step(beginnings, *c));
            if (lineTail && beginnings[whole]) reach(TBeginnings());
        }
        for (std::size_t i = 0; i < order.size(); ++i) {
            const TBeginnings beginnings = order[i];
            dfa.AddState(beginnings.none() || (beginnings[whole] && !lineTail));
            if (beginnings.none()) continue;
            if (lineTail && beginnings[whole])
                dfa.AddTransition({bmreLineTail, bmreLineTail, reach(TBeginnings())});
            // The dot's ranges, each word character cut out with its own target.
            for (const TbmREWchRange& range : DotRanges()) {
                std::int32_t from = range.Lo;
                for (const std::int32_t c : wordChars) {
                    if (c < range.Lo || c > range.Hi) continue;
                    if (from < c) dfa.AddTransition({from, c - 1, first});
                    dfa.AddTransition({c, c, reach(Step(beginnings, c))});
                    from = c + 1;
                }
                if (from <= range.Hi) dfa.AddTransition({from, range.Hi, first});
            }
        }
    }

    void AddItem(TbmREDFATable& dfa, const TLexeme& item, TbmREStateIndex target) const {
        switch (item.Kind) {
            case TLexeme::Kind::Char:
                dfa.AddTransition({item.Value, item.Value, target});
                break;
            case TLexeme::Kind::Class:
                for (const TbmREWchRange& range : lexemes_.RangesOf(item))
                    dfa.AddTransition({range.Lo, range.Hi, target});
                break;
            case TLexeme::Kind::Operator:
                AddDot(dfa, target);
                break;
        }
    }

    // Every character but LF and CR.
    std::array<TbmREWchRange, 3> DotRanges() const {
        return {{{0, bmreLF - 1}, {bmreLF + 1, bmreCR - 1}, {bmreCR + 1, maxChar_}}};
    }
    void AddDot(TbmREDFATable& dfa, TbmREStateIndex target) const {
        for (const TbmREWchRange& range : DotRanges())
            dfa.AddTransition({range.Lo, range.Hi, target});
    }

    const TLexemes& lexemes_;
    std::int32_t maxChar_;
    TLexemeSpan items_;
    std::int32_t dots_ = 0;              // '*' or '+' for a .* or .+ tail or gap
    TLexemeSpan word_;                   // the word after a gap
    const TLexeme* optional_ = nullptr;  // the item before a trailing ?
};

// [^](word|word|...)[$], or word|word|... without anchors: the tree of the words' prefixes,
// each node a state, except that the nodes where words end with no longer word going on share
// one state: the end marker, or the $ that leads to it.
class TAlternatives {
public:
    explicit TAlternatives(std::pmr::memory_resource* arena)
        : ends_(arena), edges_(arena), ids_(arena), order_(arena) {}

    bool Read(TLexemeSpan body, bool anchored) {
        const bool grouped =
            body.size() >= 2 && body.front().IsOperator('(') && body.back().IsOperator(')');
        if (grouped)
            body = body.subspan(1, body.size() - 2);
        else if (anchored)
            return false;        // ^ or $ would bind to the first or last word alone
        ends_.push_back(false);  // the root
        std::uint32_t node = kRoot;
        for (const TLexeme& item : body) {
            if (item.Kind == TLexeme::Kind::Char) {
                node = Child(node, item.Value);
            } else if (item.IsOperator('|') && node != kRoot) {
                ends_[node] = true;
                node = kRoot;
            } else {
                return false;
            }
        }
        if (node == kRoot) return false;
        ends_[node] = true;
        std::sort(edges_.begin(), edges_.end());
        return true;
    }

    void Build(TbmREDFATable& dfa, bool lineHead, bool lineTail) {
        Number(lineHead, lineTail);
        for (const std::int64_t state : order_) {
            if (state == kHead) {
                dfa.AddState(false);
                dfa.AddTransition({bmreLineHead, bmreLineHead, ids_[kRoot]});
                continue;
            }
            const bool ends = state == kWordsEnd || (state >= 0 && ends_[state]);
            dfa.AddState(state == kEnd || (ends && !lineTail));
            if (ends && lineTail) dfa.AddTransition({bmreLineTail, bmreLineTail, endId_});
            if (state < 0) continue;
            for (const TEdge& edge : Children(static_cast<std::uint32_t>(state)))
                dfa.AddTransition({edge.Char, edge.Char, IdOf(Target(edge))});
        }
    }

private:
    static constexpr std::uint32_t kRoot = 0;
    // States that are no node: before ^, where every word has ended, after $.
    static constexpr std::int64_t kHead = -1;
    static constexpr std::int64_t kWordsEnd = -2;
    static constexpr std::int64_t kEnd = -3;

    struct TEdge {
        std::uint32_t From;
        std::int32_t Char;
        std::uint32_t To;
        auto operator<=>(const TEdge&) const = default;
    };

    std::uint32_t Child(std::uint32_t node, std::int32_t c) {
        for (const TEdge& edge : edges_) {
            if (edge.From == node && edge.Char == c) return edge.To;
        }
        const auto child = static_cast<std::uint32_t>(ends_.size());
        ends_.push_back(false);
        edges_.push_back({node, c, child});
        return child;
    }

    std::span<const TEdge> Children(std::uint32_t node) const {
        const auto first =
            std::lower_bound(edges_.begin(), edges_.end(), TEdge{node, INT32_MIN, 0});
        const auto last = std::lower_bound(first, edges_.end(), TEdge{node + 1, INT32_MIN, 0});
        return {first, last};
    }

    std::int64_t Target(const TEdge& edge) const {
        return Children(edge.To).empty() ? kWordsEnd : std::int64_t{edge.To};
    }

    TbmREStateIndex& IdOf(std::int64_t state) {
        return state == kWordsEnd ? wordsEndId_ : state == kEnd ? endId_ : ids_[state];
    }

    void Reach(std::int64_t state) {
        TbmREStateIndex& id = IdOf(state);
        if (id != bmreNoState) return;
        id = static_cast<TbmREStateIndex>(order_.size());
        order_.push_back(state);
    }

    // States in the order the full compile reaches them.
    void Number(bool lineHead, bool lineTail) {
        ids_.assign(ends_.size(), bmreNoState);
        if (lineHead) order_.push_back(kHead);
        Reach(kRoot);
        for (std::size_t i = 0; i < order_.size(); ++i) {
            const std::int64_t state = order_[i];
            if (state >= 0) {
                const std::span<const TEdge> children = Children(static_cast<std::uint32_t>(state));
                for (auto edge = children.rbegin(); edge != children.rend(); ++edge)
                    Reach(Target(*edge));
            }
            const bool ends = state == kWordsEnd || (state >= 0 && ends_[state]);
            if (ends && lineTail) Reach(kEnd);
        }
    }

    std::pmr::vector<bool> ends_;  // per node: whether a word ends there
    std::pmr::vector<TEdge> edges_;
    std::pmr::vector<TbmREStateIndex> ids_;  // per node
    std::pmr::vector<std::int64_t> order_;   // the states by number: nodes, or a k- value
    TbmREStateIndex wordsEndId_ = bmreNoState;
    TbmREStateIndex endId_ = bmreNoState;
};

}  // namespace

std::optional<TbmREDFATable> BuildSimpleDFA(std::string_view pattern, TbmCharCode code) {
    if (pattern.empty() || pattern.size() > kMaxPatternBytes) return std::nullopt;
    TbmWchReader* reader = ReaderFor(code);
    // The working lists of a pattern this short fit in the first block: no heap at all.
    std::array<std::byte, 4096> firstBlock;
    std::pmr::monotonic_buffer_resource arena(firstBlock.data(), firstBlock.size());
    TLexemes lexemes(&arena);
    if (reader == nullptr || !Lex(pattern, *reader, lexemes)) return std::nullopt;
    FoldGroups(lexemes);

    TLexemeSpan body(lexemes.Items);
    const bool lineHead = !body.empty() && body.front().IsOperator('^');
    if (lineHead) body = body.subspan(1);
    const bool lineTail = !body.empty() && body.back().IsOperator('$');
    if (lineTail) body = body.first(body.size() - 1);

    // Built where the lists keep their room from pattern to pattern, then copied into blocks of
    // exactly their size, as a table keeps thousands of them.
    thread_local TbmREDFATable scratch;
    scratch.Clear();
    TChain chain(lexemes, bmreMaxCharOf(code));
    TAlternatives alternatives(&arena);
    if (chain.Read(body))
        chain.Build(scratch, lineHead, lineTail);
    else if (alternatives.Read(body, lineHead || lineTail))
        alternatives.Build(scratch, lineHead, lineTail);
    else
        return std::nullopt;
    scratch.Finish(lineHead, lineTail);
    return scratch;
}

}  // namespace kiova
