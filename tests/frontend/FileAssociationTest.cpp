#include <gmock/gmock.h>

#include "CodePage.h"
#include "FakeDesktopTools.h"
#include "FileAssociation.h"
#include "TempFolder.h"

namespace kiova::testing {
namespace {
using ::testing::ElementsAre;
using ::testing::HasSubstr;
namespace fs = std::filesystem;

class FileAssociationTest : public ::testing::Test {
protected:
    std::string Data(const std::string& name) const { return folder / ("data/" + name); }

    TempFolder folder;
    TFileAssociation association{folder / "data", "/opt/My $Kiova/kiova%1"};
};

TEST_F(FileAssociationTest, OnTwiceWritesOnceAndOffRemovesExactlyWhatWasWritten) {
    FakeDesktopTools tools(folder);
    folder.Write("data/applications/other.desktop", "[Desktop Entry]\n");
    association.Associate();
    EXPECT_THAT(folder.Read("data/mime/packages/kiova-character.xml"),
                AllOf(HasSubstr("<mime-type type=\"application/x-kiova-character\">"),
                      HasSubstr("<glob pattern=\"*.ktc\"/>")));
    std::string entry = folder.Read("data/applications/kiova.desktop");
    EXPECT_THAT(entry, AllOf(HasSubstr("\nExec=\"/opt/My \\\\$Kiova/kiova%%1\" %f\n"),
                             HasSubstr("\nMimeType=application/x-kiova-character;\n")));
    std::vector<std::string> refreshed{"update-mime-database " + Data("mime"),
                                       "update-desktop-database " + Data("applications")};
    std::vector<std::string> calls = refreshed;
    calls.push_back("xdg-mime default kiova.desktop application/x-kiova-character");
    EXPECT_EQ(tools.Calls(), calls);

    association.Associate();  // already there: nothing is written, nothing runs
    EXPECT_EQ(tools.Calls(), calls);

    association.Dissociate();
    EXPECT_FALSE(fs::exists(association.MimePackage()));
    EXPECT_FALSE(fs::exists(association.DesktopEntry()));
    EXPECT_TRUE(fs::exists(Data("applications/other.desktop")));
    calls.insert(calls.end(), refreshed.begin(), refreshed.end());
    EXPECT_EQ(tools.Calls(), calls);
    association.Dissociate();
    EXPECT_EQ(tools.Calls(), calls);
}

TEST_F(FileAssociationTest, AnEntryOfTheSameNameThatSomeoneElseWroteIsLeftAlone) {
    FakeDesktopTools tools(folder);
    std::string theirs = "[Desktop Entry]\nExec=their-kiova %f\n";
    folder.Write("data/applications/kiova.desktop", theirs);
    association.Associate();
    association.Dissociate();
    EXPECT_EQ(folder.Read("data/applications/kiova.desktop"), theirs);
    EXPECT_FALSE(fs::exists(association.MimePackage()));
}

TEST_F(FileAssociationTest, AnInstalledProgramOnlyBecomesTheDefaultWhenThereIsNone) {
    FakeDesktopTools tools(folder);
    fs::path installed = folder.Write("usr/share/applications/org.example.kiova.desktop", "");
    TFileAssociation installed_program(folder / "data", "/usr/bin/kiova", installed);
    installed_program.Associate();
    installed_program.Associate();  // the default is set now: kept
    EXPECT_FALSE(fs::exists(installed_program.DesktopEntry()));
    EXPECT_FALSE(fs::exists(installed_program.MimePackage()));
    const std::string query = "xdg-mime query default application/x-kiova-character";
    EXPECT_THAT(tools.Calls(), ElementsAre(query,
                                           "xdg-mime default org.example.kiova.desktop "
                                           "application/x-kiova-character",
                                           query));
}

TEST_F(FileAssociationTest, MissingToolsAreSkippedAndFailuresAreTold) {
    {
        ScopedEnvironment path("PATH", folder / "nothing-here");
        association.Associate();
        EXPECT_TRUE(fs::exists(association.DesktopEntry()));
        association.Dissociate();
    }
    FakeDesktopTools tools(folder, "update-desktop-database");
    try {
        association.Associate();
        ADD_FAILURE() << "a failing tool must be reported";
    } catch (const EAssociationError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "拡張子(.ktc)の関連付けを変更できませんでした\r\n"
                  "update-desktop-database が失敗しました: broken cache");
    }
    EXPECT_EQ(tools.Calls().size(), 3u);  // the other tools still ran

    folder.Write("blocked", "a file where the data folder should be");
    TFileAssociation blocked(folder / "blocked", "/usr/bin/kiova");
    EXPECT_THROW(blocked.Associate(), EAssociationError);
}

}  // namespace
}  // namespace kiova::testing
