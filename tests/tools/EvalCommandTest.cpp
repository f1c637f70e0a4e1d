// kiova-tool eval, and chat's tag expansion, with the options both share.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "RunTool.h"
#include "engine/TestCharacter.h"

namespace kiova {
namespace {

using testing::RunTool;
using testing::TestCharacter;

std::string SimpleCharacter(TestCharacter& character) {
    character.Data("datac2", "c.txt", {"{NICKNAME}, it is {TIME}.{BR}{COUNT60++}"});
    return character.Write();
}

TEST(EvalTool, EvaluatesEachTextInOneCharacterAndSavesItsState) {
    TestCharacter alice("Alice");
    const std::string package = SimpleCharacter(alice);
    auto result = RunTool({"eval", package, "--now", "2003/05/04 18:07:09", "{MEMO50:{DATE}}",
                           "{MEMO50}", "{YOUBI} {FULLNAME} {SEX} {BIRTHDAY}", "a{BR}b"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out,
              "{MEMO50:2003/05/04}\n2003/05/04\n日曜 YamadaTaro True 1980/05/05\na\nb\n");

    auto json = RunTool({"eval", "--json", package, "{MEMO50}", "a{BR}\"b\"", "--", "--json"});
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_EQ(json.out, "\"2003/05/04\"\n\"a\\r\\n\\\"b\\\"\"\n\"--json\"\n");
}

TEST(EvalTool, TakesTheProfileAndTheExecutionSwitch) {
    TestCharacter alice("Alice");
    const std::string package = SimpleCharacter(alice);
    auto result = RunTool({"eval", package, "--user",
                           "山田{BR}花子{BR}hana{BR}はな{BR}Female{BR}1990/2/3", "--allow-execute",
                           "{FULLNAME} {HN} {NICKNAME} {SEX} {BIRTHDAY}", "{ALLOWEXECUTE}"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "山田花子 hana はな False 1990/02/03\nTrue\n");
    EXPECT_EQ(RunTool({"eval", package, "{ALLOWEXECUTE}"}).out, "False\n");
}

TEST(EvalTool, RefusesBadOptions) {
    TestCharacter alice("Alice");
    const std::string package = SimpleCharacter(alice);
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"eval"},
          {"eval", package, "--user", "A{BR}B{BR}C{BR}{BR}{BR}2000/1/1"},  // empty nickname
          {"eval", package, "--user", "A{BR}B{BR}C{BR}D{BR}"},             // five lines
          {"eval", package, "--user"},
          {"eval", package, "--now", "yesterday"},
          {"eval", package, "--loud", "x"}})
        EXPECT_EQ(RunTool(args).status, 2) << args.back();
    EXPECT_EQ(RunTool({"eval", alice.Folder() / "none.ktc", "x"}).err,
              "kiova-tool: characterfile is not found\n");
}

TEST(ChatTool, ExpandsTagsUnlessRawWithTheSharedOptions) {
    TestCharacter alice("Alice");
    const std::string package = SimpleCharacter(alice);
    const std::vector<std::string> options = {"--now", "2003/05/04 18:07:09", "--user",
                                              "A{BR}B{BR}C{BR}Nick{BR}{BR}2000/1/1"};
    std::vector<std::string> args = {"chat", package};
    args.insert(args.end(), options.begin(), options.end());
    auto expanded = RunTool(args, "hi\n");
    ASSERT_EQ(expanded.status, 0) << expanded.err;
    EXPECT_EQ(expanded.out, "Nick, it is 18:07:09.\n{COUNT60++}\n");
    args.push_back("--raw");
    EXPECT_EQ(RunTool(args, "hi\n").out, "{NICKNAME}, it is {TIME}.{BR}{COUNT60++}\n");
}

// A program folder of its own (KIOVA_HOME) whose Plugins.txt names the dice example plug-in.
class ToolPlugins : public ::testing::Test {
protected:
    ToolPlugins() {
        std::filesystem::create_directories(home_.Path() / "plugins");
        std::filesystem::copy_file(KIOVA_EXAMPLE_PLUGIN_DIR "/dice.so",
                                   home_.Path() / "plugins/dice.so");
        home_.Write("Plugins.txt", "dice\r\n");
        ::setenv("KIOVA_HOME", home_.Path().c_str(), 1);
    }
    ~ToolPlugins() override { ::unsetenv("KIOVA_HOME"); }

    testing::TempFolder home_;
};

TEST_F(ToolPlugins, PluginTagsExpandOnlyWithThePluginsOption) {
    TestCharacter alice("Alice");
    const std::string package = SimpleCharacter(alice);
    EXPECT_EQ(RunTool({"eval", package, "--plugins", "{Dice.Roll:1d1+2}", "{dice.roll:x}"}).out,
              "3\n{dice.roll:x}\n");
    EXPECT_EQ(RunTool({"eval", package, "{Dice.Roll:1d1+2}"}).out, "{Dice.Roll:1d1+2}\n");
}

}  // namespace
}  // namespace kiova
