// The problems `kiova-tool check` finds, printed as they are found, so that a large character is
// checked in bounded memory: "file:line: error: message" lines, or one JSON object per line.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "CodePage.h"

namespace kiova::tool {

enum class ESeverity { Error, Warning };

// Where a problem lies: a file (ANSI path) and a line of it, from 1.
struct TPlace {
    std::string_view file;
    uint32_t line = 1;
};

class TCheckReport {
public:
    explicit TCheckReport(bool json) : json_(json) {}

    // `message` is UTF-8.
    void Add(const TPlace& place, ESeverity severity, std::string_view message);
    void Error(const TPlace& place, std::string_view message) {
        Add(place, ESeverity::Error, message);
    }
    void Warning(const TPlace& place, std::string_view message) {
        Add(place, ESeverity::Warning, message);
    }

    // While muted, problems are neither printed nor counted.
    void SetMuted(bool muted) { muted_ = muted; }

    bool Json() const { return json_; }
    int Errors() const { return errors_; }
    int Warnings() const { return warnings_; }

private:
    bool json_;
    bool muted_ = false;
    int errors_ = 0;
    int warnings_ = 0;
};

// ANSI text quoted for a message (UTF-8).
std::string Quoted(std::string_view ansi, int code_page = CodePage());

}  // namespace kiova::tool
