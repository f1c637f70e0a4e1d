#include <gtest/gtest.h>

#include "CodePage.h"
#include "PattingMenu.h"
#include "TempFolder.h"
#include "UiTexts.h"

namespace kiova {
namespace {
using testing::TempFolder;

TEST(PattingMenuTest, ReadsEveryActionFileInOrder) {
    TempFolder folder;
    std::string package = folder.Write("chars/cat.ktc",
                                       "name\r\nCat\r\nfolder\r\ncat\r\nnadenade\r\n1\r\ndatanadena"
                                       "de\r\nhead.txt \"two words.txt\"\r\n");
    // The action files lie in the program folder followed by "folder", not beside the package.
    folder.Write("program/cat/head.txt",
                 "Head,PatHead,ignored\r\nsingle\r\n\r\n\"Ears\",\"scratch "
                 "ears\"\r\n{endofdata},x\r\nAfter,y\r\n");
    folder.Write("program/cat/two words.txt",
                 Utf8ToAnsi("Cheek,PatCheek\r\n｛ＥＮＤＯＦＤＡＴＡ｝,x\r\nLate,z\r\n"));
    TPattingLists lists = LoadPattingLists(package, folder / "program/");
    EXPECT_EQ(lists.captions, (std::vector<std::u16string>{u"Head", u"Ears", u"Cheek"}));
    EXPECT_EQ(lists.messages,
              (std::vector<std::u16string>{u"PatHead", u"scratch ears", u"PatCheek"}));
}

TEST(PattingMenuTest, CharacterWithoutPattingHasOneCaptionAndNoMessage) {
    TempFolder folder;
    for (const char* value : {"", "0", "no"}) {
        std::string package =
            folder.Write("cat.ktc", std::string("name\r\nCat\r\nnadenade\r\n") + value +
                                        "\r\ndatanadenade\r\nhead.txt\r\n");
        TPattingLists lists = LoadPattingLists(package, folder / "");
        EXPECT_EQ(lists.captions, std::vector<std::u16string>{Translated(kPattingUnsupported)});
        EXPECT_TRUE(lists.messages.empty());
    }
}

TEST(PattingMenuTest, MissingActionFileIsAnError) {
    TempFolder folder;
    std::string package = folder.Write(
        "cat.ktc", "name\r\nCat\r\nnadenade\r\nTrue\r\ndatanadenade\r\nmissing.txt\r\n");
    EXPECT_THROW(LoadPattingLists(package, folder / ""), std::runtime_error);
}

}  // namespace
}  // namespace kiova
