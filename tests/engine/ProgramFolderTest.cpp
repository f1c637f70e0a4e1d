// The choice of the program folder and the first start of a per-user folder.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

#include "CharacterList.h"
#include "ProgramFolder.h"
#include "TempFolder.h"

namespace kiova {
namespace {

namespace fs = std::filesystem;

class ProgramFolderChoice : public ::testing::Test {
protected:
    ProgramFolderChoice() {
        fs::create_directories(temp_.Path() / "usr/bin");
        places_.executable_folder = temp_.Path() / "usr/bin";
        places_.per_user = temp_.Path() / "home/.local/share/kiova";
        places_.demo_characters = KIOVA_DEMO_CHARACTERS;
    }

    fs::path PerUser() const { return places_.per_user; }
    std::string Slashed(const fs::path& folder) const { return folder.string() + "/"; }
    // The message of the EProgramFolderError the choice throws.
    std::string ErrorOf() const {
        try {
            ChooseProgramFolder(places_);
        } catch (const EProgramFolderError& error) {
            return error.what();
        }
        return "no error";
    }

    testing::TempFolder temp_;
    TProgramFolderPlaces places_;
};

TEST_F(ProgramFolderChoice, KiovaHomeComesFirstAndMustBeAWritableFolder) {
    temp_.Write("usr/bin/Kiova.portable", "");
    places_.kiova_home = temp_.Path() / "mine";
    EXPECT_NE(ErrorOf().find("KIOVA_HOME names the folder " + places_.kiova_home->string() +
                             " does not exist"),
              std::string::npos);
    temp_.Write("mine", "a file");
    EXPECT_NE(ErrorOf().find("is not a folder"), std::string::npos);

    fs::remove(*places_.kiova_home);
    fs::create_directory(*places_.kiova_home);
    TProgramFolder folder = ChooseProgramFolder(places_);
    EXPECT_EQ(folder.path, Slashed(*places_.kiova_home));
    EXPECT_EQ(folder.choice, EProgramFolderChoice::KiovaHome);
    EXPECT_FALSE(fs::exists(PerUser()));  // failures and successes alike leave it alone
}

TEST_F(ProgramFolderChoice, ThePortableFolderIsTheExecutablesWhenItHoldsKiovaIniOrTheMarker) {
    for (std::string_view mark : {kPortableMarker, kSettingsFileName}) {
        const std::string file = temp_.Write("usr/bin/" + std::string(mark), "");
        TProgramFolder folder = ChooseProgramFolder(places_);
        EXPECT_EQ(folder.path, Slashed(places_.executable_folder));
        EXPECT_EQ(folder.choice, EProgramFolderChoice::Portable);
        EXPECT_EQ(folder.reason, "the executable's folder holds " + std::string(mark));
        fs::remove(file);
    }
    EXPECT_FALSE(fs::exists(PerUser()));
}

// Runs `check` in a child process as an unprivileged user when the tests run as root, whom
// permissions do not stop; true when the check held.
bool HoldsUnprivileged(const std::function<bool()>& check) {
    if (::geteuid() != 0) return check();
    pid_t child = ::fork();
    if (child == 0) {
        const bool dropped = ::setgid(65534) == 0 && ::setuid(65534) == 0;
        ::_exit(dropped && check() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST_F(ProgramFolderChoice, AReadOnlyPortableFolderIsAnErrorNotAReasonToMoveElsewhere) {
    temp_.Write("usr/bin/Kiova.portable", "");
    fs::permissions(temp_.Path(), fs::perms::owner_all | fs::perms::group_exec |
                                      fs::perms::others_exec | fs::perms::others_read);
    fs::permissions(places_.executable_folder, fs::perms::owner_write, fs::perm_options::remove);
    EXPECT_TRUE(HoldsUnprivileged([&] {
        return ErrorOf().starts_with("the portable program folder " +
                                     places_.executable_folder.string() + " cannot be written");
    }));
    EXPECT_FALSE(fs::exists(PerUser()));
    EXPECT_EQ(std::distance(fs::directory_iterator(places_.executable_folder), {}), 1);
    fs::permissions(places_.executable_folder, fs::perms::owner_write, fs::perm_options::add);
}

TEST_F(ProgramFolderChoice, TheFirstStartMakesAPrivatePerUserFolderWithTheDemoCharacter) {
    TProgramFolder folder = ChooseProgramFolder(places_);
    EXPECT_EQ(folder.path, Slashed(PerUser()));
    EXPECT_EQ(folder.choice, EProgramFolderChoice::PerUser);
    for (const fs::path& made : {PerUser(), PerUser().parent_path(), temp_.Path() / "home"})
        EXPECT_EQ(fs::status(made).permissions() & fs::perms::all, fs::perms::owner_all) << made;
    EXPECT_TRUE(fs::is_regular_file(PerUser() / "hina/events.txt"));
    const TCharacterList list(Slashed(PerUser()) + std::string(kSettingsFileName));
    EXPECT_EQ(list.Paths(), (std::vector<std::string>{Slashed(PerUser()) + "hina.ktc",
                                                      Slashed(PerUser()) + "hina-en.ktc"}));
    for (const auto& entry : fs::directory_iterator(PerUser()))
        EXPECT_EQ(entry.path().string().find(".tmp"), std::string::npos) << entry.path();
}

TEST_F(ProgramFolderChoice, AQueryNamesThePerUserFolderWithoutMakingIt) {
    TProgramFolder folder = FindProgramFolder(places_);
    EXPECT_EQ(folder.path, Slashed(PerUser()));
    EXPECT_EQ(folder.choice, EProgramFolderChoice::PerUser);
    EXPECT_FALSE(fs::exists(temp_.Path() / "home"));
}

TEST_F(ProgramFolderChoice, TheFirstKnownCharacterSpeaksTheInterfacesLanguage) {
    places_.interface_language = "en";
    ChooseProgramFolder(places_);
    const TCharacterList list(Slashed(PerUser()) + std::string(kSettingsFileName));
    EXPECT_EQ(list.Paths(), (std::vector<std::string>{Slashed(PerUser()) + "hina-en.ktc",
                                                      Slashed(PerUser()) + "hina.ktc"}));
}

TEST_F(ProgramFolderChoice, LaterStartsCopyNothingAndLeaveTheUsersFilesAlone) {
    ChooseProgramFolder(places_);
    temp_.Write("home/.local/share/kiova/hina.ktc", "damaged");
    fs::remove(PerUser() / "hina/events.txt");
    ChooseProgramFolder(places_);
    EXPECT_EQ(temp_.Read("home/.local/share/kiova/hina.ktc"), "damaged");
    EXPECT_FALSE(fs::exists(PerUser() / "hina/events.txt"));

    // Without its settings file the folder was never started: what is missing is copied, what
    // is there stays, even when damaged.
    fs::remove(PerUser() / kSettingsFileName);
    ChooseProgramFolder(places_);
    EXPECT_EQ(temp_.Read("home/.local/share/kiova/hina.ktc"), "damaged");
    EXPECT_FALSE(fs::exists(PerUser() / "hina/events.txt"));
    EXPECT_TRUE(fs::exists(PerUser() / kSettingsFileName));
}

TEST_F(ProgramFolderChoice, APerUserFolderThatCannotBeMadeIsOneClearError) {
    temp_.Write("home/.local", "a file where a folder belongs");
    EXPECT_EQ(ErrorOf(), "cannot create the per-user folder " + (temp_ / "home/.local/share") +
                             ": Not a directory");
    fs::remove(temp_.Path() / "home/.local");
    temp_.Write("home/.local/share/kiova", "a file");
    EXPECT_EQ(ErrorOf(), "the per-user folder " + PerUser().string() + " is not a folder");
}

TEST(ProgramFolderPlaces, ComeFromTheEnvironment) {
    const std::string home = std::getenv("HOME") != nullptr ? std::getenv("HOME") : "";
    ::setenv("KIOVA_HOME", "relative", 1);
    ::setenv("HOME", "/home/someone", 1);
    ::setenv("XDG_DATA_HOME", "not/absolute", 1);
    TProgramFolderPlaces places = ProgramFolderPlaces();
    EXPECT_EQ(places.kiova_home, fs::current_path() / "relative");
    EXPECT_EQ(places.per_user, "/home/someone/.local/share/kiova");
    ::setenv("XDG_DATA_HOME", "/data", 1);
    ::setenv("KIOVA_HOME", "", 1);
    places = ProgramFolderPlaces();
    EXPECT_EQ(places.kiova_home, std::nullopt);
    EXPECT_EQ(places.per_user, "/data/kiova");
    ::unsetenv("KIOVA_HOME");
    ::unsetenv("XDG_DATA_HOME");
    ::setenv("HOME", home.c_str(), 1);
}

}  // namespace
}  // namespace kiova
