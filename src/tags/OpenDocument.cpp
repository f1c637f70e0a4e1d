#include "OpenDocument.h"

#include <sys/stat.h>

#include <filesystem>

#include "ChildProcess.h"
#include "CodePage.h"
#include "Files.h"
#include "TextUtils.h"

namespace kiova {
namespace {

// The extension of the last path element, from its last "." on, normalised (upper case).
std::u16string NormalizedExtension(std::u16string_view text) {
    const size_t element = text.find_last_of(u"/\\");
    const std::u16string_view name =
        element == std::u16string_view::npos ? text : text.substr(element + 1);
    const size_t dot = name.rfind(u'.');
    return dot == std::u16string_view::npos ? std::u16string() : NormalizeText(name.substr(dot));
}

bool NamesAProgram(std::u16string_view text) {
    const std::u16string extension = NormalizedExtension(text);
    return extension == u".EXE" || extension == u".DESKTOP";
}

bool IsAsciiLetter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool IsSchemeCharacter(char16_t c) {
    return IsAsciiLetter(c) || (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'.';
}

// The scheme of an address ("http" of "http://..."): a letter, then letters, digits, "+", "-"
// or ".", then ":". One letter is a drive ("C:"), not a scheme.
std::u16string_view Scheme(std::u16string_view text) {
    if (text.empty() || !IsAsciiLetter(text[0])) return {};
    size_t length = 1;
    while (length < text.size() && IsSchemeCharacter(text[length])) ++length;
    if (length < 2 || length == text.size() || text[length] != u':') return {};
    return text.substr(0, length);
}

bool IsFileScheme(std::u16string_view scheme) {
    return NormalizeText(scheme) == u"FILE";
}

// The path of a "file:" address as a URL parser and the opener read it: a host part is
// skipped, a query ("?") or fragment ("#") is cut off, and what is left is percent-decoded
// ("file:///a%20b#c" gives "/a b").
std::string FileAddressPath(std::string_view address) {
    std::string_view rest = address.substr(5);
    rest = rest.substr(0, rest.find_first_of("?#"));
    if (rest.starts_with("//")) {
        const size_t slash = rest.find('/', 2);
        rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash);
    }
    auto hex = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    };
    std::string path;
    for (size_t i = 0; i < rest.size(); ++i) {
        if (rest[i] == '%' && i + 2 < rest.size() && hex(rest[i + 1]) >= 0 &&
            hex(rest[i + 2]) >= 0) {
            path += static_cast<char>(hex(rest[i + 1]) * 16 + hex(rest[i + 2]));
            i += 2;
        } else {
            path += rest[i];
        }
    }
    return path;
}

bool IsExecutableFile(const std::filesystem::path& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
           (status.st_mode & (S_IXUSR | S_IXGRP | S_IXOTH)) != 0;
}

}  // namespace

bool OpenWithXdgOpen(const std::string& target) {
    std::optional<TChildProcess> opener =
        StartHiddenProgram({"xdg-open", target}, TProgramLookup::SearchPath);
    return opener && opener->WaitForExit() == 0;
}

std::optional<std::string> ShellTarget(std::u16string_view text, std::string_view data_folder) {
    if (text.empty() || NamesAProgram(text)) return std::nullopt;
    if (!Scheme(text).empty()) {
        std::string address = Utf16ToUtf8(text);
        if (IsFileScheme(Scheme(text))) {
            const std::string path = FileAddressPath(address);
            if (NamesAProgram(Utf8ToUtf16(path)) || IsExecutableFile(path)) return std::nullopt;
        }
        return address;
    }
    const std::string name = Utf16ToUtf8(text);
    const bool absolute = !name.empty() && name[0] == '/';
    const std::filesystem::path path =
        NativePath(absolute ? name : std::string(data_folder) + name);
    if (IsExecutableFile(path)) return std::nullopt;
    return path.string();
}

}  // namespace kiova
