#include "CharacterSelection.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "CharacterFile.h"
#include "CodePage.h"
#include "Files.h"
#include "UiTexts.h"

namespace kiova {
namespace {
// The "*.ktc" files of the folder, sorted by name so that the order does not depend on the
// file system.
std::vector<std::string> PackagesIn(std::string_view folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(NativePath(folder), error)) {
        std::string name = PathText(entry.path().filename());
        if (name.size() > 4 && AnsiLowerCase(name.substr(name.size() - 4), kUtf8CodePage) == ".ktc")
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}
}  // namespace

TCharacterSelection::TCharacterSelection(TCharacterList& list, std::string_view program_folder)
    : list_(list) {
    for (const std::string& name : PackagesIn(program_folder)) {
        std::string path = std::string(program_folder) + name;
        if (IsValidCharacterFile(path)) list_.AddCharacter(path);
    }
    for (const std::string& path : list_.Paths())
        if (IsValidCharacterFile(path)) AddRow(path);
}

void TCharacterSelection::AddRow(std::string_view package_path) {
    const TCharacterFile package(package_path);
    rows_.push_back(
        {AnsiToUtf8(package.ReadValue("name"), package.CodePage()), std::string(package_path)});
}

std::optional<TUiText> TCharacterSelection::Browse(std::u16string_view picked_path) {
    const std::string package_path = Utf16ToUtf8(picked_path);
    if (!IsValidCharacterFile(package_path)) return kInvalidFileMessage;
    AddRow(package_path);
    return std::nullopt;
}

void TCharacterSelection::Delete(size_t row) {
    if (row < rows_.size()) rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(row));
}

bool TCharacterSelection::Accept(std::optional<size_t> selected) {
    if (!selected || *selected >= rows_.size()) return false;
    chosen_path_ = rows_[*selected].path;
    list_.Paths().assign(1, chosen_path_);
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(*selected));
    for (const TRow& row : rows_) list_.AddCharacter(row.path);
    return true;
}

}  // namespace kiova
