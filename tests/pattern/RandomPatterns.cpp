#include "RandomPatterns.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <tuple>

namespace kiova::test {
namespace {

using Kind = PatternNode::Kind;

constexpr std::int32_t kLF = 10;
constexpr std::int32_t kCR = 13;

bool IsLead(TbmCharCode code, unsigned byte) {
    return code == TbmCharCode::ShiftJIS &&
           ((byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC));
}

std::string Bytes(std::int32_t c) {
    if (c >= 256) return {static_cast<char>(c >> 8), static_cast<char>(c & 0xFF)};
    return std::string(1, static_cast<char>(c));
}

std::string OurChar(std::int32_t c, const std::string& specials) {
    if (c == kLF) return "\\n";
    if (c == kCR) return "\\r";
    if (c < 128 && specials.find(static_cast<char>(c)) != std::string::npos) {
        return "\\" + Bytes(c);
    }
    return Bytes(c);
}

bool IsAtom(const PatternNode& node) {
    return node.kind == Kind::Char || node.kind == Kind::Class || node.kind == Kind::Dot ||
           node.kind == Kind::Empty;
}

std::string Ours(const PatternNode& node) {
    switch (node.kind) {
        case Kind::Char:
            return OurChar(node.c, "\\|()*+?.^$[");
        case Kind::Class: {
            std::string text = node.negated ? "[^" : "[";
            for (const auto& [lo, hi] : node.items) {
                text += OurChar(lo, "]\\-^");
                if (hi != lo) text += "-" + OurChar(hi, "]\\-^");
            }
            return text + "]";
        }
        case Kind::Dot:
            return ".";
        case Kind::Empty:
            return "()";
        case Kind::Cat: {
            std::string text;
            for (const PatternNode& child : node.children) {
                text += child.kind == Kind::Alt ? "(" + Ours(child) + ")" : Ours(child);
            }
            return text;
        }
        case Kind::Alt: {
            std::string text;
            for (const PatternNode& child : node.children) {
                text += (text.empty() ? "" : "|") + Ours(child);
            }
            return text;
        }
        case Kind::Star:
        case Kind::Plus:
        case Kind::Opt: {
            const PatternNode& child = node.children[0];
            const std::string operand = IsAtom(child) ? Ours(child) : "(" + Ours(child) + ")";
            return operand + (node.kind == Kind::Star ? "*" : node.kind == Kind::Plus ? "+" : "?");
        }
    }
    return {};
}

std::string Re2Char(std::int32_t c) {
    char text[16];
    std::snprintf(text, sizeof text, "\\x{%X}", static_cast<unsigned>(c));
    return text;
}

std::string Re2(const PatternNode& node) {
    switch (node.kind) {
        case Kind::Char:
            return Re2Char(node.c);
        case Kind::Class: {
            std::string text = node.negated ? "[^\\n\\r" : "[";
            for (const auto& [lo, hi] : node.items) {
                text += Re2Char(lo);
                if (hi != lo) text += "-" + Re2Char(hi);
            }
            return text + "]";
        }
        case Kind::Dot:
            return "[^\\n\\r]";
        case Kind::Empty:
            return "(?:)";
        case Kind::Cat: {
            std::string text;
            for (const PatternNode& child : node.children) text += "(?:" + Re2(child) + ")";
            return text;
        }
        case Kind::Alt: {
            std::string text;
            for (const PatternNode& child : node.children) {
                text += (text.empty() ? "" : "|") + std::string("(?:") + Re2(child) + ")";
            }
            return text;
        }
        case Kind::Star:
            return "(?:" + Re2(node.children[0]) + ")*";
        case Kind::Plus:
            return "(?:" + Re2(node.children[0]) + ")+";
        case Kind::Opt:
            return "(?:" + Re2(node.children[0]) + ")?";
    }
    return {};
}

// Every way the tree can match from a character index, by memoised exhaustive search.
class Matcher {
public:
    explicit Matcher(std::vector<std::int32_t> chars) : chars_(std::move(chars)) {}

    const std::set<int>& Ends(const PatternNode& node, int at) {
        const auto key = std::make_tuple(&node, at, false);
        if (auto found = memo_.find(key); found != memo_.end()) return found->second;
        std::set<int> ends;
        switch (node.kind) {
            case Kind::Char:
            case Kind::Class:
            case Kind::Dot:
                if (at < static_cast<int>(chars_.size()) && Accepts(node, chars_[at])) {
                    ends.insert(at + 1);
                }
                break;
            case Kind::Empty:
                ends.insert(at);
                break;
            case Kind::Cat: {
                std::set<int> current{at};
                for (const PatternNode& child : node.children) {
                    std::set<int> next;
                    for (const int from : current) {
                        const std::set<int>& childEnds = Ends(child, from);
                        next.insert(childEnds.begin(), childEnds.end());
                    }
                    current = std::move(next);
                }
                ends = std::move(current);
                break;
            }
            case Kind::Alt:
                for (const PatternNode& child : node.children) {
                    const std::set<int>& childEnds = Ends(child, at);
                    ends.insert(childEnds.begin(), childEnds.end());
                }
                break;
            case Kind::Star:
                ends = RepeatEnds(node.children[0], at);
                break;
            case Kind::Plus:
                for (const int first : std::set<int>(Ends(node.children[0], at))) {
                    const std::set<int>& more = RepeatEnds(node.children[0], first);
                    ends.insert(more.begin(), more.end());
                }
                break;
            case Kind::Opt:
                ends = Ends(node.children[0], at);
                ends.insert(at);
                break;
        }
        return memo_[key] = std::move(ends);
    }

private:
    static bool Accepts(const PatternNode& node, std::int32_t c) {
        if (node.kind == Kind::Char) return c == node.c;
        if (c == kLF || c == kCR)
            return node.kind == Kind::Class && !node.negated && InItems(node, c);
        return node.kind == Kind::Dot || InItems(node, c) != node.negated;
    }
    static bool InItems(const PatternNode& node, std::int32_t c) {
        return std::any_of(node.items.begin(), node.items.end(),
                           [c](const auto& item) { return item.first <= c && c <= item.second; });
    }
    // Zero or more repetitions of `child` from `at`.
    const std::set<int>& RepeatEnds(const PatternNode& child, int at) {
        const auto key = std::make_tuple(&child, at, true);
        if (auto found = memo_.find(key); found != memo_.end()) return found->second;
        std::set<int> ends{at};
        for (const int next : std::set<int>(Ends(child, at))) {
            if (next == at) continue;
            const std::set<int>& more = RepeatEnds(child, next);
            ends.insert(more.begin(), more.end());
        }
        return memo_[key] = std::move(ends);
    }

