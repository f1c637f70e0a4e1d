#include "CheckReport.h"

#include <iostream>
#include <nlohmann/json.hpp>

#include "CodePage.h"

namespace kiova::tool {

void TCheckReport::Add(const TPlace& place, ESeverity severity, std::string_view message) {
    if (muted_) return;
    const bool error = severity == ESeverity::Error;
    ++(error ? errors_ : warnings_);
    const std::string file(place.file);
    if (json_) {
        const nlohmann::ordered_json problem = {{"file", file},
                                                {"line", place.line},
                                                {"severity", error ? "error" : "warning"},
                                                {"message", message}};
        std::cout << problem.dump() << '\n';
    } else {
        std::cout << file << ':' << place.line << ": " << (error ? "error" : "warning") << ": "
                  << message << '\n';
    }
}

std::string Quoted(std::string_view ansi, int code_page) {
    return '"' + AnsiToUtf8(ansi, code_page) + '"';
}

}  // namespace kiova::tool
