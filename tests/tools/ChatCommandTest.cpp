#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

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

}  // namespace
}  // namespace kiova
