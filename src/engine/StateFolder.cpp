#include "StateFolder.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "Files.h"
#include "XdgFolders.h"

namespace fs = std::filesystem;

namespace kiova {
namespace {

// FNV-1a over the path's bytes, shown as 8 hexadecimal digits: short, stable across runs and
// builds.
std::string ShortHash(std::string_view text) {
    std::uint32_t hash = 2166136261u;
    for (const char c : text) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    char digits[9];
    std::snprintf(digits, sizeof digits, "%08x", hash);
    return digits;
}

bool MayWrite(std::string_view folder) {
    const std::string path(folder.empty() ? std::string_view(".") : folder);
    return ::faccessat(AT_FDCWD, path.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

}  // namespace

std::string StateFolderFor(std::string_view data_folder) {
    if (MayWrite(data_folder)) return std::string(data_folder);
    const fs::path base = XdgBaseFolder("XDG_STATE_HOME", ".local/state");
    const fs::path folder = fs::path(std::string(data_folder)).lexically_normal();
    const fs::path name =
        folder.has_filename() ? folder.filename() : folder.parent_path().filename();
    const fs::path absolute = fs::absolute(folder).lexically_normal();
    return IncludeTrailingDelimiter(
        PathText(base / "kiova" / (name.string() + "-" + ShortHash(absolute.string()))));
}

void CreateStateFolder(std::string_view folder) {
    std::error_code error;
    const fs::path path(std::string{folder});
    if (fs::is_directory(path, error)) return;
    fs::create_directories(path, error);
    if (error)
        throw std::runtime_error("cannot create " + std::string(folder) + ": " + error.message());
    fs::permissions(path, fs::perms::owner_all, error);
}

}  // namespace kiova