    std::vector<std::int32_t> chars_;
    std::map<std::tuple<const PatternNode*, int, bool>, std::set<int>> memo_;
};

}  // namespace

PatternGenerator::PatternGenerator(TbmCharCode code, std::vector<std::int32_t> alphabet,
                                   std::uint32_t seed)
    : code_(code), alphabet_(std::move(alphabet)), random_(seed) {}

std::int32_t PatternGenerator::Char() {
    return alphabet_[std::uniform_int_distribution<std::size_t>(0, alphabet_.size() - 1)(random_)];
}

PatternNode PatternGenerator::Node(int depth) {
    auto pick = [this](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); };
    PatternNode node;
    const int choice = depth <= 0 ? pick(4) : pick(10);
    switch (choice) {
        case 0:
        case 1:
            node.kind = Kind::Char;
            node.c = Char();
            break;
        case 2: {
            node.kind = Kind::Class;
            node.negated = pick(3) == 0;
            for (int i = 0, n = 1 + pick(3); i < n; ++i) {
                std::int32_t lo = Char(), hi = pick(3) == 0 ? Char() : lo;
                if (hi < lo) std::swap(lo, hi);
                node.items.emplace_back(lo, hi);
            }
            break;
        }
        case 3:
            node.kind = pick(4) == 0 ? Kind::Empty : Kind::Dot;
            break;
        case 4:
        case 5:
        case 6: {
            node.kind = choice == 6 ? Kind::Alt : Kind::Cat;
            for (int i = 0, n = 2 + pick(2); i < n; ++i) node.children.push_back(Node(depth - 1));
            break;
        }
        default:
            node.kind = choice == 7 ? Kind::Star : choice == 8 ? Kind::Plus : Kind::Opt;
            node.children.push_back(Node(depth - 1));
            break;
    }
    return node;
}

RandomPattern PatternGenerator::Pattern(bool withAnchors) {
    RandomPattern pattern;
    pattern.root = Node(1 + static_cast<int>(random_() % 4));
    if (withAnchors) {
        pattern.lineHead = random_() % 3 == 0;
        pattern.lineTail = random_() % 3 == 0;
    }
    return pattern;
}

std::string PatternGenerator::Text(int maxChars, bool trailingLeadByte) {
    std::string text;
    for (int i = 0, n = static_cast<int>(random_() % (maxChars + 1)); i < n; ++i)
        text += Bytes(Char());
    if (trailingLeadByte && random_() % 4 == 0) text += '\x88';
    return text;
}

std::string OurSyntax(const RandomPattern& pattern) {
    std::string body = Ours(pattern.root);
    if (pattern.lineHead || pattern.lineTail) body = "(" + body + ")";
    return (pattern.lineHead ? "^" : "") + body + (pattern.lineTail ? "$" : "");
}

std::string Re2Syntax(const RandomPattern& pattern) {
    return Re2(pattern.root);
}

std::pair<int, int> GoldSearch(const RandomPattern& pattern, const std::string& text,
                               TbmCharCode code) {
    std::vector<std::int32_t> chars;
    std::vector<int> offsets;  // byte offset of each character, then the text size
    for (std::size_t i = 0; i < text.size();) {
        offsets.push_back(static_cast<int>(i));
        const auto byte = static_cast<unsigned char>(text[i]);
        if (IsLead(code, byte)) {
            const unsigned trail =
                i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
            chars.push_back(static_cast<std::int32_t>(byte << 8 | trail));
            i += 2;
        } else {
            chars.push_back(byte);
            i += 1;
        }
    }
    offsets.push_back(static_cast<int>(text.size()));
    const int count = static_cast<int>(chars.size());

    const auto lineStart = [&](int at) {
        if (at == 0) return true;
        const std::int32_t before = chars[at - 1];
        return before == kLF || (before == kCR && (at == count || chars[at] != kLF));
    };
    const auto lineEnd = [&](int at) {
        return at == count || chars[at] == kLF || chars[at] == kCR;
    };

    Matcher matcher(chars);
    for (int start = 0; start <= count; ++start) {
        if (pattern.lineHead && !lineStart(start)) continue;
        int longest = -1;
        for (const int end : matcher.Ends(pattern.root, start)) {
            if (!pattern.lineTail || lineEnd(end)) longest = std::max(longest, end);
        }
        if (longest >= 0) return {offsets[start], offsets[longest] - offsets[start]};
    }
    return {-1, 0};
}

}  // namespace kiova::test
