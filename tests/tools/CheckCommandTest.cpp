#include <gtest/gtest.h>
#include <stdlib.h>

#include <functional>
#include <nlohmann/json.hpp>
#include <sstream>

#include "CodePage.h"
#include "Crypt.h"
#include "RunTool.h"
#include "TempFolder.h"
#include "TextUtils.h"
#include "engine/TestCharacter.h"

namespace kiova {
namespace {

using testing::RunTool;
using testing::TempFolder;
using testing::TestCharacter;
using namespace std::string_literals;

// `text` with "{P}" replaced by the package's path and "{D}" by its data folder.
std::string Placed(std::string text, const TestCharacter& character) {
    const std::pair<std::string, std::string> names[] = {{"{P}", character.PackagePath()},
                                                         {"{D}", character.Folder() / "data/"}};
    for (const auto& [name, value] : names)
        for (size_t at = text.find(name); at != std::string::npos; at = text.find(name, at))
            text.replace(at, name.size(), value);
    return text;
}

std::vector<std::string> ProblemLines(const std::string& out) {
    std::vector<std::string> lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);)
        if (line.find(": error: ") != std::string::npos ||
            line.find(": warning: ") != std::string::npos)
            lines.push_back(line);
    return lines;
}

// An enciphered file whose header carries a damaged key: its lines decipher into bytes that
// are no Shift_JIS text.
std::string DamagedEncipheredFile() {
    std::vector<std::string> lines = EncipherLines({Utf8ToAnsi("こんにちは,やあ")}, "secretkey");
    for (size_t i = 9; i < lines[0].size(); ++i)
        lines[0][i] =
            static_cast<char>((static_cast<unsigned char>(lines[0][i]) + 7 - 32) % 224 + 32);
    return JoinLinesCrLf(lines);
}

// A program folder of its own (KIOVA_HOME), without picture decoders.
class CheckTool : public ::testing::Test {
protected:
    CheckTool() { ::setenv("KIOVA_HOME", home_.Path().c_str(), 1); }
    ~CheckTool() override { ::unsetenv("KIOVA_HOME"); }

    TempFolder home_;
};

struct CheckCase {
    const char* what;
    std::function<void(TestCharacter&)> write;
    std::vector<std::string> problems;  // with {P} and {D}
    int status;
};

