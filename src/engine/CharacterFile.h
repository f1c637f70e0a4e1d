// A character package (".ktc"): a plain text file of lines taken in pairs, key then value.
// Keys are stored lower-cased, values byte for byte; the first of repeated keys wins.
// The package names the character's code page: a UTF-8 byte-order mark or the key "charset"
// makes it UTF-8 (or Shift_JIS); without either it is the program's default code page.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kiova {

// A package that starts with a UTF-8 byte-order mark is UTF-8.
inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

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

    // The code page of the character's texts and names.
    int CodePage() const { return code_page_; }
    // Why it is that code page: "byte-order mark", "charset" or "default".
    std::string_view CodePageSource() const { return code_page_source_; }
    // The problem with the "charset" value, when it names no code page this program reads.
    const std::optional<std::string>& CharsetProblem() const { return charset_problem_; }

private:
    void ChooseCodePage(bool has_byte_order_mark);

    std::vector<std::string> keys_;
    std::vector<std::string> values_;
    std::string data_folder_;
    int code_page_;
    std::string_view code_page_source_ = "default";
    std::optional<std::string> charset_problem_;
};

// The package folder plus "folder", with trailing delimiters (none added twice); nothing when
// "folder" leaves the package's folder (see FolderInside).
std::optional<std::string> DataFolderOf(std::string_view package_path,
                                        std::string_view folder_value, int code_page);

// The problem report (UTF-8) for a name in character data that leads out of the character's
// folder.
std::string OutsideFolderMessage(std::string_view name, int code_page);

// The package exists and names a "name" or a "folder" (its "charset" is not checked here).
bool IsValidCharacterFile(std::string_view package_path);

// The oldest "version" of a package that the program loads.
inline constexpr int kMinimumCharacterVersion = 210;
bool HasSupportedVersion(const TCharacterFile& package);

}  // namespace kiova
