// The conversation log: what the user typed and what the character said, one entry per line,
// appended at the end of the file. Text is ANSI with CR LF line ends.
#pragma once

#include <string>
#include <string_view>

#include "DateTime.h"

namespace kiova {

class TChatLog {
public:
    explicit TChatLog(std::string path) : path_(std::move(path)) {}

    // Appends `text` trimmed, with every CR LF as "{BR}"; blank text gives an empty line.
    // Only the new line is written, so earlier entries survive a crash and the cost does not
    // grow with the file. Throws std::runtime_error when the file cannot be written.
    void Write(std::string_view text) const;

    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

// "## yyyy/mm/dd hh:nn:ss # Start chatting with <name>" and its "End" counterpart.
std::string StartChattingEntry(TDateTime moment, std::string_view name);
std::string EndChattingEntry(TDateTime moment, std::string_view name);

// The conversation log's path: the running executable's name with ".log", in `program_folder`.
std::string ConversationLogPath(std::string_view program_folder);

}  // namespace kiova
