// The conversation log: what the user typed and what the character said, one entry per line,
// appended at the end of the file, in the file's own encoding and line ends (see
// TextFileFormat.h): UTF-8 with LF for a new log.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "DateTime.h"
#include "TextFileFormat.h"

namespace kiova {

class TChatLog {
public:
    explicit TChatLog(std::string path) : path_(std::move(path)) {}

    // Appends `text` trimmed, with every CR LF as "{BR}"; blank text gives an empty line.
    // Only the new line is written, so earlier entries survive a crash and the cost does not
    // grow with the file; only when the log's code page cannot hold `text` (UTF-8) is the whole
    // file rewritten in UTF-8. Throws std::runtime_error when the file cannot be written.
    void Write(std::string_view text) const;

    const std::string& Path() const { return path_; }

private:
    std::string path_;
    // Learnt from the file at the first write, then kept: this program is its one writer.
    mutable std::optional<TTextFileFormat> format_;
};

// "## yyyy/mm/dd hh:nn:ss # Start chatting with <name>" and its "End" counterpart.
std::string StartChattingEntry(TDateTime moment, std::string_view name);
std::string EndChattingEntry(TDateTime moment, std::string_view name);

// The conversation log's path: the running executable's name with ".log", in `program_folder`.
std::string ConversationLogPath(std::string_view program_folder);

}  // namespace kiova
