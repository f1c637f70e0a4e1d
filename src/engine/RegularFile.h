// Reading a file that character data name. Only a regular file is read (a FIFO or a device
// would block the program or never end), and only when it is no larger than the caller allows,
// checked on the opened file before anything is allocated for its contents.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace kiova {

enum class EFileRead { Read, Missing, NotRegular, TooLarge, Unreadable };

struct TFileRead {
    EFileRead status = EFileRead::Missing;
    std::string bytes;  // the whole file when status is Read
};

TFileRead ReadRegularFile(const std::filesystem::path& file, std::uint64_t size_limit);

// What a log says of a file that was not read: "is no regular file" and the like (UTF-8).
std::string FileReadProblem(EFileRead status);

}  // namespace kiova
