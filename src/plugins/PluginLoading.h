// Loading plug-ins named in the program folder's "Plugins.txt".
#pragma once

#include <string_view>

#include "CharacterServices.h"

namespace kiova {

constexpr char kExtendedPlugin = 'E';  // kept by the main window, told of every event
constexpr char kBasicPlugin = 'S';     // kept by each character, asked for its tags

// When `enabled` and "Plugins.txt" exists in `program_folder`: probes each line in order (an
// object is created, asked for its kind letters and released) and adds the lines whose kinds
// hold `kind` to `target`. A line whose probe fails is skipped.
void LoadPlugins(TPluginListBase& target, char kind, std::string_view program_folder, bool enabled);

}  // namespace kiova
