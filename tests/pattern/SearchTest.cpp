// The one-pass search (through range transitions and through the search table) and the lazy
// automaton against the restarting search they replaced, on random patterns, texts and start
// offsets in every code.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "RandomPatterns.h"
#include "ReferenceSearch.h"
#include "bmREDecoders.h"
#include "bmRELazyDFA.h"
#include "bmRESearch.h"
#include "bmRExp.h"
#include "bmWchReader.h"

namespace kiova {
namespace {

struct Found {
    int position;
    int length;
    bool operator==(const Found&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Found& found) {
    return out << found.position << "," << found.length;
}

// The generator's characters (bytes) as a text of `code` holds them: UTF-16 little-endian
// units, or UTF-8 for Latin-1.
std::string Encode(const std::string& bytes, TbmCharCode code) {
    if (code != TbmCharCode::UniCode && code != TbmCharCode::UTF8) return bytes;
    std::string encoded;
    for (const char byte : bytes) {
        const auto value = static_cast<std::uint8_t>(byte);
        if (code == TbmCharCode::UniCode)
            encoded += {byte, '\0'};
        else if (value < 0x80)
            encoded += byte;
        else
            encoded +=
                {static_cast<char>(0xC0 | value >> 6), static_cast<char>(0x80 | (value & 0x3F))};
    }
    return encoded;
}

class Differential {
public:
    Differential(TbmCharCode code, std::vector<std::int32_t> alphabet,
                 std::vector<std::string> junk, std::uint32_t seed,
                 std::size_t lazyBudget = TbmRELazyDFA::kDefaultBudget)
        : code_(code),
          generator_(code, std::move(alphabet), seed),
          junk_(std::move(junk)),
          lazyBudget_(lazyBudget) {}

    std::uint64_t Flushes() const { return flushes_; }
    std::uint64_t FallBacks() const { return fallBacks_; }

    void Run(int patterns) {
        for (int i = 0; i < patterns && failures_ < 10; ++i)
            Check(Encode(test::OurSyntax(generator_.Pattern(true)), code_), 10);
    }

    // Searches `texts` random texts with the pattern `source`.
    void Check(const std::string& source, int texts) {
        TbmRExp re(code_);
        re.SetPattern(source);
        try {
            re.GetDFATable();
        } catch (const EbmREToken&) {
            return;  // an empty negated class: nothing to search with
        }
        // One lazy automaton for all texts: states cached by one search serve the next.
        TbmRELazyDFA lazy(re.GetSearchTable(), lazyBudget_);
        for (int t = 0; t < texts; ++t) Compare(re, lazy, source, Text(t % 3 == 0 ? 400 : 14));
        flushes_ += lazy.Flushes();
        fallBacks_ += lazy.FallBacks();
    }

private:
    // Characters of the alphabet with junk between them: bytes that break character boundaries.
    std::string Text(int maxChars) {
        std::string text;
        while (static_cast<int>(text.size()) < maxChars * 2 && random_() % 16 != 0) {
            text += random_() % 6 == 0 ? junk_[random_() % junk_.size()]
                                       : Encode(generator_.Text(3), code_);
        }
        return text;
    }

    void Compare(TbmRExp& re, TbmRELazyDFA& lazy, const std::string& source,
                 const std::string& text) {
        const int size = static_cast<int>(text.size());
        for (const int start : {0, 1, static_cast<int>(random_() % (size + 2)), size}) {
            Found reference{}, ranges{}, table{}, lazily{};
            ranges.position = SearchDFA(text, start, code_, re.GetDFATable(), ranges.length);
            // The restarting search reads no UTF-8 and threw on UTF-16 from an odd offset (where
            // the rest of the text is no whole number of units): there the range search is the
            // reference.
            const bool restarting =
                code_ != TbmCharCode::UTF8 && (code_ != TbmCharCode::UniCode || start % 2 == 0);
            reference = restarting ? Found{} : ranges;
            if (restarting)
                reference.position = test::ReferenceSearchDFA(text, start, code_, re.GetDFATable(),
                                                              reference.length);
            table.position = SearchDFA(text, start, re.GetSearchTable(), table.length);
            lazily.position = lazy.Search(text, start, lazily.length);
            if (ranges == reference && table == reference && lazily == reference) continue;
            ++failures_;
            ADD_FAILURE() << bmccCharCodeName(code_) << " pattern "
                          << testing::PrintToString(source) << " text "
                          << testing::PrintToString(text) << " from " << start << ": reference "
                          << reference << ", ranges " << ranges << ", table " << table << ", lazy "
                          << lazily;
        }
    }

