// The encoding and line ends of the program's own text files (settings, logs, plug-in list).
//
// A file the program creates is UTF-8 with LF line ends, so a Linux user can read it. A file
// that exists keeps what it holds: UTF-8 when its bytes are valid UTF-8, else the program's
// default code page (a folder copied from Windows), and CR LF when its first line ends so. When
// the code page cannot hold a text to be written, the whole file becomes UTF-8.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kiova {

struct TTextFileFormat {
    int code_page;         // kUtf8CodePage or the program's code page
    std::string line_end;  // "\n" or "\r\n"
    bool operator==(const TTextFileFormat&) const = default;
};

// UTF-8 with LF.
TTextFileFormat NewTextFileFormat();
// The format `contents` is in; NewTextFileFormat() for empty contents.
TTextFileFormat DetectTextFileFormat(std::string_view contents);

// `contents` (in `format`) as UTF-8.
std::string TextFileToUtf8(std::string_view contents, const TTextFileFormat& format);
// `utf8` encoded for a file of `format`; when its code page cannot hold every character,
// `format` becomes UTF-8 (keeping its line ends) and so does the result.
std::string Utf8ToTextFile(std::string_view utf8, TTextFileFormat& format);

// The file's lines as UTF-8, noting its format; a missing file reads as empty in the new
// format.
std::vector<std::string> ReadTextFileLines(std::string_view path, TTextFileFormat& format);
// Writes `lines` (UTF-8), each followed by the format's line end, atomically.
void WriteTextFileLines(std::string_view path, const std::vector<std::string>& lines,
                        TTextFileFormat& format);

}  // namespace kiova
