#include "CharacterFile.h"

#include "CodePage.h"
#include "Files.h"
#include "Numbers.h"
#include "TextUtils.h"

namespace kiova {

TCharacterFile::TCharacterFile(std::string_view package_path) : code_page_(kiova::CodePage()) {
    if (!FileExists(package_path)) return;
    std::string contents = ReadFileBytes(package_path).value_or(std::string());
    const bool has_byte_order_mark = contents.starts_with(kByteOrderMark);
    if (has_byte_order_mark) contents.erase(0, kByteOrderMark.size());
    std::vector<std::string> lines = SplitLines(contents);
    for (size_t i = 0; i + 1 < lines.size(); i += 2) {
        keys_.push_back(AnsiLowerCase(lines[i], kUtf8CodePage));  // lower-cases ASCII only
        values_.push_back(std::move(lines[i + 1]));
    }
    ChooseCodePage(has_byte_order_mark);
    if (code_page_ != kUtf8CodePage)  // a Shift_JIS key's trail bytes are no letters
        for (size_t i = 0; i < keys_.size(); ++i)
            keys_[i] = AnsiLowerCase(lines[2 * i], code_page_);
    data_folder_ =
        DataFolderOf(package_path, ReadValue("folder"), code_page_).value_or(std::string());
}

void TCharacterFile::ChooseCodePage(bool has_byte_order_mark) {
    const std::string charset(TrimSpaces(ReadValue("charset")));
    if (!charset.empty()) {
        if (std::optional<int> named = CodePageOfCharset(charset)) {
            code_page_ = *named;
            code_page_source_ = "charset";
            return;
        }
        charset_problem_ = "charset \"" + charset + "\" is neither UTF-8 nor Shift_JIS";
    }
    if (has_byte_order_mark) {
        code_page_ = kUtf8CodePage;
        code_page_source_ = "byte-order mark";
    }
}

std::optional<std::string> TCharacterFile::ResolvePath(std::string_view file_name) const {
    if (data_folder_.empty()) return std::nullopt;
    return PathInside(data_folder_, file_name, code_page_);
}

std::string TCharacterFile::ReadValue(std::string_view key) const {
    std::string wanted = AnsiLowerCase(key);
    for (size_t i = 0; i < keys_.size(); ++i)
        if (keys_[i] == wanted) return values_[i];
    return {};
}

std::optional<std::string> DataFolderOf(std::string_view package_path,
                                        std::string_view folder_value, int code_page) {
    return FolderInside(ExtractFilePath(package_path), folder_value, code_page);
}

std::string OutsideFolderMessage(std::string_view name, int code_page) {
    return "\"" + AnsiToUtf8(name, code_page) + "\" lies outside the character's folder";
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
