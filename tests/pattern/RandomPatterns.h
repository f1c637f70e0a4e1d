// Random patterns for differential tests: a small syntax tree, its text in our pattern syntax
// and in RE2's, and a slow, obvious matcher over the tree that serves as the gold standard.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "bmCharCode.h"

namespace kiova::test {

struct PatternNode {
    enum class Kind { Char, Class, Dot, Empty, Cat, Alt, Star, Plus, Opt };
    Kind kind = Kind::Empty;
    std::int32_t c = 0;                                        // Char
    std::vector<std::pair<std::int32_t, std::int32_t>> items;  // Class ranges
    bool negated = false;                                      // Class
    std::vector<PatternNode> children;
};

struct RandomPattern {
    PatternNode root;
    bool lineHead = false;  // written ^(...)
    bool lineTail = false;  // written (...)$
};

class PatternGenerator {
public:
    // `alphabet`: the character values patterns and texts are made of.
    PatternGenerator(TbmCharCode code, std::vector<std::int32_t> alphabet, std::uint32_t seed);

    RandomPattern Pattern(bool withAnchors);
    // Bytes of `code`; with `trailingLeadByte`, sometimes a lone lead byte at the end.
    std::string Text(int maxChars, bool trailingLeadByte = false);

private:
    PatternNode Node(int depth);
    std::int32_t Char();

    TbmCharCode code_;
    std::vector<std::int32_t> alphabet_;
    std::mt19937 random_;
};

// The pattern in our syntax; characters are written as their own bytes.
std::string OurSyntax(const RandomPattern& pattern);
// The pattern in RE2 syntax for Latin-1 (no anchors); dot and negated classes leave out CR, LF.
std::string Re2Syntax(const RandomPattern& pattern);

// Leftmost-longest search by exhaustive matching over the tree: (byte position, byte length),
// position -1 when there is no match.
std::pair<int, int> GoldSearch(const RandomPattern& pattern, const std::string& text,
                               TbmCharCode code);

}  // namespace kiova::test
