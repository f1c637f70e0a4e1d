// Reading the files a character keeps in its data folder (dialogue data, state file).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kiova {

// The lines of an existing file, deciphered when it is enciphered. Throws EKiovaError when the
// file cannot be read.
std::vector<std::string> ReadDataFileLines(std::string_view ansi_path);

}  // namespace kiova
