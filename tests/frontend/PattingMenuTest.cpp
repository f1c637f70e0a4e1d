#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

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
    // The action files lie in the data folder: the package's folder followed by "folder".
    folder.Write("chars/cat/head.txt",
                 "Head,PatHead,ignored\r\nsingle\r\n\r\n\"Ears\",\"scratch "
                 "ears\"\r\n{endofdata},x\r\nAfter,y\r\n");
    folder.Write("chars/cat/two words.txt",
                 Utf8ToAnsi("Cheek,PatCheek\r\n｛ＥＮＤＯＦＤＡＴＡ｝,x\r\nLate,z\r\n"));
    TPattingLists lists = LoadPattingLists(package);
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
        TPattingLists lists = LoadPattingLists(package);
        EXPECT_EQ(lists.captions, std::vector<std::u16string>{Translated(kPattingUnsupported)});
        EXPECT_TRUE(lists.messages.empty());
    }
}

// Only regular files inside the data folder are read: a package in the program folder with
// "folder" = "." cannot list the user's settings and logs from elsewhere, and a FIFO would block.
TEST(PattingMenuTest, ActionFileMissingOutsideOrNoRegularFileIsAnError) {
    TempFolder folder;
    folder.Write("Kiova.ini", "Secret,Line\r\n");
    std::filesystem::create_directories(folder / "chars");
    ASSERT_EQ(mkfifo((folder / "chars/fifo.txt").c_str(), 0600), 0);
    for (const char* name : {"missing.txt", "Kiova.ini", "../Kiova.ini", "fifo.txt"}) {
        std::string package =
            folder.Write("chars/cat.ktc", std::string("name\r\nCat\r\nfolder\r\n.\r\nnadenade\r\nTr"
                                                      "ue\r\ndatanadenade\r\n") +
                                              name + "\r\n");
        EXPECT_THROW(LoadPattingLists(package), std::runtime_error) << name;
    }
}

}  // namespace
}  // namespace kiova
