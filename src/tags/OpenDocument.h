// "SHELL:": opening a document, folder or address with the desktop's usual application.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace kiova {

// Opens `target` (a file-system path or an address with a scheme, UTF-8); true on success.
// The front end puts Qt's desktop services here; OpenWithXdgOpen is the default.
using TOpenDocument = std::function<bool(const std::string& target)>;

// Runs "xdg-open target" (no shell) and reports whether it exited with 0.
bool OpenWithXdgOpen(const std::string& target);

// What "SHELL:" hands to the open-document service for `text` (as written in the tag), or
// nothing when it must not be opened because it would run a program: a name ending in ".exe"
// or ".desktop", or an existing file with an execute permission bit. An address with a scheme
// passes unchanged (a "file:" address is checked like the path it names, without its query
// and fragment, as the opener reads it); any other text is a path, taken relative to
// `data_folder` (ANSI) unless it begins with "/".
std::optional<std::string> ShellTarget(std::u16string_view text, std::string_view data_folder);

}  // namespace kiova
