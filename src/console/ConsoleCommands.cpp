#include "ConsoleCommands.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

namespace kiova {
namespace {
constexpr std::array<std::pair<std::string_view, EConsoleCommand>, 7> kCommands{{
    {"pat", EConsoleCommand::Pat},
    {"change", EConsoleCommand::Change},
    {"profile", EConsoleCommand::Profile},
    {"settings", EConsoleCommand::Settings},
    {"about", EConsoleCommand::About},
    {"help", EConsoleCommand::Help},
    {"quit", EConsoleCommand::Quit},
}};

std::string_view Trimmed(std::string_view text) {
    size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}
}  // namespace

TConsoleLine ParseConsoleLine(std::string_view line) {
    if (!line.starts_with('/')) return {EConsoleCommand::Say, std::string(line)};
    if (line.starts_with("//")) return {EConsoleCommand::Say, std::string(line.substr(1))};
    std::string_view rest = line.substr(1);
    size_t name_end = std::min(rest.find_first_of(" \t"), rest.size());
    std::string name(rest.substr(0, name_end));
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char letter) { return static_cast<char>(std::tolower(letter)); });
    for (const auto& [known, command] : kCommands)
        if (name == known) return {command, std::string(Trimmed(rest.substr(name_end)))};
    return {EConsoleCommand::Unknown, std::string(Trimmed(line))};
}

}  // namespace kiova
