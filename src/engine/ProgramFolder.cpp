#include "ProgramFolder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "Files.h"

namespace kiova {

std::string ProgramFolder() {
    if (const char* home = std::getenv("KIOVA_HOME"); home != nullptr && *home != '\0')
        return IncludeTrailingDelimiter(AnsiPath(std::filesystem::absolute(home)));
    std::error_code error;
    std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return IncludeTrailingDelimiter(AnsiPath(std::filesystem::current_path()));
    return IncludeTrailingDelimiter(AnsiPath(executable.parent_path()));
}

}  // namespace kiova