    TbmCharCode code_;
    test::PatternGenerator generator_;
    std::vector<std::string> junk_;
    std::size_t lazyBudget_;
    std::mt19937 random_{7};
    int failures_ = 0;
    std::uint64_t flushes_ = 0;
    std::uint64_t fallBacks_ = 0;
};

TEST(SearchTest, OnePassSearchFindsWhatTheRestartingSearchFinds) {
    // Shift JIS: trail bytes equal to letters and to lead bytes, a lead byte cut off by the end
    // (0x8800 is what it reads as), CR LF.
    Differential(TbmCharCode::ShiftJIS, {'A', 'a', 0x8341, 0x889F, 0x8800, '\n', '\r'},
                 {"\x88", "\x9F", "\x83", "A\x88\x9F"}, 1)
        .Run(1500);
    Differential(TbmCharCode::JapaneseEUC, {'a', 0xA4A2, 0xA4A4, '\n', '\r'}, {"\xA4", "\x8E"}, 2)
        .Run(500);
    Differential(TbmCharCode::Western, {'a', 'b', 'c', '^', '$', '\n', '\r', 0xE9}, {"x"}, 3)
        .Run(1500);
    // UTF-16: every pattern character is one unit.
    Differential(TbmCharCode::UniCode, {'a', 'b', '\n', '\r', 0xE9},
                 {std::string("a\0", 2), std::string("\n\0", 2)}, 4)
        .Run(500);
    // UTF-8: two-byte characters from Latin-1, among a three-byte one and broken sequences.
    Differential(TbmCharCode::UTF8, {'a', 'b', '\n', '\r', 0xE9, 0xFF},
                 {"\xE3\x81\x82", "\xE3\x81", "\xA9", "\xC3"}, 5)
        .Run(1000);
}

TEST(SearchTest, AnchorsInsideAlternativesSearchAlike) {
    // A run from a line head and one from state 0 start together; the later may match longer.
    Differential anchors(TbmCharCode::Western, {'a', 'b', 'x', '\n', '\r'}, {"\r\n"}, 7);
    for (const char* source : {"a|^ab", "x|^xa*b$", "(b|^a)a*$", "^|a", "a*$|^x", "(x|^)b+"})
        anchors.Check(source, 60);
}

TEST(SearchTest, LazyAutomatonFlushedWhenFullStillFindsWhatTheRestartingSearchFinds) {
    // The smallest budget: the cache is flushed within a search and searches fall back.
    Differential small(TbmCharCode::ShiftJIS, {'A', 'a', 0x8341, 0x889F, '\n', '\r'}, {"\x88"}, 6,
                       0);
    small.Run(300);
    EXPECT_GT(small.Flushes(), 0u);
    EXPECT_GT(small.FallBacks(), 0u);
}

TEST(SearchTest, LazyAutomatonKeepsToItsBudget) {
    // An a eight characters before a c, in long texts of rare a's: run lists number in the
    // hundreds, more than fit, but new ones come seldom enough for searches to go on after a
    // flush.
    TbmRExp re(TbmCharCode::Western);
    re.SetPattern("a[ab][ab][ab][ab][ab][ab][ab]c");
    constexpr std::size_t kBudget = 16 << 10;
    TbmRELazyDFA lazy(re.GetSearchTable(), kBudget);
    std::mt19937 random(8);
    for (int t = 0; t < 40; ++t) {
        std::string text(20000, 'b');
        for (char& c : text) c = random() % 16 == 0 ? 'a' : 'b';
        if (t % 2 == 0) text.back() = 'c';
        const int start = static_cast<int>(random() % 1000);
        Found expected{}, found{};
        expected.position = SearchDFA(text, start, re.GetSearchTable(), expected.length);
        found.position = lazy.Search(text, start, found.length);
        EXPECT_EQ(found, expected) << "text " << t << " from " << start;
        EXPECT_LE(lazy.CacheBytes(), kBudget);
    }
    EXPECT_GT(lazy.Flushes(), lazy.FallBacks());
}

// Character starts stepping back from the end, as `decoder` meets them reading forwards from a
// random offset of random texts made of `bytes`.
template <class Decoder>
void ExpectStepsBackAsReadForwards(Decoder decoder, const std::string& bytes) {
    std::mt19937 random(9);
    for (int t = 0; t < 300; ++t) {
        std::string text(random() % 40, '\0');
        for (char& c : text) c = bytes[random() % bytes.size()];
        const auto* data = reinterpret_cast<const std::uint8_t*>(text.data());
        const int size = static_cast<int>(text.size());
        const int from = size == 0 ? 0 : static_cast<int>(random() % 3) % (size + 1);
        std::vector<int> forwards{from};
        for (int pos = from; pos < size; forwards.push_back(pos)) {
            decoder.Read(data, size, pos);
            pos = std::min(pos, size);
        }
        std::vector<int> backwards{size};
        for (int pos = size, memo = -1; pos > from; backwards.push_back(pos))
            pos = decoder.StartBefore(data, from, pos, memo);
        std::reverse(backwards.begin(), backwards.end());
        EXPECT_EQ(backwards, forwards) << testing::PrintToString(text) << " from " << from;
    }
}

TEST(SearchTest, DecodersStepBackToTheCharacterStartsTheyReadForwards) {
    // Runs of lead-range bytes pair up only from the last byte that cannot lead.
    ExpectStepsBackAsReadForwards(MbcsDecoder{bmccLeadByteTable(TbmCharCode::ShiftJIS)},
                                  "A@\x81\x88\x9F\xE0\xFC");
    ExpectStepsBackAsReadForwards(Utf8Decoder{}, "a\xC3\xA9\xE3\x81\x82\xF0\x9F\x80\xED\xA0");
    ExpectStepsBackAsReadForwards(Utf16Decoder{}, std::string("a\0", 2));
}

TEST(SearchTest, LongRunsAreSearchedInOnePass) {
    // With a search restarting at every position these take time quadratic in the run.
    TbmRExp re(TbmCharCode::ShiftJIS);
    re.SetPattern("a*b");
    const std::string run(20000, 'a');
    EXPECT_EQ(re.Match(run, 1), 0);
    int length = 0;
    EXPECT_EQ(re.Match(run + "b", 1, length), 1);
    EXPECT_EQ(length, 20001);
    // A literal found by memmem inside a double-byte character is no match: texts searched run by
    // run, then long enough for the lazy automaton.
    re.SetPattern("AB");
    for (const std::size_t size : {300, 5000}) {
        const std::string xs(size, 'x');
        const int after = static_cast<int>(size) + 1;
        EXPECT_EQ(re.Match(xs + "\x83" + "AB", 1), 0);
        EXPECT_EQ(re.Match(xs + "\x83" + "AAB", 1), after + 2);
        EXPECT_EQ(re.Match(std::string(size + 1, '\x83') + "AB", 1), 0);
        EXPECT_EQ(re.Match(std::string(size + 2, '\x83') + "AB", 1), after + 2);
    }
    // Stepping back over a long run of lead bytes finds the start the reading paired them from.
    re.SetPattern(".*B");
    EXPECT_EQ(re.Match(std::string(10000, '\x83') + "B", 1, length), 1);
    EXPECT_EQ(length, 10001);
    EXPECT_EQ(re.Match(std::string(10001, '\x83') + "B", 1), 0);
    EXPECT_EQ(re.Match("x" + std::string(10000, '\x83') + "B", 2, length), 2);
    EXPECT_EQ(length, 10001);
}

}  // namespace
}  // namespace kiova
