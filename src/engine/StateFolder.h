// Where a character keeps its state file. Beside its data when this user may write the data
// folder; otherwise (a character installed read-only, such as the demo under /usr/share) under
// $XDG_STATE_HOME/kiova/ (~/.local/state/kiova/), in a subfolder named after the data folder and
// a short hash of its full path, so two characters of one name never share a state file.
#pragma once

#include <string>
#include <string_view>

namespace kiova {

// The folder for the state file of the character whose data are in `data_folder` (native, with
// a trailing delimiter); the result has one too. The per-user folder is not created here.
std::string StateFolderFor(std::string_view data_folder);

// Creates the folder (and its parents, private to the user) when missing. Throws
// std::runtime_error naming it when that fails.
void CreateStateFolder(std::string_view folder);

}  // namespace kiova
