// Picture and decoder files: their whole bytes, and their extension as Windows compares it.
#pragma once

#include <filesystem>
#include <string>

namespace kiova {

// Every byte of the picture or decoder input `file`; throws std::system_error when it is no
// regular file, is larger than kMaxPictureFileBytes, or cannot be read.
std::string ReadFileBytes(const std::filesystem::path& file);

// The file name from its last '.' (so ".jpg" alone is one too), ASCII letters in lower case;
// empty when the name has no '.'.
std::string LowerCaseExtension(const std::filesystem::path& file);

}  // namespace kiova
