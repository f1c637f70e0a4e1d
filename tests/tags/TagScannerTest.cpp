#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "CodePage.h"
#include "TagScanner.h"

namespace kiova {
namespace {

// Known tags and their results; every tag text the scan hands over is recorded in order.
struct FakeTags {
    std::map<std::u16string, std::u16string> results;
    std::vector<std::u16string> seen;

    std::u16string Scan(std::u16string_view text) {
        return ScanTags(text, [this](std::u16string_view tag) {
            seen.emplace_back(tag);
            auto found = results.find(std::u16string(tag));
            return found == results.end() ? std::u16string() : found->second;
        });
    }
};

TEST(TagScanner, DepthDecidesWhatBecomesOfAnEmptyResult) {
    FakeTags tags;
    tags.results = {{u"X", u"x"}, {u"TWO", u"{X}{X}"}};
    const struct {
        std::u16string_view text;
        std::u16string_view expected;
    } cases[] = {
        {u"Hello {UNKNOWN} world", u"Hello {UNKNOWN} world"},
        {u"{PIC:a.bmp}{X}", u"{PIC:a.bmp}x"},
        {u"{A{B{C}}}", u"{A{B}}"},     // depth 3 disappears, 1 and 2 stay
        {u"{A{B{C{X}}}}", u"{A{B}}"},  // a tag whose text held a result, at depth 3
        {u"{}", u"{}"},
        {u"{{}}", u"{{}}"},
        {u"{A{B{}}}", u"{A{B}}"},
        {u"{TWO}", u"xx"},  // results are scanned again
        {u"a{b", u"a"},     // an unclosed tag drops the rest
        {u"a{X}{b{X}c", u"ax"},
        {u"a}b", u""},  // a stray "}" empties everything
        {u"}", u""},
        {u"{X}}", u""},
        {u"", u""},
    };
    for (const auto& c : cases) EXPECT_EQ(tags.Scan(c.text), c.expected) << Utf16ToUtf8(c.text);
}

TEST(TagScanner, InnerTagsRunFirstAndAStrayBraceStillRunsItsTag) {
    FakeTags tags;
    tags.Scan(u"{A{B}{C{D}}}");
    // "{D}" at depth 3 gave nothing and is gone before "C" closes.
    EXPECT_EQ(tags.seen, (std::vector<std::u16string>{u"B", u"D", u"C", u"A{B}{C}"}));

    tags.seen.clear();
    EXPECT_EQ(tags.Scan(u"ab}cd{E}"), u"");
    EXPECT_EQ(tags.seen, (std::vector<std::u16string>{u"ab"}));
}

TEST(TagScanner, SavedTextGoesThroughTheCodePage) {
    FakeTags tags;
    tags.results = {{u"X", u"x"}};
    // Text saved when a "{" opens comes back with '?' for what the code page cannot hold (a
    // surrogate pair counts as one character); text never saved keeps every character.
    EXPECT_EQ(tags.Scan(u"é😀日本{X}"), u"??日本x");
    EXPECT_EQ(tags.Scan(u"é😀日本"), u"é😀日本");
    EXPECT_EQ(tags.Scan(u"{é{X}}"), u"{?x}");
    EXPECT_EQ(tags.Scan(u"{é}{X}"), u"{?}x");
}

TEST(TagScanner, ARunawayRebuildStopsAtTheSubstitutionBound) {
    FakeTags tags;
    tags.results = {{u"LOOP", u"{LOOP}"}};
    EXPECT_EQ(tags.Scan(u"before {LOOP} after"), u"before ");
    EXPECT_EQ(tags.seen.size(), static_cast<size_t>(kMaxSubstitutionsPerScan) + 1);
}

TEST(TagScanner, AGrowingRebuildStopsAtTheVolumeBound) {
    FakeTags tags;
    const std::u16string chunk(64 * 1024, u'x');
    tags.results = {{u"GROW", chunk + u"{GROW}"}};
    // What was produced before the bound was reached stays; the open tag is dropped.
    const std::u16string result = tags.Scan(u"ok {GROW}");
    const size_t chunks = tags.seen.size() - 1;
    EXPECT_EQ(chunks, kMaxResultUnitsPerScan / (chunk.size() + 6));
    EXPECT_EQ(result.size(), 3 + chunks * chunk.size());
    EXPECT_TRUE(result.starts_with(u"ok x") && result.ends_with(u"xx"));
}

TEST(TagScanner, DeepNestingNeedsNoRecursion) {
    FakeTags tags;
    const std::u16string deep = std::u16string(200000, u'{') + u"x" + std::u16string(200000, u'}');
    EXPECT_EQ(tags.Scan(deep), u"{{}}");
}

}  // namespace
}  // namespace kiova
