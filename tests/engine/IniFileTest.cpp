#include <gtest/gtest.h>

#include "IniFile.h"
#include "TempFolder.h"

namespace kiova {
namespace {

using testing::TempFolder;

TEST(IniFile, ReadsLikeTheProfileFunctions) {
    TempFolder dir;
    const std::string path = dir.Write("Kiova.ini",
                                       "; settings\r\n"
                                       "[Main]\r\n"
                                       "  Speed =  55  \r\n"
                                       "Plugin=1\r\n"
                                       "[main]\r\n"
                                       "Speed=99\r\n"
                                       "[Other]\n"
                                       "Key\n");
    TIniFile ini(path);
    EXPECT_EQ(ini.Read("MAIN", "speed"), "55");  // the first of duplicate sections wins
    EXPECT_EQ(ini.ReadString("Main", "missing", "dflt"), "dflt");
    EXPECT_FALSE(ini.ValueExists("Other", "Key"));  // a line without "=" is no entry
    EXPECT_EQ(ini.ReadSection("Main"), (std::vector<std::string>{"Speed", "Plugin"}));
    EXPECT_FALSE(TIniFile(dir / "none.ini").Read("Main", "Speed"));
}

TEST(IniFile, WritesKeepEverythingElse) {
    TempFolder dir;
    const std::string path = dir.Write("Kiova.ini",
                                       "; keep me\r\n"
                                       "[Main]\r\n"
                                       "Speed=55\r\n"
                                       "Unknown=x\r\n"
                                       "\r\n"
                                       "[Character]\r\n"
                                       "Char1=/a.ktc\r\n"
                                       "[Tail]\r\n"
                                       "z=1\r\n");
    TIniFile ini(path);
    ini.WriteString("main", "SPEED", "30");
    ini.WriteString("Main", "Font", "big");
    ini.EraseSection("CHARACTER");
    ini.WriteString("Character", "Char1", "/b.ktc");
    ini.WriteString("New", "k", " v ");
    ini.Save();
    EXPECT_EQ(dir.Read("Kiova.ini"),
              "; keep me\r\n"
              "[Main]\r\n"
              "Speed=30\r\n"
              "Unknown=x\r\n"
              "Font=big\r\n"
              "\r\n"
              "[Tail]\r\n"
              "z=1\r\n"
              "[Character]\r\n"
              "Char1=/b.ktc\r\n"
              "[New]\r\n"
              "k=v\r\n");
    EXPECT_EQ(TIniFile(path).Read("new", "K"), "v");
}

// A file copied from Windows keeps its code page and CR LF until it must hold a text the code
// page lacks; a file the program creates is UTF-8 with LF.
TEST(IniFile, KeepsTheEncodingAndLineEndsOfTheFile) {
    TempFolder dir;
    const std::string sjis = dir.Write("sjis.ini", "[User]\r\nName=\x93\xFA\x96\x7B\r\n");
    TIniFile ini(sjis);
    EXPECT_EQ(ini.Read("User", "Name"), "日本");  // read as UTF-8
    ini.WriteString("User", "Nick", "猫");
    ini.Save();
    EXPECT_EQ(dir.Read("sjis.ini"), "[User]\r\nName=\x93\xFA\x96\x7B\r\nNick=\x94\x4C\r\n");
    ini.WriteString("Character", "Char1", "/home/josé🐱/Zoë.ktc");
    ini.Save();
    EXPECT_EQ(dir.Read("sjis.ini"),
              "[User]\r\nName=日本\r\nNick=猫\r\n[Character]\r\nChar1=/home/josé🐱/Zoë.ktc\r\n");

    TIniFile created(dir / "new.ini");
    created.WriteString("Main", "Path", "/home/josé🐱/");
    created.Save();
    EXPECT_EQ(dir.Read("new.ini"), "[Main]\nPath=/home/josé🐱/\n");
}

}  // namespace
}  // namespace kiova