TEST_F(CheckTool, EachKindOfProblemIsOneLineAtItsPlace) {
    const auto plain = [](TestCharacter& c) { c.Data("datac2", "c.txt", {"fine"}); };
    const CheckCase cases[] = {
        {"no name, no folder",
         [&](TestCharacter& c) { plain(c.Set("name", "").Set("folder", "")); },
         {"{P}:1: error: characterfile is invalid: neither \"name\" nor \"folder\" has a value"},
         1},
        {"old version",
         [&](TestCharacter& c) { plain(c.Set("version", "209")); },
         {"{P}:6: error: character is not supported in this version: \"version\" is \"209\", 210 "
          "or more is needed"},
         1},
        {"no data",
         [](TestCharacter& c) { c.Data("datac2", "c.txt", {"{PRIOR}"}); },
         {"{P}:1: error: character contains no data: no table has a record to answer with"},
         1},
        {"missing and case-only data files",
         [&](TestCharacter& c) {
             plain(c);
             c.AddDataFile("datab2", "gone.txt").WriteDataFile("Words.txt", "hi,Hello\r\n");
             c.AddDataFile("datab1", "words.txt");
         },
         {"{P}:12: warning: data file \"{D}words.txt\" is found only by ignoring letter case, as "
          "{D}Words.txt",
          "{P}:10: error: data file \"{D}gone.txt\" does not exist"},
         1},
        {"pattern",
         [](TestCharacter& c) {
             c.Data("datab2", "b.txt", {"ok,Fine", "(abc,Hi"});
         },
         {"{D}b.txt:2: error: pattern \"(ABC\" does not compile: need right parenthesis (the "
          "record never answers)"},
         1},
        {"pictures and sounds",
         [](TestCharacter& c) {
             c.Set("DefaultBitmap", "gone.bmp");
             c.Data("datab2", "b.txt", {"a,{PIC:face.xyz}", "b,{SOUNDS:gone.wav}{PIC:{MEMO60}}"});
             c.WriteDataFile("face.xyz", "picture bytes");
         },
         {"{P}:8: error: picture \"{D}gone.bmp\" does not exist",
          "{D}b.txt:1: error: picture \"{D}face.xyz\" cannot be read: no decoder library is "
          "loaded for its extension",
          "{D}b.txt:2: error: sound \"{D}gone.wav\" does not exist"},
         1},
        {"names leading out of the character",
         [](TestCharacter& c) {
             c.Set("DefaultBitmap", "..\\..\\etc\\face.bmp");
             c.Data("datab2", "b.txt", {"a,{PIC:/etc/face.bmp}{SOUNDS:../gone.wav}"});
             c.AddDataFile("datab2", "../../../../etc/hostname");
         },
         {"{P}:8: error: picture \"..\\..\\etc\\face.bmp\" lies outside the character's folder",
          "{D}b.txt:1: error: picture \"/etc/face.bmp\" lies outside the character's folder",
          "{D}b.txt:1: error: sound \"../gone.wav\" lies outside the character's folder",
          "{P}:10: error: data file \"../../../../etc/hostname\" lies outside the character's "
          "folder"},
         1},
        {"skipped lines",
         [](TestCharacter& c) {
             c.Data("datab2", "b.txt", {"alone", "\"hi,Hello", "x,\"open", ""});
         },
         {"{D}b.txt:1: warning: line skipped: 1 field(s), datab2 needs 2",
          "{D}b.txt:2: warning: line skipped: 1 field(s), datab2 needs 2 (a quote never closes, "
          "so the rest of the line is one field)",
          "{D}b.txt:3: warning: a quote never closes: its field runs to the end of the line"},
         0},
        {"braces and tag names",
         [](TestCharacter& c) {
             c.Data("datab2", "b.txt",
                    {"a,{NOW", "b,x}y", "c,{FOO}{Dice.roll}{IF{FLAG51}y|n}{WAITRETURN}{NOW}"});
             c.Data("data01", "zero.txt",
                    {"\"{FLAG51}}\",Hi", "{LIKE{OPERATEMESSAGE}|{NOTHINGSAID}},Hm"});
         },
         {"{D}zero.txt:1: warning: a stray \"}\" closes nothing: the condition comes out empty, so "
          "it never holds",
          "{D}b.txt:1: warning: a \"{\" never closes: everything from it to the end is dropped",
          "{D}b.txt:2: warning: a stray \"}\" closes nothing: the whole answer comes out empty",
          "{D}b.txt:3: warning: {FOO} is neither a tag of the language, an output command nor a "
          "plug-in tag (Name.rest)"},
         0},
        {"records a repeating table never reaches",
         [](TestCharacter& c) {
             const std::vector<std::string> lines = {"hello,Hi", "{PRIOR},x", "hello,Again"};
             c.Data("datab1", "once.txt", lines).Data("datab2", "b.txt", lines);
             c.Data("datac2", "c.txt", {"a", "{PRIOR}", "b", "c"});
             c.Data("dataa2", "a.txt", {".*,.*,Always", "{PRIOR},x,x", "hi,hi,Hm"});
         },
         {"{D}b.txt:3: warning: this record never answers: an earlier group of datab2 has the key "
          "\"HELLO\" too, and the table repeats, so that group answers first every time",
          "{D}c.txt:2: warning: datac2 repeats and its first group always answers: the 2 "
          "record(s) after this group never answer"},
         0},
        {"a pattern that matches every input",
         [](TestCharacter& c) {
             c.Data("datab2", "b.txt", {".*,Always", "bye,Bye", "{PRIOR},x", "hi,Hi"});
         },
         {"{D}b.txt:1: warning: pattern \".*\" matches every input: the 1 record(s) after this "
          "group never answer"},
         0},
        {"NUL byte",
         [](TestCharacter& c) {
             c.WriteDataFile("c.txt", "a\r\nb\0c\r\nd\r\ne"s);
             c.AddDataFile("datac2", "c.txt");
         },
         {"{D}c.txt:2: warning: a NUL byte: reading stops here, so the rest of this line and the 2 "
          "line(s) after it are never read"},
         0},
        {"enciphered file that does not decipher",
         [](TestCharacter& c) {
             c.WriteDataFile("enc.txt", DamagedEncipheredFile());
             c.AddDataFile("datac2", "enc.txt");
         },
         {"{D}enc.txt:2: error: the enciphered file does not decipher: this line is no text in the "
          "code page (a damaged header or key?)"},
         1},
    };
    for (const CheckCase& c : cases) {
        TestCharacter character("Alice");
        c.write(character);
        character.Write();
        auto result = RunTool({"check", character.PackagePath()});
        EXPECT_EQ(result.status, c.status) << c.what << '\n' << result.out << result.err;
        std::vector<std::string> expected;
        for (const std::string& line : c.problems) expected.push_back(Placed(line, character));
        EXPECT_EQ(ProblemLines(result.out), expected) << c.what;
    }
}

TEST_F(CheckTool, JsonGivesEachProblemAndTheFigures) {
    TestCharacter alice("Alice");
    alice.Data("datab2", "b.txt", {"hello,Hi", "bye,Bye", "{PRIOR},x", "(,Bad"})
        .Data("dataa1", "a.txt", {"HI,THERE,Yes"})
        .Data("datac2", "c.txt", {"x", "y"});
    alice.Write();
    auto result = RunTool({"check", alice.PackagePath(), "--json"});
    EXPECT_EQ(result.status, 1);
    std::vector<nlohmann::json> lines;
    std::istringstream in(result.out);
    for (std::string line; std::getline(in, line);) lines.push_back(nlohmann::json::parse(line));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0]["file"], alice.Folder() / "data/b.txt");
    EXPECT_EQ(lines[0]["line"], 4);
    EXPECT_EQ(lines[0]["severity"], "error");
    const nlohmann::json& summary = lines[1]["summary"];
    EXPECT_EQ(summary["records"],
              nlohmann::json::parse(R"({"data01":0,"data02":0,"dataa1":1,"dataa2":0,"datab1":0,)"
                                    R"("datab2":3,"datac1":0,"datac2":2})"));
    EXPECT_EQ(summary["patterns"], 5);
    EXPECT_EQ(summary["slowestPattern"]["file"].get<std::string>().substr(0, 5), "/tmp/");
    EXPECT_EQ(summary["errors"], 1);
    EXPECT_EQ(summary["warnings"], 0);
}

TEST_F(CheckTool, BadUsageAndMissingPackages) {
    EXPECT_EQ(RunTool({"check"}).status, 2);
    EXPECT_EQ(RunTool({"check", "a.ktc", "--loud"}).status, 2);
    auto missing = RunTool({"check", home_ / "none.ktc"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "kiova-tool: " + home_ / "none.ktc" + " does not exist\n");
    EXPECT_EQ(missing.out, "");
}

}  // namespace
}  // namespace kiova
