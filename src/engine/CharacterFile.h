// A character package (".ktc"): a plain text file of lines taken in pairs, key then value.
// Keys are stored lower-cased, values byte for byte; the first of repeated keys wins.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kiova {

class TCharacterFile {
public:
    // A missing package is no error: every key reads empty and the data folder is empty.
    explicit TCharacterFile(std::string_view package_path);

    std::string ReadValue(std::string_view key) const;
    // `file_name` inside the data folder (see PathInside); nothing when it leaves the folder or
    // when there is no data folder.
    std::optional<std::string> ResolvePath(std::string_view file_name) const;
    // The package's folder, the "folder" value, each with a trailing delimiter. Empty when the
    // package does not exist or its "folder" leaves the package's folder.
    const std::string& DataFolder() const { return data_folder_; }

    const std::vector<std::string>& Keys() const { return keys_; }
    const std::vector<std::string>& Values() const { return values_; }

private:
    std::vector<std::string> keys_;
    std::vector<std::string> values_;
    std::string data_folder_;
};

// The package folder plus "folder", with trailing delimiters (none added twice); nothing when
// "folder" leaves the package's folder (see FolderInside).
std::optional<std::string> DataFolderOf(std::string_view package_path,
                                        std::string_view folder_value);

// The problem report for a name in character data that leads out of the character's folder.
std::string OutsideFolderMessage(std::string_view name);

// The package exists and names a "name" or a "folder".
bool IsValidCharacterFile(std::string_view package_path);

// The oldest "version" of a package that the program loads.
inline constexpr int kMinimumCharacterVersion = 210;
bool HasSupportedVersion(const TCharacterFile& package);

}  // namespace kiova
