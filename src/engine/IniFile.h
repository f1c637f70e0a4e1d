// INI files as the Windows profile functions treat them: sections and keys compared without
// regard to case, values trimmed, a missing file reads as empty. Changes are made in memory and
// written by `Save`, which keeps every other line (comments, unknown keys, order) and replaces
// the file atomically. Text is in the program's code page.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

    // Writes the file (CR LF line ends) through a temporary file. Throws std::runtime_error.
    void Save() const;
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
};

}  // namespace kiova
