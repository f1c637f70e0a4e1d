#include "TextFileFormat.h"

#include <optional>

#include "CodePage.h"
#include "Files.h"
#include "TextUtils.h"

namespace kiova {

TTextFileFormat NewTextFileFormat() {
    return {kUtf8CodePage, "\n"};
}

TTextFileFormat DetectTextFileFormat(std::string_view contents) {
    TTextFileFormat format = NewTextFileFormat();
    if (!IsValidUtf8(contents)) format.code_page = CodePage();
    const size_t end = contents.find_first_of("\r\n");
    if (end != std::string_view::npos && contents.substr(end, 2) == "\r\n")
        format.line_end = "\r\n";
    return format;
}

std::string TextFileToUtf8(std::string_view contents, const TTextFileFormat& format) {
    return AnsiToUtf8(contents, format.code_page);
}

std::string Utf8ToTextFile(std::string_view utf8, TTextFileFormat& format) {
    if (format.code_page == kUtf8CodePage) return std::string(utf8);
    if (std::optional<std::string> encoded = Utf8ToAnsiExact(utf8, format.code_page))
        return *encoded;
    format.code_page = kUtf8CodePage;
    return std::string(utf8);
}

std::vector<std::string> ReadTextFileLines(std::string_view path, TTextFileFormat& format) {
    const std::optional<std::string> contents = ReadFileBytes(path);
    format = DetectTextFileFormat(contents.value_or(std::string()));
    if (!contents) return {};
    return SplitLines(TextFileToUtf8(*contents, format));
}

void WriteTextFileLines(std::string_view path, const std::vector<std::string>& lines,
                        TTextFileFormat& format) {
    std::string utf8;
    for (const std::string& line : lines) utf8 += line + format.line_end;
    WriteFileAtomically(path, Utf8ToTextFile(utf8, format));
}

}  // namespace kiova
