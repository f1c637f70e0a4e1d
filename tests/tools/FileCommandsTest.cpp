#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "Crypt.h"
#include "RunTool.h"
#include "TempFolder.h"
#include "TextUtils.h"

namespace kiova {
namespace {

using testing::RunTool;
using testing::TempFolder;

TEST(Tool, HelpVersionAndUsageErrors) {
    EXPECT_EQ(RunTool({"--version"}).out, "kiova-tool 2.11.05\n");
    auto help = RunTool({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("encrypt --key KEY [--package PACKAGE] INPUT OUTPUT"),
              std::string::npos);
    EXPECT_EQ(RunTool({}).status, 2);
    EXPECT_EQ(RunTool({"frobnicate"}).status, 2);
    EXPECT_EQ(RunTool({"encrypt", "in"}).status, 2);
}

TEST(Tool, UsageAndErrorsInTheLocalesLanguage) {
    EXPECT_TRUE(RunTool({"--help"}, "", "ja_JP.UTF-8")
                    .out.starts_with("使い方: kiova-tool COMMAND [ARGS...]\n\nコマンド:\n"
                                     "  kiova-tool info [PACKAGE] [--json]\n"));
    EXPECT_TRUE(RunTool({"--help"}, "", "en_US.UTF-8")
                    .out.starts_with("usage: kiova-tool COMMAND [ARGS...]\n\ncommands:\n"
                                     "  kiova-tool info [PACKAGE] [--json]\n"));
    EXPECT_EQ(RunTool({"decrypt", "in"}, "", "ja_JP.UTF-8").err,
              "kiova-tool: decrypt には INPUT OUTPUT が必要です\n"
              "使い方: kiova-tool decrypt INPUT OUTPUT\n");
    EXPECT_EQ(RunTool({"decrypt", "in"}, "", "C").err,
              "kiova-tool: decrypt needs INPUT OUTPUT\nusage: kiova-tool decrypt INPUT OUTPUT\n");
    // A placeholder in a file name stays as it is.
    TempFolder dir;
    const std::string input = dir.Write("100%2.txt", "tab\there");
    EXPECT_EQ(RunTool({"encrypt", "--key", "k", input, dir / "out"}, "", "ja_JP.UTF-8").err,
              "kiova-tool: " + input +
                  ":1:4: バイト 0x09 は暗号化できません (できるのは 0x20 から 0xFF "
                  "まで)。何も書きませんでした\n");
}

TEST(Tool, EncryptWritesExactlyTheCipherAndDecryptRestoresIt) {
    TempFolder dir;
    // "日本" in Shift_JIS inside the text; the key is given in UTF-8 and converted.
    const std::string plain = "hello, world\r\n\x93\xFA\x96\x7B\nlast";
    const std::string input = dir.Write("plain.txt", plain);
    ASSERT_EQ(RunTool({"encrypt", "--key", "\xE3\x81\x82key", input, dir / "enc.txt"}).status, 0);
    EXPECT_EQ(dir.Read("enc.txt"), JoinLinesCrLf(EncipherLines(SplitLines(plain), "\x82\xA0key")));

    ASSERT_EQ(RunTool({"decrypt", dir / "enc.txt", dir / "dec.txt"}).status, 0);
    EXPECT_EQ(dir.Read("dec.txt"), "hello, world\r\n\x93\xFA\x96\x7B\r\nlast\r\n");

    auto refused = RunTool({"decrypt", input, dir / "never.txt"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "kiova-tool: " + input + " is not enciphered\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "never.txt"));
    EXPECT_EQ(RunTool({"encrypt", "--key", "k", dir / "none", dir / "x"}).status, 1);
}

TEST(Tool, EncryptRefusesWhatWouldNotDecipherToItself) {
    TempFolder dir;
    struct Case {
        std::string key;
        std::string text;
        std::string where;  // after "kiova-tool: "
    };
    const Case cases[] = {
        {"k", "first\r\nsecond\tcolumn", "INPUT:2:7: byte 0x09"},
        {"k", "a\r\rb\nc\x01", "INPUT:4:2: byte 0x01"},
        {"k", std::string("ends\0 here\r\nlost", 16), "INPUT:1:5: byte 0x00"},
        {"key\nbreak", "plain", "the key:1:4: byte 0x0A"},
        {"\x1Bkey", "plain", "the key:1:1: byte 0x1B"},
    };
    for (const Case& c : cases) {
        const std::string input = dir.Write("plain.txt", c.text);
        std::string where = c.where;
        if (where.starts_with("INPUT")) where.replace(0, 5, input);
        auto refused = RunTool({"encrypt", "--key", c.key, input, dir / "enc.txt"});
        EXPECT_EQ(refused.status, 1);
        EXPECT_EQ(refused.err, "kiova-tool: " + where +
                                   " cannot be enciphered (only bytes 0x20 to 0xFF can); nothing "
                                   "written\n");
        EXPECT_FALSE(std::filesystem::exists(dir / "enc.txt"));
    }
}

// The key is a text of the character: in a UTF-8 character's encoding when --package names one,
// and never a question mark.
TEST(Tool, EncryptTakesTheKeyInTheCharactersEncoding) {
    TempFolder dir;
    const std::string package =
        dir.Write("zoe.ktc", "name\nZo\xC3\xAB\ncharset\nUTF-8\nversion\n210\n");
    const std::string input = dir.Write("plain.txt", "caf\xC3\xA9,yes\n");
    ASSERT_EQ(RunTool({"encrypt", "--package", package, "--key", "\xC3\xA9t\xC3\xA9", input,
                       dir / "enc.txt"})
                  .status,
              0);
    EXPECT_EQ(dir.Read("enc.txt"),
              JoinLinesCrLf(EncipherLines(SplitLines("caf\xC3\xA9,yes"), "\xC3\xA9t\xC3\xA9")));

    // Shift_JIS, the default, has no "é".
    auto refused = RunTool({"encrypt", "--key", "\xC3\xA9t\xC3\xA9", input, dir / "sjis.txt"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("the key cannot be written in Shift_JIS"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir / "sjis.txt"));
}

TEST(Tool, InfoShowsWhatTheProgramReads) {
    TempFolder dir;
    const std::string package = dir.Write(
        "alice.ktc", "Name\r\n\x83\x41\x83\x8A\x83\x58\r\nFolder\r\ndata\r\nversion\r\n210\r\nodd");
    auto result = RunTool({"info", package, "--json"});
    ASSERT_EQ(result.status, 0) << result.err;
    auto json = nlohmann::json::parse(result.out);
    EXPECT_EQ(json["path"], package);
    EXPECT_EQ(json["valid"], true);
    EXPECT_EQ(json["dataFolder"], dir.Path().string() + "/data/");
    EXPECT_EQ(json["pairs"],
              nlohmann::json::parse(
                  R"([["name", "\u30a2\u30ea\u30b9"], ["folder", "data"], ["version", "210"]])"));

    auto text = RunTool({"info", package});
    EXPECT_NE(text.out.find("valid:       yes"), std::string::npos);
    // Without a version the program refuses the package, and so does info.
    auto unversioned = RunTool({"info", dir.Write("old.ktc", "Name\r\nOld\r\n")});
    EXPECT_NE(unversioned.out.find("valid:       no"), std::string::npos);
    EXPECT_EQ(RunTool({"info", dir / "none.ktc"}).status, 1);
}

TEST(Tool, InfoWithoutAPackageTellsWhichProgramFolderAndWhy) {
    auto portable = RunTool({"info", "--json"});
    ASSERT_EQ(portable.status, 0) << portable.err;
    auto json = nlohmann::json::parse(portable.out);
    EXPECT_EQ(json["choice"], "portable");  // the build's program folder
    EXPECT_TRUE(json["reason"].get<std::string>().starts_with("the executable's folder holds"));
    EXPECT_EQ(json["decoderFolders"][0], json["programFolder"].get<std::string>() + "SPIs/");

    TempFolder home;
    ::setenv("KIOVA_HOME", home.Path().c_str(), 1);
    json = nlohmann::json::parse(RunTool({"info", "--json"}).out);
    EXPECT_EQ(json["programFolder"], home.Path().string() + "/");
    EXPECT_EQ(json["choice"], "KIOVA_HOME");

    ::setenv("KIOVA_HOME", (home / "none").c_str(), 1);
    auto missing = RunTool({"info"});
    ::unsetenv("KIOVA_HOME");
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err,
              "kiova-tool: KIOVA_HOME names the folder " + (home / "none") + " does not exist\n");
}

}  // namespace
}  // namespace kiova
