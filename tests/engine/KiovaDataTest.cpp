#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <random>
#include <set>

#include "CodePage.h"
#include "Crypt.h"
#include "KiovaData0.h"
#include "KiovaDataA.h"
#include "KiovaDataB.h"
#include "KiovaDataC.h"
#include "KiovaError.h"
#include "TempFolder.h"
#include "TextUtils.h"

namespace kiova {
namespace {

using testing::TempFolder;

// A table of kind T loaded from files written into a temporary folder.
template <class T>
class Table {
public:
    explicit Table(bool once_only, TKiovaData::TEvaluator evaluator = {})
        : table(once_only, std::move(evaluator)) {}
    Table& Load(const std::vector<std::string>& lines) {
        table.LoadFromFile(
            folder.Write("file" + std::to_string(++files_) + ".txt", JoinLinesCrLf(lines)));
        return *this;
    }
    std::string Answer(std::string_view message) { return table.Answer(NormalizeAnsi(message)); }

    TempFolder folder;
    T table;

private:
    int files_ = 0;
};

TEST(KiovaDataB, EarlierGroupWinsAndOnceOnlyWalksPastAnEmptyGroup) {
    Table<TKiovaDataB> b(/*once_only=*/true);
    b.Load({"hello,Hi", "{PRIOR},x", "hel,Hey"});
    EXPECT_EQ(b.table.RecordCount(), 3u);
    EXPECT_EQ(b.table.AvailableCount(), 2);
    EXPECT_EQ(b.Answer("hello world"), "Hi");
    EXPECT_EQ(b.Answer("hello world"), "Hey");
    EXPECT_EQ(b.Answer("hello world"), "");
    EXPECT_EQ(b.table.AvailableCount(), 0);

    Table<TKiovaDataB> repeating(/*once_only=*/false);
    repeating.Load({"hello,Hi", "{PRIOR},x", "hel,Hey"});
    for (int i = 0; i < 3; ++i) EXPECT_EQ(repeating.Answer("Hello world"), "Hi");
    EXPECT_EQ(repeating.table.AvailableCount(), 2);
}

// Large tables compile on several threads: every record must still get its own pattern, the
// ones at the slices' edges too, and a pattern that does not compile must still never match.
TEST(KiovaDataB, ALargeTableAnswersAsASmallOneWould) {
    constexpr int kRecords = 5000;
    std::vector<std::string> lines;
    for (int i = 0; i < kRecords; ++i)
        lines.push_back(i % 7 == 3 ? "(w" + std::to_string(i) + ",broken"
                                   : "^w" + std::to_string(i) + "x$,a" + std::to_string(i));
    Table<TKiovaDataB> b(/*once_only=*/false);
    b.Load(lines);
    for (int i = 0; i < kRecords; ++i) {
        const std::string expected = i % 7 == 3 ? "" : "a" + std::to_string(i);
        ASSERT_EQ(b.Answer("w" + std::to_string(i) + "x"), expected) << i;
    }
    Table<TKiovaDataA> a(/*once_only=*/false);
    std::vector<std::string> pairs;
    for (int i = 0; i < kRecords; ++i)
        pairs.push_back(",^w" + std::to_string(i) + "x$,a" + std::to_string(i));
    a.Load(pairs);
    for (int i : {0, 1, kRecords / 2 - 1, kRecords / 2, kRecords - 1})
        EXPECT_EQ(a.Answer("w" + std::to_string(i) + "x"), "a" + std::to_string(i)) << i;
}

TEST(KiovaDataB, MarkersAtEitherEndChangeNothing) {
    Table<TKiovaDataB> b(false);
    b.Load({"{prior},x", "cat,Meow", "{PRIOR} x", "dog,Woof", "{PRIOR},\"\""});
    EXPECT_EQ(b.table.AvailableCount(), 2);
    EXPECT_EQ(b.Answer("cat"), "Meow");
    EXPECT_EQ(b.Answer("dog"), "Woof");
    EXPECT_EQ(b.Answer("bird"), "");
}

// A marker has no pattern: an empty key read after one must still get its own.
TEST(KiovaDataB, EmptyKeyAfterAMarkerMatchesEveryMessage) {
    Table<TKiovaDataB> b(/*once_only=*/false);
    b.Load({"{PRIOR},x", "\"\",Always"});
    EXPECT_EQ(b.Answer("anything"), "Always");
}

TEST(KiovaDataB, LinesWithTooFewFieldsAreSkippedMarkersIncluded) {
    Table<TKiovaDataB> b(false);
    b.Load({"{PRIOR}", "{ENDOFDATA}", "{ENDOFDATA},", "lonely", "", "a,A", "b,B,ignored,too"});
    EXPECT_EQ(b.table.RecordCount(), 2u);
    EXPECT_EQ(b.Answer("a"), "A");
    EXPECT_EQ(b.Answer("b"), "B");
}

TEST(KiovaDataB, QuotedAnswersKeepBlanksAndCommas) {
    Table<TKiovaDataB> b(false);
    b.Load({"x,\"Well, \"\"hello\"\" there\"", "y,Well, hello there"});
    EXPECT_EQ(b.Answer("x"), "Well, \"hello\" there");
    EXPECT_EQ(b.Answer("y"), "Well");
}

TEST(KiovaDataB, HashStandsForADigitAndBackslashHashForItself) {
    Table<TKiovaDataB> b(false);
    b.Load({"age#,Digit", "no\\#,Literal"});
    EXPECT_EQ(b.Answer("age5"), "Digit");
    EXPECT_EQ(b.Answer("age x"), "");
    EXPECT_EQ(b.Answer("no#"), "Literal");
    EXPECT_EQ(b.Answer("no5"), "");
}

TEST(KiovaDataB, FullWidthKeysAndMessagesMeetInNormalForm) {
    Table<TKiovaDataB> b(false);
    // Key "ｈｅｌｌｏ" (full width, Shift_JIS) against the typed "HeLLo".
    b.Load({"\x82\x88\x82\x85\x82\x8C\x82\x8C\x82\x8F,Hi"});
    EXPECT_EQ(b.Answer("HeLLo"), "Hi");
}

TEST(KiovaDataB, MalformedPatternNeverMatchesAndStopsNothing) {
    Table<TKiovaDataB> b(false);
    b.Load({"(abc,Broken", "[abc,Broken too", "abc,Fine", "(abc,Broken again"});
    EXPECT_EQ(b.table.AvailableCount(), 4);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(b.Answer("(abc [abc abc"), "Fine");
}

// Records with the same key share one compiled pattern: each of them is still a candidate of
// its own group, and the first group with an unused one still wins.
TEST(KiovaDataB, RecordsSharingAKeyAreEachCandidates) {
    Table<TKiovaDataB> b(/*once_only=*/true);
    b.Load({"cat,A", "dog,B", "cat,C", "{PRIOR},x", "cat,D"}).Load({"cat,E", "dog,F"});
    std::set<std::string> first{b.Answer("a cat"), b.Answer("a cat")};
    EXPECT_EQ(first, (std::set<std::string>{"A", "C"}));
    std::set<std::string> second{b.Answer("a cat"), b.Answer("a cat")};
    EXPECT_EQ(second, (std::set<std::string>{"D", "E"}));
    EXPECT_EQ(b.Answer("a cat"), "");
    EXPECT_EQ(b.Answer("dog"), "B");
}

// A message whose matching needs more states than a pattern set may cache is answered by testing
// record by record, then and on every later turn once the set has given up.
TEST(KiovaDataB, MessagesTooLargeForThePatternSetAreAnsweredRecordByRecord) {
    // Forty patterns whose runs from every "a" live twenty characters: almost every character of
    // a long message of a and b makes a new state of hundreds of runs.
    std::string near = "a";
    for (int i = 0; i < 20; ++i) near += ".?";
    std::vector<std::string> lines;
    for (int i = 0; i < 40; ++i) lines.push_back(near + "!" + std::to_string(i) + ",Near");
    lines.insert(lines.end(), {"{PRIOR},x", "b,Bee"});
    Table<TKiovaDataB> b(false);
    b.Load(lines);
    std::mt19937 random(3);
    std::string message;
    for (int i = 0; i < 8000; ++i) message += "ab"[random() % 2];
    for (int turn = 0; turn < 4; ++turn) {
        EXPECT_EQ(b.Answer(message + "!7"), "Near");
        EXPECT_EQ(b.Answer(message), "Bee");
    }
    EXPECT_EQ(b.Answer("a!3"), "Near");
}

TEST(KiovaData, GroupsAndEndOfDataAcrossFiles) {
    Table<TKiovaDataB> b(false);
    b.Load({"first,One", "{ENDOFDATA},x", "never,Never"}).Load({"{PRIOR},x", "second,Two"});
    EXPECT_EQ(b.table.LoadedFiles().size(), 2u);
    EXPECT_EQ(b.table.RecordCount(), 3u);
    EXPECT_EQ(b.Answer("never"), "");
    EXPECT_EQ(b.Answer("first second"), "One");
    EXPECT_EQ(b.Answer("second"), "Two");
}

TEST(KiovaData, MissingFileChangesNothing) {
    Table<TKiovaDataC> c(false);
    c.table.LoadFromFile(c.folder / "missing.txt");
    EXPECT_TRUE(c.table.LoadedFiles().empty());
    EXPECT_EQ(c.table.RecordCount(), 0u);
    EXPECT_EQ(c.Answer("anything"), "");
}

// A file that exists but cannot be read is an error, not an empty table: the process's own
// memory file fails its first read for every user, root included; a file without read
// permission stops everyone else.
TEST(KiovaData, UnreadableFileThrows) {
    Table<TKiovaDataC> c(false);
    EXPECT_THROW(c.table.LoadFromFile("/proc/self/mem"), EKiovaError);
    EXPECT_EQ(c.table.RecordCount(), 0u);

    std::string locked = c.folder.Write("locked.txt", "secret\r\n");
    ::chmod(locked.c_str(), 0);
    if (::geteuid() != 0) {
        EXPECT_THROW(c.table.LoadFromFile(locked), EKiovaError);
    }
}

TEST(KiovaData, EncipheredFilesReadLikePlainOnes) {
    Table<TKiovaDataB> b(false);
    const std::string enciphered =
        JoinLinesCrLf(EncipherLines({"hello,\"Hi there\"", "bye,Bye"}, "author key"));
    b.table.LoadFromFile(b.folder.Write("enc.txt", enciphered));
    EXPECT_EQ(b.Answer("hello"), "Hi there");
    EXPECT_EQ(b.Answer("bye"), "Bye");

    // A plain first line that starts with the word is a header: it is dropped, the rest
    // deciphered under the key it carries (none here), so the lines come through unchanged.
    Table<TKiovaDataC> c(false);
    c.Load({"ENCRYPTED", "only line"});
    EXPECT_EQ(c.table.RecordCount(), 1u);
    EXPECT_EQ(c.Answer(""), "only line");
}

// Plain answers are records like any other: clearing drops them too.
TEST(KiovaData, ClearForgetsRecordsAndFiles) {
    Table<TKiovaDataC> c(true);
    c.Load({"A", "B"});
    c.table.Clear();
    EXPECT_EQ(c.table.RecordCount(), 0u);
    EXPECT_EQ(c.table.AvailableCount(), 0);
    EXPECT_TRUE(c.table.LoadedFiles().empty());
    EXPECT_EQ(c.Answer("a"), "");
    c.Load({"C"});
    EXPECT_EQ(c.Answer("c"), "C");
}

TEST(KiovaDataC, EveryLineIsAnAnswerAndOnceOnlyRunsDry) {
    Table<TKiovaDataC> c(true);
    c.Load({"one, with \"comma\"", "two", "three"});
    std::set<std::string> given;
    for (int expected_available : {3, 2, 1}) {
        EXPECT_EQ(c.table.AvailableCount(), expected_available);
        given.insert(c.Answer("whatever"));
    }
    EXPECT_EQ(given, (std::set<std::string>{"one, with \"comma\"", "two", "three"}));
    EXPECT_EQ(c.table.AvailableCount(), 0);
    EXPECT_EQ(c.Answer("whatever"), "");
}

TEST(KiovaDataC, LowerCaseMarkerAndEmptyLines) {
    Table<TKiovaDataC> c(false);
    c.Load({"", "{prior}", "later"});
    EXPECT_EQ(c.table.RecordCount(), 3u);
    EXPECT_EQ(c.table.AvailableCount(), 2);
    // The first group holds only the empty answer.
    EXPECT_EQ(c.Answer("x"), "");

    Table<TKiovaDataC> markers_only(false);
    markers_only.Load({"{PRIOR}", Utf8ToAnsi("｛ｐｒｉｏｒ｝")});
    EXPECT_EQ(markers_only.table.AvailableCount(), 0);
    EXPECT_EQ(markers_only.Answer("x"), "");
}

TEST(KiovaDataA, PreviousAnswerPatternGatesTheInputPattern) {
    Table<TKiovaDataA> a(false);
    a.Load({"\"how are you\",fine,\"Glad to hear\"", "bye,fine,Odd", "x,y"});
    EXPECT_EQ(a.table.RecordCount(), 2u);
    EXPECT_EQ(a.Answer("fine"), "");  // no previous answer yet
    a.table.SetPreviousAnswer("How are you?");
    EXPECT_EQ(a.table.PreviousAnswer(), "HOW ARE YOU?");
    EXPECT_EQ(a.Answer("I am fine"), "Glad to hear");
    EXPECT_EQ(a.Answer("bad"), "");
}

// The previous answer is prepared for searching whenever it is set; a stale one would rule the
// records out or let them through wrongly.
TEST(KiovaDataA, EachPreviousAnswerReplacesTheLast) {
    Table<TKiovaDataA> a(false);
    a.Load({"\"how are you\",fine,\"Glad to hear\"", "bye,fine,Odd"});
    a.table.SetPreviousAnswer("How are you?");
    EXPECT_EQ(a.Answer("fine"), "Glad to hear");
    a.table.SetPreviousAnswer("Bye then");
    EXPECT_EQ(a.Answer("fine"), "Odd");
    a.table.SetPreviousAnswer("");
    EXPECT_EQ(a.Answer("fine"), "");
}

TEST(KiovaData0, ConditionsRunInOrderUntilAGroupHasACandidate) {
    std::vector<std::u16string> seen;
    auto evaluator = [&seen](std::u16string_view condition) {
        seen.emplace_back(condition);
        return condition == u"YES" ? std::u16string(u"true") : std::u16string(u"no");
    };
    Table<TKiovaData0> zero(/*once_only=*/true, evaluator);
    zero.Load({"no,A", "yes,B", "{PRIOR},x", "yes,C", "{PRIOR},x", "no,D"});
    EXPECT_EQ(zero.Answer("ignored"), "B");
    EXPECT_EQ(seen, (std::vector<std::u16string>{u"NO", u"YES"}));

    // B is used now: its condition is not tested again, and the walk reaches the second group.
    seen.clear();
    EXPECT_EQ(zero.Answer("ignored"), "C");
    EXPECT_EQ(seen, (std::vector<std::u16string>{u"NO", u"YES"}));

    seen.clear();
    EXPECT_EQ(zero.Answer("ignored"), "");
    EXPECT_EQ(seen, (std::vector<std::u16string>{u"NO", u"NO"}));
}

}  // namespace
}  // namespace kiova
