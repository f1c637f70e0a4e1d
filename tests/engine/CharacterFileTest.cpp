#include <gtest/gtest.h>

#include "CharacterFile.h"
#include "CharacterList.h"
#include "CodePage.h"
#include "IniFile.h"
#include "TempFolder.h"

namespace kiova {
namespace {

using testing::TempFolder;

TEST(CharacterFile, PairsLinesIntoLowerCasedKeys) {
    TempFolder dir;
    const std::string path =
        dir.Write("alice.ktc", "Name\r\nAlice\r\nFOLDER\r\ndata\r\nname\r\nBob");
    TCharacterFile package(path);
    EXPECT_EQ(package.ReadValue("NAME"), "Alice");  // the first of repeated keys
    EXPECT_EQ(package.ReadValue("folder"), "data");
    EXPECT_EQ(package.ReadValue("version"), "");
    EXPECT_EQ(package.DataFolder(), dir.Path().string() + "/data/");
    EXPECT_EQ(package.ResolvePath("a.txt"), dir.Path().string() + "/data/a.txt");
    EXPECT_EQ(package.Keys(), (std::vector<std::string>{"name", "folder", "name"}));
}

TEST(CharacterFile, BlankLinesShiftThePairingAndAnOddLineIsIgnored) {
    TempFolder dir;
    TCharacterFile shifted(dir.Write("a.ktc", "name\n\nAlice\nfolder\nx\n"));
    EXPECT_EQ(shifted.Keys(), (std::vector<std::string>{"name", "alice"}));
    EXPECT_EQ(shifted.Values(), (std::vector<std::string>{"", "folder"}));

    TCharacterFile odd(dir.Write("b.ktc", "k1\nv1\nk2\nv2\nk3"));
    EXPECT_EQ(odd.Keys().size(), 2u);
    // Values are kept byte for byte, blanks included; no "folder" means the package's folder.
    TCharacterFile spaced(dir.Write("c.ktc", "name\n Alice \n"));
    EXPECT_EQ(spaced.ReadValue("name"), " Alice ");
    EXPECT_EQ(spaced.DataFolder(), dir.Path().string() + "/");
}

TEST(CharacterFile, MissingPackageReadsEmpty) {
    TempFolder dir;
    TCharacterFile package(dir / "none.ktc");
    EXPECT_EQ(package.ReadValue("name"), "");
    EXPECT_EQ(package.DataFolder(), "");
    EXPECT_FALSE(IsValidCharacterFile(dir / "none.ktc"));
}

TEST(CharacterFile, ValidWithANameOrAFolder) {
    TempFolder dir;
    EXPECT_TRUE(IsValidCharacterFile(dir.Write("n.ktc", "name\nA\n")));
    EXPECT_TRUE(IsValidCharacterFile(dir.Write("f.ktc", "folder\nd\n")));
    EXPECT_FALSE(IsValidCharacterFile(dir.Write("v.ktc", "version\n210\nname\n\n")));
    EXPECT_EQ(DataFolderOf("/p/x.ktc", "data\\", CodePage()), "/p/data/");
}

// The encoding: a charset value (any case), a byte-order mark, else the default; a charset
// value naming none this program reads is the package's problem.
TEST(CharacterFile, NamesItsCodePageAndWhy) {
    TempFolder dir;
    const TCharacterFile declared(dir.Write("d.ktc", "name\nZoë\nCharSet\n utf8 \nfolder\nZoë\n"));
    EXPECT_EQ(declared.CodePage(), kUtf8CodePage);
    EXPECT_EQ(declared.CodePageSource(), "charset");
    EXPECT_EQ(declared.DataFolder(), dir / "Zoë/");
    const TCharacterFile marked(dir.Write("m.ktc", "\xEF\xBB\xBFname\nZoë\n"));
    EXPECT_EQ(marked.CodePage(), kUtf8CodePage);
    EXPECT_EQ(marked.ReadValue("name"), "Zoë");
    EXPECT_EQ(marked.CodePageSource(), "byte-order mark");
    const TCharacterFile plain(dir.Write("p.ktc", "name\nA\n"));
    EXPECT_EQ(plain.CodePage(), CodePage());
    EXPECT_EQ(plain.CodePageSource(), "default");
    EXPECT_FALSE(plain.CharsetProblem());
    const TCharacterFile bad(dir.Write("b.ktc", "name\nA\ncharset\nlatin1\n"));
    EXPECT_EQ(bad.CharsetProblem(), "charset \"latin1\" is neither UTF-8 nor Shift_JIS");
}

TEST(CharacterList, DropsInvalidEntriesAndRenumbersOnDestruction) {
    TempFolder dir;
    const std::string good1 = dir.Write("one.ktc", "name\nOne\n");
    const std::string good2 = dir.Write("two.ktc", "name\nTwo\n");
    const std::string settings =
        dir.Write("Kiova.ini", "[Main]\r\nSpeed=55\r\n[Character]\r\nChar1=" + good1 +
                                   "\r\nChar2=" + dir / "gone.ktc" + "\r\nChar3=" + good2 +
                                   "\r\nChar5=" + good1 + "\r\n");
    {
        TCharacterList list(settings);
        EXPECT_EQ(list.Paths(), (std::vector<std::string>{good1, good2}));  // stops at Char4
        list.AddCharacter(good2);                                           // already listed
        list.AddCharacter(dir / "ONE.KTC");  // listed too, ignoring case
        list.AddCharacter(dir / "three.ktc");
        EXPECT_EQ(list.Paths().size(), 3u);
    }
    TIniFile ini(settings);
    EXPECT_EQ(ini.ReadSection("Character"), (std::vector<std::string>{"Char1", "Char2", "Char3"}));
    EXPECT_EQ(ini.Read("Character", "Char2"), good2);
    EXPECT_EQ(ini.Read("Main", "Speed"), "55");
}

}  // namespace
}  // namespace kiova
