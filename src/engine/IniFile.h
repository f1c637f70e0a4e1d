// INI files as the Windows profile functions treat them: sections and keys compared without
// regard to case, values trimmed, a missing file reads as empty. Changes are made in memory and
// written by `Save`, which keeps every other line (comments, unknown keys, order) and replaces
// the file atomically.
//
// Texts are UTF-8 in memory. A file is read in the encoding it holds (UTF-8 when its bytes are
// valid UTF-8, else the program's code page) and written back in it with its line ends; a new
// file is UTF-8 with LF, and a file whose code page cannot hold a text is rewritten in UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "TextFileFormat.h"

namespace kiova {

class TIniFile {
public:
    // Reads the file now; a missing or unreadable file reads as empty.
    explicit TIniFile(std::string path);

    std::optional<std::string> Read(std::string_view section, std::string_view key) const;
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view default_value) const;
    bool ValueExists(std::string_view section, std::string_view key) const;
    // Keys of the section in file order.
    std::vector<std::string> ReadSection(std::string_view section) const;

    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void EraseSection(std::string_view section);

    // Writes the file through a temporary file. Throws std::runtime_error.
    void Save();
    const std::string& Path() const { return path_; }

private:
    struct Line {
        std::string text;     // the line as stored
        std::string section;  // for a header: the section name
        std::string key;      // for an entry: the key, trimmed
        std::string value;    // for an entry: the value, trimmed
        bool is_header = false;
        bool is_entry = false;
    };
    // [first line after the header, end) of the first section named `section`; nothing if absent.
    std::optional<std::pair<size_t, size_t>> SectionRange(std::string_view section) const;
    const Line* FindEntry(std::string_view section, std::string_view key) const;

    std::string path_;
    std::vector<Line> lines_;
    TTextFileFormat format_;
};

}  // namespace kiova
