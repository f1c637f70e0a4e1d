#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "CodePage.h"
#include "Crypt.h"
#include "RunTool.h"
#include "TextUtils.h"
#include "engine/TestCharacter.h"

namespace kiova {
namespace {

using testing::RunTool;
using testing::TempFolder;
using testing::TestCharacter;

namespace fs = std::filesystem;

std::string Sjis(std::string_view utf8) {
    return Utf8ToAnsi(utf8, 932);
}

// Every file under `folder`, by its path inside it.
std::map<std::string, std::string> FilesUnder(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file()) {
            std::ifstream in(entry.path(), std::ios::binary);
            files[entry.path().lexically_relative(folder).string()] =
                std::string(std::istreambuf_iterator<char>(in), {});
        }
    return files;
}

TEST(ConvertTool, RoundTripKeepsEveryByteAndTheCopyAnswersAlike) {
    TestCharacter hina(Sjis("ひな"), "hina");
    hina.Set("charset", "Shift_JIS").Set("nadenade", "1").Set("datanadenade", "patting.txt");
    // Line ends of every kind, a group marker, a picture named in kanji.
    hina.WriteDataFile("words.txt",
                       Sjis("こんにちは,\"{PIC:絵.bmp}こんにちは！\"\nねこ,ねこ大好き\r\n"
                            "{PRIOR},x\rさようなら,またね"));
    hina.AddDataFile("datab2", "words.txt");
    hina.WriteDataFile("secret.txt",
                       JoinLinesCrLf(EncipherLines({Sjis("へえ、{MEMO60}ですか")}, Sjis("鍵"))));
    hina.AddDataFile("datac2", "secret.txt");
    hina.WriteDataFile("patting.txt", Sjis("頭,なでなで\r\n"));
    const std::string picture = "BM\x82\xA0 copied as it is";
    hina.WriteDataFile("絵.bmp", picture);
    const std::string package = hina.Write();
    ASSERT_EQ(RunTool({"eval", package, "{MEMO60:ねこ}"}).status, 0);  // the state file

    TempFolder out;
    auto to_utf8 = RunTool({"convert", package, "--to", "utf-8", out / "utf8"});
    ASSERT_EQ(to_utf8.status, 0) << to_utf8.err;
    auto back = RunTool({"convert", out / "utf8/hina.ktc", "--to", "shift_jis", out / "sjis"});
    ASSERT_EQ(back.status, 0) << back.err;
    const auto original = FilesUnder(hina.Folder().Path());
    ASSERT_TRUE(original.contains("data/hina.kts"));
    EXPECT_EQ(FilesUnder(out.Path() / "sjis"), original);

    const auto utf8 = FilesUnder(out.Path() / "utf8");
    EXPECT_NE(utf8.at("hina.ktc").find("charset\r\nUTF-8\r\n"), std::string::npos);
    EXPECT_EQ(
        utf8.at("data/words.txt"),
        "こんにちは,\"{PIC:絵.bmp}こんにちは！\"\nねこ,ねこ大好き\r\n{PRIOR},x\rさようなら,またね");
    EXPECT_EQ(utf8.at("data/patting.txt"), "頭,なでなで\r\n");
    EXPECT_EQ(utf8.at("data/絵.bmp"), picture);

    // The tables, the enciphered one and the state file's text all read the same.
    const std::string input = "こんにちは\nねこ\nなに？\nさようなら\n";
    auto sjis_answers = RunTool({"chat", package, "--now", "2024/05/05 10:00:00"}, input);
    auto utf8_answers =
        RunTool({"chat", out / "utf8/hina.ktc", "--now", "2024/05/05 10:00:00"}, input);
    ASSERT_EQ(utf8_answers.status, 0) << utf8_answers.err;
    EXPECT_EQ(utf8_answers.out, sjis_answers.out);
    EXPECT_EQ(utf8_answers.out, "{PIC:絵.bmp}こんにちは！\nねこ大好き\nへえ、ねこですか\nまたね\n");
}

TEST(ConvertTool, RefusesEveryTextTheTargetCannotHoldAndWritesNothing) {
    TestCharacter zoe("Zo\xC3\xAB", "zoe");
    zoe.Set("charset", "UTF-8")
        .Data("datab2", "b.txt", {"hello,\"Hi \xF0\x9F\x90\xB1\"", "caf\xC3\xA9,x\xFFy"});
    zoe.WriteDataFile("c.txt", JoinLinesCrLf(EncipherLines({"ok", "\xF0\x9F\x90\xB6!"}, "k")));
    zoe.AddDataFile("datac2", "c.txt");
    const std::string package = zoe.Write();

    TempFolder out;
    auto refused = RunTool({"convert", package, "--to", "shift_jis", out / "sjis"});
    EXPECT_EQ(refused.status, 1);
    const std::string data = zoe.Folder() / "data/";
    for (const std::string& line :
         {data + "b.txt:1:11: \"\xF0\x9F\x90\xB1\" (U+1F431) cannot be written in Shift_JIS\n",
          data + "b.txt:2:4: \"\xC3\xA9\" (U+00E9) cannot be written in Shift_JIS\n",
          data + "b.txt:2:8: invalid UTF-8: 0xFF\n",
          data + "c.txt:3:1: \"\xF0\x9F\x90\xB6\" (U+1F436) cannot be written in Shift_JIS\n",
          package + ":2:3: \"\xC3\xAB\" (U+00EB) cannot be written in Shift_JIS\n",
          std::string("kiova-tool: 5 problem(s) converting to Shift_JIS; nothing written\n")})
        EXPECT_NE(refused.err.find(line), std::string::npos) << line << refused.err;
    EXPECT_TRUE(fs::is_empty(out.Path()));  // neither the copy nor its temporary folder

    out.Write("full/keep.txt", "mine");
    auto occupied = RunTool({"convert", package, "--to", "utf-8", out / "full"});
    EXPECT_EQ(occupied.status, 1);
    EXPECT_EQ(occupied.err, "kiova-tool: " + (out / "full") +
                                " exists and is not an empty folder; nothing written\n");
    EXPECT_EQ(FilesUnder(out / "full").size(), 1u);
    EXPECT_EQ(RunTool({"convert", package, "--to", "latin-1", out / "x"}).status, 2);
}

TEST(ConvertTool, PackageNamesItsNewEncodingInPlaceOfAByteOrderMark) {
    TempFolder dir;
    const std::string package =
        dir.Write("pkg/hina.ktc", "\xEF\xBB\xBFname\n\xE3\x81\xB2\xE3\x81\xAA\nversion\n210\nodd");
    fs::create_directory(dir / "empty");
    auto converted = RunTool({"convert", package, "--to", "sjis", dir / "empty"});
    ASSERT_EQ(converted.status, 0) << converted.err;
    // The pair comes first, so a trailing odd line stays unpaired.
    EXPECT_EQ(dir.Read("empty/hina.ktc"),
              "charset\nShift_JIS\nname\n" + Sjis("ひな") + "\nversion\n210\nodd");
    EXPECT_NE(RunTool({"info", dir / "empty/hina.ktc"}).out.find("Shift_JIS (charset)"),
              std::string::npos);
}

}  // namespace
}  // namespace kiova
