// Picture and decoder files: their whole bytes, and their extension as Windows compares it.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace kiova {

// Every byte of `file`; throws std::system_error when it cannot be opened or read.
std::vector<std::byte> ReadFileBytes(const std::filesystem::path& file);

// The file name from its last '.' (so ".jpg" alone is one too), ASCII letters in lower case;
// empty when the name has no '.'.
std::string LowerCaseExtension(const std::filesystem::path& file);

}  // namespace kiova
