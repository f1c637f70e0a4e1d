// The direct build of simple patterns against the full compile through the tree: the same
// automaton, state for state, on generated keys of every shape and code; and no automaton at all
// for anything else.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "Dumps.h"
#include "bmRESimpleDFA.h"

namespace kiova {
namespace {

using test::DfaOf;
using test::DumpDFA;

struct CodeCase {
    TbmCharCode code;
    // Characters as bytes of the code: ASCII, double-byte ones (some with a backslash as their
    // trail byte), escapes and escaped operators.
    std::vector<std::string> chars;
};

std::vector<CodeCase> Codes() {
    const std::vector<std::string> ascii = {"A", "B",   "C",   " ",   "0",   "9",     "]",   "-",
                                            "{", "\\.", "\\(", "\\[", "\\n", "\\x41", "\\\\"};
    auto with = [&](std::vector<std::string> more) {
        more.insert(more.begin(), ascii.begin(), ascii.end());
        return more;
    };
    return {
        {TbmCharCode::ShiftJIS, with({"\x82\xa0", "\x82\xa2", "\x83\x5c", "\x95\x5c", "\xb1"})},
        {TbmCharCode::UTF8, with({"\xe3\x81\x82", "\xe3\x81\x84", "\xf0\x9f\x98\x80", "\xc3\xa9"})},
        {TbmCharCode::Western, with({"\xe9", "\xff", "\x80"})},
    };
}

class KeyGenerator {
public:
    KeyGenerator(const CodeCase& code, unsigned seed) : chars_(code.chars), random_(seed) {}

    // [^] items [.* | .+ | item? | .* word | .+ word] [$]
    std::string Chain() {
        std::string key = Maybe(4) ? "^" : "";
        const int items = static_cast<int>(random_() % 5);
        for (int i = 0; i < items; ++i) key += Item();
        switch (items == 0 ? 0 : random_() % 4) {
            case 0:
                key += Maybe(2) ? ".*" : ".+";
                break;
            case 1:
                key += Item() + "?";
                break;
            case 2:
                // Few characters, so that the word's beginnings recur in it.
                key += Maybe(2) ? ".*" : ".+";
                for (int n = 1 + static_cast<int>(random_() % 5); n > 0; --n)
                    key += chars_[random_() % 3];
                break;
            default:
                break;
        }
        return key + (Maybe(4) ? "$" : "");
    }

    // [^](word|...)[$] or word|word: few characters, so that words share prefixes, repeat and
    // run on past each other.
    std::string Alternatives() {
        const bool anchors = Maybe(2) != 0;
        std::string words;
        const int count = 1 + static_cast<int>(random_() % 4);
        for (int w = 0; w < count; ++w) {
            if (w > 0) words += "|";
            const int length = 1 + static_cast<int>(random_() % 3);
            for (int i = 0; i < length; ++i) words += chars_[random_() % 3];
        }
        if (!anchors && count > 1 && Maybe(3)) return words;
        return (anchors && Maybe(2) ? "^" : "") + ("(" + words + ")") +
               (anchors && Maybe(2) ? "$" : "");
    }

private:
    bool Maybe(unsigned oneIn) { return random_() % oneIn == 0; }
    std::string Item() {
        switch (random_() % 7) {
            case 0:
                return Bracket();
            case 1:
                return ".";
            case 2:
                return "(" + Char() + "|" + Char() + (Maybe(2) ? "|" + Char() : "") + ")";
            default:
                return Char();
        }
    }
    const std::string& Char() { return chars_[random_() % chars_.size()]; }
    std::string Bracket() {
        std::string bracket = "[";
        const int items = 1 + static_cast<int>(random_() % 3);
        for (int i = 0; i < items; ++i) {
            bracket += Char();
            if (Maybe(3)) bracket += "-" + Char();
        }
        return bracket + "]";
    }

    const std::vector<std::string>& chars_;
    std::mt19937 random_;
};

// The full compile's automaton, or "invalid" when it refuses the pattern.
std::string FullCompile(const std::string& key, TbmCharCode code) {
    try {
        return DfaOf(key, code);
    } catch (const EbmREToken&) {
        return "invalid";
    }
}

TEST(SimpleDfaTest, GeneratedKeysGetTheFullCompilesAutomaton) {
    for (const CodeCase& code : Codes()) {
        KeyGenerator generator(code, 7);
        int built = 0;
        for (int i = 0; i < 3000; ++i) {
            const std::string key = i % 2 == 0 ? generator.Chain() : generator.Alternatives();
            const auto dfa = BuildSimpleDFA(key, code.code);
            if (!dfa) continue;  // e.g. a bracket whose range runs backwards
            ++built;
            ASSERT_EQ(DumpDFA(*dfa), FullCompile(key, code.code))
                << key << " in " << bmccCharCodeName(code.code);
        }
        EXPECT_GT(built, 2500) << bmccCharCodeName(code.code);
    }
}

TEST(SimpleDfaTest, OtherPatternsAreLeftToTheFullCompile) {
    for (const char* key :
         {"",      "A*",  "A+",   "(A|B)C|D", "A(BC|D)", "^A|B",    "A|B$",   "[^A]",
          "A^B",   "A$B", "(A|)", "(|A)",     "A|",      "((A|B))", "A.*[B]", "A.+B.*C",
          "A.*B?", "A?B", "A.?",  "(AB|C)?",  "A.*\\n",  "[A",      "[B-A]",  "A\\",
          "\\x",   "A)",  "(A",   "^",        "$",       "^$",      "()"}) {
        EXPECT_FALSE(BuildSimpleDFA(key, TbmCharCode::ShiftJIS)) << key;
    }
}

TEST(SimpleDfaTest, TheLargestAcceptedPatternIsWithinTheFullCompilesBudget) {
    // Every letter and digit splits the alphabet, and the wide items span all of it.
    const std::string wide = "[\\x01-\\xff]";
    const std::string letters = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    std::string key = "^" + wide + wide;
    for (std::size_t i = 0; key.size() < 124; ++i) key += letters[i % letters.size()];
    key += ".+$";
    ASSERT_TRUE(BuildSimpleDFA(key, TbmCharCode::UTF8));
    EXPECT_EQ(DumpDFA(*BuildSimpleDFA(key, TbmCharCode::UTF8)),
              FullCompile(key, TbmCharCode::UTF8));
}

}  // namespace
}  // namespace kiova
