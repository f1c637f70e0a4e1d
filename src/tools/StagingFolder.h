// A folder built under a temporary name beside its final place and renamed into place only when
// it is complete, so a failed build leaves nothing behind and never touches what is there.
#pragma once

#include <filesystem>

namespace kiova::tool {

class TStagingFolder {
public:
    // Throws ToolError when `target` exists and is not an empty folder, or when the temporary
    // folder cannot be made beside it.
    explicit TStagingFolder(std::filesystem::path target);
    // Removes the temporary folder and everything in it unless it was committed.
    ~TStagingFolder();
    TStagingFolder(const TStagingFolder&) = delete;
    TStagingFolder& operator=(const TStagingFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // Renames the folder into place. Throws ToolError when that fails (for instance when
    // something was written to the target meanwhile).
    void Commit();

private:
    std::filesystem::path target_;
    std::filesystem::path path_;
    bool committed_ = false;
};

}  // namespace kiova::tool
