#include "StagingFolder.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ToolCommand.h"
#include "ToolTexts.h"

namespace fs = std::filesystem;

namespace kiova::tool {
namespace {

bool IsEmptyFolder(const fs::path& path) {
    std::error_code error;
    return fs::is_directory(path, error) && fs::is_empty(path, error) && !error;
}

}  // namespace

TStagingFolder::TStagingFolder(fs::path target) : target_(fs::absolute(target).lexically_normal()) {
    if (!target_.has_filename()) target_ = target_.parent_path();  // "out/" is "out"
    std::error_code error;
    if (fs::exists(fs::symlink_status(target_, error)) && !IsEmptyFolder(target_))
        throw ToolError(TranslatedUtf8(kToolOutputNotEmpty, target_.string()));
    const fs::path parent = target_.parent_path().empty() ? fs::path(".") : target_.parent_path();
    std::string pattern = (parent / ("." + target_.filename().string() + ".XXXXXX")).string();
    if (!::mkdtemp(pattern.data()))
        throw ToolError(TranslatedUtf8(kToolCannotCreate, target_.string(), std::strerror(errno)));
    path_ = pattern;
    // mkdtemp makes it private; the finished folder gets the modes any new folder gets.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(path_.c_str(), 0777 & ~mask);
}

TStagingFolder::~TStagingFolder() {
    if (committed_) return;
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

void TStagingFolder::Commit() {
    // rename(2) replaces an empty folder and refuses one that has been filled.
    if (std::rename(path_.c_str(), target_.c_str()) != 0)
        throw ToolError(TranslatedUtf8(kToolCannotCreate, target_.string(), std::strerror(errno)));
    committed_ = true;
}

}  // namespace kiova::tool
