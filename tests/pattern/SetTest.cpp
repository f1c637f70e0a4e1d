// Pattern sets against searching each pattern on its own, on random sets, texts and codes.
#include <gtest/gtest.h>

#include <memory>

#include "RandomPatterns.h"
#include "bmRESet.h"
#include "bmRExp.h"
#include "bmWchReader.h"

namespace kiova {
namespace {

std::string Widen(const std::string& bytes) {
    std::string units;
    for (const char byte : bytes) units += {byte, '\0'};
    return units;
}

struct Case {
    TbmCharCode code;
    std::vector<std::int32_t> alphabet;
    std::string junk;  // bytes that put texts out of step with characters
};

// Sets of random patterns (anchors included) must report exactly the patterns whose search finds
// a match; with a budget too small for the text they may give up, but never answer wrongly.
void CompareWithSearches(const Case& c, std::size_t budget, std::uint32_t seed) {
    test::PatternGenerator generator(c.code, c.alphabet, seed);
    std::mt19937 random(seed);
    const auto encode = [&](const std::string& bytes) {
        return c.code == TbmCharCode::UniCode ? Widen(bytes) : bytes;
    };
    int failures = 0;
    int gaveUp = 0;
    for (int round = 0; round < 60 && failures < 5; ++round) {
        std::vector<std::unique_ptr<TbmRExp>> patterns;
        TbmRESet set(c.code, budget);
        while (patterns.size() < 1 + random() % 40) {
            auto re = std::make_unique<TbmRExp>(c.code);
            re->SetPattern(encode(test::OurSyntax(generator.Pattern(true))));
            try {
                set.Add(re->GetDFATable());
            } catch (const EbmREToken&) {
                continue;
            }
            patterns.push_back(std::move(re));
        }
        for (int t = 0; t < 20; ++t) {
            std::string text =
                generator.Text(t % 4 == 0 ? 60 : 10, c.code == TbmCharCode::ShiftJIS);
            if (random() % 3 == 0) text.insert(random() % (text.size() + 1), c.junk);
            text = encode(text);
            std::vector<std::uint32_t> expected, found;
            for (std::uint32_t p = 0; p < patterns.size(); ++p) {
                if (patterns[p]->Match(text, 1) != 0) expected.push_back(p);
            }
            if (!set.Match(text, found)) {
                ++gaveUp;
                continue;
            }
            if (found == expected) continue;
            ++failures;
            std::string listing;
            for (const auto& re : patterns) listing += testing::PrintToString(re->Pattern()) + " ";
            ADD_FAILURE() << bmccCharCodeName(c.code) << " text " << testing::PrintToString(text)
                          << ": found " << testing::PrintToString(found) << ", searches find "
                          << testing::PrintToString(expected) << "; patterns " << listing;
        }
    }
    if (budget == TbmRESet::kSizedWithPatterns) {
        EXPECT_EQ(gaveUp, 0);
    }
}

const Case kCases[] = {
    {TbmCharCode::ShiftJIS, {'A', 'a', 0x8341, 0x889F, 0x8800, '\n', '\r'}, "\x83"},
    {TbmCharCode::JapaneseEUC, {'a', 0xA4A2, 0xA4A4, '\n', '\r'}, "\xA4"},
    {TbmCharCode::Western, {'a', 'b', 'c', '^', '$', '\n', '\r', 0xE9}, "x"},
    {TbmCharCode::UniCode, {'a', 'b', '\n', '\r', 0xE9}, "\x0A"},
};

TEST(SetTest, ReportsExactlyThePatternsWhoseSearchMatches) {
    std::uint32_t seed = 1;
    for (const Case& c : kCases) CompareWithSearches(c, TbmRESet::kSizedWithPatterns, seed++);
}

TEST(SetTest, GivesUpRatherThanAnswerWronglyWhenTheBudgetIsSpent) {
    std::uint32_t seed = 11;
    for (const Case& c : kCases) CompareWithSearches(c, 2048, seed++);

    // Runs of a.?.?... (twenty) from every "a" make a new state at almost every character: a
    // long text outgrows a small budget, a short one does not.
    TbmRExp re(TbmCharCode::Western);
    std::string pattern = "a";
    for (int i = 0; i < 20; ++i) pattern += ".?";
    re.SetPattern(pattern + "!");
    TbmRESet set(TbmCharCode::Western, 64 << 10);
    set.Add(re.GetDFATable());
    std::mt19937 random(5);
    std::string text;
    for (int i = 0; i < 3000; ++i) text += "ab"[random() % 2];
    std::vector<std::uint32_t> found;
    EXPECT_FALSE(set.Match(text, found));
    EXPECT_TRUE(set.Match(text.substr(0, 30) + "!", found));
    EXPECT_EQ(found, std::vector<std::uint32_t>{0});
}

// Runs that only wait for a line end (after .*, .+, [^x]*) leave the states: they must still be
// reported at every kind of line end, once, and not after a break they cannot read.
TEST(SetTest, RunsWaitingForTheLineEndMatchAtEveryKindOfLineEnd) {
    const std::vector<std::string> sources = {"^a.*$",  "b.+$",   "c.*",    "^ab.+",    "a[^x]*$",
                                              "b.*\nc", "a(^|$)", "(^|$)b", "x(.|\n)*$"};
    std::vector<std::unique_ptr<TbmRExp>> patterns;
    TbmRESet set(TbmCharCode::Western);
    for (const std::string& source : sources) {
        patterns.push_back(std::make_unique<TbmRExp>(TbmCharCode::Western));
        patterns.back()->SetPattern(source);
        set.Add(patterns.back()->GetDFATable());
    }
    std::mt19937 random(3);
    for (int t = 0; t < 3000; ++t) {
        std::string text;
        for (std::size_t n = random() % 12; n > 0; --n) text += "abcx\n\r"[random() % 6];
        std::vector<std::uint32_t> expected, found;
        for (std::uint32_t p = 0; p < patterns.size(); ++p) {
            if (patterns[p]->Match(text, 1) != 0) expected.push_back(p);
        }
        ASSERT_TRUE(set.Match(text, found));
        ASSERT_EQ(found, expected) << testing::PrintToString(text);
    }
}

// The cache lives from text to text but never holds much more than its budget, whatever the
// texts: past it, states go and the per-character tables stay.
TEST(SetTest, CacheStaysWithinItsBudgetAcrossTexts) {
    constexpr std::size_t kBudget = 256 << 10;
    test::PatternGenerator generator(TbmCharCode::Western, {'a', 'b', 'c', '\n'}, 7);
    std::vector<std::unique_ptr<TbmRExp>> patterns;
    TbmRESet set(TbmCharCode::Western, kBudget);
    while (patterns.size() < 300) {
        auto re = std::make_unique<TbmRExp>(TbmCharCode::Western);
        re->SetPattern(test::OurSyntax(generator.Pattern(true)));
        try {
            set.Add(re->GetDFATable());
        } catch (const EbmREToken&) {
            continue;
        }
        patterns.push_back(std::move(re));
    }
    std::vector<std::uint32_t> found;
    std::size_t answered = 0;
    for (int t = 0; t < 400; ++t) {
        answered += set.Match(generator.Text(80), found);
        EXPECT_LE(set.CacheMemory(), kBudget + kBudget / 8);
    }
    EXPECT_GT(answered, 300u);
}

// Keys as dialogue tables hold them (words, alternatives, gaps, classes, anchors, digits, and
// some with no literal to filter on) in every code, over lines of the same words: the set must
// choose exactly what searching each key does, whichever way it runs a key.
TEST(SetTest, KeysOfEveryShapeAgreeWithSearchesInEveryCode) {
    struct Code {
        TbmCharCode code;
        std::vector<std::int32_t> letters;
        std::string junk;
    };
    const Code codes[] = {
        {TbmCharCode::ShiftJIS, {'A', 'b', 0x8341, 0x82A0, 0x889F}, "\x83"},
        {TbmCharCode::JapaneseEUC, {'a', 'b', 0xA4A2, 0xA4A4}, "\xA4"},
        {TbmCharCode::Western, {'a', 'b', 'c', 0xE9}, "^$"},
        {TbmCharCode::UniCode, {'a', 'b', 0x3042, 0x3044}, "\x0A"},
        {TbmCharCode::UTF8, {'a', 'b', 0xE9, 0x3042, 0x1F600}, "\xE3\x81"},
    };
    const std::vector<std::string> shapes = {
        "W",     "(W|W)", "W.*W", "W[LL]W", "^W",    "W$",   "W(L|L)?", "W[0-9][0-9]", "^W.+$",
        "(W|L)", "L.L",   ".*W",  "L?W",    "(WL)+", "W|^W", "[L-L]+W", "W(.|\n)*$",   "W[^L]*W"};
    std::mt19937 random(29);
    for (const Code& c : codes) {
        const auto reader = bmccCreateReader(c.code);
        const auto letter = [&] {
            return reader->CharToStr(c.letters[random() % c.letters.size()]);
        };
        const auto ascii = [&](std::string_view text) {
            std::string encoded;
            for (const char symbol : text) encoded += reader->CharToStr(symbol);
            return encoded;
        };
        std::vector<std::string> words(12);
        for (std::string& word : words) {
            for (std::size_t n = 2 + random() % 2; n > 0; --n) word += letter();
        }
        const auto word = [&] { return words[random() % words.size()]; };
        std::vector<std::unique_ptr<TbmRExp>> keys;
        TbmRESet set(c.code);
        for (int k = 0; k < 300; ++k) {
            std::string key;
            for (const char symbol : shapes[k % shapes.size()]) {
                key += symbol == 'W' ? word() : symbol == 'L' ? letter() : ascii({&symbol, 1});
            }
            auto re = std::make_unique<TbmRExp>(c.code);
            re->SetPattern(key);
            try {
                set.Add(re->GetDFATable());
            } catch (const EbmREToken&) {
                continue;  // a range written backwards
            }
            keys.push_back(std::move(re));
        }
        const std::vector<std::string> breaks = {"\n", "\r", "\r\n", " "};
        for (int t = 0; t < 150; ++t) {
            std::string line;
            for (std::size_t n = random() % 8; n > 0; --n) {
                line += random() % 3 == 0 ? letter() : word();
                if (random() % 4 == 0) line += ascii(breaks[random() % breaks.size()]);
                if (random() % 6 == 0) line += ascii(std::to_string(random() % 100));
            }
            if (random() % 5 == 0) line.insert(random() % (line.size() + 1), c.junk);
            if (c.code == TbmCharCode::UniCode && line.size() % 2 != 0) line += '\0';
            std::vector<std::uint32_t> expected, found;
            for (std::uint32_t k = 0; k < keys.size(); ++k) {
                if (keys[k]->Match(line, 1) != 0) expected.push_back(k);
            }
            ASSERT_TRUE(set.Match(line, found));
            ASSERT_EQ(found, expected)
                << bmccCharCodeName(c.code) << " " << testing::PrintToString(line);
        }
        EXPECT_GT(set.PrefilterMemory(), 0u);
    }
}

// A pasted line repeating the head of `A.*B` keys: each hit's run waits in the same state, and
// must not scan the rest of the line again, or a long line costs its length squared.
TEST(SetTest, RepeatedLiteralsCostLinearWork) {
    TbmRESet set(TbmCharCode::Western);
    std::vector<std::unique_ptr<TbmRExp>> keys;
    for (const char* key : {"HELLO.*WORLDX", "AB.*CD.*EF"}) {
        keys.push_back(std::make_unique<TbmRExp>(set.CharCode()));
        keys.back()->SetPattern(key);
        set.Add(keys.back()->GetDFATable());
    }
    std::string line;
    for (int n = 0; n < 5000; ++n) line += "HELLO AB CD ";
    line += "WORLD EF";
    std::vector<std::uint32_t> found;
    ASSERT_TRUE(set.Match(line, found));
    EXPECT_EQ(found, std::vector<std::uint32_t>{1});
    EXPECT_LE(set.PrefilteredWork(), 4 * line.size());
}

}  // namespace
}  // namespace kiova
