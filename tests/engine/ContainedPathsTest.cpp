// Names in character data stay inside the character: a package from a stranger can neither read
// nor write outside the folder that holds it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "Character.h"
#include "CodePage.h"
#include "Files.h"
#include "KiovaError.h"
#include "TempFolder.h"
#include "TestCharacter.h"

namespace kiova {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;
using testing::TestCharacter;

TEST(PathInside, ResolvesNamesOnlyInsideTheFolder) {
    TempFolder dir;
    dir.Write("char/Data/Words.txt", "x");
    dir.Write("secret", "x");
    fs::create_directory_symlink(dir.Path(), dir.Path() / "char/Data/up");
    fs::create_symlink(dir.Path() / "secret", dir.Path() / "char/Data/secret.txt");
    fs::create_symlink("Words.txt", dir.Path() / "char/Data/alias.txt");
    const std::string folder = dir / "char/";

    const struct {
        const char* name;
        std::optional<std::string> expected;
    } cases[] = {
        {"data\\words.TXT", folder + "Data/Words.txt"},  // delimiters and letter case
        {"Data/./sub/../Words.txt", folder + "Data/Words.txt"},
        {"data/alias.txt", folder + "Data/alias.txt"},  // a link that stays inside
        {"new.txt", folder + "new.txt"},                // need not exist
        {"", folder},
        {"..", std::nullopt},
        {"../secret", std::nullopt},
        {"data\\..\\..\\secret", std::nullopt},
        {"data/../../char/Data/Words.txt", std::nullopt},  // left the folder on the way
        {"/etc/hostname", std::nullopt},
        {"\\etc\\hostname", std::nullopt},
        {"C:\\Windows\\win.ini", std::nullopt},
        {"c:win.ini", std::nullopt},
        {"data/up/secret", std::nullopt},   // a link to a folder outside
        {"data/secret.txt", std::nullopt},  // a link to a file outside
    };
    for (const auto& c : cases)
        EXPECT_EQ(PathInside(folder, c.name, CodePage()), c.expected) << c.name;
    EXPECT_EQ(FolderInside(folder, "DATA", CodePage()), folder + "Data/");
}

class ContainedCharacter : public ::testing::Test {
protected:
    ContainedCharacter() {
        services_.report_problem = [this](std::string_view message) {
            reports_.emplace_back(message);
        };
        // A folder beside the character's, which it must never touch.
        outside_ = hina_.Folder().Write(
            "../" + hina_.Folder().Path().filename().string() + "-outside/words.txt",
            "hello,\"from outside\"\r\n");
        outside_folder_ = fs::path(outside_).parent_path();
    }
    ~ContainedCharacter() override { fs::remove_all(outside_folder_); }

    std::string Answer(TCharacter& character, std::u16string_view input) {
        return Utf16ToAnsi(character.Respond(input, kTableMaskAll));
    }

    TestCharacter hina_{"Hina", "hina"};
    TCharacterServices services_;
    std::vector<std::string> reports_;
    std::string outside_;
    fs::path outside_folder_;
};

TEST_F(ContainedCharacter, ADataFolderOutsideThePackageFolderHoldsNoData) {
    const std::string outside_name = "..\\" + outside_folder_.filename().string();
    hina_.Set("folder", outside_name).AddDataFile("datab2", "words.txt");
    try {
        TCharacter character(hina_.Write(), services_);
        FAIL() << "a character was made from the outside folder";
    } catch (const EKiovaInvalidCharacter& error) {
        EXPECT_STREQ(error.what(), "character contains no data");
    }
    ASSERT_EQ(reports_.size(), 1u);
    EXPECT_NE(reports_[0].find(outside_name), std::string::npos) << reports_[0];
    EXPECT_EQ(std::distance(fs::directory_iterator(outside_folder_), {}), 1) << "a state file";
}

TEST_F(ContainedCharacter, DataFilesAndTheStateFileOutsideTheDataFolderAreMissing) {
    const std::string escaping = "../../" + outside_folder_.filename().string() + "/words.txt";
    hina_.WriteDataFile("Mine.txt", "hello,\"from inside\"\r\n");
    hina_.Set("datab2", "\"" + escaping + "\" /etc/hostname mine.TXT");
    // The state file is a link to a file outside: never read, and replaced by a file of its own.
    const std::string victim = outside_folder_ / "victim.kts";
    { std::ofstream(victim) << "precious"; }
    fs::create_directories(fs::path(hina_.StatePath()).parent_path());
    fs::create_symlink(victim, hina_.StatePath());
    {
        TCharacter character(hina_.Write(), services_);
        EXPECT_EQ(Answer(character, u"hello"), "from inside");
        character.Variables().strings[50] = "saved";
    }
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(hina_.StatePath())));
    EXPECT_NE(hina_.ReadState().find("encrypted"), std::string::npos);
    std::ifstream in(victim);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "precious");
    ASSERT_EQ(reports_.size(), 3u);
    EXPECT_NE(reports_[0].find(escaping), std::string::npos) << reports_[0];
    EXPECT_NE(reports_[1].find("/etc/hostname"), std::string::npos) << reports_[1];
    EXPECT_NE(reports_[2].find("hina.kts"), std::string::npos) << reports_[2];
}

}  // namespace
}  // namespace kiova
