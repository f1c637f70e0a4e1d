#include "ProgramFolder.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <system_error>

#include "Files.h"
#include "InstalledFolders.h"
#include "PerUserFolder.h"
#include "UiLanguage.h"
#include "XdgFolders.h"

namespace fs = std::filesystem;

namespace kiova {
namespace {

std::optional<fs::path> Environment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') return std::nullopt;
    return fs::path(value);
}

// The name of the file that makes `folder` a portable program folder, or empty.
std::string PortableFolderMark(const fs::path& folder) {
    std::error_code error;
    for (std::string_view mark : {kSettingsFileName, kPortableMarker})
        if (fs::exists(folder / mark, error)) return std::string(mark);
    return {};
}

void RequireWritableFolder(const fs::path& folder, std::string_view described_as) {
    std::error_code error;
    const fs::file_status status = fs::status(folder, error);
    const std::string name = std::string(described_as) + " " + folder.string();
    if (status.type() == fs::file_type::not_found)
        throw EProgramFolderError(name + " does not exist");
    if (status.type() != fs::file_type::directory)
        throw EProgramFolderError(name + " is not a folder");
    if (::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) != 0)
        throw EProgramFolderError(name + " cannot be written (" + std::strerror(errno) +
                                  "): the settings, logs and characters' state files live there");
}

struct TDecision {
    fs::path folder;
    EProgramFolderChoice choice;
    std::string reason;
    std::string_view described_as;  // for errors
};

TDecision Decide(const TProgramFolderPlaces& places) {
    if (places.kiova_home)
        return {*places.kiova_home, EProgramFolderChoice::KiovaHome, "KIOVA_HOME is set",
                "KIOVA_HOME names the folder"};
    if (std::string mark = PortableFolderMark(places.executable_folder); !mark.empty())
        return {places.executable_folder, EProgramFolderChoice::Portable,
                "the executable's folder holds " + mark, "the portable program folder"};
    if (places.per_user.empty())
        throw EProgramFolderError(
            "no per-user folder: neither XDG_DATA_HOME nor HOME is set, and the user has no home "
            "folder");
    return {places.per_user, EProgramFolderChoice::PerUser,
            "KIOVA_HOME is not set and the executable's folder " +
                places.executable_folder.string() + " holds neither " +
                std::string(kSettingsFileName) + " nor " + std::string(kPortableMarker),
            "the per-user folder"};
}

TProgramFolder Chosen(TDecision decision) {
    return {IncludeTrailingDelimiter(PathText(decision.folder.lexically_normal())), decision.choice,
            std::move(decision.reason)};
}

}  // namespace

TProgramFolderPlaces ProgramFolderPlaces() {
    TProgramFolderPlaces places;
    if (std::optional<fs::path> home = Environment("KIOVA_HOME"))
        places.kiova_home = fs::absolute(*home);
    const fs::path executable = ExecutablePath();
    places.executable_folder = executable.empty() ? fs::current_path() : executable.parent_path();
    if (fs::path data = XdgBaseFolder("XDG_DATA_HOME", ".local/share"); !data.empty())
        places.per_user = data / "kiova";
    places.demo_characters = NativePath(InstalledFolders().data + "characters");
    places.interface_language = UiLanguage() == EUiLanguage::Japanese ? "ja" : "en";
    return places;
}

TProgramFolder ChooseProgramFolder(const TProgramFolderPlaces& places) {
    TDecision decision = Decide(places);
    const bool per_user = decision.choice == EProgramFolderChoice::PerUser;
    if (per_user) CreatePerUserFolder(decision.folder);
    RequireWritableFolder(decision.folder, decision.described_as);
    if (per_user)
        SeedPerUserFolder(decision.folder, places.demo_characters, places.interface_language);
    return Chosen(std::move(decision));
}

TProgramFolder FindProgramFolder(const TProgramFolderPlaces& places) {
    TDecision decision = Decide(places);
    if (decision.choice != EProgramFolderChoice::PerUser)
        RequireWritableFolder(decision.folder, decision.described_as);
    return Chosen(std::move(decision));
}

TProgramFolder OpenProgramFolder() {
    return ChooseProgramFolder(ProgramFolderPlaces());
}

std::string_view ChoiceName(EProgramFolderChoice choice) {
    switch (choice) {
        case EProgramFolderChoice::KiovaHome:
            return "KIOVA_HOME";
        case EProgramFolderChoice::Portable:
            return "portable";
        case EProgramFolderChoice::PerUser:
            return "per-user";
    }
    return {};
}

}  // namespace kiova
