#include "CharacterFile.h"

#include "CodePage.h"
#include "Files.h"
#include "Numbers.h"

namespace kiova {

TCharacterFile::TCharacterFile(std::string_view package_path) {
    if (!FileExists(package_path)) return;
    std::vector<std::string> lines = ReadFileLines(package_path);
    for (size_t i = 0; i + 1 < lines.size(); i += 2) {
        keys_.push_back(AnsiLowerCase(lines[i]));
        values_.push_back(std::move(lines[i + 1]));
    }
    data_folder_ = DataFolderOf(package_path, ReadValue("folder")).value_or(std::string());
}

std::optional<std::string> TCharacterFile::ResolvePath(std::string_view file_name) const {
    if (data_folder_.empty()) return std::nullopt;
    return PathInside(data_folder_, file_name);
}

std::string TCharacterFile::ReadValue(std::string_view key) const {
    std::string wanted = AnsiLowerCase(key);
    for (size_t i = 0; i < keys_.size(); ++i)
        if (keys_[i] == wanted) return values_[i];
    return {};
}

std::optional<std::string> DataFolderOf(std::string_view package_path,
                                        std::string_view folder_value) {
    return FolderInside(ExtractFilePath(package_path), folder_value);
}

std::string OutsideFolderMessage(std::string_view name) {
    return "\"" + std::string(name) + "\" lies outside the character's folder";
}

bool IsValidCharacterFile(std::string_view package_path) {
    if (!FileExists(package_path)) return false;
    TCharacterFile package(package_path);
    return !package.ReadValue("name").empty() || !package.ReadValue("folder").empty();
}

bool HasSupportedVersion(const TCharacterFile& package) {
    return TextToInt(package.ReadValue("version")).value_or(0) >= kMinimumCharacterVersion;
}

}  // namespace kiova
