// Reading a whole file into memory.
#pragma once

#include <cstddef>
#include <filesystem>
#include <vector>

namespace kiova {

// Every byte of `file`; throws std::system_error when it cannot be opened or read.
std::vector<std::byte> ReadFileBytes(const std::filesystem::path& file);

}  // namespace kiova
