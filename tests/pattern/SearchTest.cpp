// The one-pass search (through range transitions and through the search table) against the
// restarting search it replaced, on random patterns, texts and start offsets in every code.
#include <gtest/gtest.h>

#include "RandomPatterns.h"
#include "ReferenceSearch.h"
#include "bmRESearch.h"
#include "bmRExp.h"

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

// UTF-16 little-endian units for each byte of `bytes`.
std::string Widen(const std::string& bytes) {
    std::string units;
    for (const char byte : bytes) units += {byte, '\0'};
    return units;
}

class Differential {
public:
    Differential(TbmCharCode code, std::vector<std::int32_t> alphabet,
                 std::vector<std::string> junk, std::uint32_t seed)
        : code_(code), generator_(code, std::move(alphabet), seed), junk_(std::move(junk)) {}

    void Run(int patterns) {
        for (int i = 0; i < patterns && failures_ < 10; ++i) {
            const test::RandomPattern pattern = generator_.Pattern(true);
            std::string source = test::OurSyntax(pattern);
            if (code_ == TbmCharCode::UniCode) source = Widen(source);
            TbmRExp re(code_);
            re.SetPattern(source);
            try {
                re.GetDFATable();
            } catch (const EbmREToken&) {
                continue;  // an empty negated class: nothing to search with
            }
            for (int t = 0; t < 10; ++t) Compare(re, source, Text(t % 3 == 0 ? 400 : 14));
        }
    }

private:
    // Characters of the alphabet with junk between them: bytes that break character boundaries.
    std::string Text(int maxChars) {
        std::string text;
        while (static_cast<int>(text.size()) < maxChars * 2 && random_() % 16 != 0) {
            std::string piece =
                random_() % 6 == 0 ? junk_[random_() % junk_.size()] : generator_.Text(3);
            text += code_ == TbmCharCode::UniCode ? Widen(piece) : piece;
        }
        return text;
    }

    void Compare(TbmRExp& re, const std::string& source, const std::string& text) {
        const int size = static_cast<int>(text.size());
        // The restarting search threw on UTF-16 from an odd offset (where the rest of the text is
        // no whole number of units); only even offsets compare there.
        const int step = code_ == TbmCharCode::UniCode ? 2 : 1;
        for (const int start :
             {0, step, static_cast<int>(random_() % (size + 2)) / step * step, size}) {
            Found reference{}, ranges{}, table{};
            reference.position =
                test::ReferenceSearchDFA(text, start, code_, re.GetDFATable(), reference.length);
            ranges.position = SearchDFA(text, start, code_, re.GetDFATable(), ranges.length);
            table.position = SearchDFA(text, start, re.GetSearchTable(), table.length);
            if (ranges == reference && table == reference) continue;
            ++failures_;
            ADD_FAILURE() << bmccCharCodeName(code_) << " pattern "
                          << testing::PrintToString(source) << " text "
                          << testing::PrintToString(text) << " from " << start << ": reference "
                          << reference << ", ranges " << ranges << ", table " << table;
        }
    }

    TbmCharCode code_;
    test::PatternGenerator generator_;
    std::vector<std::string> junk_;
    std::mt19937 random_{7};
    int failures_ = 0;
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
    // UTF-16: every pattern character is one unit; junk bytes put units out of step.
    Differential(TbmCharCode::UniCode, {'a', 'b', '\n', '\r', 0xE9}, {"\x61", "\x0A"}, 4).Run(500);
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
    // A literal found by memmem inside a double-byte character is no match.
    re.SetPattern("AB");
    EXPECT_EQ(re.Match(std::string(300, 'x') + "\x83"
                                               "AB",
                       1),
              0);
    EXPECT_EQ(re.Match(std::string(300, 'x') + "\x83"
                                               "AAB",
                       1),
              303);
    EXPECT_EQ(re.Match(std::string(301, '\x83') + "AB", 1), 0);
    EXPECT_EQ(re.Match(std::string(302, '\x83') + "AB", 1), 303);
}

}  // namespace
}  // namespace kiova
