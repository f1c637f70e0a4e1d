// The error log "KiovaErr.log": start-up failures, missing help, bad pictures. Newest entry
// first; always written, in the file's own encoding and line ends (see TextFileFormat.h).
#pragma once

#include <string>
#include <string_view>

namespace kiova {

inline constexpr std::string_view kErrorLogName = "KiovaErr.log";

class TErrorLog {
public:
    explicit TErrorLog(std::string path) : path_(std::move(path)) {}

    // Inserts "## yyyy/mm/dd hh:nn:ss [Kiova]: '<message>'" before the first line (CR LF as
    // "{BR}", single quotes doubled) and replaces the file atomically. `message` is UTF-8.
    // Throws std::runtime_error when the file cannot be written.
    void Write(std::string_view message) const;

    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

}  // namespace kiova
