#include "PerUserFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>
#include <system_error>
#include <vector>

#include "CharacterFile.h"
#include "CharacterList.h"
#include "Files.h"
#include "ProgramFolder.h"

namespace fs = std::filesystem;

namespace kiova {
namespace {

[[noreturn]] void Fail(const std::string& what, const fs::path& path, int error_number) {
    throw EProgramFolderError(what + " " + path.string() + ": " + std::strerror(error_number));
}

// The owner may write `copy` and everything in it: a character's state file is kept in its
// data folder, whatever the installed files' modes.
void AllowOwnerWrites(const fs::path& copy, std::error_code& error) {
    auto allow = [&error](const fs::path& path, bool folder) {
        fs::permissions(
            path, folder ? fs::perms::owner_all : fs::perms::owner_read | fs::perms::owner_write,
            fs::perm_options::add, error);
    };
    const bool folder = fs::is_directory(copy, error);
    allow(copy, folder);
    if (!folder) return;
    for (auto it = fs::recursive_directory_iterator(copy, error);
         !error && it != fs::recursive_directory_iterator(); it.increment(error))
        allow(it->path(), it->is_directory());
}

// Copies `source` (a file or a whole folder) to `target` unless `target` exists, through a
// temporary name in the target's folder.
void CopyUnlessPresent(const fs::path& source, const fs::path& target) {
    std::error_code error;
    if (fs::symlink_status(target, error).type() != fs::file_type::not_found) return;
    fs::path temporary = target;
    temporary += ".tmp" + std::to_string(::getpid());
    fs::remove_all(temporary, error);
    fs::copy(source, temporary, fs::copy_options::recursive, error);
    if (!error) AllowOwnerWrites(temporary, error);
    // A folder made meanwhile by another start is kept; its copy is as good as this one.
    if (!error && ::rename(temporary.c_str(), target.c_str()) != 0 && errno != ENOTEMPTY &&
        errno != EEXIST)
        error.assign(errno, std::generic_category());
    std::error_code ignored;
    fs::remove_all(temporary, ignored);
    if (error) Fail("cannot copy the demo character to", target, error.value());
}

// Packages in `first_language` before the others, each group by name.
void OrderByLanguage(std::vector<std::string>& packages, std::string_view first_language) {
    auto speaks_first = [first_language](const std::string& package) {
        return TCharacterFile(package).ReadValue("language") == first_language;
    };
    std::sort(packages.begin(), packages.end());
    std::stable_partition(packages.begin(), packages.end(), speaks_first);
}

}  // namespace

// Like `mkdir -p -m 0700`: only the folders made here get the mode; existing ones are kept.
void CreatePerUserFolder(const fs::path& folder) {
    std::error_code error;
    if (fs::is_directory(folder, error)) return;
    if (folder.has_parent_path() && folder.parent_path() != folder)
        CreatePerUserFolder(folder.parent_path());
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        Fail("cannot create the per-user folder", folder, errno);
}

void SeedPerUserFolder(const fs::path& folder, const fs::path& demo_characters,
                       std::string_view first_language) {
    const fs::path settings = folder / kSettingsFileName;
    std::error_code error;
    // Without the demo characters (a program not installed whole) there is nothing to give;
    // a later start of a complete install still can.
    if (fs::exists(settings, error) || !fs::is_directory(demo_characters, error)) return;

    std::vector<std::string> packages;
    try {
        for (const fs::directory_entry& entry : fs::directory_iterator(demo_characters)) {
            const fs::path target = folder / entry.path().filename();
            CopyUnlessPresent(entry.path(), target);
            if (target.extension() == ".ktc") packages.push_back(PathText(target));
        }
        OrderByLanguage(packages, first_language);
        TCharacterList list(PathText(settings));
        for (const std::string& package : packages) list.AddCharacter(package);
        list.Save();
    } catch (const EProgramFolderError&) {
        throw;
    } catch (const std::exception& failure) {
        throw EProgramFolderError(std::string("cannot prepare the per-user folder: ") +
                                  failure.what());
    }
}

}  // namespace kiova
