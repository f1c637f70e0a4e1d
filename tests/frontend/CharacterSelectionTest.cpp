#include <gtest/gtest.h>

#include <memory>

#include "CharacterList.h"
#include "CharacterSelection.h"
#include "CodePage.h"
#include "TempFolder.h"
#include "UiTexts.h"

namespace kiova {
namespace {
using testing::TempFolder;

// Packages A, B and C in a "chars" folder, known to the character list in that order, and
// the program folder beside them.
class CharacterSelectionTest : public ::testing::Test {
protected:
    CharacterSelectionTest() {
        for (const char* name : {"A", "B", "C", "D"})
            Package(std::string("chars/") + name + ".ktc", name);
        folder.Write("program/Kiova.ini", "[Character]\r\nChar1=" + Path("A") + "\r\nChar2=" +
                                              Path("B") + "\r\nChar3=" + Path("C") + "\r\n");
        list = std::make_unique<TCharacterList>(folder / "program/Kiova.ini");
    }

    std::string Package(const std::string& file, const std::string& name) {
        return folder.Write(file, "name\r\n" + name + "\r\nversion\r\n210\r\n");
    }
    // A path as the file dialog hands it over.
    static std::u16string Picked(const std::string& path) { return Utf8ToUtf16(path); }
    std::string Path(const std::string& name) const { return folder / ("chars/" + name + ".ktc"); }
    std::string ProgramFolder() const { return folder / "program/"; }
    std::vector<std::string> ListedPaths() const { return list->Paths(); }
    static std::vector<std::string> Names(const TCharacterSelection& selection) {
        std::vector<std::string> names;
        for (const auto& row : selection.Rows()) names.push_back(row.name);
        return names;
    }

    TempFolder folder;
    std::unique_ptr<TCharacterList> list;
};

TEST_F(CharacterSelectionTest, TheChosenCharacterMovesToTheHead) {
    TCharacterSelection selection(*list, ProgramFolder());
    EXPECT_EQ(Names(selection), (std::vector<std::string>{"A", "B", "C"}));
    ASSERT_TRUE(selection.Accept(2));
    EXPECT_EQ(selection.ChosenPath(), Path("C"));
    EXPECT_FALSE(selection.Cancelled());
    EXPECT_EQ(ListedPaths(), (std::vector<std::string>{Path("C"), Path("A"), Path("B")}));
}

TEST_F(CharacterSelectionTest, BrowsedPackagesJoinAtTheEnd) {
    {
        TCharacterSelection selection(*list, ProgramFolder());
        ASSERT_EQ(selection.Browse(Picked(Path("D"))), std::nullopt);
        EXPECT_EQ(Names(selection), (std::vector<std::string>{"A", "B", "C", "D"}));
        ASSERT_TRUE(selection.Accept(0));  // D, not chosen, stays behind the rows before it
        EXPECT_EQ(ListedPaths(),
                  (std::vector<std::string>{Path("A"), Path("B"), Path("C"), Path("D")}));
    }
    TCharacterSelection selection(*list, ProgramFolder());
    ASSERT_EQ(selection.Browse(Picked(Path("D"))), std::nullopt);  // listed twice now
    ASSERT_TRUE(selection.Accept(4));
    EXPECT_EQ(ListedPaths(),
              (std::vector<std::string>{Path("D"), Path("A"), Path("B"), Path("C")}));
}

TEST_F(CharacterSelectionTest, DeletedRowLeavesTheListOnlyWithOk) {
    {
        TCharacterSelection selection(*list, ProgramFolder());
        selection.Delete(1);
        selection.Cancel();
        EXPECT_TRUE(selection.Cancelled());
        EXPECT_EQ(selection.ChosenPath(), "");
    }
    EXPECT_EQ(ListedPaths(), (std::vector<std::string>{Path("A"), Path("B"), Path("C")}));
    TCharacterSelection selection(*list, ProgramFolder());
    selection.Delete(1);
    ASSERT_TRUE(selection.Accept(1));  // C, now the second row
    EXPECT_EQ(ListedPaths(), (std::vector<std::string>{Path("C"), Path("A")}));
}

TEST_F(CharacterSelectionTest, PackagesBesideTheProgramAreListedEvenWhenCancelled) {
    std::string beside = Package("program/Beside.KTC", "E");
    folder.Write("program/notes.txt", "x");
    folder.Write("program/Empty.ktc", "version\r\n210\r\n");  // neither name nor folder
    TCharacterSelection selection(*list, ProgramFolder());
    EXPECT_EQ(Names(selection), (std::vector<std::string>{"A", "B", "C", "E"}));
    selection.Cancel();
    EXPECT_EQ(ListedPaths(), (std::vector<std::string>{Path("A"), Path("B"), Path("C"), beside}));
}

TEST_F(CharacterSelectionTest, RefusesInvalidChoices) {
    std::filesystem::remove(Path("B"));  // no longer a package: no row, gone after OK
    TCharacterSelection selection(*list, ProgramFolder());
    EXPECT_EQ(Names(selection), (std::vector<std::string>{"A", "C"}));
    EXPECT_EQ(selection.Browse(Picked(folder / "chars/missing.ktc")), kInvalidFileMessage);
    // A folder name no code page holds stays as it is, never question marks.
    std::string beyond_code_page = Package("chars/한/F.ktc", "F");
    EXPECT_EQ(selection.Browse(Picked(beyond_code_page)), std::nullopt);
    EXPECT_FALSE(selection.Accept(std::nullopt));
    EXPECT_FALSE(selection.Accept(7));
    EXPECT_EQ(selection.Rows().size(), 3u);
    ASSERT_TRUE(selection.Accept(2));
    EXPECT_EQ(ListedPaths(), (std::vector<std::string>{beyond_code_page, Path("A"), Path("C")}));
}

}  // namespace
}  // namespace kiova
