#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <string_view>

#include "CodePage.h"
#include "RunTool.h"
#include "engine/TestCharacter.h"

namespace kiova {
namespace {

using testing::RunTool;
using testing::TestCharacter;

TEST(ChatTool, AnswersEveryLineAndSavesTheStateAtTheEnd) {
    TestCharacter alice("Alice");
    alice.Data("datab2", "b.txt", {"hello,\"Hi, you\"", "{NothingSaid},\"Say something\""})
        .Data("datac2", "c.txt", {Utf8ToAnsi("ふーん")});
    const std::string package = alice.Write();

    auto result = RunTool({"chat", package, "--json"}, "hello\n\nwhat\r\nwhat\n");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out,
              "{\"input\":\"hello\",\"raw\":\"Hi, you\",\"answer\":\"Hi, you\"}\n"
              "{\"input\":\"\",\"raw\":\"Say something\",\"answer\":\"Say something\"}\n"
              "{\"input\":\"what\",\"raw\":\"ふーん\",\"answer\":\"ふーん\"}\n"
              "{\"input\":\"what\",\"raw\":\"ふーん\",\"answer\":\"ふーん\"}\n");
    // Saved under the name once the run ends (the first file, written nameless, has a bare header).
    EXPECT_TRUE(alice.ReadState().starts_with("encryptedRwtmm\r\n"));

    auto text = RunTool({"chat", package, "--mask", "128"}, "hello\n");
    EXPECT_EQ(text.out, "ふーん\n");
}

// A character cannot set the terminal's title, take its clipboard or clear its screen.
TEST(ChatTool, ControlCharactersOfAnAnswerAreShownNotSent) {
    TestCharacter mallory("Mallory");
    mallory.Data("datab2", "b.txt", {"hello,\"\x1b]0;TITLE\x07\x1b[2Jx\bz\""});
    auto text = RunTool({"chat", mallory.Write()}, "hello\n");
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(text.out, "^[]0;TITLE^G^[[2Jx^Hz\n");
}

TEST(ChatTool, FixedClockRepeatsTheDraws) {
    TestCharacter alice("Alice");
    std::vector<std::string> lines;
    for (int i = 0; i < 20; ++i) lines.push_back("answer " + std::to_string(i));
    alice.Data("datac2", "c.txt", lines);
    const std::string package = alice.Write();
    const std::string input = "a\nb\nc\nd\ne\n";
    auto first = RunTool({"chat", package, "--now", "2024/02/29 23:59:58", "--raw"}, input);
    auto second = RunTool({"chat", package, "--raw", "--now", "2024/02/29 23:59:58"}, input);
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.out, second.out);
}

TEST(ChatTool, RefusesBadCharactersAndOptions) {
    TestCharacter nodata("Alice");
    nodata.AddDataFile("datac2", "missing.txt").Write();
    auto refused = RunTool({"chat", nodata.PackagePath()}, "hello\n");
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "kiova-tool: character contains no data\n");
    EXPECT_EQ(refused.out, "");

    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"chat"},
          {"chat", nodata.PackagePath(), "--mask", "256"},
          {"chat", nodata.PackagePath(), "--mask"},
          {"chat", nodata.PackagePath(), "--now", "2024-01-01 00:00:00"},
          {"chat", nodata.PackagePath(), "--now", "2023/02/29 00:00:00"},
          {"chat", nodata.PackagePath(), "--loud"}})
        EXPECT_EQ(RunTool(args).status, 2) << args.back();
}

// A once-only table whose first group holds two records, then a plain table: the trace follows
// the group emptying, the walk moving on past the marker, and the plain table taking over.
TEST(ChatTool, TraceTellsTheTablesSearchedAndTheRecordThatAnswered) {
    TestCharacter alice("Alice");
    alice.Data("datab1", "b.txt", {"hello,Hi", "hello,Hey", "{PRIOR},x", "hel,Later"})
        .Data("datac2", "c.txt", {"Hm"});
    const std::string package = alice.Write();
    const std::string b = alice.Folder() / "data/b.txt";
    const std::string c = alice.Folder() / "data/c.txt";

    auto result = RunTool({"chat", package, "--json", "--trace"}, "hello\nhello\nhello\nhello\n");
    ASSERT_EQ(result.status, 0) << result.err;
    std::vector<nlohmann::json> traces;
    for (std::string_view rest = result.out; !rest.empty();) {
        const size_t end = rest.find('\n');
        traces.push_back(nlohmann::json::parse(rest.substr(0, end))["trace"]);
        rest.remove_prefix(end + 1);
    }
    ASSERT_EQ(traces.size(), 4u);
    const nlohmann::json up_to_b1 = {"data01", "data02", "dataa1", "dataa2", "datab1"};
    const struct {
        std::string message;
        nlohmann::json searched;
        std::string table;
        std::vector<int> lines;  // any of them
        std::string key;
        int candidates;
    } expected[] = {
        {"HELLO", up_to_b1, "datab1", {1, 2}, "HELLO", 2},
        {"HELLO{REPEATED}", up_to_b1, "datab1", {1, 2}, "HELLO", 1},
        {"HELLO{REPEATED}", up_to_b1, "datab1", {4}, "HEL", 1},
        {"HELLO{REPEATED}",
         {"data01", "data02", "dataa1", "dataa2", "datab1", "datab2", "datac2"},
         "datac2",
         {1},
         "",
         1},
    };
    for (size_t i = 0; i < traces.size(); ++i) {
        const nlohmann::json& trace = traces[i];
        const nlohmann::json& answered = trace["answered"];
        EXPECT_EQ(trace["message"], expected[i].message) << i;
        EXPECT_EQ(trace["searched"], expected[i].searched) << i;
        EXPECT_EQ(answered["table"], expected[i].table) << i;
        EXPECT_EQ(answered["kind"], expected[i].table == "datab1" ? "B" : "C") << i;
        EXPECT_EQ(answered["file"], expected[i].table == "datab1" ? b : c) << i;
        EXPECT_TRUE(std::ranges::count(expected[i].lines, answered["line"].get<int>())) << i;
        EXPECT_EQ(answered["key"], expected[i].key) << i;
        EXPECT_EQ(answered["candidates"], expected[i].candidates) << i;
    }
    EXPECT_NE(traces[0]["answered"]["line"], traces[1]["answered"]["line"]);

    // In text, under each answer; with no record left, the last table searched.
    auto text = RunTool({"chat", package, "--trace", "--mask", "16"}, "hel\nhel\n");
    EXPECT_EQ(text.out,
              "Later\n"
              "trace: message \"HEL\", searched datab1\n"
              "trace: answered by datab1 (kind B) " +
                  b +
                  ":4, key \"HEL\", the only candidate in its group\n"
                  "\n"
                  "trace: message \"HEL{REPEATED}\", searched datab1\n"
                  "trace: no record answered; last searched datab1\n");
}

}  // namespace
}  // namespace kiova
